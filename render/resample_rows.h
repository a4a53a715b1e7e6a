// The resampling kernel: one display row of a narrow strip, every dot the
// sum of its 16 weighted image dots per channel, with the same products and
// the same order of additions as the formula written dot by dot. Variants
// for wider vector units give the very same bytes; the fastest one the
// processor runs is chosen once, at run time.
#pragma once

#include <cstdint>
#include <vector>

// Every row holds a multiple of this many dots (the widest variant's step).
constexpr int KERNEL_LANES = 8;

// The most dots of one kernel row, and the doubles from one plane to the
// next: the kernel addresses every plane at a fixed distance.
constexpr int KERNEL_STRIP = 32;
static_assert(KERNEL_STRIP % KERNEL_LANES == 0);

struct KernelRow {
    // Tap row k (0..3): 12 planes, the value of channel c at tap column l in
    // plane 3 x l + c, one double per dot.
    const double* rowValues[4] = {};
    // 16 planes: the weight of tap (k, l) in plane 4 x k + l for each dot,
    // the row weight times the column weight (TapWeights).
    const double* tapWeights = nullptr;
    // For each group of KERNEL_LANES dots, bit 4 x k + l set when tap (k, l)
    // weighs other than 0 for a dot of the group (TapMasks). The vector
    // variants leave the other taps out: their products are 0 or -0, and
    // adding those changes no sum but -0 into 0, which the clamp makes
    // alike. A group of no taps sums to 0.
    std::uint16_t taps[KERNEL_STRIP / KERNEL_LANES] = {};
    int count = 0;  // dots, a multiple of KERNEL_LANES, at most KERNEL_STRIP
    // count dots, each red | green << 8 | blue << 16, every channel its sum
    // clamped to 0..255 and truncated.
    std::uint32_t* dots = nullptr;
};

using RowKernel = void (*)(const KernelRow& row);

// Where the dots of one strip lie in each source row: the byte offset of
// tap column l of dot j at offsets[l x KERNEL_STRIP + j], and for each group
// of 8 dots what the wide variants read at once (PlanGroups).
struct SpreadPlan {
    std::int32_t offsets[4 * KERNEL_STRIP] = {};
    // The group's lowest offset of tap column 0, the bytes from there to
    // the end of its last dot's tap column 3, 0 when some dot's tap columns
    // do not lie side by side.
    std::int32_t first[KERNEL_STRIP / 8] = {};
    std::int32_t span[KERNEL_STRIP / 8] = {};
    // Offset of tap column 0 of each dot less its group's first, when the
    // span is at most 64 bytes.
    std::uint8_t at[KERNEL_STRIP] = {};
    // The same in dots, when the span is at most 48 bytes (16 dots).
    std::uint8_t column[KERNEL_STRIP] = {};
    // The same for each 16 dots whose tap columns lie side by side within
    // 64 bytes of the row (at magnifications): the lowest offset, the bytes
    // from there to the end of the last tap column, and each dot's tap
    // column 0 in dots from there; near when all of them do.
    std::int32_t nearFirst[KERNEL_STRIP / 16] = {};
    std::int32_t nearSpan[KERNEL_STRIP / 16] = {};
    std::uint8_t nearColumn[KERNEL_STRIP] = {};
    bool near = false;
};

// Fills the groups of plan from its offsets.
void PlanGroups(SpreadPlan& plan);

// Spreads out one source row for the kernel: plane 3 x l + c (planes
// KERNEL_STRIP doubles apart) takes channel c of the dot at byte offset
// plan.offsets[l x KERNEL_STRIP + j] of src, for each j below count (a
// multiple of KERNEL_LANES). The wide variants read 4 bytes from each
// offset: src must not be the image's last row.
using RowSpreader = void (*)(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);

// Fills the 16 planes of tapWeights (KERNEL_STRIP doubles apart) for count
// dots: rowWeights[k] x columnWeights[l x KERNEL_STRIP + j], the product the
// formula takes for tap (k, l). Rows of the same row weights share them.
void TapWeights(const double rowWeights[4], const double* columnWeights, double* tapWeights, int count);

// The tap columns of each group of KERNEL_LANES dots among count dots: bit
// l of groupColumns[group] set when column weight l of some dot of the
// group is other than 0.
void ColumnTaps(const double* columnWeights, std::uint8_t* groupColumns, int count);

// The taps of each of groups groups (KernelRow::taps) for the row weights
// and the groups' tap columns (ColumnTaps): a tap of no row weight or no
// column weight but 0 in the group is left out.
void TapMasks(const double rowWeights[4], const std::uint8_t* groupColumns, std::uint16_t* taps, int groups);

// Every tap of every dot, whatever KernelRow::taps says.
void ResampleRowScalar(const KernelRow& row);
void SpreadRowScalar(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
#if defined(__x86_64__) || defined(__i386__)
void ResampleRowSse2(const KernelRow& row);
void ResampleRowAvx2(const KernelRow& row);
void ResampleRowAvx512(const KernelRow& row);
void SpreadRowAvx2(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
void SpreadRowAvx512(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
void SpreadRowAvx512Vbmi(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
#endif

// Weights that are whole numbers of one small power of two make every
// product and sum of the formula exact: any order of additions then gives
// its very sums, and the sums separate into column sums of each source row
// weighed by the row weights, a quarter of the products. When the whole
// numbers stay small, single precision holds them exactly too, twice as
// many to a register. ExactExponent is the least e >= 0 for which each of
// count weights x 2^e is whole, -1 when e would exceed 60 (or a weight is
// not finite).
int ExactExponent(const double* weights, int count);

// The absolute sum of the whole numbers of weights of ExactExponent
// exponent whose absolute sum is mass: infinite when exponent is -1.
double ExactNumerators(int exponent, double mass);

// Whether dots from row weights whose ExactNumerators are rowNumerators
// and column weights whose ExactNumerators are at most columnNumerators
// for every dot come out exact in single precision, for values of 0..255:
// every product and partial sum a whole number below 2^24 over the same
// power of two. The formula's sums are then exact as well.
inline bool SumsExact(double rowNumerators, double columnNumerators) {
    // Every product and partial sum of a row's column sums is at most
    // columnNumerators x 255 over the power of two, and of a dot's at most
    // their product x 255; the numerators are small whole numbers, so these
    // products are exact.
    constexpr double SINGLE = 0x1p24;
    return columnNumerators * 255.0 < SINGLE && rowNumerators * columnNumerators * 255.0 < SINGLE;
}

// The column sums of one source row spread out (RowSpreader): plane c of
// sums takes sum over l of columnWeights[l x KERNEL_STRIP + j] x the value
// of channel c at tap column l, for count dots (a multiple of
// KERNEL_LANES). Exact only where SumsExact holds.
using ColumnSummer = void (*)(const double* planes, const double* columnWeights, float* sums, int count);

// count dots (a multiple of KERNEL_LANES) from the column sums of the 4
// source rows: each channel the sum over k of rowWeights[k] x sums[k]'s
// plane, clamped and truncated as the kernel's (KernelRow::dots). The dots
// up to count rounded up to 16 are written.
using RowSummer = void (*)(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots,
                           int count);

// The column sums of a source row straight from its bytes, as a
// ColumnSummer of the row spread out by plan with the column weights in
// single precision, for a plan that lies near (SpreadPlan::near). Nothing
// beyond the runs of tap columns is read.
using NearColumnSummer = void (*)(const std::uint8_t* src, const SpreadPlan& plan, const float* columnWeights,
                                  float* sums, int count);

void SumColumnsScalar(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsScalar(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);
#if defined(__x86_64__) || defined(__i386__)
void SumColumnsSse2(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsSse2(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);
void SumColumnsAvx2(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsAvx2(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);
void SumColumnsAvx512(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsAvx512(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);
void SumNearColumnsAvx512Vbmi(const std::uint8_t* src, const SpreadPlan& plan, const float* columnWeights,
                              float* sums, int count);
#endif

// How dots are written out as bytes: the display raster's red, green,
// blue, or a screen's layout (display_raster.h): 16 bits 5-6-5 words,
// 24 bits blue, green, red, 32 bits blue, green, red, 0.
enum class DotLayout { Rgb, Screen16, Screen24, Screen32 };

// Bytes of one dot in layout.
inline int DotBytes(DotLayout layout) {
    switch (layout) {
    case DotLayout::Screen16: return 2;
    case DotLayout::Screen32: return 4;
    default: return 3;
    }
}

// Writes count dots (as the kernel leaves them) at out in layout: dot j
// from lane lanes[j] of dots, or from lane j when lanes is null. dots holds
// KERNEL_STRIP dots and lanes (when given) KERNEL_STRIP lanes, whatever
// count is: the wide variants read them whole. Nothing beyond the count
// dots at out is written.
void PackDots(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count,
              const std::uint8_t* lanes);
using DotPacker = void (*)(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count,
                           const std::uint8_t* lanes);
#if defined(__x86_64__) || defined(__i386__)
void PackDotsAvx512Vbmi(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count,
                        const std::uint8_t* lanes);
#endif

// Writes count dots of rgb (red, green, blue bytes) at out in layout.
void ConvertDots(DotLayout layout, const std::uint8_t* rgb, std::uint8_t* out, int count);

struct RowKernelVariant {
    const char* name;
    RowKernel kernel;
    RowSpreader spread;
    DotPacker pack;
    ColumnSummer sumColumns;
    RowSummer sumRows;
    NearColumnSummer sumNear;  // null where the variant has none
};

// The variants this processor runs, the plain one first, the fastest last.
std::vector<RowKernelVariant> SupportedRowKernels();

// The last of SupportedRowKernels, looked up once.
const RowKernelVariant& FastestRowKernel();
