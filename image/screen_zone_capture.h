// Capturing a zone of the screen into an image: the screen's pixels read in
// the layout of its depth, then decoded with the per-depth pixel rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "render/raster_bytes.h"
#include "res/notice.h"

class CImageData;

// Pixels read from the screen: red, green, blue triplets, top row first,
// rows of exactly width x 3 bytes.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    RasterBytes rgb{};
};

// The screen as a capture sees it.
struct ScreenSource {
    // Bits per pixel of the display.
    std::function<int()> depth;
    // The pixels of the rectangle (width x height in desktop coordinates);
    // false when the screen cannot be read. A screen scaled by the desktop
    // gives its device pixels: more than width x height (twice each side at
    // a scale of 2).
    std::function<bool(int left, int top, int width, int height, ScreenPicture& picture)> grab;
    // A grab that is black to the last byte means the screen could not be
    // seen (an X server in a Wayland session reads what it does not own as
    // black) rather than a black zone.
    bool blackMeansUnseen = false;
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
// "カット画像", at the pixel size the screen gives. False with its notice in
// *notice (when given): a zone without width or height, a picture too large
// to hold, a screen that cannot be read (or reads all black where that means
// unseen), a depth other than 16, 24 and 32 bits.
bool CaptureScreenZone(CImageData& image, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, const ScreenSource& screen, Notice* notice = nullptr);
