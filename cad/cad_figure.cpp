#include "cad/cad_figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cad {

namespace {

// The axes stand out beyond the figure by this share of its size.
constexpr double kAxisReach = 0.6;

double UnitPerRow(double magnification, double mmPerDot) {
    if (!(magnification > 0) || !std::isfinite(magnification)) magnification = 1;
    return (mmPerDot > 0 ? mmPerDot : 1) / magnification;
}

Point Drawn(Point row, double unit) { return {row.x * unit, -row.y * unit}; }

}  // namespace

CadFigure FigureFromRows(const std::vector<Row>& rows, double magnification, double mmPerDot) {
    CadFigure figure;
    figure.millimetres = mmPerDot > 0;
    const double unit = UnitPerRow(magnification, mmPerDot);
    for (Loop loop : RowsToLoops(rows)) {
        for (Edge& e : loop.edges)
            e = {Drawn(e.start, unit), Drawn(e.end, unit), -e.bulge, e.source};
        figure.loops.push_back(std::move(loop));
    }
    return figure;
}

void SetAxes(CadFigure& figure, Point centroidRow, double thetaDegrees, double magnification,
             double mmPerDot) {
    figure.hasAxes = true;
    figure.centroid = Drawn(centroidRow, UnitPerRow(magnification, mmPerDot));
    figure.strongAxis = -thetaDegrees * std::numbers::pi / 180;
    const Box box = BoxOf(figure.loops);
    figure.axisHalfLength =
        box.Empty() ? 0 : kAxisReach * std::max(box.high.x - box.low.x, box.high.y - box.low.y);
}

std::array<Point, 2> AxisEnds(const CadFigure& figure, int axis) {
    const double angle = figure.strongAxis + axis * std::numbers::pi / 2;
    const double dx = figure.axisHalfLength * std::cos(angle), dy = figure.axisHalfLength * std::sin(angle);
    return {Point{figure.centroid.x - dx, figure.centroid.y - dy},
            Point{figure.centroid.x + dx, figure.centroid.y + dy}};
}

}  // namespace cad
