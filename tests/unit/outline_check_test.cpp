#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "osmeca/outline_check.h"

namespace {

using osmeca::CheckBox;
using osmeca::CheckOutlineGeometry;
using osmeca::CheckRow;
using osmeca::OutlineFault;

constexpr CheckRow kBreak{9, 0, 0};

std::vector<CheckRow> Square(double left, double top, double side) {
    return {{1, left, top}, {1, left + side, top}, {1, left + side, top + side}, {1, left, top + side}};
}

// Four quarter arcs, their points at 45 degrees off the axes.
std::vector<CheckRow> Circle(double cx, double cy, double r) {
    std::vector<CheckRow> rows;
    for (int k = 0; k < 8; ++k) {
        double angle = (k + 1) * std::numbers::pi / 4;
        rows.push_back({k % 2 == 0 ? 2 : 1, cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    return rows;
}

std::vector<CheckRow> Join(std::vector<CheckRow> a, const std::vector<CheckRow>& b) {
    a.push_back(kBreak);
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

OutlineFault FaultOf(const std::vector<CheckRow>& rows, const CheckBox* bounds = nullptr) {
    return CheckOutlineGeometry(rows, bounds).fault;
}

TEST(OutlineCheck, SoundOutlinesPass) {
    // A rounded plate far from the origin: lines and arcs, an arc wrapping to the first point.
    std::vector<CheckRow> plate{{1, 10010, 20000},       {1, 10090, 20000},      {2, 10100, 20010},
                                {1, 10097.07, 20017.07}, {1, 10090, 20020},      {1, 10010, 20020},
                                {2, 10000, 20010},       {1, 10002.93, 20002.93}};
    const CheckBox picture{9990, 19990, 10110, 20030};
    EXPECT_EQ(FaultOf(plate, &picture), OutlineFault::None);
    // Breaks at the ends and doubled breaks are not this check's business.
    EXPECT_EQ(FaultOf(Join(Join(Square(0, 0, 10), {}), Square(2, 2, 6))), OutlineFault::None);
    // An arc tangent to its neighbour edge, as a fillet is; a disc touching
    // the edges between its arcs' points.
    EXPECT_EQ(
        FaultOf(
            {{1, 0, 0}, {2, 10, 0}, {1, 17.0710678118654755, 2.9289321881345245}, {1, 20, 10}, {1, 0, 10}}),
        OutlineFault::None);
    EXPECT_EQ(FaultOf(Join(Square(-1, -1, 12), Circle(5, 5, 5))), OutlineFault::None);
    // A traced circle: three arcs whose circles differ by rounding only.
    EXPECT_EQ(FaultOf({{2, 240.36652897496199, 80.207736324087151},
                       {1, 326.9657513793972, 130.20582069090008},
                       {2, 326.9657513793972, 230.20198942452595},
                       {1, 240.36652897496202, 280.20007379133892},
                       {2, 153.76730657052678, 230.201989424526},
                       {1, 153.76730657052673, 130.20582069090017}}),
              OutlineFault::None);
}

TEST(OutlineCheck, PointsAndArcsOutsideTheBoundsAreFound) {
    const CheckBox picture{0, 0, 800, 600};
    std::vector<CheckRow> rows = Square(100, 100, 50);
    rows[2] = {1, 800.5, 150};
    EXPECT_EQ(CheckOutlineGeometry(rows, &picture).row, 2);
    EXPECT_EQ(FaultOf(rows), OutlineFault::None);  // without bounds nothing is outside
    // An arc whose points lie inside but whose bulge leaves the picture.
    std::vector<CheckRow> bulge{{2, 750.5, 62.53}, {1, 787.47, 99.5}, {1, 764.92, 227.37}};
    const auto at = CheckOutlineGeometry(bulge, &picture);
    EXPECT_EQ(at.fault, OutlineFault::PointOutside);
    EXPECT_EQ(at.row, 0);
}

TEST(OutlineCheck, ArcsOfHalfACircleOrMoreOrWithoutCircleAreRefused) {
    EXPECT_EQ(FaultOf({{2, 0, 0}, {1, 5, 5}, {1, 10, 0}}), OutlineFault::ArcTooLong);
    EXPECT_EQ(FaultOf({{1, 0, 10}, {2, 0, 0}, {1, 10, 0}, {1, 10, 0}}), OutlineFault::ArcDegenerate);
    // In the second loop, the arc wrapping to its first point, its middle on the chord.
    auto second = CheckOutlineGeometry(Join(Square(0, 0, 10), {{1, 20, 0}, {2, 30, 0}, {1, 25, 0}}), nullptr);
    EXPECT_EQ(second.fault, OutlineFault::ArcDegenerate);
    EXPECT_EQ(second.loop, 1);
    EXPECT_EQ(second.row, 6);
}

TEST(OutlineCheck, PiecesCrossingOrTouchingAreFound) {
    // A figure eight: the second and fourth edges cross.
    auto at =
        CheckOutlineGeometry(std::vector<CheckRow>{{1, 0, 0}, {1, 10, 10}, {1, 10, 0}, {1, 0, 10}}, nullptr);
    EXPECT_EQ(at.fault, OutlineFault::LoopCrossesItself);
    EXPECT_EQ(at.row, 0);
    EXPECT_EQ(at.otherRow, 2);
    // An edge folding back along its neighbour; an arc dipping through the
    // opposite edge of a thin plate; two arcs of one loop crossing.
    EXPECT_EQ(FaultOf({{1, 0, 0}, {1, 10, 0}, {1, 4, 0}, {1, 0, 10}}), OutlineFault::LoopCrossesItself);
    EXPECT_EQ(FaultOf({{1, 0, 0}, {1, 20, 0}, {2, 20, 2}, {1, 10, -1}, {1, 0, 2}}),
              OutlineFault::LoopCrossesItself);
    EXPECT_EQ(FaultOf({{2, 0, 0}, {1, 10, 4}, {1, 20, 0}, {2, 20, 10}, {1, 10, 2}, {1, 0, 10}}),
              OutlineFault::LoopCrossesItself);

    at = CheckOutlineGeometry(Join(Square(0, 0, 10), Square(10, 10, 10)), nullptr);  // touching at a corner
    EXPECT_EQ(at.fault, OutlineFault::LoopsCross);
    EXPECT_EQ(at.otherLoop, 1);
    // A hole whose arc reaches out through the outer edge; a round hole touching it.
    EXPECT_EQ(FaultOf(Join(Square(0, 0, 10), {{2, 1, 8}, {1, 5, 10.5}, {1, 9, 8}})),
              OutlineFault::LoopsCross);
    EXPECT_EQ(FaultOf(Join(Square(0, 0, 10), Circle(5, 5, 5))), OutlineFault::LoopsCross);
}

}  // namespace
