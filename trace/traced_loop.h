// One loop of a traced outline (the figure's outer boundary or a hole's):
// the boundary it was found from, its edge samples and its rows.
#pragma once

#include <vector>

#include "trace/figure_region.h"
#include "trace/point2.h"

namespace trace {

struct TracedLoop {
    std::vector<Crack> boundary;  // the figure on its right
    std::vector<Point2> samples;
    std::vector<TraceRow> rows;
};

// Every loop's rows in order, a loop break between two loops.
std::vector<TraceRow> JoinedRows(const std::vector<TracedLoop>& loops);

}  // namespace trace
