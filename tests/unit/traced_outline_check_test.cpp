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

// The check of the square of dots [10, 50) x [10, 50) traced as rows, with
// the hole [20, 40) x [20, 40) traced as holeRows when there are any.
trace::TracedOutlineCheck CheckSquare(const std::vector<TraceRow>& rows,
                                      const std::vector<TraceRow>& holeRows = {}) {
    trace::FigureRegion region;
    region.minX = region.minY = 10;
    region.maxX = region.maxY = 49;
    std::vector<trace::TracedLoop> loops{SquareLoop(10, 50, false, rows)};
    if (!holeRows.empty()) loops.push_back(SquareLoop(20, 40, true, holeRows));
    return trace::CheckTracedOutline(loops, region, 640, 480);
}

TEST(TracedOutlineCheck, OutlinesThatMissTheRegionOrItsEdgeAreRefused) {
    const std::vector<TraceRow> outer{{1, 10, 10}, {1, 50, 10}, {1, 50, 50}, {1, 10, 50}};
    EXPECT_EQ(CheckSquare(outer).fault, TraceFault::None);
    // A corner beyond the figure's box and a dot more: the geometry's fault.
    const auto beyond = CheckSquare({{1, 10, 10}, {1, 52.5, 10}, {1, 50, 50}, {1, 10, 50}});
    EXPECT_EQ(beyond.fault, TraceFault::Geometry);
    EXPECT_EQ(beyond.geometry.fault, osmeca::OutlineFault::PointOutside);
    EXPECT_EQ(beyond.geometry.row, 1);
    // The right side bent inwards: its middle point lies off the edge samples.
    const auto bent = CheckSquare({{1, 10, 10}, {2, 50, 10}, {1, 44, 30}, {1, 50, 50}, {1, 10, 50}});
    EXPECT_EQ(bent.fault, TraceFault::ArcAwayFromEdge);
    EXPECT_EQ(bent.row, 1);
    // A quarter of the area inside the same box.
    EXPECT_EQ(CheckSquare({{1, 10, 10}, {1, 30, 10}, {1, 30, 30}, {1, 10, 30}}).fault,
              TraceFault::AreaOffRegion);

    // Every loop is checked, and the hole's area is taken away.
    EXPECT_EQ(CheckSquare(outer, {{1, 20, 20}, {1, 20, 40}, {1, 40, 40}, {1, 40, 20}}).fault,
              TraceFault::None);
    // The hole's outline a quarter of its size: the area is off by 300 dots.
    EXPECT_EQ(CheckSquare(outer, {{1, 20, 20}, {1, 20, 30}, {1, 30, 30}, {1, 30, 20}}).fault,
              TraceFault::AreaOffRegion);
    // The hole's left side bent inwards: its row counts the outer loop's
    // four rows and the break.
    const auto bentHole =
        CheckSquare(outer, {{2, 20, 20}, {1, 26, 30}, {1, 20, 40}, {1, 40, 40}, {1, 40, 20}});
    EXPECT_EQ(bentHole.fault, TraceFault::ArcAwayFromEdge);
    EXPECT_EQ(bentHole.row, 5);
    // A hole's corner beyond the outer loop: the loops cross.
    const auto crossing = CheckSquare(outer, {{1, 20, 20}, {1, 20, 40}, {1, 51.5, 40}, {1, 40, 20}});
    EXPECT_EQ(crossing.fault, TraceFault::Geometry);
    EXPECT_EQ(crossing.geometry.fault, osmeca::OutlineFault::LoopsCross);
}

TEST(TracedOutlineCheck, AreaCountsEachArcSegmentWhicheverWayTheOutlineTurns) {
    // A half disc of radius 10 as two quarter arcs and the diameter.
    const double k = 5 * std::numbers::sqrt2;
    const std::vector<TraceRow> clockwise{
        {2, 0, 0}, {1, 10 - k, -k}, {2, 10, -10}, {1, 10 + k, -k}, {1, 20, 0}};
    const std::vector<TraceRow> reversed{
        {2, 20, 0}, {1, 10 + k, -k}, {2, 10, -10}, {1, 10 - k, -k}, {1, 0, 0}};
    for (const std::vector<TraceRow>& rows : {clockwise, reversed})
        EXPECT_NEAR(trace::OutlineRowsArea(rows), std::numbers::pi * 100 / 2, 1e-9);
}

}  // namespace
