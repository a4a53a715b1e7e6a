// The last stage of a trace: the outline found, every loop of it, is
// checked before it is given. Its geometry (osmeca's outline check, with the
// figure's box give or take a dot as bounds: no loop crossing itself or
// another), each arc's middle point near the edge samples of its own loop,
// and its area, holes taken away, within the edge band of the region's.
#pragma once

#include <vector>

#include "trace/figure_region.h"
#include "trace/figure_trace.h"
#include "trace/fit_frame.h"
#include "trace/point2.h"
#include "trace/traced_loop.h"

namespace trace {

struct TracedOutlineCheck {
    TraceFault fault = TraceFault::None;
    osmeca::OutlineFaultAt geometry;  // for TraceFault::Geometry
    int row = -1;                     // the arc's row (breaks counted) for ArcAwayFromEdge
};

// loops: the outer loop first, then the holes. Their boundaries hold the
// dots the outline's area is held to: those within the outer boundary and
// within none of the holes' (a hole too small to be traced counts as the
// figure's on both sides). pictureWidth x pictureHeight bounds every point
// too. The loops' samples and rows lie in frame, and the check is made
// there: the box's image bounds them, the region's area is its boundary's
// in the frame, and the band grows with the boundary's length there.
TracedOutlineCheck CheckTracedOutline(const std::vector<TracedLoop>& loops, const FigureRegion& region,
                                      int pictureWidth, int pictureHeight,
                                      const FitFrame& frame = FitFrame());

// The area an outline's rows enclose: the polygon of its points with each
// arc's segment added or taken away, whatever the outline's turning sense.
double OutlineRowsArea(const std::vector<TraceRow>& rows);

}  // namespace trace
