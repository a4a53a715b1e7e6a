// The tracer's last stage: outlines that do not match the region and the
// edge they were found from are refused, whatever their geometry.
#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "trace/traced_outline_check.h"

namespace {

using trace::TraceFault;
using trace::TraceRow;

// The square of dots [10, 50) x [10, 50): its region, its boundary
// clockwise, and one edge sample per dot along each side.
struct SquareFigure {
    trace::FigureRegion region;
    std::vector<trace::Crack> boundary;
    std::vector<trace::Point2> samples;

    SquareFigure() {
        region.minX = region.minY = 10;
        region.maxX = region.maxY = 49;
        const int steps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        int x = 10, y = 10;
        for (int d = 0; d < 4; ++d) {
            for (int k = 0; k < 40; ++k) {
                boundary.push_back({x, y, d});
                samples.push_back({x + 0.5 * steps[d][0], y + 0.5 * steps[d][1]});
                x += steps[d][0];
                y += steps[d][1];
            }
        }
    }

    trace::TracedOutlineCheck Check(const std::vector<TraceRow>& rows) const {
        return trace::CheckTracedOutline(rows, samples, region, boundary, 640, 480);
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
