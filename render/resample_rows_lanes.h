// The kernel written once for RESAMPLE_LANES lanes of doubles (one vector
// register), two registers per step (one for 8 lanes) so that the sums of
// one step keep the vector unit busy while those of the next begin;
// included by one source file per instruction set, each compiling it for its own vector
// unit. Every name here has internal linkage, so no copy built for a wider
// unit can stand in for another file's; nothing from the standard library
// is used.
#pragma once

#include "render/row_kernel.h"

#if RESAMPLE_LANES == 8
#include <immintrin.h>
#endif

#ifndef RESAMPLE_LANES
#error "RESAMPLE_LANES must be defined"
#endif

namespace {

constexpr int N = RESAMPLE_LANES;

typedef double Doubles __attribute__((vector_size(N * sizeof(double))));
typedef int Ints __attribute__((vector_size(N * sizeof(int))));
// Single precision: twice as many lanes to a register.
constexpr int M = 2 * N;
typedef float Floats __attribute__((vector_size(M * sizeof(float))));
typedef float HalfFloats __attribute__((vector_size(N * sizeof(float))));
typedef int FloatInts __attribute__((vector_size(M * sizeof(int))));

template <class V, class T>
inline void Load(V& v, const T* p) {
    __builtin_memcpy(&v, p, sizeof v);
}

// The dots of one register: red | green << 8 | blue << 16.
#if RESAMPLE_LANES == 8
// For 8 lanes the saturating packs clamp the truncated sums: to 16 bits
// (they fit), then to bytes, which takes negatives to 0 and anything over
// 255 to 255. Each half holds red, green, blue, blue of 4 dots, which a
// byte shuffle puts in place.
inline void StoreWhole(std::uint32_t* out, __m256i r, __m256i g, __m256i b) {
    const __m256i bytes = _mm256_packus_epi16(_mm256_packs_epi32(r, g), _mm256_packs_epi32(b, b));
    const __m256i order = _mm256_setr_epi8(0, 4, 8, -1, 1, 5, 9, -1, 2, 6, 10, -1, 3, 7, 11, -1,  //
                                           0, 4, 8, -1, 1, 5, 9, -1, 2, 6, 10, -1, 3, 7, 11, -1);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_shuffle_epi8(bytes, order));
}

inline void Store(std::uint32_t* out, const Doubles& red, const Doubles& green, const Doubles& blue) {
    StoreWhole(out, _mm512_cvttpd_epi32(__m512d(red)), _mm512_cvttpd_epi32(__m512d(green)),
               _mm512_cvttpd_epi32(__m512d(blue)));
}

inline void Store(std::uint32_t* out, const Floats& red, const Floats& green, const Floats& blue) {
    const __m512i r = _mm512_cvttps_epi32(__m512(red));
    const __m512i g = _mm512_cvttps_epi32(__m512(green));
    const __m512i b = _mm512_cvttps_epi32(__m512(blue));
    StoreWhole(out, _mm512_castsi512_si256(r), _mm512_castsi512_si256(g), _mm512_castsi512_si256(b));
    StoreWhole(out + 8, _mm512_extracti64x4_epi64(r, 1), _mm512_extracti64x4_epi64(g, 1),
               _mm512_extracti64x4_epi64(b, 1));
}
#else
// Above 255 gives 255, below 0 gives 0, anything else is truncated. The
// sums stay far within int (16 weights of at most 1 times 255), so they are
// truncated first and clamped as integers, off the units that add.
template <class Whole, class Sums>
inline Whole Component(const Sums& sum) {
    Whole whole = __builtin_convertvector(sum, Whole);
    const Whole zero = {};
    const Whole top = zero + 255;
    whole = whole > zero ? whole : zero;
    return whole < top ? whole : top;
}

template <class Whole, class Sums>
inline void StoreAs(std::uint32_t* out, const Sums& red, const Sums& green, const Sums& blue) {
    const Whole dots = Component<Whole>(red) | Component<Whole>(green) << 8 | Component<Whole>(blue) << 16;
    __builtin_memcpy(out, &dots, sizeof dots);
}

inline void Store(std::uint32_t* out, const Doubles& red, const Doubles& green, const Doubles& blue) {
    StoreAs<Ints>(out, red, green, blue);
}

inline void Store(std::uint32_t* out, const Floats& red, const Floats& green, const Floats& blue) {
    StoreAs<FloatInts>(out, red, green, blue);
}
#endif

// Registers of dots per step; a group of taps (KernelRow::taps) is one
// step or more.
constexpr int R = N >= KERNEL_LANES ? 1 : 2;
static_assert(KERNEL_LANES % (R * N) == 0);

// The sums of one step: red, green, blue for each register.
struct Sums {
    Doubles r[R], g[R], b[R];
};

// Adds the products of one tap for the step whose weights and red values
// start at weights and red (green and blue a plane and two further). The
// first tap starts the sums instead: adding it to 0 would change nothing
// the clamp lets through (at most -0 into +0).
template <bool First>
inline void AddTap(const double* weights, const double* red, Sums& s) {
    constexpr long P = KERNEL_STRIP;
#pragma GCC unroll 4
    for (int i = 0; i < R; ++i) {
        Doubles w, v;
        Load(w, weights + i * N);
        // Loaded once into a register rather than again for each channel.
        __asm__("" : "+v"(w));
        Load(v, red + i * N);
        s.r[i] = First ? w * v : s.r[i] + w * v;
        Load(v, red + P + i * N);
        s.g[i] = First ? w * v : s.g[i] + w * v;
        Load(v, red + 2 * P + i * N);
        s.b[i] = First ? w * v : s.b[i] + w * v;
    }
    // Tap by tap, so that the chains of additions run side by side: the
    // optimiser would otherwise line up all of one chain's additions, and
    // the processor would see too few of them at once to overlap.
#pragma GCC unroll 4
    for (int i = 0; i < R; ++i) __asm__("" : "+v"(s.r[i]), "+v"(s.g[i]), "+v"(s.b[i]));
}

// Every tap of the step in order, each load one of five base registers
// plus a constant. The bases are hidden from the optimiser, which would
// otherwise keep a pointer per plane and run out of registers.
inline void AllTaps(const double* w, const double* v0, const double* v1, const double* v2, const double* v3,
                    Sums& s) {
    constexpr long P = KERNEL_STRIP;
    __asm__("" : "+r"(v0), "+r"(v1), "+r"(v2), "+r"(v3), "+r"(w));
    AddTap<true>(w, v0, s);
#pragma GCC unroll 4
    for (int l = 1; l < 4; ++l) AddTap<false>(w + l * P, v0 + 3 * l * P, s);
#pragma GCC unroll 4
    for (int l = 0; l < 4; ++l) AddTap<false>(w + (4 + l) * P, v1 + 3 * l * P, s);
#pragma GCC unroll 4
    for (int l = 0; l < 4; ++l) AddTap<false>(w + (8 + l) * P, v2 + 3 * l * P, s);
#pragma GCC unroll 4
    for (int l = 0; l < 4; ++l) AddTap<false>(w + (12 + l) * P, v3 + 3 * l * P, s);
}

// The taps of tap row k in columns (bit l for column l, not 0) in order,
// whose weights and red values start at weights and red.
template <bool First>
inline void RowTaps(unsigned columns, const double* weights, const double* red, Sums& s) {
    constexpr long P = KERNEL_STRIP;
    if (columns == 0xF) {
        AddTap<First>(weights, red, s);
        AddTap<false>(weights + P, red + 3 * P, s);
        AddTap<false>(weights + 2 * P, red + 6 * P, s);
        AddTap<false>(weights + 3 * P, red + 9 * P, s);
        return;
    }
    int l = __builtin_ctz(columns);
    columns &= columns - 1;
    AddTap<First>(weights + l * P, red + 3 * l * P, s);
    while (columns) {
        l = __builtin_ctz(columns);
        columns &= columns - 1;
        AddTap<false>(weights + l * P, red + 3 * l * P, s);
    }
}

// The taps of mask (not 0) in order, for the step at j. The taps of
// magnifications by whole numbers come in straight runs: one tap column of
// every tap row, or taps of one tap row only.
inline void SomeTaps(unsigned mask, const double* const values[4], const double* w, int j, Sums& s) {
    constexpr long P = KERNEL_STRIP;
    const int first = __builtin_ctz(mask);
    const int l = first & 3;
    if (mask == 0x1111u << l) {
        AddTap<true>(w + l * P + j, values[0] + 3 * l * P + j, s);
        AddTap<false>(w + (4 + l) * P + j, values[1] + 3 * l * P + j, s);
        AddTap<false>(w + (8 + l) * P + j, values[2] + 3 * l * P + j, s);
        AddTap<false>(w + (12 + l) * P + j, values[3] + 3 * l * P + j, s);
        return;
    }
    int k = first >> 2;
    if (mask >> (4 * k) <= 0xF) {
        RowTaps<true>(mask >> (4 * k), w + 4 * k * P + j, values[k] + j, s);
        return;
    }
    RowTaps<true>(mask >> (4 * k) & 0xF, w + 4 * k * P + j, values[k] + j, s);
    for (++k; k < 4; ++k)
        if (const unsigned columns = mask >> (4 * k) & 0xF)
            RowTaps<false>(columns, w + 4 * k * P + j, values[k] + j, s);
}

void LanesRow(const KernelRow& row) {
    const double* const* values = row.rowValues;
    const double* const w = row.tapWeights;
    for (int j = 0; j < row.count; j += R * N) {
        const unsigned mask = row.taps[j / KERNEL_LANES];
        Sums s;
        if (mask == 0xFFFF)
            AllTaps(w + j, values[0] + j, values[1] + j, values[2] + j, values[3] + j, s);
        else if (mask != 0)
            SomeTaps(mask, values, w, j, s);
        else
#pragma GCC unroll 4
            for (int i = 0; i < R; ++i) s.r[i] = s.g[i] = s.b[i] = Doubles{};
#pragma GCC unroll 4
        for (int i = 0; i < R; ++i) Store(row.dots + j + i * N, s.r[i], s.g[i], s.b[i]);
    }
}

}  // namespace

namespace {

// The column sums of one spread-out source row, one register at a time,
// made in double precision and kept in single (both exact).
void LanesSumColumns(const double* planes, const double* columnWeights, float* sums, int count) {
    constexpr long P = KERNEL_STRIP;
    for (int j = 0; j < count; j += N) {
        Doubles w[4];
#pragma GCC unroll 4
        for (int l = 0; l < 4; ++l) Load(w[l], columnWeights + l * P + j);
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c) {
            Doubles v, s;
            Load(v, planes + c * P + j);
            s = w[0] * v;
#pragma GCC unroll 3
            for (int l = 1; l < 4; ++l) {
                Load(v, planes + (3 * l + c) * P + j);
                s = s + w[l] * v;
            }
            const HalfFloats single = __builtin_convertvector(s, HalfFloats);
            __builtin_memcpy(sums + c * P + j, &single, sizeof single);
        }
    }
}

// The dots from Rows source rows' column sums of weights other than 0.
template <int Rows>
void SumRowsOf(const float* const from[4], const Floats weights[4], std::uint32_t* dots, int count) {
    constexpr long P = KERNEL_STRIP;
    for (int j = 0; j < count; j += M) {
        Floats s[3], v;
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c) {
            Load(v, from[0] + c * P + j);
            s[c] = weights[0] * v;
        }
#pragma GCC unroll 3
        for (int k = 1; k < Rows; ++k)
#pragma GCC unroll 3
            for (int c = 0; c < 3; ++c) {
                Load(v, from[k] + c * P + j);
                s[c] = s[c] + weights[k] * v;
            }
        Store(dots + j, s[0], s[1], s[2]);
    }
}

// Rows of weight 0 are left out: their products are 0 or -0, which change
// no exact sum but -0 into 0, and the clamp makes those alike.
void LanesSumRows(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count) {
    const float* from[4] = {sums[0], sums[0], sums[0], sums[0]};
    Floats weights[4] = {};
    int rows = 0;
    for (int k = 0; k < 4; ++k)
        if (rowWeights[k] != 0.0) {
            from[rows] = sums[k];
            weights[rows] = Floats{} + float(rowWeights[k]);
            ++rows;
        }
    switch (rows) {
    case 0:
    case 1: SumRowsOf<1>(from, weights, dots, count); break;
    case 2: SumRowsOf<2>(from, weights, dots, count); break;
    case 3: SumRowsOf<3>(from, weights, dots, count); break;
    default: SumRowsOf<4>(from, weights, dots, count); break;
    }
}

}  // namespace
