// kivra's PNG decoder.
#include "kivra/kivra.h"
#include "tests/fuzz/kivra_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::OpenAndFetch(data, size, KV_LOSSLESS_INFO_BYTES, 4, 8, kvLosslessOpen, kvLosslessFetch);
    return 0;
}
