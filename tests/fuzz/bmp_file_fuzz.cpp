// BMP files: the in-memory decoder, and the file loader that streams rows.
#include "image/bitmap_decoder.h"
#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::AnswerMessageBoxes();
    DecodeBmpFile(data, size);
    CImageData image;
    LoadBmpFile(image, fuzz::WriteInputFile(data, size));
    return 0;
}
