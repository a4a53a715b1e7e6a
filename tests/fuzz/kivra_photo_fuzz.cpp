// kivra's JPEG decoder.
#include "kivra/kivra.h"
#include "tests/fuzz/kivra_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::OpenAndFetch(
        data, size, KV_PHOTO_INFO_BYTES, 16, 20, [](const char* path, void* info) { return kvPhotoOpen(path, 1, info); },
        kvPhotoFetch);
    return 0;
}
