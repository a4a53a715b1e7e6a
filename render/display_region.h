// Any rectangle of the display image (the image resampled to the display
// scale), made by the one routine that the full-frame RenderDisplay also
// runs: every dot is the same whatever the rectangle's offset. The viewer
// renders what it shows this way and never holds the whole display image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/cache_line_vector.h"
#include "render/resample_rows.h"
#include "render/rgb_view.h"

struct DisplayRaster;
enum class DotLayout;

// A rectangle of display dots: left, top, width, height.
struct DisplayRegion {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Width and height of the display image, in display dots.
struct DisplaySize {
    int width = 0;
    int height = 0;
};

// The most dots one side of the display image may have: what a coordinate
// cell holds. The viewer's scroll ranges (three times a side) stay within
// int below it.
constexpr int MAX_DISPLAY_SIDE = 99999999;

// Size of the display image of an imageWidth x imageHeight image at scale:
// each side multiplied and truncated toward zero (the image's own size at
// exactly 1.0). False when the scale is not above 0 or a side would exceed
// MAX_DISPLAY_SIDE.
bool DisplayImageSize(int imageWidth, int imageHeight, double scale, int& width, int& height);

// Makes raster the dots of region of the display image of image at scale.
// False, with raster unchanged, when the image cannot be read (IsReadable),
// the scale is refused by DisplayImageSize, the region does not lie within
// the display image or the raster cannot be allocated. Runs on the caller's
// thread.
bool RenderDisplayRegion(const RgbView& image, double scale, const DisplayRegion& region,
                         DisplayRaster& raster);

// The four source rows (or columns) that one display row (or column) draws
// on, with their weights: exactly those the per-dot formula gives. White
// when the neighbourhood is out of reach.
struct LineTaps {
    std::array<int, 4> index{};
    std::array<double, 4> weight{};
    bool white = false;
};

// Display columns resampled together: the working values of one strip stay
// in the processor's first-level cache.
constexpr int REGION_STRIP = 32;

// What one strip of display columns needs, made by SetColumns: the
// columns go to lanes in the order of the taps they weigh, so that columns
// of the same zero taps share groups (column j in lane lanes[j]; inOrder
// when every lane is its own column); the column weights of each lane, the
// source bytes each reads, the groups' tap columns (ColumnTaps), and the
// lanes that stay white.
struct StripColumns {
    alignas(64) std::array<double, 4 * REGION_STRIP> weights{};
    alignas(64) std::array<float, 4 * REGION_STRIP> singleWeights{};  // the same in single precision
    SpreadPlan plan;
    std::array<std::uint8_t, REGION_STRIP> lanes{};
    std::array<std::uint8_t, REGION_STRIP> white{};
    std::array<std::uint8_t, REGION_STRIP / KERNEL_LANES> groupColumns{};
    int count = 0;
    std::int32_t spanFirst = 0;  // bytes of a source row the strip reads
    std::int32_t spanEnd = 0;
    // The largest ExactNumerators of a lane's column weights.
    double numerators = 0.0;
    bool inOrder = true;
    bool anyWhite = false;
};

// The working buffers of the region routine for one thread, all allocated
// by the constructor (which alone may throw std::bad_alloc): the taps of up
// to maxRows display rows, the columns of the strips of up to maxWidth
// display columns (kept from band to band; strips beyond are made anew for
// each band), the source rows a strip reads spread out per tap column and
// their column sums (4 slots each: four consecutive source rows never share
// one), the tap weights of the last few distinct row weights
// (magnifications repeat a short cycle of them) and the kernel's dots.
class RegionWorkspace {
public:
    explicit RegionWorkspace(int maxRows, int maxWidth = 0);

private:
    // Values per dot and source row: 4 tap columns x 3 channels.
    static constexpr int PLANES = 12;
    // Strips whose columns are kept at most: 1.7 MB.
    static constexpr int MAX_KEPT_STRIPS = 1024;

    friend void ResampleRegion(const RgbView&, double, int, int, const DisplayRegion&, DotLayout,
                               std::uint8_t*, std::size_t, RegionWorkspace&);
    void SetRows(int first, int count, int displayHeight, int imageHeight, double scale);
    void KeepColumnsOf(const DisplayRegion& region, int displayWidth, int imageWidth, double scale);
    void SetColumns(int strip, int first, int count, int displayWidth, int imageWidth, double scale);
    void MakeColumns(int first, int count, int displayWidth, int imageWidth, double scale);
    void Row(const RgbView& image, int row, DotLayout layout, std::uint8_t* out);
    void WhiteRow(DotLayout layout, std::uint8_t* out);
    // Source row index spread out for the strip, spread by LoadValues
    // the first time.
    const double* Values(const RgbView& image, int index) {
        const std::size_t slot = std::size_t(index) % 4;
        return loaded_[slot] == index ? values_.data() + slot * PLANES * REGION_STRIP : LoadValues(image, index);
    }
    const double* LoadValues(const RgbView& image, int index);
    const std::uint8_t* SourceRow(const RgbView& image, int index) const;
    // The column sums of source row index for the strip, made by LoadSums
    // the first time.
    const float* Sums(const RgbView& image, int index) {
        const std::size_t slot = std::size_t(index) % 4;
        return summed_[slot] == index ? sums_.data() + slot * 3 * REGION_STRIP : LoadSums(image, index);
    }
    const float* LoadSums(const RgbView& image, int index);
    const double* TapWeightsFor(int rowSet, std::uint16_t* taps);

    const RowKernelVariant& variant_;
    // The taps of the band's rows, and for each row which of the band's
    // distinct sets of row weights it has.
    std::vector<LineTaps> rows_;
    std::vector<int> rowSets_;
    std::vector<int> setRows_;  // a row of each distinct set
    std::vector<double> setNumerators_;  // ExactNumerators of each set's row weights
    StripColumns columns_;      // the strip's
    // The strips kept, each valid when its mark is the present one; the
    // mark changes with the region, scale or sizes they were made for.
    CacheLineVector<StripColumns> kept_;
    std::vector<std::uint32_t> keptMarks_;
    std::uint32_t mark_ = 0;
    std::array<int, 4> keptFor_{};  // region x, width, display and image width
    double keptScale_ = 0.0;
    CacheLineVector<double> values_;
    std::array<int, 4> loaded_{};
    CacheLineVector<float> sums_;
    std::array<int, 4> summed_{};
    CacheLineVector<double> tapWeights_;
    std::vector<std::uint16_t> tapMasks_;
    std::vector<int> tapRows_;  // the band's set whose tap weights each slot holds
    CacheLineVector<std::uint32_t> dots_;
};

// The routine both share, unchecked: region of the displayWidth x
// displayHeight display image of image at scale into out in layout,
// region.height rows of region.width dots, rowBytes apart. The image must
// be readable and the region must lie within the display image. Does
// not throw; runs on the caller's thread.
void ResampleRegion(const RgbView& image, double scale, int displayWidth, int displayHeight,
                    const DisplayRegion& region, DotLayout layout, std::uint8_t* out, std::size_t rowBytes,
                    RegionWorkspace& work);
