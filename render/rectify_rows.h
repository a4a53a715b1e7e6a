// One output row of the rectifying kernel (rectify_lanes.h) for each
// instruction-set level; the picture-wide entry point picks among them at
// run time. Includes no more than <cstdint>, as row_kernel.h.
#pragma once

#include <cstdint>

struct RectifySource {
    const std::uint8_t* bytes = nullptr;  // 3 bytes a dot, rows top-down
    int width = 0;                        // at least 4
    int height = 0;                       // at least 4
    long stride = 0;
    double m[9] = {};  // output dot -> source dot, homogeneous, row major
};

using RectifyRow = void (*)(const RectifySource& source, int y, int width, std::uint8_t* out);

void RectifyRowPlain(const RectifySource& source, int y, int width, std::uint8_t* out);
#if defined(__x86_64__) || defined(__i386__)
void RectifyRowAvx2(const RectifySource& source, int y, int width, std::uint8_t* out);
#endif
