// The program's cubic convolution kernel: the weight of a tap d dots from
// the point read. Internal linkage, so that a file built for a wider
// instruction set keeps its own copy.
#pragma once

namespace {

__attribute__((always_inline)) inline double CubicWeight(double d) {
    if (d < 1.0) return 1.0 - 2.0 * d * d + d * d * d;
    if (d < 2.0) return 4.0 - 8.0 * d + 5.0 * d * d - d * d * d;
    return 0.0;
}

}  // namespace
