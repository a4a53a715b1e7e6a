// The resampling kernel: one display row of a narrow strip, every dot the
// sum of its 16 weighted image dots per channel, with the same products and
// the same order of additions as the formula written dot by dot. Variants
// for wider vector units give the very same bytes; the fastest one the
// processor runs is chosen once, at run time.
#pragma once

#include <cstdint>
#include <vector>

// Every plane holds a multiple of this many dots (the widest variant's step).
constexpr int KERNEL_LANES = 16;

struct KernelRow {
    // Tap row k (0..3): 12 planes, the value of channel c at tap column l in
    // plane 3 x l + c, one double per dot.
    const double* rowValues[4] = {};
    // 4 planes: the weight of tap column l for each dot.
    const double* columnWeights = nullptr;
    double rowWeights[4] = {};
    int planeStride = 0;  // doubles from one plane to the next
    int count = 0;        // dots, a multiple of KERNEL_LANES
    // count values each: the sums clamped to 0..255 and truncated.
    std::int32_t* red = nullptr;
    std::int32_t* green = nullptr;
    std::int32_t* blue = nullptr;
};

using RowKernel = void (*)(const KernelRow& row);

// Spreads out one source row for the kernel: plane 3 x l + c (planes stride
// doubles apart) takes channel c of the dot at byte offset
// offsets[l x stride + j] of src, for each j below count (a multiple of
// KERNEL_LANES). The wide variants read 4 bytes from each offset: src must
// not be the image's last row.
using RowSpreader = void (*)(const std::uint8_t* src, const std::int32_t* offsets, double* planes,
                             int stride, int count);

void ResampleRowScalar(const KernelRow& row);
void SpreadRowScalar(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                     int count);
#if defined(__x86_64__) || defined(__i386__)
void ResampleRowSse2(const KernelRow& row);
void ResampleRowAvx2(const KernelRow& row);
void ResampleRowAvx512(const KernelRow& row);
void SpreadRowAvx2(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                   int count);
void SpreadRowAvx512(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                     int count);
#endif

struct RowKernelVariant {
    const char* name;
    RowKernel kernel;
    RowSpreader spread;
};

// The variants this processor runs, the plain one first, the fastest last.
std::vector<RowKernelVariant> SupportedRowKernels();

// The last of SupportedRowKernels, looked up once.
const RowKernelVariant& FastestRowKernel();
