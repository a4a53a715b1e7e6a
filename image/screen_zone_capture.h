// Capturing a zone of the screen into an image: the screen's pixels read in
// the layout of its depth, then decoded with the per-depth pixel rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "res/notice.h"

class CImageData;

// The screen as a capture sees it.
struct ScreenSource {
    // Bits per pixel of the display.
    std::function<int()> depth;
    // The rectangle's pixels as red, green, blue triplets (width x height x 3
    // bytes, top row first); false when the screen cannot be read.
    std::function<bool(int left, int top, int width, int height, std::uint8_t* rgb)> grab;
};

// Decodes height rows of width pixels as a depth-bit screen lays them out
// (top row first; 16 bits: 5-6-5 words, rows of 2 x width bytes; 24 bits:
// blue, green, red, rows padded to an even length; 32 bits: blue, green,
// red and a byte that is dropped) into rgb (width x height x 3 bytes, red
// first). False, rgb untouched, for any other depth or when size is short
// of the rows.
bool DecodeScreenRows(const std::uint8_t* rows, std::size_t size, int depth, int width, int height,
                      std::uint8_t* rgb);

// Copies the zone (both corners included) from screen into image, named
// "カット画像". False with its notice in *notice (when given): a zone
// without width or height, a picture too large to hold, a screen that
// cannot be read, a depth other than 16, 24 and 32 bits.
bool CaptureScreenZone(CImageData& image, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, const ScreenSource& screen, Notice* notice = nullptr);
