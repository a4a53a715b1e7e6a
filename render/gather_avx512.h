// Spreading out 8 dots' tap columns with AVX-512 gathers, for the files of
// the AVX-512 levels: each file that includes this compiles its own copy for
// its own unit (every name here has internal linkage).
#pragma once

#include <immintrin.h>

#include "render/row_kernel.h"

namespace {

constexpr long long kMagic = 0x4330000000000000;  // 2^52 as a double

// Words of 2^52 with a byte in their low bits as that byte's value: 2^52
// taken away, exactly.
inline __m512d LessMagic(__m512i bits) {
    return _mm512_sub_pd(_mm512_castsi512_pd(bits), _mm512_castsi512_pd(_mm512_set1_epi64(kMagic)));
}

// Byte b of each of the 8 words as a double.
inline __m512d ByteAsDouble(__m512i words, unsigned b) {
    // (shifted & 0xFF) | 2^52
    return LessMagic(_mm512_ternarylogic_epi64(_mm512_srli_epi64(words, 8 * b), _mm512_set1_epi64(0xFF),
                                               _mm512_set1_epi64(kMagic), 0xEA));
}

// The tap columns' offsets of the 8 dots at j.
struct Taps8 {
    __m256i at[4];
};

inline Taps8 LoadTaps(const SpreadPlan& plan, int j) {
    Taps8 taps;
    for (int l = 0; l < 4; ++l)
        taps.at[l] =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(plan.offsets + l * KERNEL_STRIP + j));
    return taps;
}

// The 12 bytes from each of the 8 dots' first offset in two gathers of 8
// bytes, byte k going to plane k.
inline void GatherRuns(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int j) {
    const __m256i at = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(plan.offsets + j));
    const __m512i first = _mm512_i32gather_epi64(at, src, 1);
    const __m512i rest = _mm512_i32gather_epi64(at, src + 4, 1);
    for (unsigned k = 0; k < 4; ++k)
        _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, ByteAsDouble(first, k));
    for (unsigned k = 4; k < 12; ++k)
        _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, ByteAsDouble(rest, k - 4));
}

// Each tap column of the 8 dots in a gather of its own.
inline void GatherEach(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int j) {
    const __m256i low = _mm256_set1_epi32(0xFF);
    const int* base = reinterpret_cast<const int*>(src);
    const Taps8 taps = LoadTaps(plan, j);
    for (int l = 0; l < 4; ++l) {
        const __m256i dots = _mm256_i32gather_epi32(base, taps.at[l], 1);
        for (int c = 0; c < 3; ++c) {
            const __m256i v = _mm256_and_si256(_mm256_srli_epi32(dots, 8 * c), low);
            _mm512_storeu_pd(planes + (3 * l + c) * KERNEL_STRIP + j, _mm512_cvtepi32_pd(v));
        }
    }
}

}  // namespace
