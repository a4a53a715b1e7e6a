// An outline carried from the photo into the plane. A projective map keeps
// straight lines straight, and a circle of the plane seen in the photo is
// an ellipse through whose points the map leads back onto the circle: so
// mapping every point of the outline, the three points of each arc
// included, gives the outline in the plane exactly.
#pragma once

#include <vector>

#include "plane/homography.h"

namespace plane {

// The outline row type of a loop break: its coordinates are no point.
constexpr int kLoopBreakType = 9;

struct OutlineRow {
    int type = 0;
    Point at;
};

// Maps every row but loop breaks with toPlane, whose W is positive on the
// photo's side of the vanishing line. False, leaving rows as they were,
// when a point lies on or beyond that line.
bool MapOutline(const Homography& toPlane, std::vector<OutlineRow>& rows);

}  // namespace plane
