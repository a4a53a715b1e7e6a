#include "viewer/display_raster.h"

#include <algorithm>
#include <climits>
#include <array>
#include <cmath>
#include <cstring>
#include <new>

#include "image/image_data.h"
#include "image/parallel_rows.h"
#include "image/pixel_swizzle.h"

namespace {

// Cubic convolution kernel.
inline double CubicWeight(double d) {
    if (d < 1.0) return 1.0 - 2.0 * d * d + d * d * d;
    if (d < 2.0) return 4.0 - 8.0 * d + 5.0 * d * d - d * d * d;
    return 0.0;
}

// The four source rows (or columns) that one display row (or column) draws
// on, with their weights. Computed once per display row and per display
// column; the weights are exactly those the per-dot formula gives.
struct Taps {
    std::array<int, 4> index{};
    std::array<double, 4> weight{};
    bool white = false;
};

Taps MakeTaps(int displayIndex, int displaySize, int sourceSize, double scale) {
    double pos = (displayIndex - 0.5 * displaySize + 0.5 * scale * (sourceSize - 1)) / scale;
    int whole = int(pos);
    int base = whole > 0 ? whole - 1 : 0;
    base = std::min(base, std::max(sourceSize - 4, 0));
    double f = pos - (base + 1);
    Taps taps;
    taps.white = f < -1.0001 || f > 2.0001;
    for (int k = 0; k < 4; ++k) {
        taps.index[k] = std::min(base + k, sourceSize - 1);
        taps.weight[k] = CubicWeight(std::fabs(k - 1 - f));
    }
    return taps;
}

std::vector<Taps> MakeAxisTaps(int displaySize, int sourceSize, double scale) {
    std::vector<Taps> taps;
    taps.reserve(std::size_t(displaySize));
    for (int i = 0; i < displaySize; ++i) taps.push_back(MakeTaps(i, displaySize, sourceSize, scale));
    return taps;
}

inline std::uint8_t ClampComponent(double sum) {
    if (sum > 255.0) return 255;
    if (sum < 0.0) return 0;
    return std::uint8_t(int(sum));
}

// Source rows converted to double once and reused by the display rows that
// need them. Four consecutive source rows never share a slot.
class SourceRowCache {
public:
    SourceRowCache(const std::uint8_t* pixels, int width)
        : pixels_(pixels), rowValues_(std::size_t(width) * 3) {
        for (auto& row : rows_) row.assign(rowValues_, 0.0);
        loaded_.fill(-1);
    }
    const double* Row(int index) {
        std::size_t slot = std::size_t(index) % SLOTS;
        if (loaded_[slot] != index) {
            const std::uint8_t* src = pixels_ + std::size_t(index) * rowValues_;
            double* dst = rows_[slot].data();
            for (std::size_t i = 0; i < rowValues_; ++i) dst[i] = src[i];
            loaded_[slot] = index;
        }
        return rows_[slot].data();
    }

private:
    static constexpr std::size_t SLOTS = 4;
    const std::uint8_t* pixels_;
    std::size_t rowValues_;
    std::array<std::vector<double>, SLOTS> rows_;
    std::array<int, SLOTS> loaded_{};
};

struct ResampleJob {
    const CImageData* image;
    const std::vector<Taps>* rowTaps;
    const std::vector<Taps>* columnTaps;
    std::uint8_t* out;
    int displayWidth;
};

void ResampleRows(const ResampleJob& job, SourceRowCache& cache, int firstRow, int endRow) {
    const std::vector<Taps>& columns = *job.columnTaps;
    for (int i = firstRow; i < endRow; ++i) {
        const Taps& ty = (*job.rowTaps)[std::size_t(i)];
        std::uint8_t* dst = job.out + std::size_t(i) * std::size_t(job.displayWidth) * 3;
        if (ty.white) {
            std::memset(dst, 255, std::size_t(job.displayWidth) * 3);
            continue;
        }
        const double* rows[4];
        for (int k = 0; k < 4; ++k) rows[k] = cache.Row(ty.index[k]);
        for (int j = 0; j < job.displayWidth; ++j, dst += 3) {
            const Taps& tx = columns[std::size_t(j)];
            if (tx.white) {
                dst[0] = dst[1] = dst[2] = 255;
                continue;
            }
            // Same products and the same order of additions as the formula
            // written dot by dot: row k outer, column l inner.
            double r = 0.0, g = 0.0, b = 0.0;
            for (int k = 0; k < 4; ++k) {
                const double* row = rows[k];
                const double wy = ty.weight[k];
                for (int l = 0; l < 4; ++l) {
                    const double w = wy * tx.weight[l];
                    const double* v = row + std::size_t(tx.index[l]) * 3;
                    r += w * v[0];
                    g += w * v[1];
                    b += w * v[2];
                }
            }
            dst[0] = ClampComponent(r);
            dst[1] = ClampComponent(g);
            dst[2] = ClampComponent(b);
        }
    }
}

// Every buffer is allocated before any thread starts.
void ResampleAllRows(const ResampleJob& job, int displayHeight) {
    const int parts = RowPartsFor(std::int64_t(displayHeight) * job.displayWidth, displayHeight);
    std::vector<SourceRowCache> caches;
    caches.reserve(std::size_t(parts));
    for (int p = 0; p < parts; ++p) caches.emplace_back(job.image->pixels(), job.image->width());
    RunRowParts(displayHeight, parts, [&](int part, int first, int end) {
        ResampleRows(job, caches[std::size_t(part)], first, end);
    });
}

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
    if (!(scale > 0.0) || imageWidth < 0 || imageHeight < 0) return false;
    if (scale == 1.0) {
        if (std::int64_t(imageWidth) * imageHeight > MAX_DISPLAY_DOTS) return false;
        width = imageWidth;
        height = imageHeight;
        return true;
    }
    double w = imageWidth * scale;
    double h = imageHeight * scale;
    if (!(w < double(MAX_DISPLAY_DOTS) + 1.0) || !(h < double(MAX_DISPLAY_DOTS) + 1.0)) return false;
    std::int64_t dw = std::int64_t(w);
    std::int64_t dh = std::int64_t(h);
    if (dw * dh > MAX_DISPLAY_DOTS) return false;
    width = int(dw);
    height = int(dh);
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
        if (scale == 1.0) {
            if (!pixels.empty()) std::memcpy(pixels.data(), image.pixels(), pixels.size());
        } else if (dw > 0 && dh > 0) {
            const std::vector<Taps> rowTaps = MakeAxisTaps(dh, h, scale);
            const std::vector<Taps> columnTaps = MakeAxisTaps(dw, w, scale);
            ResampleJob job{&image, &rowTaps, &columnTaps, pixels.data(), dw};
            ResampleAllRows(job, dh);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
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
