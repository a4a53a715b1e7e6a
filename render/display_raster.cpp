#include "render/display_raster.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <new>

#include "render/display_region.h"
#include "render/parallel_rows.h"
#include "render/resample_rows.h"

namespace {
// About this many dots make one band of the work split over the cores: a
// band is crossed strip by strip, each strip's set-up shared by its rows.
constexpr std::int64_t BAND_DOTS = 1 << 22;
}  // namespace

bool DisplayRasterSize(int imageWidth, int imageHeight, double scale, int& width, int& height) {
    int w = 0, h = 0;
    if (!DisplayImageSize(imageWidth, imageHeight, scale, w, h)) return false;
    if (std::int64_t(w) * h > MAX_DISPLAY_DOTS) return false;
    width = w;
    height = h;
    return true;
}

bool RenderDisplay(const RgbView& image, double scale, DisplayRaster& raster) {
    int dw = 0, dh = 0;
    if (!IsReadable(image) || !DisplayRasterSize(image.width, image.height, scale, dw, dh)) return false;
    // Bands of rows handed out one at a time to whichever thread is free,
    // small enough that no thread is left with a long tail.
    const std::int64_t dots = std::int64_t(dw) * dh;
    const int parts = RowPartsFor(dots, dh);
    const int band = int(std::clamp<std::int64_t>(std::min<std::int64_t>(dh / (8 * parts), BAND_DOTS / std::max(dw, 1)),
                                                   8, 512));
    const int bands = (dh + band - 1) / band;
    // Every buffer is allocated before the raster is touched; a raster of
    // the same size is rendered over in place.
    std::vector<RegionWorkspace> works;
    try {
        works.reserve(std::size_t(parts));
        for (int part = 0; part < parts; ++part) works.emplace_back(band, bands > parts ? dw : 0);
        const std::size_t bytes = std::size_t(dw) * std::size_t(dh) * 3;
        if (raster.pixels.capacity() / 2 > bytes)  // a much smaller raster gives the memory back
            RasterBytes(bytes).swap(raster.pixels);
        else
            raster.pixels.resize(bytes);
    } catch (const std::bad_alloc&) {
        return false;
    }
    raster.width = dw;
    raster.height = dh;
    const std::size_t rowBytes = std::size_t(dw) * 3;
    std::atomic<int> next{0};
    RunRowParts(parts, parts, [&](int part, int, int) {
        for (int b = next++; b < bands; b = next++) {
            const int top = b * band;
            ResampleRegion(image, scale, dw, dh, DisplayRegion{0, top, dw, std::min(band, dh - top)}, DotLayout::Rgb,
                           raster.pixels.data() + std::size_t(top) * rowBytes, rowBytes, works[std::size_t(part)]);
        }
    });
    return true;
}

bool ScreenLayout(int depth, DotLayout& layout) {
    switch (depth) {
    case 16: layout = DotLayout::Screen16; return true;
    case 24: layout = DotLayout::Screen24; return true;
    case 32: layout = DotLayout::Screen32; return true;
    default: return false;
    }
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
    DotLayout layout;
    if (!ScreenLayout(depth, layout)) return false;
    const int rowBytes = DeviceRowBytes(depth, display.width);
    if (rowBytes == 0 && display.width > 0) return false;
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::size_t(rowBytes) * std::size_t(display.height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = 0; y < display.height; ++y) {
        ConvertDots(layout, display.pixels.data() + std::size_t(y) * std::size_t(display.width) * 3,
                    bytes.data() + std::size_t(y) * std::size_t(rowBytes), display.width);
    }
    device.rowBytes = rowBytes;
    device.rows = display.height;
    device.depth = depth;
    device.width = display.width;
    device.pixels.swap(bytes);
    return true;
}
