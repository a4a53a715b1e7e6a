// What one row of the resampling kernel takes and gives, and the entry
// points of each instruction-set level (one source file per level, each
// compiled for its own unit; resample_rows.h picks among them at run time).
// The files of every level include this header: it defines no function and
// includes no more than <cstdint>, so that no function compiled for a wider
// unit can stand in for one of another file.
#pragma once

#include <cstdint>

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

// Spreads out one source row for the kernel: plane 3 x l + c (planes
// KERNEL_STRIP doubles apart) takes channel c of the dot at byte offset
// plan.offsets[l x KERNEL_STRIP + j] of src, for each j below count (a
// multiple of KERNEL_LANES). The wide variants read 4 bytes from each
// offset: src must not be the image's last row.
using RowSpreader = void (*)(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);

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

// How dots are written out as bytes: the display raster's red, green,
// blue, or a screen's layout (display_raster.h): 16 bits 5-6-5 words,
// 24 bits blue, green, red, 32 bits blue, green, red, 0xFF.
enum class DotLayout { Rgb, Screen16, Screen24, Screen32 };

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
// SSE2
void ResampleRowSse2(const KernelRow& row);
void SumColumnsSse2(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsSse2(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);

// AVX2
void ResampleRowAvx2(const KernelRow& row);
void SpreadRowAvx2(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
void SumColumnsAvx2(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsAvx2(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);

// AVX-512 (avx512f)
void ResampleRowAvx512(const KernelRow& row);
void SpreadRowAvx512(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
void SumColumnsAvx512(const double* planes, const double* columnWeights, float* sums, int count);
void SumRowsAvx512(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count);
void TapWeightsAvx512(const double rowWeights[4], const double* columnWeights, double* tapWeights, int count);

// AVX-512 with VBMI (avx512f, avx512bw, avx512dq, avx512vbmi)
void SpreadRowAvx512Vbmi(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count);
void SumNearColumnsAvx512Vbmi(const std::uint8_t* src, const SpreadPlan& plan, const float* columnWeights,
                              float* sums, int count);
void PackDotsAvx512Vbmi(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count,
                        const std::uint8_t* lanes);
#endif
