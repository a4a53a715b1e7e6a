#include "cad/cad_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "osmeca/circular_arc.h"

namespace cad {

namespace {

constexpr double kPi = std::numbers::pi;

double Cross(Point o, Point a, Point b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// True when angle lies on the arc (between its start and its end).
bool OnArcAngles(const ArcShape& arc, double angle) {
    const double from = arc.sweep >= 0 ? arc.startAngle : arc.startAngle + arc.sweep;
    return osmeca::NormalizeAngle(angle - from) <= std::abs(arc.sweep);
}

}  // namespace

bool IsArc(const Edge& edge) { return edge.bulge != 0 && std::isfinite(edge.bulge); }

double Distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

ArcShape ArcOf(const Edge& edge) {
    ArcShape arc;
    const double b = edge.bulge;
    const double chord = Distance(edge.start, edge.end);
    const Point mid{(edge.start.x + edge.end.x) / 2, (edge.start.y + edge.end.y) / 2};
    const Point left{-(edge.end.y - edge.start.y) / chord, (edge.end.x - edge.start.x) / chord};
    const double offset = chord / 2 * (1 - b * b) / (2 * b);
    arc.centre = {mid.x + left.x * offset, mid.y + left.y * offset};
    arc.radius = chord * (1 + b * b) / (4 * std::abs(b));
    arc.startAngle = std::atan2(edge.start.y - arc.centre.y, edge.start.x - arc.centre.x);
    arc.sweep = 4 * std::atan(b);
    return arc;
}

Point PointOnArc(const ArcShape& arc, double fraction) {
    const double a = arc.startAngle + fraction * arc.sweep;
    return {arc.centre.x + arc.radius * std::cos(a), arc.centre.y + arc.radius * std::sin(a)};
}

double BulgeThrough(Point a, Point m, Point b) {
    const double ux = a.x - m.x, uy = a.y - m.y, vx = b.x - m.x, vy = b.y - m.y;
    const double cross = ux * vy - uy * vx;  // the turn a -> m -> b has the opposite sign
    if (cross == 0) return 0;
    const double size = std::hypot(ux, uy) * std::hypot(vx, vy) + ux * vx + uy * vy;
    return -size / cross;
}

double BulgeOfSweep(double sweep) { return std::tan(sweep / 4); }

Edge Reversed(const Edge& edge) { return {edge.end, edge.start, -edge.bulge, edge.source}; }

std::vector<Edge> SplitEdge(const Edge& edge, int count) {
    std::vector<Edge> pieces;
    if (count < 1) count = 1;
    ArcShape arc;
    if (IsArc(edge)) arc = ArcOf(edge);
    const double bulge = IsArc(edge) ? BulgeOfSweep(arc.sweep / count) : 0;
    Point from = edge.start;
    for (int i = 1; i <= count; ++i) {
        Point to = edge.end;
        if (i < count) {
            const double t = double(i) / count;
            to = IsArc(edge) ? PointOnArc(arc, t)
                             : Point{edge.start.x + t * (edge.end.x - edge.start.x),
                                     edge.start.y + t * (edge.end.y - edge.start.y)};
        }
        pieces.push_back({from, to, bulge, edge.source});
        from = to;
    }
    return pieces;
}

void Box::Add(Point p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
}

void AddEdge(Box& box, const Edge& edge) {
    box.Add(edge.start);
    box.Add(edge.end);
    if (!IsArc(edge)) return;
    const ArcShape arc = ArcOf(edge);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double angle = quarter * kPi / 2;
        if (OnArcAngles(arc, angle))
            box.Add(
                {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)});
    }
}

Box BoxOf(const std::vector<Loop>& loops) {
    Box box;
    for (const Loop& loop : loops)
        for (const Edge& e : loop.edges)
            AddEdge(box, e);
    return box;
}

bool Contains(const Loop& loop, Point p) {
    // The polygon of the end points, then every arc's circular segment
    // (between its chord and the arc) turns inside and outside over.
    bool inside = false;
    for (const Edge& e : loop.edges) {
        const Point a = e.start, b = e.end;
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < x) inside = !inside;
        }
        if (!IsArc(e)) continue;
        const ArcShape arc = ArcOf(e);
        if (Distance(p, arc.centre) >= arc.radius) continue;
        // The bulge lies right of start -> end for a positive sweep.
        const double side = Cross(a, b, p);
        const bool bulgeSide = arc.sweep > 0 ? side < 0 : side > 0;
        if (bulgeSide) inside = !inside;
    }
    return inside;
}

std::vector<int> NestingDepths(const std::vector<Loop>& loops) {
    std::vector<int> depths(loops.size(), 0);
    for (std::size_t i = 0; i < loops.size(); ++i) {
        if (loops[i].edges.empty()) continue;
        const Edge& first = loops[i].edges.front();
        const Point probe = IsArc(first)
                                ? PointOnArc(ArcOf(first), 0.5)
                                : Point{(first.start.x + first.end.x) / 2, (first.start.y + first.end.y) / 2};
        for (std::size_t j = 0; j < loops.size(); ++j)
            if (j != i && Contains(loops[j], probe)) ++depths[i];
    }
    return depths;
}

}  // namespace cad
