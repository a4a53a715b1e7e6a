// What the DXF and SVG writers draw: the outline's loops in drawing
// coordinates (y pointing up), the centroid and the principal axes.
#pragma once

#include <array>
#include <vector>

#include "cad/cad_geometry.h"
#include "cad/outline_rows.h"

namespace cad {

struct CadFigure {
    std::vector<Loop> loops;
    bool millimetres = false;  // units: mm, else the picture's dots
    bool hasAxes = false;      // the centroid and the axes are known
    Point centroid;
    double strongAxis = 0;  // radians, counter-clockwise from +x
    double axisHalfLength = 0;
};

// The figure of the rows (picture dots at the display scale, y down) in
// drawing units: dots divided by magnification, then times mmPerDot when
// that is positive. theta: the strong axis in degrees clockwise from +X on
// the screen. The axes reach a little beyond the figure on both sides.
CadFigure FigureFromRows(const std::vector<Row>& rows, double magnification, double mmPerDot);
void SetAxes(CadFigure& figure, Point centroidRow, double thetaDegrees, double magnification,
             double mmPerDot);

// The two ends of the strong axis (axis 0) or the weak one (axis 1).
std::array<Point, 2> AxisEnds(const CadFigure& figure, int axis);

}  // namespace cad
