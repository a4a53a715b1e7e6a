// Converting a copy of the clipboard's bitmap block into an image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "res/notice.h"

class CImageData;

// Names the image "クリップ画像" and decodes the block (information header
// first, pixel rows at the end). A bit depth other than 16, 24 or 32 gives
// false with its notice in *notice (when given); a block that is short,
// compressed or of an unusable size gives false with nothing to tell.
bool LoadClipboardDib(CImageData& image, const std::uint8_t* block, std::size_t blockSize,
                      Notice* notice = nullptr);
