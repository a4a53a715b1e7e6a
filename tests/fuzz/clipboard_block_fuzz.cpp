// Clipboard bitmap blocks, as the clipboard hands them over.
#include <vector>

#include "image/clipboard_dib.h"
#include "image/image_data.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::AnswerMessageBoxes();
    // A copy of exactly the input's size, so reading past the block is seen.
    const std::vector<std::uint8_t> block(data, data + size);
    CImageData image;
    LoadClipboardDib(image, block.data(), block.size());
    return 0;
}
