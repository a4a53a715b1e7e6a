// The kernel written once for RESAMPLE_LANES lanes of doubles (one vector
// register), two registers per step so that six sums are under way at once; included by
// one source file per instruction set, each compiling it for its own vector
// unit. Every name here has internal linkage, so no copy built for a wider
// unit can stand in for another file's; nothing from the standard library
// is used.
#pragma once

#include "viewer/resample_rows.h"

#ifndef RESAMPLE_LANES
#error "RESAMPLE_LANES must be defined"
#endif

namespace {

constexpr int N = RESAMPLE_LANES;
static_assert(KERNEL_LANES % (2 * N) == 0);

typedef double Doubles __attribute__((vector_size(N * sizeof(double))));
typedef int Ints __attribute__((vector_size(N * sizeof(int))));

inline void Load(Doubles& v, const double* p) { __builtin_memcpy(&v, p, sizeof v); }

// Above 255 gives 255, below 0 gives 0, anything else is truncated.
inline void Store(std::int32_t* out, const Doubles& sum) {
    const Doubles zero = {};
    const Doubles top = zero + 255.0;
    Doubles clamped = sum > top ? top : sum;
    clamped = clamped < zero ? zero : clamped;
    const Ints whole = __builtin_convertvector(clamped, Ints);
    __builtin_memcpy(out, &whole, sizeof whole);
}

// The six sums of one step: red, green, blue for each of the two registers.
struct Sums {
    Doubles r0, g0, b0, r1, g1, b1;
};

// Adds the products of tap (k, l) for the step at j. The first tap starts
// the sums instead: adding it to 0 would change nothing the clamp lets
// through (at most -0 into +0).
template <bool First>
inline void AddTap(const KernelRow& row, long stride, int j, int k, int l, Sums& s) {
    const double wy = row.rowWeights[k];
    const double* weights = row.columnWeights + j + l * stride;
    Doubles wx0, wx1, v0, v1;
    Load(wx0, weights);
    Load(wx1, weights + N);
    const Doubles w0 = wy * wx0;
    const Doubles w1 = wy * wx1;
    const double* red = row.rowValues[k] + j + (3 * l) * stride;
    Load(v0, red);
    Load(v1, red + N);
    s.r0 = First ? w0 * v0 : s.r0 + w0 * v0;
    s.r1 = First ? w1 * v1 : s.r1 + w1 * v1;
    Load(v0, red + stride);
    Load(v1, red + stride + N);
    s.g0 = First ? w0 * v0 : s.g0 + w0 * v0;
    s.g1 = First ? w1 * v1 : s.g1 + w1 * v1;
    Load(v0, red + 2 * stride);
    Load(v1, red + 2 * stride + N);
    s.b0 = First ? w0 * v0 : s.b0 + w0 * v0;
    s.b1 = First ? w1 * v1 : s.b1 + w1 * v1;
}

void LanesRow(const KernelRow& row) {
    const long stride = row.planeStride;
    for (int j = 0; j < row.count; j += 2 * N) {
        Sums s;
        AddTap<true>(row, stride, j, 0, 0, s);
        for (int l = 1; l < 4; ++l) AddTap<false>(row, stride, j, 0, l, s);
        for (int k = 1; k < 4; ++k)
            for (int l = 0; l < 4; ++l) AddTap<false>(row, stride, j, k, l, s);
        Store(row.red + j, s.r0);
        Store(row.red + j + N, s.r1);
        Store(row.green + j, s.g0);
        Store(row.green + j + N, s.g1);
        Store(row.blue + j, s.b0);
        Store(row.blue + j + N, s.b1);
    }
}

}  // namespace
