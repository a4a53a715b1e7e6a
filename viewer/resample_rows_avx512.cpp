// The kernel for the avx512 unit, two registers of doubles per step. Only
// this file is compiled for it; the program picks it when the processor has it.
#include "viewer/resample_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC target("avx512f")
#endif
#define RESAMPLE_LANES 8
#include "viewer/resample_rows_lanes.h"

#include <immintrin.h>

// The compiler's own intrinsics start from deliberately undefined registers,
// which it then reports as maybe uninitialised once they are inlined here.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

void ResampleRowAvx512(const KernelRow& row) { LanesRow(row); }

void SpreadRowAvx512(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                     int count) {
    const __m512i low = _mm512_set1_epi32(0xFF);
    for (int l = 0; l < 4; ++l)
        for (int j = 0; j < count; j += 16) {
            const __m512i index = _mm512_loadu_si512(offsets + l * stride + j);
            const __m512i dots = _mm512_i32gather_epi32(index, src, 1);
            for (int c = 0; c < 3; ++c) {
                const __m512i v = _mm512_and_si512(_mm512_srli_epi32(dots, unsigned(8 * c)), low);
                double* out = planes + (3 * l + c) * stride + j;
                _mm512_storeu_pd(out, _mm512_cvtepi32_pd(_mm512_castsi512_si256(v)));
                _mm512_storeu_pd(out + 8, _mm512_cvtepi32_pd(_mm512_extracti64x4_epi64(v, 1)));
            }
        }
}
#if defined(__clang__)
#pragma clang attribute pop
#endif
#endif
