// A picture resampled through a plane projective map: each dot of the
// output is read from the source at the point the map gives for it, with
// the program's cubic kernel (rectify_lanes.h has the formula), the rows
// shared out over the worker threads and each row run by the widest
// instruction-set level the processor has.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/rgb_view.h"

// outToSource maps output dot (X, Y) to source dots (3 x 3, row major).
// out: outHeight rows of outWidth dots, 3 bytes each, outStride bytes
// apart. False (nothing written) when the source is not readable or has
// fewer than 4 dots a side, or the output has no dot.
bool RectifyPicture(const RgbView& source, const double outToSource[9], int outWidth, int outHeight,
                    std::uint8_t* out, std::ptrdiff_t outStride);

// The level that runs: "avx2" or "plain".
const char* RectifyLevel();
// Runs the plain level whatever the processor has (tests, the bench), or
// lets the processor choose again.
void UsePlainRectify(bool plain);
