#include "cad/outline_rows.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "osmeca/circular_arc.h"

namespace cad {

namespace {

constexpr double kPi = std::numbers::pi;
// The calculation refuses arcs of half a turn: such arcs are cut into
// pieces of at most a quarter turn.
constexpr double kLongestArc = kPi * (1 - 1e-9);
constexpr double kPieceSweep = kPi / 2;
// Rows keep the drawing's coordinates while the figure lies no farther
// from the origin than this many times its size.
constexpr double kFarFromOrigin = 10;
// Whole-number middle points are looked for on arcs up to this many dots
// long, and must lie on the circle to this fraction of its radius.
constexpr double kLongestSearch = 100000;
constexpr double kOnCircle = 1e-12;
constexpr double kNearWhole = 1e-9;

bool IsWhole(double v) { return std::abs(v) < 1e9 && v == std::round(v); }

// The point of the arc from a to b (bulge) for its middle row.
Point MiddleRow(const Edge& edge) {
    const ArcShape arc = ArcOf(edge);
    const Point middle = PointOnArc(arc, 0.5);
    const bool wholeEnds =
        IsWhole(edge.start.x) && IsWhole(edge.start.y) && IsWhole(edge.end.x) && IsWhole(edge.end.y);
    if (!wholeEnds || !(arc.radius * std::abs(arc.sweep) <= kLongestSearch)) return middle;
    const double from = arc.sweep >= 0 ? arc.startAngle : arc.startAngle + arc.sweep;
    const double middleAngle = osmeca::NormalizeAngle(arc.startAngle + arc.sweep / 2 - from);
    Point best = middle;
    double bestOff = 1e300;
    auto consider = [&](double x, double y) {
        if (std::abs(std::hypot(x - arc.centre.x, y - arc.centre.y) - arc.radius) > kOnCircle * arc.radius)
            return;
        const double angle = osmeca::NormalizeAngle(std::atan2(y - arc.centre.y, x - arc.centre.x) - from);
        if (angle <= 0 || angle >= std::abs(arc.sweep)) return;  // the ends themselves
        if (Distance({x, y}, edge.start) == 0 || Distance({x, y}, edge.end) == 0) return;
        if (std::abs(angle - middleAngle) < bestOff) {
            bestOff = std::abs(angle - middleAngle);
            best = {x, y};
        }
    };
    Box box;
    AddEdge(box, edge);
    for (double x = std::ceil(box.low.x); x <= box.high.x; ++x) {
        const double dx = x - arc.centre.x;
        const double h = std::sqrt(std::max(0.0, arc.radius * arc.radius - dx * dx));
        consider(x, std::round(arc.centre.y + h));
        consider(x, std::round(arc.centre.y - h));
    }
    return best;
}

// A coordinate within rounding of a whole number becomes that number: arc
// ends computed from a centre and angles come back to the whole dots they
// were written from.
double Snapped(double v) {
    const double whole = std::round(v);
    return std::abs(v - whole) <= kNearWhole * std::max(1.0, std::abs(v)) ? whole : v;
}

Point Placed(Point p, const RowPlacement& placement) {
    return {Snapped((p.x - placement.origin.x) * placement.scale),
            Snapped((placement.origin.y - p.y) * placement.scale)};
}

}  // namespace

RowPlacement LocalPlacement(const Box& box, double scale) {
    RowPlacement placement;
    placement.scale = scale;
    const double size = std::max(box.high.x - box.low.x, box.high.y - box.low.y);
    const double farthest = std::max(box.high.x, -box.low.y);
    const bool keep = box.low.x >= 0 && box.high.y <= 0 && farthest <= kFarFromOrigin * size;
    if (!keep) placement.origin = {box.low.x, box.high.y};
    return placement;
}

std::vector<Row> LoopsToRows(const std::vector<Loop>& loops, const RowPlacement& placement,
                             std::vector<Source>* sources) {
    std::vector<Row> rows;
    const auto add = [&](Row row, const Source& source) {
        rows.push_back(row);
        if (sources != nullptr) sources->push_back(source);
    };
    for (const Loop& loop : loops) {
        if (!rows.empty()) add({kRowLoopBreak, 0, 0}, {});
        for (const Edge& edge : loop.edges) {
            const Edge placed{Placed(edge.start, placement), Placed(edge.end, placement), -edge.bulge,
                              edge.source};
            if (!IsArc(placed)) {
                add({kRowLine, placed.start.x, placed.start.y}, edge.source);
                continue;
            }
            const double sweep = std::abs(ArcOf(placed).sweep);
            const int pieces = sweep >= kLongestArc ? int(std::ceil(sweep / kPieceSweep - 1e-9)) : 1;
            for (const Edge& piece : SplitEdge(placed, pieces)) {
                const Point middle = MiddleRow(piece);
                add({kRowArc, piece.start.x, piece.start.y}, edge.source);
                add({kRowLine, middle.x, middle.y}, edge.source);
            }
        }
    }
    return rows;
}

std::vector<Loop> RowsToLoops(const std::vector<Row>& rows) {
    std::vector<Loop> loops;
    std::size_t begin = 0;
    while (begin < rows.size()) {
        std::size_t end = begin;
        while (end < rows.size() && rows[end].type != kRowLoopBreak)
            ++end;
        const std::size_t n = end - begin;
        auto at = [&](std::size_t i) { return Point{rows[begin + i % n].x, rows[begin + i % n].y}; };
        Loop loop;
        for (std::size_t i = 0; n >= 2 && i < n;) {
            if (rows[begin + i].type == kRowArc && n >= 3) {
                loop.edges.push_back(
                    {at(i), at(i + 2), BulgeThrough(at(i), at(i + 1), at(i + 2)), {"ARC", {}}});
                i += 2;
            } else {
                loop.edges.push_back({at(i), at(i + 1), 0, {"LINE", {}}});
                i += 1;
            }
        }
        if (!loop.edges.empty()) loops.push_back(std::move(loop));
        begin = end + 1;
    }
    return loops;
}

}  // namespace cad
