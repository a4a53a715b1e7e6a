// The plane fitted to a setting: the map from photo dots (source picture)
// to plane millimetres, each known point's residual, or why it is refused.
#pragma once

#include <vector>

#include "plane/homography.h"
#include "plane/plane_setting.h"

namespace plane {

enum class PlaneRefusal {
    None,
    BadSize,        // width or height not a positive number
    NotAGrid,       // the points do not make a grid of the given columns
    PointsOnLine,   // three of the rectangle's corners on one line (or coinciding)
    NotClockwise,   // the corners go round the other way
    FoldOver,       // the corners do not make a convex quadrilateral
    BeyondHorizon,  // a known point lies beyond the plane's vanishing line
};

struct PlaneFit {
    PlaneRefusal refusal = PlaneRefusal::None;
    // Photo source dots -> plane mm; W > 0 on the photo's side of the
    // vanishing line.
    Homography toPlane;
    std::vector<double> residualsMm;  // per known point: mapped minus known, length
    double largestResidualMm = 0;

    bool Ok() const { return refusal == PlaneRefusal::None; }
};

PlaneFit FitPlane(const PlaneSetting& setting);

// Where (if anywhere) three of the four points of a quadrilateral lie on
// one line, go the wrong way round or cross: the refusal, else None.
PlaneRefusal CheckQuadrilateral(const std::array<Point, 4>& corners);

}  // namespace plane
