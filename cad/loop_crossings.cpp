#include "cad/loop_crossings.h"

#include <cmath>
#include <numbers>

namespace cad {

namespace {

constexpr double kPi = std::numbers::pi;

// A line or a circle with the part of it the edge covers.
struct Shape {
    bool arc = false;
    Point a, b;  // a line's ends
    ArcShape circle;
};

Shape ShapeOf(const Edge& e) {
    Shape s;
    s.a = e.start;
    s.b = e.end;
    if (IsArc(e)) {
        s.arc = true;
        s.circle = ArcOf(e);
    }
    return s;
}

double Normalized(double a) {
    a = std::fmod(a, 2 * kPi);
    return a < 0 ? a + 2 * kPi : a;
}

// p, known to lie on the shape's line or circle, lies on its piece.
bool OnPiece(const Shape& s, Point p, double tolerance) {
    if (!s.arc) {
        const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
        const double length = std::hypot(dx, dy);
        const double along = ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length;
        return along >= -tolerance && along <= length + tolerance;
    }
    const ArcShape& c = s.circle;
    const double from = c.sweep >= 0 ? c.startAngle : c.startAngle + c.sweep;
    const double angle = Normalized(std::atan2(p.y - c.centre.y, p.x - c.centre.x) - from);
    const double slack = tolerance / c.radius;
    return angle <= std::abs(c.sweep) + slack || angle >= 2 * kPi - slack;
}

// The points where the line through a and b meets the circle.
std::vector<Point> LineCircle(Point a, Point b, const ArcShape& c, double tolerance) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    const double along = (c.centre.x - a.x) * ux + (c.centre.y - a.y) * uy;
    const Point foot{a.x + along * ux, a.y + along * uy};
    const double away = Distance(foot, c.centre);
    if (away > c.radius + tolerance) return {};
    const double half = std::sqrt(std::max(0.0, c.radius * c.radius - away * away));
    return {{foot.x - half * ux, foot.y - half * uy}, {foot.x + half * ux, foot.y + half * uy}};
}

std::vector<Point> CircleCircle(const ArcShape& c1, const ArcShape& c2, double tolerance) {
    const double d = Distance(c1.centre, c2.centre);
    if (d > c1.radius + c2.radius + tolerance || d < std::abs(c1.radius - c2.radius) - tolerance) return {};
    if (d <= tolerance) return {};  // one circle: the overlap is looked for apart
    const double along = (d * d + c1.radius * c1.radius - c2.radius * c2.radius) / (2 * d);
    const double half = std::sqrt(std::max(0.0, c1.radius * c1.radius - along * along));
    const double ux = (c2.centre.x - c1.centre.x) / d, uy = (c2.centre.y - c1.centre.y) / d;
    const Point foot{c1.centre.x + along * ux, c1.centre.y + along * uy};
    return {{foot.x - half * uy, foot.y + half * ux}, {foot.x + half * uy, foot.y - half * ux}};
}

// The middle of the piece.
Point Middle(const Shape& s) {
    if (s.arc) return PointOnArc(s.circle, 0.5);
    return {(s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2};
}

// Two pieces of one line or one circle: a point of their overlap when it
// is longer than a point.
std::vector<Point> Overlap(const Shape& s, const Shape& t, double tolerance) {
    std::vector<Point> points;
    for (const auto& [piece, other] : {std::pair{s, t}, std::pair{t, s}})
        if (OnPiece(other, Middle(piece), tolerance)) points.push_back(Middle(piece));
    for (const Point p : {t.a, t.b})
        if (OnPiece(s, p, -tolerance) && Distance(p, s.a) > tolerance && Distance(p, s.b) > tolerance)
            points.push_back(p);
    return points;
}

}  // namespace

std::vector<Point> EdgeIntersections(const Edge& ea, const Edge& eb, double tolerance) {
    const Shape a = ShapeOf(ea), b = ShapeOf(eb);
    std::vector<Point> candidates;
    if (!a.arc && !b.arc) {
        const double rx = a.b.x - a.a.x, ry = a.b.y - a.a.y, sx = b.b.x - b.a.x, sy = b.b.y - b.a.y;
        const double denominator = rx * sy - ry * sx;
        const double qx = b.a.x - a.a.x, qy = b.a.y - a.a.y;
        const double lengths = std::hypot(rx, ry) * std::hypot(sx, sy);
        if (std::abs(denominator) <= 1e-12 * lengths) {
            // Parallel: pieces of one line overlap, others never meet.
            if (std::abs(qx * ry - qy * rx) / std::hypot(rx, ry) > tolerance) return {};
            return Overlap(a, b, tolerance);
        }
        const double t = (qx * sy - qy * sx) / denominator;
        candidates.push_back({a.a.x + t * rx, a.a.y + t * ry});
    } else if (a.arc != b.arc) {
        const Shape& line = a.arc ? b : a;
        candidates = LineCircle(line.a, line.b, (a.arc ? a : b).circle, tolerance);
    } else {
        const bool oneCircle = Distance(a.circle.centre, b.circle.centre) <= tolerance &&
                               std::abs(a.circle.radius - b.circle.radius) <= tolerance;
        if (oneCircle) return Overlap(a, b, tolerance);
        candidates = CircleCircle(a.circle, b.circle, tolerance);
    }
    std::vector<Point> points;
    for (const Point p : candidates)
        if (OnPiece(a, p, tolerance) && OnPiece(b, p, tolerance)) points.push_back(p);
    return points;
}

std::optional<Source> FindCrossing(const std::vector<Loop>& loops, double tolerance) {
    struct Place {
        std::size_t loop, index;
        Box box;
    };
    std::vector<Place> places;
    for (std::size_t l = 0; l < loops.size(); ++l)
        for (std::size_t i = 0; i < loops[l].edges.size(); ++i) {
            Box box;
            AddEdge(box, loops[l].edges[i]);
            places.push_back({l, i, box});
        }
    for (std::size_t p = 0; p < places.size(); ++p) {
        for (std::size_t q = p + 1; q < places.size(); ++q) {
            const Place &u = places[p], &v = places[q];
            if (u.box.high.x + tolerance < v.box.low.x || v.box.high.x + tolerance < u.box.low.x ||
                u.box.high.y + tolerance < v.box.low.y || v.box.high.y + tolerance < u.box.low.y)
                continue;
            const Edge& a = loops[u.loop].edges[u.index];
            const Edge& b = loops[v.loop].edges[v.index];
            // Edges following each other meet at their joint.
            std::vector<Point> joints;
            if (u.loop == v.loop) {
                if (v.index == u.index + 1) joints.push_back(a.end);
                if (u.index == 0 && v.index + 1 == loops[u.loop].edges.size()) joints.push_back(a.start);
            }
            for (const Point x : EdgeIntersections(a, b, tolerance)) {
                bool atJoint = false;
                for (const Point j : joints)
                    atJoint = atJoint || Distance(x, j) <= tolerance * 2;
                if (!atJoint) return a.source;
            }
        }
    }
    return std::nullopt;
}

}  // namespace cad
