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

namespace {

constexpr long long MAGIC = 0x4330000000000000;  // 2^52 as a double

// Words of 2^52 with a byte in their low bits as that byte's value: 2^52
// taken away, exactly.
inline __m512d LessMagic(__m512i bits) {
    return _mm512_sub_pd(_mm512_castsi512_pd(bits), _mm512_castsi512_pd(_mm512_set1_epi64(MAGIC)));
}

// Byte b of each of the 8 words as a double.
inline __m512d ByteAsDouble(__m512i words, unsigned b) {
    // (shifted & 0xFF) | 2^52
    return LessMagic(_mm512_ternarylogic_epi64(_mm512_srli_epi64(words, 8 * b), _mm512_set1_epi64(0xFF),
                                               _mm512_set1_epi64(MAGIC), 0xEA));
}

// The tap columns' offsets of the 8 dots at j.
struct Taps8 {
    __m256i at[4];
};

inline Taps8 LoadTaps(const SpreadPlan& plan, int j) {
    Taps8 taps;
    for (int l = 0; l < 4; ++l)
        taps.at[l] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(plan.offsets + l * KERNEL_STRIP + j));
    return taps;
}

// The 12 bytes from each of the 8 dots' first offset in two gathers of 8
// bytes, byte k going to plane k.
inline void GatherRuns(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int j) {
    const __m256i at = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(plan.offsets + j));
    const __m512i first = _mm512_i32gather_epi64(at, src, 1);
    const __m512i rest = _mm512_i32gather_epi64(at, src + 4, 1);
    for (unsigned k = 0; k < 4; ++k) _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, ByteAsDouble(first, k));
    for (unsigned k = 4; k < 12; ++k) _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, ByteAsDouble(rest, k - 4));
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

// As SpreadRowAvx512, but where the runs of 12 bytes of 8 dots lie within
// 64 bytes of the row (at magnifications and down to about half), those
// bytes are read at once and each plane picked out of them by a byte
// permutation. Nothing beyond the runs is read.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void SpreadRowAvx512Vbmi(const std::uint8_t* src,
                                                                                const SpreadPlan& plan,
                                                                                double* planes, int count) {
    const __m512i magic = _mm512_set1_epi64(MAGIC);
    const __m512i one = _mm512_set1_epi64(1);
    for (int j = 0; j < count; j += 8) {
        const int span = plan.span[j / 8];
        if (span == 0) {
            GatherEach(src, plan, planes, j);
            continue;
        }
        if (span > 64) {
            GatherRuns(src, plan, planes, j);
            continue;
        }
        const __mmask64 bytes = span == 64 ? ~__mmask64(0) : (__mmask64(1) << span) - 1;
        const __m512i window = _mm512_maskz_loadu_epi8(bytes, src + plan.first[j / 8]);
        // The low byte of each word: where plane k's value lies in window.
        __m512i at = _mm512_cvtepu8_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(plan.at + j)));
        for (int k = 0; k < 12; ++k, at = _mm512_add_epi64(at, one)) {
            const __m512i picked = _mm512_maskz_permutexvar_epi8(0x0101010101010101, at, window);
            _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, LessMagic(_mm512_or_si512(picked, magic)));
        }
    }
}
#if defined(__clang__)
#pragma clang attribute pop
#endif
#endif
