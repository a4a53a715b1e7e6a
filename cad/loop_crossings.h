// Whether the loops of an outline cross or touch each other or themselves:
// such an outline encloses no well-defined area.
#pragma once

#include <optional>
#include <vector>

#include "cad/cad_geometry.h"

namespace cad {

// The points where two edges meet (lines and arcs followed exactly; points
// within tolerance of both count). Overlapping pieces give a point of the
// overlap.
std::vector<Point> EdgeIntersections(const Edge& a, const Edge& b, double tolerance);

// The entity of an edge that meets another edge anywhere but at the joint
// of two edges following each other in a loop; none when no edges meet.
std::optional<Source> FindCrossing(const std::vector<Loop>& loops, double tolerance);

}  // namespace cad
