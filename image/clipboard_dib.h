// Converting a copy of the clipboard's bitmap block into an image.
#pragma once

#include <cstddef>
#include <cstdint>

class CImageData;
class QWidget;

// Names the image "クリップ画像" and decodes the block (information header
// first, pixel rows at the end). A bit depth other than 16, 24 or 32 is
// reported in a message box over owner (may be null) and gives false; a
// block that is short, compressed or of an unusable size gives false.
bool LoadClipboardDib(CImageData& image, const std::uint8_t* block, std::size_t blockSize,
                      QWidget* owner = nullptr);
