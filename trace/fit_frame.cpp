#include "trace/fit_frame.h"

#include <algorithm>
#include <cmath>

#include "trace/region_holes.h"

namespace trace {

namespace {

// The region's box give or take this many dots must lie on one side of the
// plane's vanishing line.
constexpr double kHorizonMargin = 2.0;

// The third homogeneous coordinate of p's image.
double W(const std::array<double, 9>& h, Point2 p) { return h[6] * p.x + h[7] * p.y + h[8]; }

Point2 Project(const std::array<double, 9>& h, Point2 p) {
    const double w = W(h, p);
    return {(h[0] * p.x + h[1] * p.y + h[2]) / w, (h[3] * p.x + h[4] * p.y + h[5]) / w};
}

// The map's derivative at p, row by row.
std::array<double, 4> Derivative(const std::array<double, 9>& h, Point2 p) {
    const double w = W(h, p);
    const Point2 q = Project(h, p);
    return {(h[0] - q.x * h[6]) / w, (h[1] - q.x * h[7]) / w, (h[3] - q.y * h[6]) / w,
            (h[4] - q.y * h[7]) / w};
}

// Plane area a picture area at p.
double AreaRatio(const std::array<double, 9>& h, Point2 p) {
    const auto [xx, xy, yx, yy] = Derivative(h, p);
    return xx * yy - xy * yx;
}

// The longest a picture step of one becomes at p (the derivative's largest
// singular value).
double LargestStretch(const std::array<double, 9>& h, Point2 p) {
    const auto [xx, xy, yx, yy] = Derivative(h, p);
    const double squares = xx * xx + xy * xy + yx * yx + yy * yy, det = xx * yy - xy * yx;
    return std::sqrt(0.5 * (squares + std::sqrt(std::max(0.0, squares * squares - 4 * det * det))));
}

}  // namespace

FitFrame::FitFrame(const TraceMap* map, const FigureRegion& region) {
    if (map == nullptr) return;
    const double left = region.minX - kHorizonMargin, right = region.maxX + 1 + kHorizonMargin;
    const double top = region.minY - kHorizonMargin, bottom = region.maxY + 1 + kHorizonMargin;
    const double w0 = W(map->toPlane, {left, top});
    for (Point2 corner : {Point2{left, top}, Point2{right, top}, Point2{right, bottom}, Point2{left, bottom}})
        if (!(W(map->toPlane, corner) * w0 > 0)) return;
    centre_ = {0.5 * (left + right), 0.5 * (top + bottom)};
    const double ratio = AreaRatio(map->toPlane, centre_);
    if (!std::isfinite(ratio) || ratio == 0) return;
    picture_ = false;
    toPlane_ = map->toPlane;
    toPhoto_ = map->toPhoto;
    planeCentre_ = Project(toPlane_, centre_);
    scale_ = 1 / std::sqrt(std::abs(ratio));
    mirror_ = ratio < 0 ? -1 : 1;
}

Point2 FitFrame::ToFrame(Point2 p) const {
    if (picture_) return p;
    const Point2 d = Project(toPlane_, p) - planeCentre_;
    return centre_ + scale_ * Point2{d.x, mirror_ * d.y};
}

Point2 FitFrame::ToPicture(Point2 q) const {
    if (picture_) return q;
    const Point2 d = (1 / scale_) * (q - centre_);
    return Project(toPhoto_, planeCentre_ + Point2{d.x, mirror_ * d.y});
}

double FitFrame::DotSpan(Point2 q) const {
    if (picture_) return 1;
    return scale_ * LargestStretch(toPlane_, ToPicture(q));
}

std::vector<Point2> FitFrame::ToFrame(std::vector<Point2> points) const {
    if (!picture_)
        for (Point2& p : points)
            p = ToFrame(p);
    return points;
}

std::vector<TraceRow> FitFrame::ToPicture(std::vector<TraceRow> rows) const {
    if (picture_) return rows;
    for (TraceRow& row : rows) {
        if (row.type == kLoopBreakRow.type) continue;
        const Point2 p = ToPicture({row.x, row.y});
        row.x = p.x;
        row.y = p.y;
    }
    return rows;
}

BoundaryMeasure FitFrame::Measure(const std::vector<Crack>& boundary) const {
    if (picture_) return {EnclosedDots(boundary), double(boundary.size())};
    // Each crack runs from its corner to the next crack's: a straight side
    // in the plane too.
    std::vector<Point2> corners;
    corners.reserve(boundary.size());
    for (const Crack& crack : boundary)
        corners.push_back(ToFrame({double(crack.x), double(crack.y)}));
    double twice = 0;
    double length = 0;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const Point2 a = corners[k], b = corners[(k + 1) % corners.size()];
        twice += Cross(a, b);
        length += Length(b - a);
    }
    return {std::abs(twice) / 2, length};
}

osmeca::CheckBox FitFrame::Bounds(const osmeca::CheckBox& box) const {
    if (picture_) return box;
    // The box's image is a convex quadrilateral: its corners bound it.
    osmeca::CheckBox bounds{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (Point2 corner : {Point2{box.left, box.top}, Point2{box.right, box.top},
                          Point2{box.right, box.bottom}, Point2{box.left, box.bottom}}) {
        const Point2 q = ToFrame(corner);
        bounds.left = std::min(bounds.left, q.x);
        bounds.top = std::min(bounds.top, q.y);
        bounds.right = std::max(bounds.right, q.x);
        bounds.bottom = std::max(bounds.bottom, q.y);
    }
    return bounds;
}

}  // namespace trace
