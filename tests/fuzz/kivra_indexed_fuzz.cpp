// kivra's GIF decoder.
#include "kivra/kivra.h"
#include "tests/fuzz/kivra_fuzz.h"

namespace {

// The open holds a canvas of the logical screen's size and the first
// frame's colour indexes: true when either is larger than the harness
// decodes. Follows the records up to the first frame as far as they lie
// inside the input.
bool DeclaresLargePicture(const std::uint8_t* data, std::size_t size) {
    auto u16 = [&](std::size_t at) { return at + 1 < size ? data[at] | data[at + 1] << 8 : 0; };
    if (size < 13 || fuzz::TooLargeToFuzz(u16(6), u16(8))) return size >= 13;
    std::size_t at = 13;
    if (data[10] & 0x80) at += 3 * (std::size_t(2) << (data[10] & 7));
    while (at < size && data[at] == 0x21) {  // extensions: label, then sub-blocks
        at += 2;
        while (at < size && data[at] != 0) at += std::size_t(data[at]) + 1;
        ++at;
    }
    if (at >= size || data[at] != 0x2C) return false;
    // A logical screen of size 0 takes the frame's extent.
    const std::int64_t width = u16(6) > 0 ? u16(6) : std::int64_t(u16(at + 1)) + u16(at + 5);
    const std::int64_t height = u16(8) > 0 ? u16(8) : std::int64_t(u16(at + 3)) + u16(at + 7);
    return fuzz::TooLargeToFuzz(width, height) || fuzz::TooLargeToFuzz(u16(at + 5), u16(at + 7));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (DeclaresLargePicture(data, size)) return 0;
    fuzz::OpenAndFetch(data, size, KV_INDEXED_INFO_BYTES, 4, 8, kvIndexedOpen, kvIndexedFetch);
    return 0;
}
