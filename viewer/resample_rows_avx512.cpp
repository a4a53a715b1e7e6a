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

// The 4 tap columns of the 8 dots at j lie side by side.
inline bool SideBySide(const std::int32_t* offsets, int stride, int j, Taps8& taps) {
    for (int l = 0; l < 4; ++l)
        taps.at[l] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(offsets + l * stride + j));
    const __m256i step = _mm256_set1_epi32(3);
    const __m256i side =
        _mm256_and_si256(_mm256_cmpeq_epi32(taps.at[1], _mm256_add_epi32(taps.at[0], step)),
                         _mm256_and_si256(_mm256_cmpeq_epi32(taps.at[2], _mm256_add_epi32(taps.at[1], step)),
                                          _mm256_cmpeq_epi32(taps.at[3], _mm256_add_epi32(taps.at[2], step))));
    return _mm256_movemask_epi8(side) == -1;
}

// The 12 bytes from each of the 8 dots' first offset in two gathers of 8
// bytes, byte k going to plane k.
inline void GatherRuns(const std::uint8_t* src, const Taps8& taps, double* planes, int stride, int j) {
    const __m512i first = _mm512_i32gather_epi64(taps.at[0], src, 1);
    const __m512i rest = _mm512_i32gather_epi64(taps.at[0], src + 4, 1);
    for (unsigned k = 0; k < 4; ++k) _mm512_storeu_pd(planes + k * stride + j, ByteAsDouble(first, k));
    for (unsigned k = 4; k < 12; ++k) _mm512_storeu_pd(planes + k * stride + j, ByteAsDouble(rest, k - 4));
}

// Each tap column of the 8 dots in a gather of its own.
inline void GatherEach(const std::uint8_t* src, const Taps8& taps, double* planes, int stride, int j) {
    const __m256i low = _mm256_set1_epi32(0xFF);
    const int* base = reinterpret_cast<const int*>(src);
    for (int l = 0; l < 4; ++l) {
        const __m256i dots = _mm256_i32gather_epi32(base, taps.at[l], 1);
        for (int c = 0; c < 3; ++c) {
            const __m256i v = _mm256_and_si256(_mm256_srli_epi32(dots, 8 * c), low);
            _mm512_storeu_pd(planes + (3 * l + c) * stride + j, _mm512_cvtepi32_pd(v));
        }
    }
}

inline int Lowest(__m256i v) {
    v = _mm256_min_epi32(v, _mm256_permute2x128_si256(v, v, 1));
    v = _mm256_min_epi32(v, _mm256_shuffle_epi32(v, 0x4E));
    v = _mm256_min_epi32(v, _mm256_shuffle_epi32(v, 0xB1));
    return _mm256_cvtsi256_si32(v);
}

inline int Highest(__m256i v) {
    v = _mm256_max_epi32(v, _mm256_permute2x128_si256(v, v, 1));
    v = _mm256_max_epi32(v, _mm256_shuffle_epi32(v, 0x4E));
    v = _mm256_max_epi32(v, _mm256_shuffle_epi32(v, 0xB1));
    return _mm256_cvtsi256_si32(v);
}

}  // namespace

// Where the 4 tap columns of 8 dots lie side by side (everywhere but at
// the image's right edge), their 12 bytes come in two gathers of 8 bytes;
// elsewhere each tap column is gathered on its own.
void SpreadRowAvx512(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                     int count) {
    for (int j = 0; j < count; j += 8) {
        Taps8 taps;
        if (SideBySide(offsets, stride, j, taps))
            GatherRuns(src, taps, planes, stride, j);
        else
            GatherEach(src, taps, planes, stride, j);
    }
}

// As SpreadRowAvx512, but where the runs of 12 bytes of 8 dots lie within
// 64 bytes of the row (at magnifications and down to about half), those
// bytes are read at once and each plane picked out of them by a byte
// permutation. Nothing beyond the runs is read.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void SpreadRowAvx512Vbmi(const std::uint8_t* src,
                                                                                const std::int32_t* offsets,
                                                                                double* planes, int stride,
                                                                                int count) {
    const __m512i magic = _mm512_set1_epi64(MAGIC);
    const __m512i one = _mm512_set1_epi64(1);
    for (int j = 0; j < count; j += 8) {
        Taps8 taps;
        if (!SideBySide(offsets, stride, j, taps)) {
            GatherEach(src, taps, planes, stride, j);
            continue;
        }
        const int first = Lowest(taps.at[0]);
        const int span = Highest(taps.at[0]) - first + 12;
        if (span > 64) {
            GatherRuns(src, taps, planes, stride, j);
            continue;
        }
        const __mmask64 bytes = span == 64 ? ~__mmask64(0) : (__mmask64(1) << span) - 1;
        const __m512i window = _mm512_maskz_loadu_epi8(bytes, src + first);
        // The low byte of each word: where plane k's value lies in window.
        __m512i at = _mm512_cvtepu32_epi64(_mm256_sub_epi32(taps.at[0], _mm256_set1_epi32(first)));
        for (int k = 0; k < 12; ++k, at = _mm512_add_epi64(at, one)) {
            const __m512i picked = _mm512_maskz_permutexvar_epi8(0x0101010101010101, at, window);
            _mm512_storeu_pd(planes + k * stride + j, LessMagic(_mm512_or_si512(picked, magic)));
        }
    }
}
#endif
