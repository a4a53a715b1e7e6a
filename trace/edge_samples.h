// Points of the figure's edge with sub-dot accuracy, one per dot row or
// column that the boundary crosses, in the boundary's order: sub-dot edge
// location by partial-area sums (the area effect of the dots an edge cuts).
//
// Along a row (or column) of dots the brightness falls from the figure's
// level to the background's; the share of the figure's level in each dot
// of a short run across the edge adds up to the length of that run lying
// inside the figure. For a dot whose level the picture took as the area
// covered by the figure, that length is exact, and blur and noise, which
// keep the sum, change it little.
#pragma once

#include <vector>

#include "trace/figure_region.h"
#include "trace/point2.h"

namespace trace {

// Dots on each side of the boundary that one sample reads.
constexpr int kEdgeReach = 4;

// levels tell the figure's dots from the background's. Both sides' levels
// are those of the dots clear of the edge along it; where too few are
// clear, the background's is its class's and the figure's insideLevel (that
// of the region's own dots) in even light, its class's in uneven light.
std::vector<Point2> EdgeSamples(const GreyPicture& picture, const FigureLevels& levels,
                                const std::vector<Crack>& boundary, double insideLevel);

}  // namespace trace
