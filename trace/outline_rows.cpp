#include "trace/outline_rows.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "osmeca/circular_arc.h"
#include "trace/cyclic_index.h"

namespace trace {

namespace {

// The largest turn of one arc of the rows: well below the half turn that
// three points can no longer tell apart from its other side.
constexpr double kMaxArcTurn = 150.0 * std::numbers::pi / 180.0;
constexpr double kTwoPi = 2 * std::numbers::pi;
// Lines whose directions' cross product is smaller are taken as parallel.
constexpr double kParallelCross = 1e-9;

Point2 Unit(Point2 v) {
    const double len = Length(v);
    return len > 0 ? (1.0 / len) * v : Point2{1, 0};
}

Point2 Nearest(const std::vector<Point2>& candidates, Point2 hint) {
    Point2 best = candidates.front();
    for (Point2 p : candidates)
        if (Length(p - hint) < Length(best - hint)) best = p;
    return best;
}

Point2 OnCircle(const CircleFit& c, Point2 toward) { return c.centre + c.radius * Unit(toward - c.centre); }

std::vector<Point2> LineCircle(const LineFit& l, const CircleFit& c) {
    // Points l.point + t d with |p - centre| = radius.
    const Point2 f = l.point - c.centre;
    const double b = Dot(f, l.direction);
    const double disc = b * b - (Dot(f, f) - c.radius * c.radius);
    if (disc < 0) return {};
    const double root = std::sqrt(disc);
    return {l.point + (-b - root) * l.direction, l.point + (-b + root) * l.direction};
}

std::vector<Point2> CircleCircle(const CircleFit& a, const CircleFit& b) {
    const Point2 d = b.centre - a.centre;
    const double dist = Length(d);
    if (dist == 0) return {};
    const double along = (dist * dist + a.radius * a.radius - b.radius * b.radius) / (2 * dist);
    const double h2 = a.radius * a.radius - along * along;
    if (h2 < 0) return {};
    const Point2 u = (1.0 / dist) * d, n{-u.y, u.x};
    const Point2 base = a.centre + along * u;
    const double h = std::sqrt(h2);
    return {base + h * n, base - h * n};
}

double AngleOf(const CircleFit& c, Point2 p) { return std::atan2(p.y - c.centre.y, p.x - c.centre.x); }

Point2 AtAngle(const CircleFit& c, double angle) { return osmeca::ArcPointAt({c.centre, c.radius}, angle); }

void AddArcRows(std::vector<TraceRow>& rows, const CircleFit& c, double startAngle, Point2 start,
                double sweep) {
    const int parts = std::max(1, int(std::ceil(std::abs(sweep) / kMaxArcTurn)));
    for (int k = 0; k < parts; ++k) {
        const double a0 = startAngle + sweep * k / parts;
        const Point2 p0 = k == 0 ? start : AtAngle(c, a0);
        const Point2 mid = AtAngle(c, a0 + 0.5 * sweep / parts);
        rows.push_back({2, p0.x, p0.y});
        rows.push_back({1, mid.x, mid.y});
    }
}

}  // namespace

Point2 Corner(const OutlinePiece& a, const OutlinePiece& b, Point2 hint) {
    const bool lineA = a.shape == PieceShape::Line, lineB = b.shape == PieceShape::Line;
    if (lineA && lineB) {
        const double denom = Cross(a.line.direction, b.line.direction);
        if (std::abs(denom) < kParallelCross) return 0.5 * (a.line.point + b.line.point);
        const double t = Cross(b.line.point - a.line.point, b.line.direction) / denom;
        return a.line.point + t * a.line.direction;
    }
    if (lineA != lineB) {
        const LineFit& l = lineA ? a.line : b.line;
        const CircleFit& c = lineA ? b.circle : a.circle;
        const std::vector<Point2> cross = LineCircle(l, c);
        if (!cross.empty()) return Nearest(cross, hint);
        // Passing the circle: where the line comes nearest, as a tangent does.
        return l.point + Dot(c.centre - l.point, l.direction) * l.direction;
    }
    const std::vector<Point2> cross = CircleCircle(a.circle, b.circle);
    if (!cross.empty()) return Nearest(cross, hint);
    return 0.5 * (OnCircle(a.circle, hint) + OnCircle(b.circle, hint));
}

std::vector<TraceRow> OutlineRows(const std::vector<OutlinePiece>& pieces,
                                  const std::vector<Point2>& samples) {
    auto at = [&](int i) { return CyclicAt(samples, i); };
    std::vector<TraceRow> rows;
    if (pieces.size() == 1) {
        // A whole circle, from its top, clockwise on the screen.
        const CircleFit& c = pieces[0].circle;
        AddArcRows(rows, c, -0.5 * std::numbers::pi, AtAngle(c, -0.5 * std::numbers::pi), kTwoPi);
        return rows;
    }
    const std::size_t m = pieces.size();
    std::vector<Point2> corners(m);  // corners[k]: where piece k starts
    for (std::size_t k = 0; k < m; ++k) {
        const OutlinePiece& before = pieces[(k + m - 1) % m];
        const int cut = pieces[k].first;
        corners[k] = Corner(before, pieces[k], 0.5 * (at(cut - 1) + at(cut)));
    }
    for (std::size_t k = 0; k < m; ++k) {
        const OutlinePiece& piece = pieces[k];
        const Point2 start = corners[k], end = corners[(k + 1) % m];
        if (piece.shape == PieceShape::Line) {
            rows.push_back({1, start.x, start.y});
            continue;
        }
        // The turn from start to end that passes the piece's middle sample.
        const CircleFit& c = piece.circle;
        const double a0 = AngleOf(c, start);
        const double toEnd = osmeca::NormalizeAngle(AngleOf(c, end) - a0);
        const double toMiddle = osmeca::NormalizeAngle(AngleOf(c, at(piece.first + piece.count / 2)) - a0);
        const double sweep = toMiddle < toEnd ? toEnd : toEnd - kTwoPi;
        AddArcRows(rows, c, a0, start, sweep);
    }
    return rows;
}

}  // namespace trace
