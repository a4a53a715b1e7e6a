// Loops as the sample table's rows and back. A row of type 1 runs straight
// to the next point, a row of type 2 starts an arc through the next two
// points, a row of type 9 (no point) ends a loop; each loop closes on its
// own first point. Rows are in the picture's frame: y pointing down.
#pragma once

#include <vector>

#include "cad/cad_geometry.h"

namespace cad {

constexpr int kRowLine = 1;
constexpr int kRowArc = 2;
constexpr int kRowLoopBreak = 9;

struct Row {
    int type = kRowLine;
    double x = 0;
    double y = 0;
};

// Where drawing coordinates (y up) land in rows (y down):
// row = ((x - origin.x) * scale, (origin.y - y) * scale).
struct RowPlacement {
    Point origin;
    double scale = 1;
};

// The placement at scale for loops inside box: the rows keep the drawing's
// own coordinates (origin 0, 0) when they come out positive and not far from
// the origin for their size, else the box's top left corner becomes the
// origin so that the 8-character texts keep their digits.
RowPlacement LocalPlacement(const Box& box, double scale);

// The rows of the loops placed so; arcs of half a turn or more split into
// shorter ones. An arc's middle row is the point of the arc nearest its
// middle whose coordinates are whole numbers when the arc's ends are,
// else the middle itself. sources, when given, receives the source of the
// edge each row comes from (an empty one for a loop break).
std::vector<Row> LoopsToRows(const std::vector<Loop>& loops, const RowPlacement& placement,
                             std::vector<Source>* sources = nullptr);

// The loops of rows (in the rows' own frame), cut at type 9 rows; loops
// of fewer than two points are left out.
std::vector<Loop> RowsToLoops(const std::vector<Row>& rows);

}  // namespace cad
