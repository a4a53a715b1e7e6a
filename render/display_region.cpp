#include "render/display_region.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "render/cubic_weight.h"
#include "render/display_raster.h"
#include "render/resample_rows.h"

namespace {

constexpr int STRIP = REGION_STRIP;
static_assert(STRIP == KERNEL_STRIP);

// A white dot as the kernel leaves its dots.
constexpr std::uint32_t WHITE_DOT = 0xFFFFFF;

// Groups of the kernel's taps in a strip.
constexpr int GROUPS = STRIP / KERNEL_LANES;

// Sets of tap weights held per strip, each band's sets taking the slots in
// turn: cycles of up to 8 distinct row weights (those of 50, 150, 200,
// 250, 350 or 400 %) fit.
constexpr int TAP_SETS = 8;

// Rows ahead of the one being read or written that are fetched into the
// cache meanwhile.
constexpr int PREFETCH_ROWS = 4;

// |weights[0]| + |weights[stride]| + ... of 4 weights.
inline double AbsoluteSum(const double* weights, int stride) {
    double sum = 0.0;
    for (int l = 0; l < 4; ++l) sum += std::fabs(weights[l * stride]);
    return sum;
}

LineTaps MakeTaps(int displayIndex, int displaySize, int sourceSize, double scale) {
    double pos = (displayIndex - 0.5 * displaySize + 0.5 * scale * (sourceSize - 1)) / scale;
    int whole = int(pos);
    int base = whole > 0 ? whole - 1 : 0;
    base = std::min(base, std::max(sourceSize - 4, 0));
    double f = pos - (base + 1);
    LineTaps taps;
    taps.white = f < -1.0001 || f > 2.0001;
    for (int k = 0; k < 4; ++k) {
        // Images of fewer than 4 rows or columns read their last one again.
        taps.index[k] = std::min(base + k, sourceSize - 1);
        taps.weight[k] = CubicWeight(std::fabs(k - 1 - f));
    }
    return taps;
}

}  // namespace

RegionWorkspace::RegionWorkspace(int maxRows, int maxWidth)
    : variant_(FastestRowKernel()), rows_(std::size_t(std::max(maxRows, 1))),
      rowSets_(std::size_t(std::max(maxRows, 1))), setRows_(std::size_t(std::max(maxRows, 1))),
      setNumerators_(std::size_t(std::max(maxRows, 1))),
      kept_(std::size_t(std::clamp((maxWidth + STRIP - 1) / STRIP, 0, MAX_KEPT_STRIPS))), keptMarks_(kept_.size(), 0),
      values_(std::size_t(4) * PLANES * STRIP, 0.0), sums_(std::size_t(4) * 3 * STRIP, 0.0f),
      tapWeights_(std::size_t(TAP_SETS) * 16 * STRIP, 0.0),
      tapMasks_(std::size_t(TAP_SETS) * GROUPS, 0), tapRows_(TAP_SETS, -1), dots_(STRIP, 0) {}

// Takes the taps of display rows first..first+count-1 and numbers their
// distinct sets of row weights (magnifications repeat a short cycle of
// them; the rows of one set share their tap weights).
void RegionWorkspace::SetRows(int first, int count, int displayHeight, int imageHeight, double scale) {
    int sets = 0;
    for (int i = 0; i < count; ++i) {
        LineTaps& taps = rows_[std::size_t(i)];
        taps = MakeTaps(first + i, displayHeight, imageHeight, scale);
        // The sets met last are looked at first: a cycle comes round soon.
        int set = sets - 1;
        while (set >= 0 && set >= sets - 8 &&
               std::memcmp(rows_[std::size_t(setRows_[std::size_t(set)])].weight.data(), taps.weight.data(),
                           sizeof(double) * 4) != 0)
            --set;
        if (set < 0 || set < sets - 8) {
            set = sets++;
            setRows_[std::size_t(set)] = i;
            setNumerators_[std::size_t(set)] =
                ExactNumerators(ExactExponent(taps.weight.data(), 4), AbsoluteSum(taps.weight.data(), 1));
        }
        rowSets_[std::size_t(i)] = set;
    }
}

// The strips kept are those of region of the display image at scale from
// now on.
void RegionWorkspace::KeepColumnsOf(const DisplayRegion& region, int displayWidth, int imageWidth, double scale) {
    const std::array<int, 4> now{region.x, region.width, displayWidth, imageWidth};
    if (now == keptFor_ && scale == keptScale_ && mark_ != 0) return;
    keptFor_ = now;
    keptScale_ = scale;
    if (++mark_ == 0) {  // after 2^32 regions the old marks could match again
        std::fill(keptMarks_.begin(), keptMarks_.end(), 0);
        mark_ = 1;
    }
}

// Takes strip strip of the region, the columns first..first+count-1 of the
// display image: kept, or made and kept.
void RegionWorkspace::SetColumns(int strip, int first, int count, int displayWidth, int imageWidth, double scale) {
    const std::size_t at = std::size_t(strip);
    if (at < kept_.size() && keptMarks_[at] == mark_) {
        columns_ = kept_[at];
    } else {
        MakeColumns(first, count, displayWidth, imageWidth, scale);
        if (at < kept_.size()) {
            kept_[at] = columns_;
            keptMarks_[at] = mark_;
        }
    }
    loaded_.fill(-1);
    summed_.fill(-1);
    std::fill(tapRows_.begin(), tapRows_.end(), -1);
}

// Makes the columns first..first+count-1 of the display image the strip's,
// those of the same tap columns of weight 0 in adjacent lanes. Lanes beyond
// count weigh 0 and read the image's first column.
void RegionWorkspace::MakeColumns(int first, int count, int displayWidth, int imageWidth, double scale) {
    StripColumns& c = columns_;
    c = StripColumns{};
    c.count = count;
    std::array<LineTaps, STRIP> taps;
    std::array<unsigned, STRIP> zeros{};
    std::array<std::uint8_t, STRIP> order{};
    for (int j = 0; j < count; ++j) {
        taps[std::size_t(j)] = MakeTaps(first + j, displayWidth, imageWidth, scale);
        for (int l = 0; l < 4; ++l)
            if (taps[std::size_t(j)].weight[std::size_t(l)] == 0.0) zeros[std::size_t(j)] |= 1u << l;
        order[std::size_t(j)] = std::uint8_t(j);
    }
    std::stable_sort(order.begin(), order.begin() + count,
                     [&](std::uint8_t a, std::uint8_t b) { return zeros[a] < zeros[b]; });
    c.spanFirst = INT32_MAX;
    c.spanEnd = 0;
    for (int lane = 0; lane < count; ++lane) {
        const int j = order[std::size_t(lane)];
        const LineTaps& column = taps[std::size_t(j)];
        c.lanes[std::size_t(j)] = std::uint8_t(lane);
        c.inOrder = c.inOrder && j == lane;
        c.white[std::size_t(lane)] = column.white;
        for (int l = 0; l < 4; ++l) {
            c.weights[std::size_t(l * STRIP + lane)] = column.weight[std::size_t(l)];
            c.plan.offsets[l * STRIP + lane] = column.index[std::size_t(l)] * 3;
        }
        c.spanFirst = std::min(c.spanFirst, column.index[0] * 3);
        c.spanEnd = std::max(c.spanEnd, column.index[3] * 3 + 3);
    }
    PlanGroups(c.plan);
    std::copy(c.weights.begin(), c.weights.end(), c.singleWeights.begin());
    double mass = 0.0;
    for (int lane = 0; lane < STRIP; ++lane) mass = std::max(mass, AbsoluteSum(c.weights.data() + lane, STRIP));
    c.numerators = ExactNumerators(ExactExponent(c.weights.data(), 4 * STRIP), mass);
    ColumnTaps(c.weights.data(), c.groupColumns.data(), STRIP);
    c.anyWhite = std::find(c.white.begin(), c.white.begin() + count, 1) != c.white.begin() + count;
}

// The tap weights of the strip's lanes for the band's set of row weights
// rowSet and their groups' taps, made once for each set held.
const double* RegionWorkspace::TapWeightsFor(int rowSet, std::uint16_t* taps) {
    const int slot = rowSet % TAP_SETS;
    const bool held = tapRows_[std::size_t(slot)] == rowSet;
    double* weights = tapWeights_.data() + std::size_t(slot) * 16 * STRIP;
    std::uint16_t* masks = tapMasks_.data() + std::size_t(slot) * GROUPS;
    if (!held) {
        tapRows_[std::size_t(slot)] = rowSet;
        const double* rowWeights = rows_[std::size_t(setRows_[std::size_t(rowSet)])].weight.data();
        TapWeights(rowWeights, columns_.weights.data(), weights, STRIP);
        TapMasks(rowWeights, columns_.groupColumns.data(), masks, GROUPS);
    }
    std::copy_n(masks, GROUPS, taps);
    return weights;
}

// One display row of the strip into out (count dots in layout): where the
// sums are exact, from the column sums of its source rows, otherwise tap by
// tap.
void RegionWorkspace::Row(const RgbView& image, int i, DotLayout layout, std::uint8_t* out) {
    const LineTaps& rowTaps = rows_[std::size_t(i)];
    const StripColumns& c = columns_;
    const int count = (c.count + KERNEL_LANES - 1) / KERNEL_LANES * KERNEL_LANES;
    const std::size_t set = std::size_t(rowSets_[std::size_t(i)]);
    if (SumsExact(setNumerators_[set], c.numerators)) {
        const float* sums[4];
        for (int k = 0; k < 4; ++k) sums[k] = Sums(image, rowTaps.index[std::size_t(k)]);
        variant_.sumRows(sums, rowTaps.weight.data(), dots_.data(), count);
    } else {
        KernelRow row;
        for (int k = 0; k < 4; ++k) row.rowValues[k] = Values(image, rowTaps.index[std::size_t(k)]);
        row.tapWeights = TapWeightsFor(int(set), row.taps);
        row.count = count;
        row.dots = dots_.data();
        variant_.kernel(row);
    }
    std::uint32_t* const dots = dots_.data();
    // White dots lie only along the display image's edges.
    if (c.anyWhite)
        for (int j = 0; j < c.count; ++j)
            if (c.white[std::size_t(j)]) dots[j] = WHITE_DOT;
    variant_.pack(layout, dots, out, c.count, c.inOrder ? nullptr : c.lanes.data());
}

// A white row of the strip into out.
void RegionWorkspace::WhiteRow(DotLayout layout, std::uint8_t* out) {
    std::fill(dots_.begin(), dots_.end(), WHITE_DOT);
    variant_.pack(layout, dots_.data(), out, columns_.count, nullptr);
}

// Source row index, the bytes the strip reads of a later row asked of the
// cache meanwhile.
const std::uint8_t* RegionWorkspace::SourceRow(const RgbView& image, int index) const {
    const std::uint8_t* src = image.row(index);
    if (index + PREFETCH_ROWS < image.height) {
        const std::uint8_t* ahead = image.row(index + PREFETCH_ROWS);
        for (std::int32_t at = columns_.spanFirst; at < columns_.spanEnd + 63; at += 64)
            __builtin_prefetch(ahead + std::min(at, columns_.spanEnd - 1));
    }
    return src;
}

// Source row index spread out: plane 3 x l + c holds channel c of the dot
// at tap column l, for each lane.
const double* RegionWorkspace::LoadValues(const RgbView& image, int index) {
    const std::size_t slot = std::size_t(index) % 4;
    double* planes = values_.data() + slot * PLANES * STRIP;
    const std::uint8_t* src = SourceRow(image, index);
    // The last row has no bytes after its last dot to read over.
    const RowSpreader spread = index == image.height - 1 ? SpreadRowScalar : variant_.spread;
    spread(src, columns_.plan, planes, STRIP);
    loaded_[slot] = index;
    return planes;
}

// The column sums of source row index for the strip's lanes.
const float* RegionWorkspace::LoadSums(const RgbView& image, int index) {
    const std::size_t slot = std::size_t(index) % 4;
    float* sums = sums_.data() + slot * 3 * STRIP;
    if (variant_.sumNear && columns_.plan.near)
        variant_.sumNear(SourceRow(image, index), columns_.plan, columns_.singleWeights.data(), sums, STRIP);
    else
        variant_.sumColumns(Values(image, index), columns_.weights.data(), sums, STRIP);
    summed_[slot] = index;
    return sums;
}

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

void ResampleRegion(const RgbView& image, double scale, int displayWidth, int displayHeight,
                    const DisplayRegion& region, DotLayout layout, std::uint8_t* out, std::size_t rowBytes,
                    RegionWorkspace& work) {
    if (region.width <= 0 || region.height <= 0) return;
    const std::size_t dotBytes = std::size_t(DotBytes(layout));
    if (scale == 1.0) {
        for (int i = 0; i < region.height; ++i)
            ConvertDots(layout, image.row(region.y + i) + std::size_t(region.x) * 3,
                        out + std::size_t(i) * rowBytes, region.width);
        return;
    }
    // Bands of as many rows as the workspace holds taps for, each crossed
    // strip by strip.
    const int band = int(work.rows_.size());
    work.KeepColumnsOf(region, displayWidth, image.width, scale);
    for (int top = 0; top < region.height; top += band) {
        const int rows = std::min(band, region.height - top);
        work.SetRows(region.y + top, rows, displayHeight, image.height, scale);
        for (int x = 0; x < region.width; x += STRIP) {
            const int count = std::min(STRIP, region.width - x);
            work.SetColumns(x / STRIP, region.x + x, count, displayWidth, image.width, scale);
            for (int i = 0; i < rows; ++i) {
                std::uint8_t* dst = out + std::size_t(top + i) * rowBytes + std::size_t(x) * dotBytes;
                // The rows lie far apart: the cache is asked for those of
                // a later row ahead of writing them, at the strip's end
                // for the first rows of the next strip.
                int ahead = i + PREFETCH_ROWS, aheadX = x;
                if (ahead >= rows) {
                    ahead -= rows;
                    aheadX += STRIP;
                }
                if (ahead < rows && aheadX < region.width) {
                    const std::size_t bytes = std::size_t(std::min(STRIP, region.width - aheadX)) * dotBytes;
                    std::uint8_t* later = out + std::size_t(top + ahead) * rowBytes + std::size_t(aheadX) * dotBytes;
                    for (std::size_t at = 0; at < bytes + 63; at += 64)
                        __builtin_prefetch(later + std::min(at, bytes - 1), 1);
                }
                if (work.rows_[std::size_t(i)].white)
                    work.WhiteRow(layout, dst);
                else
                    work.Row(image, i, layout, dst);
            }
        }
    }
}

bool RenderDisplayRegion(const RgbView& image, double scale, const DisplayRegion& region,
                         DisplayRaster& raster) {
    int dw = 0, dh = 0;
    if (!IsReadable(image) || !DisplayImageSize(image.width, image.height, scale, dw, dh)) return false;
    if (region.x < 0 || region.y < 0 || region.width < 0 || region.height < 0 ||
        region.width > dw - region.x || region.height > dh - region.y)
        return false;
    RasterBytes pixels;
    try {
        // Columns are kept only for a region of more than one band.
        RegionWorkspace work(std::min(region.height, 256), region.height > 256 ? region.width : 0);
        pixels.resize(std::size_t(region.width) * std::size_t(region.height) * 3);
        ResampleRegion(image, scale, dw, dh, region, DotLayout::Rgb, pixels.data(), std::size_t(region.width) * 3,
                       work);
    } catch (const std::bad_alloc&) {
        return false;
    }
    raster.width = region.width;
    raster.height = region.height;
    raster.pixels.swap(pixels);
    return true;
}
