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

void LanesRow(const KernelRow& row) {
    const long stride = row.planeStride;
    for (int j = 0; j < row.count; j += 2 * N) {
        Doubles r0 = {}, g0 = {}, b0 = {}, r1 = {}, g1 = {}, b1 = {};
        for (int k = 0; k < 4; ++k) {
            const double wy = row.rowWeights[k];
            const double* values = row.rowValues[k] + j;
            const double* weights = row.columnWeights + j;
            for (int l = 0; l < 4; ++l) {
                Doubles wx0, wx1, v0, v1;
                Load(wx0, weights + l * stride);
                Load(wx1, weights + l * stride + N);
                const Doubles w0 = wy * wx0;
                const Doubles w1 = wy * wx1;
                const double* red = values + (3 * l) * stride;
                Load(v0, red);
                Load(v1, red + N);
                r0 += w0 * v0;
                r1 += w1 * v1;
                Load(v0, red + stride);
                Load(v1, red + stride + N);
                g0 += w0 * v0;
                g1 += w1 * v1;
                Load(v0, red + 2 * stride);
                Load(v1, red + 2 * stride + N);
                b0 += w0 * v0;
                b1 += w1 * v1;
            }
        }
        Store(row.red + j, r0);
        Store(row.red + j + N, r1);
        Store(row.green + j, g0);
        Store(row.green + j + N, g1);
        Store(row.blue + j, b0);
        Store(row.blue + j + N, b1);
    }
}

}  // namespace
