// The products of TapWeights written once: the plain file and the AVX-512
// file each compile their own copy (internal linkage), the very same
// products whatever the width of the unit that makes them.
#pragma once

#include "render/row_kernel.h"

namespace {

__attribute__((always_inline)) inline void WeighTaps(const double rowWeights[4], const double* columnWeights,
                                                     double* tapWeights, int count) {
    for (int k = 0; k < 4; ++k)
        for (int l = 0; l < 4; ++l) {
            const double wy = rowWeights[k];
            const double* wx = columnWeights + l * KERNEL_STRIP;
            double* w = tapWeights + (4 * k + l) * KERNEL_STRIP;
            for (int j = 0; j < count; ++j)
                w[j] = wy * wx[j];
        }
}

}  // namespace
