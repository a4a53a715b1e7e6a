// The last stage of a trace: the outline found is checked before it is
// given. Its geometry (osmeca's outline check, with the figure's box give or
// take a dot as bounds), each arc's middle point near the edge samples it
// was fitted to, and its area within the edge band of the region's.
#pragma once

#include <vector>

#include "trace/figure_region.h"
#include "trace/figure_trace.h"
#include "trace/point2.h"

namespace trace {

struct TracedOutlineCheck {
    TraceFault fault = TraceFault::None;
    osmeca::OutlineFaultAt geometry;  // for TraceFault::Geometry
    int row = -1;                     // the arc's row for ArcAwayFromEdge
};

// boundary: the region's outer boundary (its dots, holes filled, are what
// the outline's area is held to); pictureWidth x pictureHeight bounds every
// point too.
TracedOutlineCheck CheckTracedOutline(const std::vector<TraceRow>& rows, const std::vector<Point2>& samples,
                                      const FigureRegion& region, const std::vector<Crack>& boundary,
                                      int pictureWidth, int pictureHeight);

// The area an outline's rows enclose: the polygon of its points with each
// arc's segment added or taken away, whatever the outline's turning sense.
double OutlineRowsArea(const std::vector<TraceRow>& rows);

}  // namespace trace
