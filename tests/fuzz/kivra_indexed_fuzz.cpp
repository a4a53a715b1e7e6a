// kivra's GIF decoder.
#include "kivra/kivra.h"
#include "tests/fuzz/kivra_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The open paints the first frame on a canvas of the logical screen's size.
    if (size >= 10 && fuzz::TooLargeToFuzz(data[6] | data[7] << 8, data[8] | data[9] << 8)) return 0;
    fuzz::OpenAndFetch(data, size, KV_INDEXED_INFO_BYTES, 4, 8, kvIndexedOpen, kvIndexedFetch);
    return 0;
}
