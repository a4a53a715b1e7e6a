#include "viewer/display_region.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "image/image_data.h"
#include "viewer/display_raster.h"
#include "viewer/resample_rows.h"

namespace {

// Display columns resampled together: the working values of one strip stay
// in the processor's first-level cache.
constexpr int STRIP = 64;
static_assert(STRIP % KERNEL_LANES == 0);

// Values per dot and source row: 4 tap columns x 3 channels.
constexpr int PLANES = 12;

// Cubic convolution kernel.
inline double CubicWeight(double d) {
    if (d < 1.0) return 1.0 - 2.0 * d * d + d * d * d;
    if (d < 2.0) return 4.0 - 8.0 * d + 5.0 * d * d - d * d * d;
    return 0.0;
}

// The four source rows (or columns) that one display row (or column) draws
// on, with their weights: exactly those the per-dot formula gives.
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
        // Images of fewer than 4 rows or columns read their last one again.
        taps.index[k] = std::min(base + k, sourceSize - 1);
        taps.weight[k] = CubicWeight(std::fabs(k - 1 - f));
    }
    return taps;
}

// The working buffers of one strip: its column taps, the source rows it
// reads spread out per tap column (4 slots; four consecutive source rows
// never share one) and the kernel's output.
class Strip {
public:
    Strip()
        : weights_(std::size_t(4) * STRIP, 0.0), offsets_(std::size_t(4) * STRIP, 0), white_(STRIP, 0),
          values_(std::size_t(4) * PLANES * STRIP, 0.0), out_(std::size_t(3) * STRIP, 0) {}

    // Takes the columns first..first+count-1 of the display image. Lanes
    // beyond count weigh 0 and read the image's first column.
    void SetColumns(int first, int count, int displayWidth, int imageWidth, double scale) {
        count_ = count;
        std::fill(weights_.begin(), weights_.end(), 0.0);
        std::fill(offsets_.begin(), offsets_.end(), 0);
        for (int j = 0; j < count; ++j) {
            const Taps taps = MakeTaps(first + j, displayWidth, imageWidth, scale);
            white_[std::size_t(j)] = taps.white;
            for (int l = 0; l < 4; ++l) {
                weights_[std::size_t(l * STRIP + j)] = taps.weight[std::size_t(l)];
                offsets_[std::size_t(l * STRIP + j)] = taps.index[std::size_t(l)] * 3;
            }
        }
        anyWhite_ = std::find(white_.begin(), white_.begin() + count, 1) != white_.begin() + count;
        loaded_.fill(-1);
    }

    // One display row of the strip into out (count dots, 3 bytes each).
    void Row(const CImageData& image, const Taps& rowTaps, const RowKernelVariant& kernel, std::uint8_t* out) {
        KernelRow row;
        for (int k = 0; k < 4; ++k) {
            row.rowValues[k] = Values(image, rowTaps.index[std::size_t(k)], kernel.spread);
            row.rowWeights[k] = rowTaps.weight[std::size_t(k)];
        }
        row.columnWeights = weights_.data();
        row.planeStride = STRIP;
        row.count = (count_ + KERNEL_LANES - 1) / KERNEL_LANES * KERNEL_LANES;
        row.red = out_.data();
        row.green = out_.data() + STRIP;
        row.blue = out_.data() + 2 * STRIP;
        kernel.kernel(row);
        for (int j = 0; j < count_; ++j) {
            out[3 * j] = std::uint8_t(row.red[j]);
            out[3 * j + 1] = std::uint8_t(row.green[j]);
            out[3 * j + 2] = std::uint8_t(row.blue[j]);
        }
        // White dots lie only along the display image's edges.
        if (anyWhite_)
            for (int j = 0; j < count_; ++j)
                if (white_[std::size_t(j)]) out[3 * j] = out[3 * j + 1] = out[3 * j + 2] = 255;
    }

private:
    // Source row index spread out: plane 3 x l + c holds channel c of the
    // dot at tap column l, for each lane.
    const double* Values(const CImageData& image, int index, RowSpreader spread) {
        const std::size_t slot = std::size_t(index) % 4;
        double* planes = values_.data() + slot * PLANES * STRIP;
        if (loaded_[slot] != index) {
            const std::uint8_t* src = image.pixels() + std::size_t(index) * std::size_t(image.width()) * 3;
            // The last row has no bytes after its last dot to read over.
            if (index == image.height() - 1) spread = SpreadRowScalar;
            spread(src, offsets_.data(), planes, STRIP, STRIP);
            loaded_[slot] = index;
        }
        return planes;
    }

    int count_ = 0;
    bool anyWhite_ = false;
    std::vector<double> weights_;
    std::vector<std::int32_t> offsets_;
    std::vector<std::uint8_t> white_;
    std::vector<double> values_;
    std::array<int, 4> loaded_{};
    std::vector<std::int32_t> out_;
};

}  // namespace

bool DisplayImageSize(int imageWidth, int imageHeight, double scale, int& width, int& height) {
    if (!(scale > 0.0) || imageWidth < 0 || imageHeight < 0) return false;
    if (scale == 1.0) {
        if (imageWidth > MAX_DISPLAY_SIDE || imageHeight > MAX_DISPLAY_SIDE) return false;
        width = imageWidth;
        height = imageHeight;
        return true;
    }
    const double w = imageWidth * scale;
    const double h = imageHeight * scale;
    if (!(w < MAX_DISPLAY_SIDE + 1.0) || !(h < MAX_DISPLAY_SIDE + 1.0)) return false;
    width = int(w);
    height = int(h);
    return true;
}

void ResampleRegion(const CImageData& image, double scale, int displayWidth, int displayHeight,
                    const DisplayRegion& region, std::uint8_t* out, std::size_t rowBytes) {
    if (region.width <= 0 || region.height <= 0) return;
    if (scale == 1.0) {
        const std::size_t imageRow = std::size_t(image.width()) * 3;
        for (int i = 0; i < region.height; ++i)
            std::memcpy(out + std::size_t(i) * rowBytes,
                        image.pixels() + std::size_t(region.y + i) * imageRow + std::size_t(region.x) * 3,
                        std::size_t(region.width) * 3);
        return;
    }
    std::vector<Taps> rows;
    rows.reserve(std::size_t(region.height));
    for (int i = 0; i < region.height; ++i)
        rows.push_back(MakeTaps(region.y + i, displayHeight, image.height(), scale));
    const RowKernelVariant& kernel = FastestRowKernel();
    Strip strip;
    for (int x = 0; x < region.width; x += STRIP) {
        const int count = std::min(STRIP, region.width - x);
        strip.SetColumns(region.x + x, count, displayWidth, image.width(), scale);
        for (int i = 0; i < region.height; ++i) {
            std::uint8_t* dst = out + std::size_t(i) * rowBytes + std::size_t(x) * 3;
            const Taps& taps = rows[std::size_t(i)];
            if (taps.white)
                std::memset(dst, 255, std::size_t(count) * 3);
            else
                strip.Row(image, taps, kernel, dst);
        }
    }
}

bool RenderDisplayRegion(const CImageData& image, double scale, const DisplayRegion& region,
                         DisplayRaster& raster) {
    int dw = 0, dh = 0;
    if (!DisplayImageSize(image.width(), image.height(), scale, dw, dh)) return false;
    if (region.x < 0 || region.y < 0 || region.width < 0 || region.height < 0 ||
        region.width > dw - region.x || region.height > dh - region.y)
        return false;
    if (region.width > 0 && region.height > 0 && !image.HasPicture()) return false;
    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(std::size_t(region.width) * std::size_t(region.height) * 3);
        ResampleRegion(image, scale, dw, dh, region, pixels.data(), std::size_t(region.width) * 3);
    } catch (const std::bad_alloc&) {
        return false;
    }
    raster.width = region.width;
    raster.height = region.height;
    raster.pixels.swap(pixels);
    return true;
}
