// The AVX-512 kernels that also take VBMI's byte permutations (with
// avx512bw and avx512dq): reading runs of a source row at once and packing
// dots. Only this file is compiled for that unit (the build sets its flags);
// the program picks it when the processor has every one of them.
#include "render/row_kernel.h"

#if defined(__x86_64__) || defined(__i386__)
// The compiler's own intrinsics start from deliberately undefined registers,
// which it then reports as maybe uninitialised once they are inlined here.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

#include "render/gather_avx512.h"

namespace {

// The lesser of a and b.
constexpr int Least(int a, int b) { return a < b ? a : b; }

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

constexpr ChannelTable<8> kChannelTable;     // words of 64 bits
constexpr ChannelTable<16> kChannel16Table;  // words of 32 bits
constexpr __mmask64 kLowBytes = 0x0101010101010101;

// Channel c of the first (or next) 8 dots of window as doubles.
inline __m512d Channel(__m512i window, int half, int c) {
    const __m512i pick = _mm512_load_si512(kChannelTable.pick[half][c]);
    return _mm512_cvtepu64_pd(_mm512_maskz_permutexvar_epi8(kLowBytes, pick, window));
}

}  // namespace

// As SpreadRowAvx512, but where the runs of 12 bytes of 8 dots lie within
// 64 bytes of the row (at magnifications and down to about half), those
// bytes are read at once. Within 48 bytes (16 dots) each channel of the
// dots is made doubles once and each plane picked out of those; otherwise
// each plane is picked out of the bytes. Nothing beyond the runs is read.
void SpreadRowAvx512Vbmi(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count) {
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
            __m512i column =
                _mm512_cvtepu8_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(plan.column + j)));
            for (int l = 0; l < 4; ++l, column = _mm512_add_epi64(column, one))
                for (int c = 0; c < 3; ++c)
                    _mm512_storeu_pd(planes + (3 * l + c) * KERNEL_STRIP + j,
                                     _mm512_permutex2var_pd(low[c], column, high[c]));
            continue;
        }
        // The low byte of each word: where plane k's value lies in window.
        __m512i at = _mm512_cvtepu8_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(plan.at + j)));
        for (int k = 0; k < 12; ++k, at = _mm512_add_epi64(at, one)) {
            const __m512i picked = _mm512_maskz_permutexvar_epi8(kLowBytes, at, window);
            _mm512_storeu_pd(planes + k * KERNEL_STRIP + j, _mm512_cvtepu64_pd(picked));
        }
    }
}

namespace {

constexpr __mmask64 kLowWordBytes = 0x1111111111111111;

// Channel c of the first (or next) 16 dots of window as floats.
inline __m512 Channel16(__m512i window, int half, int c) {
    const __m512i pick = _mm512_load_si512(kChannel16Table.pick[half][c]);
    return _mm512_cvtepi32_ps(_mm512_maskz_permutexvar_epi8(kLowWordBytes, pick, window));
}

}  // namespace

namespace {

// The column sums of the 16 dots at j from window, which holds their
// runs: Wide when those reach beyond its first 16 dots.
template <bool Wide>
__attribute__((always_inline)) inline void SumNearPart(__m512i window, const SpreadPlan& plan,
                                                       const float* columnWeights, float* sums, int j) {
    __m512 low[3], high[3], s[3];
    for (int c = 0; c < 3; ++c) {
        low[c] = Channel16(window, 0, c);
        if (Wide) high[c] = Channel16(window, 1, c);
    }
    __m512i column =
        _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(plan.nearColumn + j)));
    for (int l = 0; l < 4; ++l, column = _mm512_add_epi32(column, _mm512_set1_epi32(1))) {
        const __m512 w = _mm512_loadu_ps(columnWeights + l * KERNEL_STRIP + j);
        for (int c = 0; c < 3; ++c) {
            const __m512 values = Wide ? _mm512_permutex2var_ps(low[c], column, high[c])
                                       : _mm512_permutexvar_ps(column, low[c]);
            const __m512 product = _mm512_mul_ps(w, values);
            s[c] = l == 0 ? product : _mm512_add_ps(s[c], product);
        }
    }
    for (int c = 0; c < 3; ++c)
        _mm512_storeu_ps(sums + c * KERNEL_STRIP + j, s[c]);
}

}  // namespace

// 16 dots at a time in single precision (exact where the sums are used):
// each channel of the window's dots made numbers once, and each tap
// column's values picked out of those.
void SumNearColumnsAvx512Vbmi(const std::uint8_t* src, const SpreadPlan& plan, const float* columnWeights,
                              float* sums, int count) {
    static_assert(KERNEL_STRIP % 16 == 0);
    for (int j = 0; j < count; j += 16) {
        const int span = plan.nearSpan[j / 16];
        const __m512i window =
            _mm512_maskz_loadu_epi8((__mmask64(1) << span) - 1, src + plan.nearFirst[j / 16]);
        if (span <= 48)
            SumNearPart<false>(window, plan, columnWeights, sums, j);
        else
            SumNearPart<true>(window, plan, columnWeights, sums, j);
    }
}

namespace {

// The byte permutations that take 16 of the kernel's words (red, green,
// blue, 0) to 16 dots in each layout of 3 or 4 bytes; a 4-byte layout's
// fourth byte is left out by the mask and takes 0xFF (opaque) instead.
// Made by the compiler: nothing in this file may run before the processor
// is known to have the unit.
struct PackTable {
    alignas(64) std::uint8_t rgb[64] = {}, bgr[64] = {}, bgr0[64] = {};
    constexpr PackTable() {
        for (int i = 0; i < 64; ++i) {
            const int dot = Least(i / 3, 15), b = i % 3;
            rgb[i] = std::uint8_t(4 * dot + b);
            bgr[i] = std::uint8_t(4 * dot + 2 - b);
            bgr0[i] = std::uint8_t(4 * (i / 4) + (i % 4 == 3 ? 3 : 2 - i % 4));
        }
    }
};

constexpr PackTable kPackTable;

}  // namespace

// 16 dots at a time: their words (picked out of the strip's by the lanes)
// permuted into the layout's bytes and stored under a mask that ends at
// the last dot.
void PackDotsAvx512Vbmi(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count,
                        const std::uint8_t* lanes) {
    static_assert(KERNEL_STRIP == 32);
    const std::uint8_t* table;
    __mmask64 kept = ~__mmask64(0);
    __m512i fourth = _mm512_setzero_si512();  // the bytes the mask leaves out
    int size = 3;
    switch (layout) {
    case DotLayout::Rgb: table = kPackTable.rgb; break;
    case DotLayout::Screen24: table = kPackTable.bgr; break;
    case DotLayout::Screen32:
        table = kPackTable.bgr0;
        kept = 0x7777777777777777;
        fourth = _mm512_set1_epi32(int(0xFF000000u));
        size = 4;
        break;
    default: PackDots(layout, dots, out, count, lanes); return;
    }
    const __m512i pick = _mm512_load_si512(table);
    const __m512i first = _mm512_loadu_si512(dots);
    const __m512i second = _mm512_loadu_si512(dots + 16);
    for (int j = 0; j < count; j += 16) {
        __m512i words = j == 0 ? first : second;
        if (lanes) {
            const __m512i at =
                _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + j)));
            words = _mm512_permutex2var_epi32(first, at, second);
        }
        const int bytes = Least(16, count - j) * size;
        const __mmask64 stored = bytes >= 64 ? ~__mmask64(0) : (__mmask64(1) << bytes) - 1;
        _mm512_mask_storeu_epi8(out + j * size, stored,
                                _mm512_mask_permutexvar_epi8(fourth, kept, pick, words));
    }
}
#endif
