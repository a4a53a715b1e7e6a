// The kernel for the AVX-512 unit (avx512f), two registers of doubles per
// step. Only this file is compiled for it (the build sets its flags); the
// program picks it when the processor has it.
#include "render/row_kernel.h"

#if defined(__x86_64__) || defined(__i386__)
// The compiler's own intrinsics start from deliberately undefined registers,
// which it then reports as maybe uninitialised once they are inlined here.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#define RESAMPLE_LANES 8
#include "render/resample_rows_lanes.h"

#include <immintrin.h>

#include "render/gather_avx512.h"
#include "render/tap_weights_loop.h"

void ResampleRowAvx512(const KernelRow& row) { LanesRow(row); }
void SumColumnsAvx512(const double* planes, const double* columnWeights, float* sums, int count) {
    LanesSumColumns(planes, columnWeights, sums, count);
}
void SumRowsAvx512(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count) {
    LanesSumRows(sums, rowWeights, dots, count);
}

void TapWeightsAvx512(const double rowWeights[4], const double* columnWeights, double* tapWeights,
                      int count) {
    WeighTaps(rowWeights, columnWeights, tapWeights, count);
}

// Where the 4 tap columns of 8 dots lie side by side (everywhere but at
// the image's right edge), their 12 bytes come in two gathers of 8 bytes;
// elsewhere each tap column is gathered on its own.
void SpreadRowAvx512(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count) {
    for (int j = 0; j < count; j += 8) {
        if (plan.span[j / 8])
            GatherRuns(src, plan, planes, j);
        else
            GatherEach(src, plan, planes, j);
    }
}
#endif
