// The resampling kernel: one display row of a narrow strip, every dot the
// sum of its 16 weighted image dots per channel, with the same products and
// the same order of additions as the formula written dot by dot. Variants
// for wider vector units give the very same bytes; the fastest one the
// processor runs is chosen once, at run time.
#pragma once

#include <cstdint>
#include <vector>

#include "render/row_kernel.h"

// Fills the groups of plan from its offsets.
void PlanGroups(SpreadPlan& plan);

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

void SumColumnsScalar(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsScalar(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);

// Bytes of one dot in layout.
inline int DotBytes(DotLayout layout) {
    switch (layout) {
    case DotLayout::Screen16: return 2;
    case DotLayout::Screen32: return 4;
    default: return 3;
    }
}

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
