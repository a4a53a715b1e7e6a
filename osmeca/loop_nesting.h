// Which loops of an outline are holes: a loop inside an odd number of the
// other loops. Loops neither cross nor touch, so one point of a loop tells
// whether the whole loop lies inside another.
#pragma once

#include <array>

#include "osmeca/outline.h"

namespace osmeca {

// How many times loop k of the outline winds around p (0 outside; +1 or -1
// inside, by the loop's direction). Exact for arcs; p must not lie on the loop.
int WindingNumber(const Outline& outline, int32_t k, Point p);

// For every loop of the outline: true when it is a hole.
std::array<bool, kMaxLoops> HoleLoops(const Outline& outline);

}  // namespace osmeca
