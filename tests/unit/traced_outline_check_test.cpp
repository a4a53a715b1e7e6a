// The tracer's last stage: outlines that do not match the region and the
// edge they were found from are refused, whatever their geometry.
#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "trace/traced_outline_check.h"

namespace {

using trace::TraceFault;
using trace::TraceRow;

// The square of dots [lo, hi) x [lo, hi) as a loop: its boundary
// (clockwise, or anticlockwise around a hole) and one edge sample per dot
// along each side.
trace::TracedLoop SquareLoop(int lo, int hi, bool hole, std::vector<TraceRow> rows) {
    trace::TracedLoop loop;
    loop.rows = std::move(rows);
    const int steps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    int x = lo, y = lo;
    const int order[2][4] = {{0, 1, 2, 3}, {1, 0, 3, 2}};
    for (const int dir : order[hole ? 1 : 0]) {
        for (int i = 0; i < hi - lo; ++i) {
            loop.boundary.push_back({x, y, dir});
            loop.samples.push_back({x + 0.5 * steps[dir][0], y + 0.5 * steps[dir][1]});
            x += steps[dir][0];
            y += steps[dir][1];
        }
    }
    return loop;
}

// The square of dots [10, 50) x [10, 50), maybe with the hole [20, 40) x [20, 40).
struct SquareFigure {
    trace::FigureRegion region;

    SquareFigure() {
        region.minX = region.minY = 10;
        region.maxX = region.maxY = 49;
    }

    trace::TracedOutlineCheck Check(const std::vector<TraceRow>& rows) const {
        return trace::CheckTracedOutline({SquareLoop(10, 50, false, rows)}, region, 640, 480);
    }

    trace::TracedOutlineCheck Check(const std::vector<TraceRow>& rows,
                                    const std::vector<TraceRow>& holeRows) const {
        return trace::CheckTracedOutline(
            {SquareLoop(10, 50, false, rows), SquareLoop(20, 40, true, holeRows)}, region, 640, 480);
    }
};

TEST(TracedOutlineCheck, OutlinesThatMissTheRegionOrItsEdgeAreRefused) {
    const SquareFigure square;
    EXPECT_EQ(square.Check({{1, 10, 10}, {1, 50, 10}, {1, 50, 50}, {1, 10, 50}}).fault, TraceFault::None);
    // A corner beyond the figure's box and a dot more: the geometry's fault.
    const auto beyond = square.Check({{1, 10, 10}, {1, 52.5, 10}, {1, 50, 50}, {1, 10, 50}});
    EXPECT_EQ(beyond.fault, TraceFault::Geometry);
    EXPECT_EQ(beyond.geometry.fault, osmeca::OutlineFault::PointOutside);
    EXPECT_EQ(beyond.geometry.row, 1);
    // The right side bent inwards: its middle point lies off the edge samples.
    const auto bent = square.Check({{1, 10, 10}, {2, 50, 10}, {1, 44, 30}, {1, 50, 50}, {1, 10, 50}});
    EXPECT_EQ(bent.fault, TraceFault::ArcAwayFromEdge);
    EXPECT_EQ(bent.row, 1);
    // A quarter of the area inside the same box.
    EXPECT_EQ(square.Check({{1, 10, 10}, {1, 30, 10}, {1, 30, 30}, {1, 10, 30}}).fault,
              TraceFault::AreaOffRegion);
}

TEST(TracedOutlineCheck, EveryLoopIsCheckedAndTheHolesAreaIsTakenAway) {
    const SquareFigure square;
    const std::vector<TraceRow> outer{{1, 10, 10}, {1, 50, 10}, {1, 50, 50}, {1, 10, 50}};
    const std::vector<TraceRow> hole{{1, 20, 20}, {1, 20, 40}, {1, 40, 40}, {1, 40, 20}};
    EXPECT_EQ(square.Check(outer, hole).fault, TraceFault::None);
    // The hole's outline a quarter of its size: the area is off by 300 dots.
    EXPECT_EQ(square.Check(outer, {{1, 20, 20}, {1, 20, 30}, {1, 30, 30}, {1, 30, 20}}).fault,
              TraceFault::AreaOffRegion);
    // The hole's left side bent inwards: its row counts the outer loop's
    // four rows and the break.
    const auto bent = square.Check(outer, {{2, 20, 20}, {1, 26, 30}, {1, 20, 40}, {1, 40, 40}, {1, 40, 20}});
    EXPECT_EQ(bent.fault, TraceFault::ArcAwayFromEdge);
    EXPECT_EQ(bent.row, 5);
    // A hole's corner beyond the outer loop: the loops cross.
    const auto crossing = square.Check(outer, {{1, 20, 20}, {1, 20, 40}, {1, 51.5, 40}, {1, 40, 20}});
    EXPECT_EQ(crossing.fault, TraceFault::Geometry);
    EXPECT_EQ(crossing.geometry.fault, osmeca::OutlineFault::LoopsCross);
}

TEST(TracedOutlineCheck, AreaCountsEachArcSegmentWhicheverWayTheOutlineTurns) {
    // A half disc of radius 10 as two quarter arcs and the diameter.
    const std::vector<TraceRow> clockwise{{2, 0, 0},
                                          {1, 2.9289321881345245, -7.0710678118654755},
                                          {2, 10, -10},
                                          {1, 17.071067811865476, -7.0710678118654755},
                                          {1, 20, 0}};
    const double half = std::numbers::pi * 100 / 2;
    EXPECT_NEAR(trace::OutlineRowsArea(clockwise), half, 1e-9);
    const std::vector<TraceRow> reversed{{2, 20, 0},
                                         {1, 17.071067811865476, -7.0710678118654755},
                                         {2, 10, -10},
                                         {1, 2.9289321881345245, -7.0710678118654755},
                                         {1, 0, 0}};
    EXPECT_NEAR(trace::OutlineRowsArea(reversed), half, 1e-9);
}

}  // namespace
