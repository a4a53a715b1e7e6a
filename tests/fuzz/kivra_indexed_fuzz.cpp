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
    if (size < 13) return false;
    if (fuzz::TooLargeToFuzz(u16(6), u16(8))) return true;
    std::size_t at = 13;
    if (data[10] & 0x80) at += 3 * (std::size_t(2) << (data[10] & 7));
    while (at < size && data[at] == 0x21) {  // extensions: label, then sub-blocks
        at += 2;
        while (at < size && data[at] != 0) at += std::size_t(data[at]) + 1;
        ++at;
    }
    return at < size && data[at] == 0x2C && fuzz::TooLargeToFuzz(u16(at + 5), u16(at + 7));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (DeclaresLargePicture(data, size)) return 0;
    fuzz::OpenAndFetch(data, size, KV_INDEXED_INFO_BYTES, 4, 8, kvIndexedOpen, kvIndexedFetch);
    return 0;
}
