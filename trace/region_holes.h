// The holes of a figure's region: the dots off the region that the region
// encloses, each 8-connected group of them one hole (the region itself is
// 4-connected, so hole dots touching only at a corner of two figure dots
// are one hole), and the boundary around each hole big enough to be traced.
//
// Every boundary of the region is its outer boundary or a hole's, and each
// crosses the rows where a figure dot has a dot off the region on its
// right. The rows of the region's box are read once for such places; one
// that no boundary followed so far passed starts a hole's boundary, which is
// then followed and marked. The holes' insides are never visited.
#pragma once

#include <vector>

#include "trace/figure_region.h"

namespace trace {

// A hole is traced when it encloses this many dots and spans this many
// dots both across and down; smaller ones are specks of the figure.
constexpr double kMinHoleDots = 16;
constexpr int kMinHoleSpan = 4;

// Each traced hole's boundary, the figure on its right (anticlockwise on
// the screen), in the reading order of their first places; outer: the
// region's outer boundary.
std::vector<std::vector<Crack>> HoleBoundaries(const FigureRegion& region, const std::vector<Crack>& outer);

// The dots a boundary encloses, whatever lies inside: its polygon's area.
double EnclosedDots(const std::vector<Crack>& boundary);

}  // namespace trace
