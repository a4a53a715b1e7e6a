#include "plane/plane_fit.h"

#include <algorithm>
#include <cmath>

namespace plane {

namespace {

// Three points count as on one line when the sine of the angle at any of
// them is below this (about 0.06 degrees).
constexpr double kLineSine = 1e-3;

double Cross(Point o, Point a, Point b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool OnOneLine(Point a, Point b, Point c) {
    const double ab = std::hypot(b.x - a.x, b.y - a.y);
    const double ac = std::hypot(c.x - a.x, c.y - a.y);
    const double bc = std::hypot(c.x - b.x, c.y - b.y);
    const double longest = std::max({ab, ac, bc});
    // Twice the triangle's area over the longest side is its height.
    return !(longest > 0) || std::fabs(Cross(a, b, c)) <= kLineSine * longest * std::min({ab, ac, bc});
}

}  // namespace

PlaneRefusal CheckQuadrilateral(const std::array<Point, 4>& q) {
    for (int skip = 0; skip < 4; ++skip) {
        std::array<Point, 3> three;
        for (int i = 0, k = 0; i < 4; ++i)
            if (i != skip) three[k++] = q[i];
        if (OnOneLine(three[0], three[1], three[2])) return PlaneRefusal::PointsOnLine;
    }
    // Clockwise on the screen (Y downward): every turn is positive.
    int positive = 0;
    for (int i = 0; i < 4; ++i)
        if (Cross(q[i], q[(i + 1) % 4], q[(i + 2) % 4]) > 0) ++positive;
    if (positive == 4) return PlaneRefusal::None;
    return positive == 0 ? PlaneRefusal::NotClockwise : PlaneRefusal::FoldOver;
}

PlaneFit FitPlane(const PlaneSetting& setting) {
    PlaneFit fit;
    if (!(setting.widthMm > 0 && std::isfinite(setting.widthMm) && setting.heightMm > 0 &&
          std::isfinite(setting.heightMm))) {
        fit.refusal = PlaneRefusal::BadSize;
        return fit;
    }
    const std::vector<Point> known = setting.KnownPoints();
    if (known.empty()) {
        fit.refusal = PlaneRefusal::NotAGrid;
        return fit;
    }
    const std::array<int, 4> corners = setting.CornerIndices();
    std::array<Point, 4> quad;
    for (int i = 0; i < 4; ++i)
        quad[i] = setting.photo[corners[i]];
    if ((fit.refusal = CheckQuadrilateral(quad)) != PlaneRefusal::None) return fit;
    if (!FitHomography(setting.photo, known, fit.toPlane)) {
        fit.refusal = PlaneRefusal::PointsOnLine;
        return fit;
    }
    // The matrix's sign chosen so that the photo's side of the vanishing
    // line is W > 0; every known point must lie on it.
    if (fit.toPlane.W(setting.photo[0]) < 0) {
        std::array<double, 9> m = fit.toPlane.Matrix();
        for (double& v : m)
            v = -v;
        fit.toPlane = Homography(m);
    }
    for (const Point& p : setting.photo)
        if (!(fit.toPlane.W(p) > 0)) {
            fit.refusal = PlaneRefusal::BeyondHorizon;
            return fit;
        }
    for (std::size_t i = 0; i < known.size(); ++i) {
        const Point m = fit.toPlane.Map(setting.photo[i]);
        fit.residualsMm.push_back(std::hypot(m.x - known[i].x, m.y - known[i].y));
        fit.largestResidualMm = std::max(fit.largestResidualMm, fit.residualsMm.back());
    }
    return fit;
}

}  // namespace plane
