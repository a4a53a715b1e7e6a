// The viewer's display raster (the image resampled to the display scale) and
// the device raster (the display raster in the screen's pixel layout).
// Pure functions: no window, no Qt.
#pragma once

#include <cstdint>
#include <vector>

#include "render/raster_bytes.h"
#include "render/rgb_view.h"

enum class DotLayout;

// RGB dots, 3 bytes each, rows top-down, each row exactly width x 3 bytes.
struct DisplayRaster {
    int width = 0;   // displayWidth
    int height = 0;  // displayHeight
    RasterBytes pixels{};
};

// The display raster in a screen layout of 16, 24 or 32 bits per pixel.
// It matches these QImage formats on a little-endian machine: 16 bits
// Format_RGB16, 24 bits Format_BGR888, 32 bits Format_RGB32 (with the
// fourth byte 0xFF, as that format requires), each with bytesPerLine =
// rowBytes.
struct DeviceRaster {
    int rowBytes = 0;  // deviceRowBytes
    int rows = 0;      // deviceRows
    int depth = 0;     // deviceDepth the rows were laid out for
    int width = 0;     // dots per row
    std::vector<std::uint8_t> pixels{};
};

// The most dots a whole display raster may hold (the viewer renders only
// what it shows and is not bound by it).
constexpr std::int64_t MAX_DISPLAY_DOTS = std::int64_t(1) << 28;

// Size of a whole display raster: DisplayImageSize (display_region.h), and
// false too when the raster would exceed MAX_DISPLAY_DOTS.
bool DisplayRasterSize(int imageWidth, int imageHeight, double scale, int& width, int& height);

// Rebuilds raster from the whole image at scale, on every core, over its
// own buffer when that holds the size already: a plain copy at exactly 1.0,
// cubic convolution otherwise (white where the 4 x 4 neighbourhood is out
// of reach). Images of fewer than 4 rows or columns read their last row or
// column again in place of the missing ones. False, with raster unchanged,
// when the image cannot be read (IsReadable), the scale is refused by
// DisplayRasterSize or the raster cannot be allocated.
bool RenderDisplay(const RgbView& image, double scale, DisplayRaster& raster);

// The dot layout of a depth-bit screen (16, 24 or 32); false for any other
// depth.
bool ScreenLayout(int depth, DotLayout& layout);

// Bytes of one row of width dots on a depth-bit screen: 2 x width at 16
// bits, 3 x width plus 1 when that is odd at 24 bits, 4 x width at 32 bits;
// 0 for any other depth. Screen captures read their rows with the same rule.
int DeviceRowBytes(int depth, int width);

// Converts display into the layout of a depth-bit screen: 16 bits 5-6-5
// little-endian words, 24 bits blue, green, red with rows padded to an even
// length, 32 bits blue, green, red, 0xFF. False, with device unchanged, for
// any other depth or when the buffer cannot be allocated.
bool BuildDeviceRaster(const DisplayRaster& display, int depth, DeviceRaster& device);
