// The holes of a figure's region: the dots off the region that the region
// encloses, each 8-connected group of them one hole (the region itself is
// 4-connected, so a hole's dots touching only at a corner of two figure
// dots are one hole), and the boundary around each hole big enough to be
// traced.
#pragma once

#include <vector>

#include "trace/figure_region.h"

namespace trace {

// A hole is traced when it holds this many dots and spans this many dots
// both across and down; smaller ones are specks of the figure.
constexpr std::int64_t kMinHoleDots = 16;
constexpr int kMinHoleSpan = 4;

// Each traced hole's boundary, the figure on its right (anticlockwise on
// the screen), in the reading order of the holes' first dots.
std::vector<std::vector<Crack>> HoleBoundaries(const FigureRegion& region);

}  // namespace trace
