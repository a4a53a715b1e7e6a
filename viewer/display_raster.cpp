#include "viewer/display_raster.h"

#include <atomic>
#include <climits>
#include <new>

#include "image/image_data.h"
#include "image/parallel_rows.h"
#include "image/pixel_swizzle.h"
#include "viewer/display_region.h"

namespace {

// Device rows, one function per screen depth. 16 bits: the top 5, 6 and 5
// bits of red, green and blue in a little-endian word.
using RowConverter = void (*)(const std::uint8_t* rgb, std::uint8_t* out, int width);

void ConvertRow16(const std::uint8_t* rgb, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x, rgb += 3, out += 2) {
        out[0] = std::uint8_t((((rgb[1] >> 2) & 7) << 5) | (rgb[2] >> 3));
        out[1] = std::uint8_t((rgb[0] & 0xF8) | (rgb[1] >> 5));
    }
}

void ConvertRow24(const std::uint8_t* rgb, std::uint8_t* out, int width) { SwapRedBlue(rgb, out, width); }

void ConvertRow32(const std::uint8_t* rgb, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x, rgb += 3, out += 4) {
        out[0] = rgb[2];
        out[1] = rgb[1];
        out[2] = rgb[0];
        out[3] = 0;
    }
}

}  // namespace

bool DisplayRasterSize(int imageWidth, int imageHeight, double scale, int& width, int& height) {
    int w = 0, h = 0;
    if (!DisplayImageSize(imageWidth, imageHeight, scale, w, h)) return false;
    if (std::int64_t(w) * h > MAX_DISPLAY_DOTS) return false;
    width = w;
    height = h;
    return true;
}

bool RenderDisplay(const CImageData& image, double scale, DisplayRaster& raster) {
    const int w = image.width();
    const int h = image.height();
    if (w > 0 && !image.HasPicture()) return false;
    int dw = 0, dh = 0;
    if (!DisplayRasterSize(w, h, scale, dw, dh)) return false;
    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(std::size_t(dw) * std::size_t(dh) * 3);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // The rows are split over the cores; each part runs the region routine
    // on its own rows.
    const std::size_t rowBytes = std::size_t(dw) * 3;
    std::atomic<bool> failed{false};
    RunRowParts(dh, RowPartsFor(std::int64_t(dw) * dh, dh), [&](int, int first, int end) {
        try {
            ResampleRegion(image, scale, dw, dh, DisplayRegion{0, first, dw, end - first},
                           pixels.data() + std::size_t(first) * rowBytes, rowBytes);
        } catch (const std::bad_alloc&) {
            failed = true;
        }
    });
    if (failed) return false;
    raster.width = dw;
    raster.height = dh;
    raster.pixels.swap(pixels);
    return true;
}

int DeviceRowBytes(int depth, int width) {
    if (width < 0 || width > INT_MAX / 4) return 0;
    switch (depth) {
    case 16: return 2 * width;
    case 24: return 3 * width + (3 * width) % 2;
    case 32: return 4 * width;
    default: return 0;
    }
}

bool BuildDeviceRaster(const DisplayRaster& display, int depth, DeviceRaster& device) {
    if (display.width < 0 || display.height < 0 ||
        display.pixels.size() < std::size_t(display.width) * std::size_t(display.height) * 3)
        return false;
    RowConverter convert = nullptr;
    switch (depth) {
    case 16: convert = ConvertRow16; break;
    case 24: convert = ConvertRow24; break;
    case 32: convert = ConvertRow32; break;
    default: return false;
    }
    const int rowBytes = DeviceRowBytes(depth, display.width);
    if (rowBytes == 0 && display.width > 0) return false;
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::size_t(rowBytes) * std::size_t(display.height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = 0; y < display.height; ++y) {
        convert(display.pixels.data() + std::size_t(y) * std::size_t(display.width) * 3,
                bytes.data() + std::size_t(y) * std::size_t(rowBytes), display.width);
    }
    device.rowBytes = rowBytes;
    device.rows = display.height;
    device.depth = depth;
    device.width = display.width;
    device.pixels.swap(bytes);
    return true;
}
