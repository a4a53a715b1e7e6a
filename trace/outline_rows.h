// The fitted pieces as rows of an outline: a corner where two neighbouring
// fits cross, type 1 at the start of a straight piece, type 2 at the start
// of an arc with its middle point and end as the following rows; arcs are
// split so that none turns by 180 degrees or more.
#pragma once

#include <vector>

#include "trace/figure_trace.h"
#include "trace/outline_pieces.h"
#include "trace/point2.h"

namespace trace {

// Where two neighbouring fits meet: their crossing nearest to hint (the
// samples' meeting place), or the nearest point between them when they do
// not cross.
Point2 Corner(const OutlinePiece& a, const OutlinePiece& b, Point2 hint);

// rows in the samples' order (clockwise on the screen when the samples
// are).
std::vector<TraceRow> OutlineRows(const std::vector<OutlinePiece>& pieces,
                                  const std::vector<Point2>& samples);

}  // namespace trace
