// The kernel for the avx512 unit, two registers of doubles per step. Only
// this file is compiled for it; the program picks it when the processor has it.
#include "render/resample_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC target("avx512f")
#endif
// The compiler's own intrinsics start from deliberately undefined registers,
// which it then reports as maybe uninitialised once they are inlined here.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#define RESAMPLE_LANES 8
#include "render/resample_rows_lanes.h"

#include <immintrin.h>

#include <algorithm>

void ResampleRowAvx512(const KernelRow& row) { LanesRow(row); }
void SumColumnsAvx512(const double* planes, const double* columnWeights, float* sums, int count) {
    LanesSumColumns(planes, columnWeights, sums, count);
}
void SumRowsAvx512(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count) {
    LanesSumRows(sums, rowWeights, dots, count);
}

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

namespace {

// Byte permutations that put channel c of dot q of a window (of its first
// Words dots, or of the next ones its 64 bytes hold) in the low byte of
// word q of Words words; the words of dots beyond pick byte 0.
template <int Words>
struct ChannelTable {
    alignas(64) std::uint8_t pick[2][3][64] = {};
    constexpr ChannelTable() {
        for (int half = 0; half < 2; ++half)
            for (int c = 0; c < 3; ++c)
                for (int q = 0; q < Words; ++q)
                    if (const int at = 3 * (Words * half + q) + c; at < 64)
                        pick[half][c][64 / Words * q] = std::uint8_t(at);
    }
};

constexpr ChannelTable<8> CHANNEL_TABLE;  // words of 64 bits
constexpr ChannelTable<16> CHANNEL16_TABLE;  // words of 32 bits
constexpr __mmask64 LOW_BYTES = 0x0101010101010101;

// Channel c of the first (or next) 8 dots of window as doubles.
__attribute__((target("avx512f,avx512bw,avx512dq,avx512vbmi"))) inline __m512d Channel(__m512i window, int half, int c) {
    const __m512i pick = _mm512_load_si512(CHANNEL_TABLE.pick[half][c]);
    return _mm512_cvtepu64_pd(_mm512_maskz_permutexvar_epi8(LOW_BYTES, pick, window));
}

}  // namespace

// As SpreadRowAvx512, but where the runs of 12 bytes of 8 dots lie within
// 64 bytes of the row (at magnifications and down to about half), those
// bytes are read at once. Within 48 bytes (16 dots) each channel of the
// dots is made doubles once and each plane picked out of those; otherwise
// each plane is picked out of the bytes. Nothing beyond the runs is read.
__attribute__((target("avx512f,avx512bw,avx512dq,avx512vbmi"))) void SpreadRowAvx512Vbmi(const std::uint8_t* src,
                                                                                         const SpreadPlan& plan,
                                                                                         double* planes, int count) {
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
        if (span <= 48) {
            // Dots 0..7 of the window, and 8..15 where the group reads them.
            __m512d low[3], high[3];
            for (int c = 0; c < 3; ++c) {
                low[c] = Channel(window, 0, c);
                high[c] = span > 24 ? Channel(window, 1, c) : low[c];
            }
            __m512i column = _mm512_cvtepu8_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(plan.column + j)));
            for (int l = 0; l < 4; ++l, column = _mm512_add_epi64(column, one))
                for (int c = 0; c < 3; ++c)
                    _mm512_storeu_pd(planes + (3 * l + c) * KERNEL_STRIP + j,
                                     _mm512_permutex2var_pd(low[c], column, high[c]));
            continue;
        }
        // The low byte of each word: where plane k's value lies in window.
        __m512i at = _mm512_cvtepu8_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(plan.at + j)));
        for (int k = 0; k < 12; ++k, at = _mm512_add_epi64(at, one)) {
            const __m512i picked = _mm512_maskz_permutexvar_epi8(LOW_BYTES, at, window);
            _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, _mm512_cvtepu64_pd(picked));
        }
    }
}

namespace {

constexpr __mmask64 LOW_WORD_BYTES = 0x1111111111111111;

// Channel c of the first (or next) 16 dots of window as floats.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline __m512 Channel16(__m512i window, int half, int c) {
    const __m512i pick = _mm512_load_si512(CHANNEL16_TABLE.pick[half][c]);
    return _mm512_cvtepi32_ps(_mm512_maskz_permutexvar_epi8(LOW_WORD_BYTES, pick, window));
}

}  // namespace

namespace {

// The column sums of the 16 dots at j from window, which holds their
// runs: Wide when those reach beyond its first 16 dots.
template <bool Wide>
__attribute__((target("avx512f,avx512bw,avx512vbmi"), always_inline)) inline void SumNearPart(
    __m512i window, const SpreadPlan& plan, const float* columnWeights, float* sums, int j) {
    __m512 low[3], high[3], s[3];
    for (int c = 0; c < 3; ++c) {
        low[c] = Channel16(window, 0, c);
        if (Wide) high[c] = Channel16(window, 1, c);
    }
    __m512i column = _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(plan.nearColumn + j)));
    for (int l = 0; l < 4; ++l, column = _mm512_add_epi32(column, _mm512_set1_epi32(1))) {
        const __m512 w = _mm512_loadu_ps(columnWeights + l * KERNEL_STRIP + j);
        for (int c = 0; c < 3; ++c) {
            const __m512 values =
                Wide ? _mm512_permutex2var_ps(low[c], column, high[c]) : _mm512_permutexvar_ps(column, low[c]);
            const __m512 product = _mm512_mul_ps(w, values);
            s[c] = l == 0 ? product : _mm512_add_ps(s[c], product);
        }
    }
    for (int c = 0; c < 3; ++c) _mm512_storeu_ps(sums + c * KERNEL_STRIP + j, s[c]);
}

}  // namespace

// 16 dots at a time in single precision (exact where the sums are used):
// each channel of the window's dots made numbers once, and each tap
// column's values picked out of those.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void SumNearColumnsAvx512Vbmi(const std::uint8_t* src,
                                                                                     const SpreadPlan& plan,
                                                                                     const float* columnWeights,
                                                                                     float* sums, int count) {
    static_assert(KERNEL_STRIP % 16 == 0);
    for (int j = 0; j < count; j += 16) {
        const int span = plan.nearSpan[j / 16];
        const __m512i window = _mm512_maskz_loadu_epi8((__mmask64(1) << span) - 1, src + plan.nearFirst[j / 16]);
        if (span <= 48)
            SumNearPart<false>(window, plan, columnWeights, sums, j);
        else
            SumNearPart<true>(window, plan, columnWeights, sums, j);
    }
}

namespace {

// The byte permutations that take 16 of the kernel's words (red, green,
// blue, 0) to 16 dots in each layout of 3 or 4 bytes; a 4-byte layout's
// fourth byte is cleared by the mask. Made by the compiler: nothing in
// this file may run before the processor is known to have the unit.
struct PackTable {
    alignas(64) std::uint8_t rgb[64] = {}, bgr[64] = {}, bgr0[64] = {};
    constexpr PackTable() {
        for (int i = 0; i < 64; ++i) {
            const int dot = std::min(i / 3, 15), b = i % 3;
            rgb[i] = std::uint8_t(4 * dot + b);
            bgr[i] = std::uint8_t(4 * dot + 2 - b);
            bgr0[i] = std::uint8_t(4 * (i / 4) + (i % 4 == 3 ? 3 : 2 - i % 4));
        }
    }
};

constexpr PackTable PACK_TABLE;

}  // namespace

// 16 dots at a time: their words (picked out of the strip's by the lanes)
// permuted into the layout's bytes and stored under a mask that ends at
// the last dot.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void PackDotsAvx512Vbmi(DotLayout layout,
                                                                               const std::uint32_t* dots,
                                                                               std::uint8_t* out, int count,
                                                                               const std::uint8_t* lanes) {
    static_assert(KERNEL_STRIP == 32);
    const std::uint8_t* table;
    __mmask64 kept = ~__mmask64(0);
    switch (layout) {
    case DotLayout::Rgb: table = PACK_TABLE.rgb; break;
    case DotLayout::Screen24: table = PACK_TABLE.bgr; break;
    case DotLayout::Screen32:
        table = PACK_TABLE.bgr0;
        kept = 0x7777777777777777;
        break;
    default: PackDots(layout, dots, out, count, lanes); return;
    }
    const int size = DotBytes(layout);
    const __m512i pick = _mm512_load_si512(table);
    const __m512i first = _mm512_loadu_si512(dots);
    const __m512i second = _mm512_loadu_si512(dots + 16);
    for (int j = 0; j < count; j += 16) {
        __m512i words = j == 0 ? first : second;
        if (lanes) {
            const __m512i at = _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + j)));
            words = _mm512_permutex2var_epi32(first, at, second);
        }
        const int bytes = std::min(16, count - j) * size;
        const __mmask64 stored = bytes >= 64 ? ~__mmask64(0) : (__mmask64(1) << bytes) - 1;
        _mm512_mask_storeu_epi8(out + std::size_t(j) * size, stored, _mm512_maskz_permutexvar_epi8(kept, pick, words));
    }
}
#if defined(__clang__)
#pragma clang attribute pop
#endif
#endif
