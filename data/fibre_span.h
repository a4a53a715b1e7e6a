// How far an outline reaches on either side of a line through a point: the
// extreme fibres of a section about one of its axes. Straight pieces reach
// furthest at their ends, arcs possibly at a point inside them.
#pragma once

#include <cstdint>

#include "osmeca/osmeca.h"

struct FibreSpan {
    double positive = 0;  // furthest reach on the side the normal points to (>= 0)
    double negative = 0;  // furthest reach on the other side (>= 0)
};

// The reach of the outline in segments (as the calculation wrote them) from
// the line through (cx, cy) at axisAngle (radians, clockwise from +X on the
// screen, Y downward). The normal of the line points to axisAngle + 90
// degrees: below the line when it is horizontal.
FibreSpan SpanAcrossAxis(const SectionSegment* segments, int32_t segmentCount, double cx, double cy,
                         double axisAngle);
