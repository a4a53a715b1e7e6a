// The geometric check of an outline given as rows: points within bounds,
// arcs that make sense, no loop crossing itself or another loop. Rows that
// come from a source without a picture region (a reopened file, a drawing)
// are held to it before they reach the table, and so is every outline the
// tracer returns.
#pragma once

#include <span>

namespace osmeca {

// One row of an outline: type 1 starts a straight edge, type 2 starts an arc
// through the next two points, type 9 breaks between loops and holds no point.
struct CheckRow {
    int type = 1;
    double x = 0;
    double y = 0;
};

enum class OutlineFault {
    None,
    PointOutside,       // a point (or an arc's bulge) outside the bounds
    ArcTooLong,         // an arc of half a circle or more
    ArcDegenerate,      // an arc through three points on a line, or coinciding
    LoopCrossesItself,  // two pieces of one loop cross or touch
    LoopsCross,         // a piece of one loop crosses or touches one of another
};

// Where the first fault was found. loop counts the non-empty loops from 0;
// row and otherRow are indexes into the rows given (breaks included).
struct OutlineFaultAt {
    OutlineFault fault = OutlineFault::None;
    int loop = -1;
    int row = -1;
    int otherLoop = -1;
    int otherRow = -1;
};

// Optional bounds, e.g. the picture's.
struct CheckBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Rows split into loops on type-9 rows (empty loops skipped); each loop
// closes on its own first point, an arc wrapping at the loop's end as the
// calculation does. An arc started on a loop's last row has no middle point
// and counts as a straight edge here (the loop's structure is checked
// elsewhere). bounds may be null.
OutlineFaultAt CheckOutlineGeometry(std::span<const CheckRow> rows, const CheckBox* bounds);

}  // namespace osmeca
