// The kernel for the avx512 unit, two registers of doubles per step. Only
// this file is compiled for it; the program picks it when the processor has it.
#include "viewer/resample_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#pragma GCC target("avx512f")
#define RESAMPLE_LANES 8
#include "viewer/resample_rows_lanes.h"

#include <immintrin.h>

// The compiler's own intrinsics start from deliberately undefined registers,
// which it then reports as maybe uninitialised once they are inlined here.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

void ResampleRowAvx512(const KernelRow& row) { LanesRow(row); }

namespace {

// Byte b of each of the 8 words as a double: the byte put in the low bits
// of 2^52 and 2^52 taken away again, both exact.
inline __m512d ByteAsDouble(__m512i words, unsigned b) {
    const __m512i magic = _mm512_set1_epi64(0x4330000000000000);
    const __m512i low = _mm512_set1_epi64(0xFF);
    // (shifted & low) | magic
    const __m512i bits = _mm512_ternarylogic_epi64(_mm512_srli_epi64(words, 8 * b), low, magic, 0xEA);
    return _mm512_sub_pd(_mm512_castsi512_pd(bits), _mm512_castsi512_pd(magic));
}

}  // namespace

// Where the 4 tap columns of 8 dots lie side by side (everywhere but at
// the image's right edge), their 12 bytes come in two gathers of 8 bytes,
// byte k being plane k's value; elsewhere each tap column is gathered on
// its own.
void SpreadRowAvx512(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                     int count) {
    const __m256i step = _mm256_set1_epi32(3);
    const __m256i low = _mm256_set1_epi32(0xFF);
    for (int j = 0; j < count; j += 8) {
        __m256i at[4];
        for (int l = 0; l < 4; ++l) at[l] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(offsets + l * stride + j));
        const __m256i side = _mm256_and_si256(
            _mm256_cmpeq_epi32(at[1], _mm256_add_epi32(at[0], step)),
            _mm256_and_si256(_mm256_cmpeq_epi32(at[2], _mm256_add_epi32(at[1], step)),
                             _mm256_cmpeq_epi32(at[3], _mm256_add_epi32(at[2], step))));
        if (_mm256_movemask_epi8(side) == -1) {
            const __m512i first = _mm512_i32gather_epi64(at[0], src, 1);
            const __m512i rest = _mm512_i32gather_epi64(at[0], src + 4, 1);
            for (unsigned k = 0; k < 4; ++k) _mm512_storeu_pd(planes + k * stride + j, ByteAsDouble(first, k));
            for (unsigned k = 4; k < 12; ++k) _mm512_storeu_pd(planes + k * stride + j, ByteAsDouble(rest, k - 4));
            continue;
        }
        const int* base = reinterpret_cast<const int*>(src);
        for (int l = 0; l < 4; ++l) {
            const __m256i dots = _mm256_i32gather_epi32(base, at[l], 1);
            for (int c = 0; c < 3; ++c) {
                const __m256i v = _mm256_and_si256(_mm256_srli_epi32(dots, 8 * c), low);
                _mm512_storeu_pd(planes + (3 * l + c) * stride + j, _mm512_cvtepi32_pd(v));
            }
        }
    }
}
#endif
