#include "trace/traced_outline_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "osmeca/area_moments.h"
#include "osmeca/circular_arc.h"
#include "trace/region_holes.h"

namespace trace {

namespace {

// The figure's box give or take this many dots bounds the outline.
constexpr double kBoxMargin = 2.0;
// An arc's middle point lies no farther than this many dots from an edge
// sample.
constexpr double kMiddleReach = 2.0;
// The outline's area may differ from the region's dot count by this share
// of a dot per crack of the region's boundary (per unit of its length in
// the fit's frame), and this many dots more.
constexpr double kBandPerCrack = 0.5;
constexpr double kBandDots = 4.0;
constexpr int kArcType = 2;

double NearestSample(const std::vector<Point2>& samples, Point2 p) {
    double nearest = std::numeric_limits<double>::infinity();
    for (Point2 s : samples)
        nearest = std::min(nearest, Dot(s - p, s - p));
    return std::sqrt(nearest);
}

}  // namespace

double OutlineRowsArea(const std::vector<TraceRow>& rows) {
    const int n = int(rows.size());
    auto at = [&](int k) { return Point2{rows[std::size_t(k % n)].x, rows[std::size_t(k % n)].y}; };
    double area = 0;
    for (int k = 0; k < n; ++k) {
        const bool arcRow = rows[std::size_t(k)].type == kArcType && k + 1 < n;
        const Point2 start = at(k), end = at(arcRow ? k + 2 : k + 1);
        area += osmeca::EdgeMoments(start, end).a;
        osmeca::CircularArc arc;
        if (arcRow && osmeca::ArcThroughPoints(start, at(k + 1), end, arc))
            area += osmeca::ArcSegmentMoments(arc).a;
        if (arcRow) ++k;
    }
    return std::abs(area);
}

TracedOutlineCheck CheckTracedOutline(const std::vector<TracedLoop>& loops, const FigureRegion& region,
                                      int pictureWidth, int pictureHeight, const FitFrame& frame) {
    TracedOutlineCheck check;
    const std::vector<TraceRow> rows = JoinedRows(loops);
    std::vector<osmeca::CheckRow> checkRows;
    checkRows.reserve(rows.size());
    for (const TraceRow& row : rows)
        checkRows.push_back({row.type, row.x, row.y});
    // A dot covers [x, x + 1): the box's far sides lie one past its last dots.
    // In a plane, the image of that box bounds it.
    const osmeca::CheckBox box =
        frame.Bounds({std::max(0.0, region.minX - kBoxMargin), std::max(0.0, region.minY - kBoxMargin),
                      std::min(double(pictureWidth), region.maxX + 1 + kBoxMargin),
                      std::min(double(pictureHeight), region.maxY + 1 + kBoxMargin)});
    check.geometry = osmeca::CheckOutlineGeometry(checkRows, &box);
    if (check.geometry.fault != osmeca::OutlineFault::None) {
        check.fault = TraceFault::Geometry;
        return check;
    }
    int first = 0;  // the loop's first row among all rows
    for (const TracedLoop& loop : loops) {
        const std::vector<TraceRow>& own = loop.rows;
        for (std::size_t k = 0; k + 1 < own.size(); ++k) {
            if (own[k].type != kArcType) continue;
            const Point2 middle{own[k + 1].x, own[k + 1].y};
            if (NearestSample(loop.samples, middle) > kMiddleReach * frame.DotSpan(middle)) {
                check.fault = TraceFault::ArcAwayFromEdge;
                check.row = first + int(k);
                return check;
            }
            ++k;
        }
        first += int(own.size()) + 1;
    }
    // The outer loop adds, each hole takes away.
    double area = 0, dots = 0, band = kBandDots;
    for (std::size_t k = 0; k < loops.size(); ++k) {
        const double sign = k == 0 ? 1 : -1;
        area += sign * OutlineRowsArea(loops[k].rows);
        const BoundaryMeasure measure = frame.Measure(loops[k].boundary);
        dots += sign * measure.area;
        band += kBandPerCrack * measure.length;
    }
    if (std::abs(area - dots) > band) check.fault = TraceFault::AreaOffRegion;
    return check;
}

}  // namespace trace
