// The kernel for the AVX2 unit, two registers of doubles per step. Only this
// file is compiled for it (the build sets its flags); the program picks it
// when the processor has it.
#include "render/row_kernel.h"

#if defined(__x86_64__) || defined(__i386__)
#define RESAMPLE_LANES 4
#include "render/resample_rows_lanes.h"

#include <immintrin.h>

void ResampleRowAvx2(const KernelRow& row) { LanesRow(row); }
void SumColumnsAvx2(const double* planes, const double* columnWeights, float* sums, int count) {
    LanesSumColumns(planes, columnWeights, sums, count);
}
void SumRowsAvx2(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count) {
    LanesSumRows(sums, rowWeights, dots, count);
}

void SpreadRowAvx2(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count) {
    const __m256i low = _mm256_set1_epi32(0xFF);
    const int* base = reinterpret_cast<const int*>(src);
    for (int l = 0; l < 4; ++l)
        for (int j = 0; j < count; j += 8) {
            __m256i index;
            __builtin_memcpy(&index, plan.offsets + l * KERNEL_STRIP + j, sizeof index);
            const __m256i dots = _mm256_i32gather_epi32(base, index, 1);
            for (int c = 0; c < 3; ++c) {
                const __m256i v = _mm256_and_si256(_mm256_srli_epi32(dots, 8 * c), low);
                double* out = planes + (3 * l + c) * KERNEL_STRIP + j;
                _mm256_storeu_pd(out, _mm256_cvtepi32_pd(_mm256_castsi256_si128(v)));
                _mm256_storeu_pd(out + 4, _mm256_cvtepi32_pd(_mm256_extracti128_si256(v, 1)));
            }
        }
}
#endif
