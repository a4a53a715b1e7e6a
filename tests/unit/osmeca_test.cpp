#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "osmeca/osmeca.h"

namespace {

constexpr double Pi = std::numbers::pi;

struct Row {
    int type;
    std::string x;
    std::string y;
};

// Text as the edit window stores it: right-justified in 8 characters.
void Put(char (&field)[8], const std::string& text) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%8s", text.c_str());
    std::memcpy(field, buffer, 8);
}

std::string N(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

struct Section {
    int32_t ok = -1;
    int32_t segmentCount = -7;
    std::vector<SectionSegment> segments = std::vector<SectionSegment>(OS_MAX_SEGMENTS);
    SectionResults results{};
    InclinedAxisTable table{};
    double operator[](int index) const { return results.values[index]; }
};

Section Integrate(const std::vector<Row>& rows) {
    std::vector<SectionInputPoint> inputs(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::memset(&inputs[i], 0, sizeof inputs[i]);
        inputs[i].type = rows[i].type;
        Put(inputs[i].xText, rows[i].x);
        Put(inputs[i].yText, rows[i].y);
    }
    Section s;
    s.ok = osSectionIntegrate(inputs.data(), s.segments.data(), static_cast<int32_t>(rows.size()),
                              &s.segmentCount, &s.results, &s.table);
    return s;
}

std::vector<Row> Polygon(const std::vector<std::pair<double, double>>& points) {
    std::vector<Row> rows;
    for (auto [x, y] : points) rows.push_back({1, N(x), N(y)});
    return rows;
}

std::vector<Row> Reversed(std::vector<Row> rows) { return {rows.rbegin(), rows.rend()}; }

::testing::AssertionResult Near(double actual, double expected, double relative = 1e-9) {
    double scale = std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= relative * scale) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

// A set of rectangles side by side, for expected values by parts.
struct Box {
    double x0, y0, x1, y1;
    double A() const { return (x1 - x0) * (y1 - y0); }
    double Cx() const { return (x0 + x1) / 2; }
    double Cy() const { return (y0 + y1) / 2; }
};

struct Expected {
    double a = 0, xc = 0, yc = 0, ixx = 0, iyy = 0, ixy = 0;  // ixx about the vertical axis
};

Expected ByParts(const std::vector<Box>& boxes) {
    Expected e;
    for (const Box& b : boxes) {
        e.a += b.A();
        e.xc += b.A() * b.Cx();
        e.yc += b.A() * b.Cy();
    }
    e.xc /= e.a;
    e.yc /= e.a;
    for (const Box& b : boxes) {
        double w = b.x1 - b.x0, h = b.y1 - b.y0;
        double dx = b.Cx() - e.xc, dy = b.Cy() - e.yc;
        e.ixx += h * w * w * w / 12 + b.A() * dx * dx;
        e.iyy += w * h * h * h / 12 + b.A() * dy * dy;
        e.ixy += b.A() * dx * dy;
    }
    return e;
}

}  // namespace

TEST(Osmeca, TallRectangleHasItsMaximumAboutTheHorizontalAxis) {
    // 10 wide, 30 high, far from the origin.
    Section s = Integrate(Polygon({{1000, 2000}, {1010, 2000}, {1010, 2030}, {1000, 2030}}));
    ASSERT_NE(s.ok, 0);
    EXPECT_TRUE(Near(s[OS_AREA], 300));
    EXPECT_TRUE(Near(s[OS_PERIMETER], 80));
    EXPECT_TRUE(Near(s[OS_WIDTH], 10));
    EXPECT_TRUE(Near(s[OS_HEIGHT], 30));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], 1005));
    EXPECT_TRUE(Near(s[OS_CENTROID_Y], 2015));
    EXPECT_TRUE(Near(s[OS_B_LEFT], 5));
    EXPECT_TRUE(Near(s[OS_B_RIGHT], 5));
    EXPECT_TRUE(Near(s[OS_H_UPPER], 15));
    EXPECT_TRUE(Near(s[OS_H_LOWER], 15));
    EXPECT_TRUE(Near(s[OS_I_MAX], 10.0 * 30 * 30 * 30 / 12));
    EXPECT_TRUE(Near(s[OS_I_MIN], 30.0 * 10 * 10 * 10 / 12));
    EXPECT_EQ(s[OS_THETA], 0.0);
    EXPECT_FALSE(std::signbit(s[OS_THETA]));
    EXPECT_TRUE(Near(s[OS_EXTENT_MAX_AXIS], 10));
    EXPECT_TRUE(Near(s[OS_EXTENT_MIN_AXIS], 30));

    // inclined table: 0..180 degrees, Iy about the axis, Iz about its normal
    EXPECT_EQ(s.table.angle[0], 0);
    EXPECT_EQ(s.table.angle[180], 180);
    EXPECT_TRUE(Near(s.table.iy[0], 22500));
    EXPECT_TRUE(Near(s.table.iz[0], 2500));
    EXPECT_TRUE(Near(s.table.iy[90], 2500));
    EXPECT_TRUE(Near(s.table.iz[90], 22500));
    EXPECT_TRUE(Near(s.table.iy[45], 12500));
    EXPECT_TRUE(Near(s.table.iy[180], 22500));
}

TEST(Osmeca, WideRectangleGivesNinetyDegrees) {
    Section s = Integrate(Polygon({{0, 0}, {30, 0}, {30, 10}, {0, 10}}));
    ASSERT_NE(s.ok, 0);
    EXPECT_EQ(s[OS_THETA], 90.0);
    EXPECT_TRUE(Near(s[OS_I_MAX], 22500));
    EXPECT_TRUE(Near(s[OS_I_MIN], 2500));
    EXPECT_TRUE(Near(s[OS_EXTENT_MAX_AXIS], 10));  // along the vertical axis
}

TEST(Osmeca, RightTriangleHasAProductMomentAndATiltedAxis) {
    // legs 6 along X and 3 along Y from the right angle at (0, 0)
    Section s = Integrate(Polygon({{0, 0}, {6, 0}, {0, 3}}));
    ASSERT_NE(s.ok, 0);
    EXPECT_TRUE(Near(s[OS_AREA], 9));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], 2));
    EXPECT_TRUE(Near(s[OS_CENTROID_Y], 1));
    const double jxx = 3.0 * 216 / 36, jyy = 6.0 * 27 / 36, jxy = -36.0 * 9 / 72;
    EXPECT_TRUE(Near(s[OS_I_VERTICAL], jxx));
    EXPECT_TRUE(Near(s[OS_I_HORIZONTAL], jyy));
    EXPECT_TRUE(Near(s[OS_PRODUCT], jxy));
    const double mean = (jxx + jyy) / 2, radius = std::hypot((jxx - jyy) / 2, jxy);
    EXPECT_TRUE(Near(s[OS_I_MAX], mean + radius));
    EXPECT_TRUE(Near(s[OS_I_MIN], mean - radius));
    // the axis leans from vertical towards the hypotenuse: 90 - atan(9/13.5)/2
    EXPECT_TRUE(Near(s[OS_THETA], 73.15496623701010));
    EXPECT_TRUE(Near(s[OS_PERIMETER], 9 + std::sqrt(45.0)));
}

TEST(Osmeca, RotatedRectangleFollowsTheRotation) {
    // 10 x 30 turned clockwise on the screen by atan(3/4): exact corners
    Section s = Integrate(Polygon({{0, 0}, {8, 6}, {-10, 30}, {-18, 24}}));
    ASSERT_NE(s.ok, 0);
    EXPECT_TRUE(Near(s[OS_AREA], 300));
    EXPECT_TRUE(Near(s[OS_I_MAX], 22500));
    EXPECT_TRUE(Near(s[OS_I_MIN], 2500));
    EXPECT_TRUE(Near(s[OS_THETA], std::atan2(3.0, 4.0) * 180 / Pi));
    EXPECT_TRUE(Near(s[OS_EXTENT_MAX_AXIS], 10));
    EXPECT_TRUE(Near(s[OS_EXTENT_MIN_AXIS], 30));
    EXPECT_TRUE(Near(s[OS_WIDTH], 26));
    EXPECT_TRUE(Near(s[OS_HEIGHT], 30));

    // by 30 degrees, corners written to three decimals as a user would type them
    std::vector<std::pair<double, double>> corners;
    const double c = std::cos(Pi / 6), sn = std::sin(Pi / 6);
    for (auto [u, v] : std::vector<std::pair<double, double>>{{-5, -15}, {5, -15}, {5, 15}, {-5, 15}}) {
        corners.push_back({std::round((100 + u * c - v * sn) * 1000) / 1000,
                           std::round((100 + u * sn + v * c) * 1000) / 1000});
    }
    Section t = Integrate(Polygon(corners));
    ASSERT_NE(t.ok, 0);
    EXPECT_TRUE(Near(t[OS_THETA], 30, 1e-4));
    EXPECT_TRUE(Near(t[OS_I_MAX], 22500, 1e-4));
    EXPECT_TRUE(Near(t[OS_CENTROID_X], 100, 1e-5));
}

TEST(Osmeca, LShapeMatchesTheSumOfItsRectangles) {
    Section s = Integrate(Polygon({{0, 0}, {10, 0}, {10, 40}, {30, 40}, {30, 50}, {0, 50}}));
    ASSERT_NE(s.ok, 0);
    Expected e = ByParts({{0, 0, 10, 50}, {10, 40, 30, 50}});
    EXPECT_TRUE(Near(s[OS_AREA], e.a));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], e.xc));
    EXPECT_TRUE(Near(s[OS_CENTROID_Y], e.yc));
    EXPECT_TRUE(Near(s[OS_I_VERTICAL], e.ixx));
    EXPECT_TRUE(Near(s[OS_I_HORIZONTAL], e.iyy));
    EXPECT_TRUE(Near(s[OS_PRODUCT], e.ixy));
    EXPECT_TRUE(Near(s[OS_PERIMETER], 160));
    EXPECT_TRUE(Near(s[OS_B_LEFT], e.xc));
    EXPECT_TRUE(Near(s[OS_H_LOWER], 50 - e.yc));
    // moments about every inclined axis agree with the rotation formula
    for (int k : {0, 17, 90, 133}) {
        double t = k * Pi / 180, sn = std::sin(t), cs = std::cos(t);
        EXPECT_TRUE(Near(s.table.iy[k], e.ixx * sn * sn + e.iyy * cs * cs - 2 * e.ixy * sn * cs)) << k;
    }
}

TEST(Osmeca, FullCircleFromTwoArcs) {
    // over the top from the left, then back underneath
    Section s = Integrate({{2, "30", "50"}, {1, "50", "30"}, {2, "70", "50"}, {1, "50", "70"}});
    ASSERT_NE(s.ok, 0);
    const double r = 20;
    EXPECT_TRUE(Near(s[OS_AREA], Pi * r * r));
    EXPECT_TRUE(Near(s[OS_PERIMETER], 2 * Pi * r));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], 50));
    EXPECT_TRUE(Near(s[OS_CENTROID_Y], 50));
    EXPECT_TRUE(Near(s[OS_I_MAX], Pi * r * r * r * r / 4));
    EXPECT_TRUE(Near(s[OS_I_MIN], Pi * r * r * r * r / 4));
    EXPECT_EQ(s[OS_THETA], 0.0);  // no preferred axis: reported as 0
    EXPECT_TRUE(Near(s[OS_WIDTH], 40));
    EXPECT_TRUE(Near(s[OS_HEIGHT], 40));
    EXPECT_TRUE(Near(s[OS_EXTENT_MAX_AXIS], 40));
    EXPECT_EQ(s[OS_ARC_COUNT], 2);
}

TEST(Osmeca, SemicircleCentroidAndBoundsFromTheArcsTopPoint) {
    // centre (50, 100), radius 50; the middle point (20, 60) is not the top
    std::vector<Row> rows = {{2, "0", "100"}, {1, "20", "60"}, {1, "100", "100"}};
    Section s = Integrate(rows);
    ASSERT_NE(s.ok, 0);
    const double r = 50;
    EXPECT_TRUE(Near(s[OS_AREA], Pi * r * r / 2));
    EXPECT_TRUE(Near(s[OS_PERIMETER], Pi * r + 2 * r));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], 50));
    EXPECT_TRUE(Near(s[OS_CENTROID_Y], 100 - 4 * r / (3 * Pi)));
    EXPECT_TRUE(Near(s[OS_HEIGHT], 50));
    EXPECT_TRUE(Near(s[OS_MIN_Y], 50));
    EXPECT_TRUE(Near(s[OS_H_LOWER], 4 * r / (3 * Pi)));
    EXPECT_TRUE(Near(s[OS_WIDTH], 100));
    const double about_diameter = Pi * r * r * r * r / 8;
    const double d = 4 * r / (3 * Pi);
    EXPECT_TRUE(Near(s[OS_I_MAX], Pi * r * r * r * r / 8));                  // about the vertical axis
    EXPECT_TRUE(Near(s[OS_I_MIN], about_diameter - Pi * r * r / 2 * d * d));  // about the horizontal one
    EXPECT_EQ(s[OS_THETA], 90.0);

    // the same outline counter-clockwise
    Section back = Integrate({{2, "100", "100"}, {1, "20", "60"}, {1, "0", "100"}});
    ASSERT_NE(back.ok, 0);
    for (int index : {OS_AREA, OS_PERIMETER, OS_CENTROID_X, OS_CENTROID_Y, OS_I_MAX, OS_I_MIN,
                      OS_WIDTH, OS_HEIGHT, OS_THETA}) {
        EXPECT_TRUE(Near(back[index], s[index])) << index;
    }
    EXPECT_EQ(back.segments[0].direction, OS_COUNTER_CLOCKWISE);
}

TEST(Osmeca, CounterClockwisePolygonGivesTheSamePositiveResults) {
    std::vector<Row> rows = Polygon({{0, 0}, {10, 0}, {10, 40}, {30, 40}, {30, 50}, {0, 50}});
    Section cw = Integrate(rows);
    Section ccw = Integrate(Reversed(rows));
    ASSERT_NE(ccw.ok, 0);
    EXPECT_GT(ccw[OS_AREA], 0);
    for (int index : {OS_AREA, OS_CENTROID_X, OS_CENTROID_Y, OS_I_MAX, OS_I_MIN, OS_THETA, OS_PRODUCT}) {
        EXPECT_TRUE(Near(ccw[index], cw[index])) << index;
    }
    for (int k = 0; k < OS_INCLINED_ROWS; k += 30) EXPECT_TRUE(Near(ccw.table.iy[k], cw.table.iy[k]));
}

TEST(Osmeca, FractionsAndExponentsAreReadInFull) {
    Section s = Integrate({{1, "-3", "0"}, {1, "12.5", "0"}, {1, "12.5", "1.2e2"}});
    ASSERT_NE(s.ok, 0);
    EXPECT_TRUE(Near(s[OS_AREA], 0.5 * 15.5 * 120));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], (-3 + 12.5 + 12.5) / 3.0));
    EXPECT_TRUE(Near(s.segments[1].x, 12.5));
    EXPECT_TRUE(Near(s.segments[2].y, 120));
    Section plus = Integrate({{1, "+0", " 0 "}, {1, "+1E1", "0"}, {1, "10.", ".5e1"}});
    ASSERT_NE(plus.ok, 0);
    EXPECT_TRUE(Near(plus[OS_AREA], 25));
}

TEST(Osmeca, RecordsFollowTheRowsAndCloseOnTheFirstPoint) {
    // a straight edge, a half circle over the top (rows 1..3), three straight edges
    std::vector<Row> rows = {{1, "0", "100"},   {2, "10", "100"},  {1, "30", "60"},
                             {1, "110", "100"}, {1, "110", "150"}, {1, "0", "150"}};
    Section s = Integrate(rows);
    ASSERT_NE(s.ok, 0);
    ASSERT_EQ(s.segmentCount, 7);
    const int kinds[] = {OS_KIND_STRAIGHT, OS_KIND_ARC,      OS_KIND_ARC_MIDDLE, OS_KIND_STRAIGHT,
                         OS_KIND_STRAIGHT, OS_KIND_STRAIGHT, OS_KIND_AUXILIARY};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(s.segments[k].kind, kinds[k]) << k;
    EXPECT_EQ(s.segments[1].rowType, 2);
    EXPECT_EQ(s.segments[2].rowType, 1);
    // a straight record ends at the next record's first point
    EXPECT_EQ(s.segments[0].endX, s.segments[1].x);
    EXPECT_EQ(s.segments[5].endX, 0);
    EXPECT_EQ(s.segments[5].endY, 100);
    EXPECT_EQ(s.segments[6].x, 0);
    EXPECT_EQ(s.segments[6].y, 100);
    // the arc: centre (60, 100), radius 50, from the left over the top to the right
    const SectionSegment& arc = s.segments[1];
    EXPECT_TRUE(Near(arc.centreX, 60));
    EXPECT_TRUE(Near(arc.centreY, 100));
    EXPECT_TRUE(Near(arc.radius, 50));
    EXPECT_EQ(arc.direction, OS_CLOCKWISE);
    EXPECT_TRUE(Near(arc.sweepAngle, Pi));
    EXPECT_TRUE(Near(arc.startAngle, Pi));
    EXPECT_TRUE(Near(arc.endAngle, 0));
    EXPECT_TRUE(Near(arc.length, 50 * Pi));
    EXPECT_EQ(s.segments[3].x, 110);  // the arc ends at the record two places on
    EXPECT_TRUE(Near(s[OS_AREA], Pi * 2500 / 2 + 110 * 50));
    EXPECT_TRUE(Near(s[OS_MIN_Y], 50));
}

TEST(Osmeca, ArcOnTheNextToLastRowClosesThroughTheFirstPoint) {
    // rows: straight from (100, 100) to (0, 100), then the arc (0,100) -> (50,50) -> (100,100)
    Section s = Integrate({{1, "100", "100"}, {2, "0", "100"}, {1, "50", "50"}});
    ASSERT_NE(s.ok, 0);
    EXPECT_EQ(s.segmentCount, 4);
    EXPECT_EQ(s.segments[1].kind, OS_KIND_ARC);
    EXPECT_EQ(s.segments[2].kind, OS_KIND_ARC_MIDDLE);
    EXPECT_EQ(s.segments[3].kind, OS_KIND_AUXILIARY);
    EXPECT_TRUE(Near(s[OS_AREA], Pi * 2500 / 2));
    EXPECT_TRUE(Near(s[OS_PERIMETER], 100 + 50 * Pi));
}

TEST(Osmeca, ArcsWiderThanAHalfCircleAreExact) {
    // three quarters of a circle of radius 10 round (0, 0), closed by two radii
    Section s = Integrate({{2, "10", "0"}, {1, "-10", "0"}, {1, "0", "-10"}, {1, "0", "0"}});
    ASSERT_NE(s.ok, 0);
    EXPECT_TRUE(Near(s.segments[0].sweepAngle, 1.5 * Pi));
    EXPECT_TRUE(Near(s[OS_AREA], 0.75 * Pi * 100));
    EXPECT_TRUE(Near(s[OS_WIDTH], 20));
    EXPECT_TRUE(Near(s[OS_HEIGHT], 20));
    EXPECT_TRUE(Near(s[OS_PERIMETER], 1.5 * Pi * 10 + 20));
}

TEST(Osmeca, RefusesWhatMakesNoSectionAndWritesNothing) {
    const std::vector<std::vector<Row>> bad = {
        {{1, "0", "0"}, {1, "10", "0"}},                            // two points
        {{1, "0", "0"}, {1, "1e999", "0"}, {1, "0", "10"}},         // not finite
        {{1, "0", "0"}, {1, "1-2", "0"}, {1, "0", "10"}},           // not a number
        {{1, "0", "0"}, {1, "", "0"}, {1, "0", "10"}},              // empty
        {{1, "0", "0"}, {1, "10", "0"}, {1, "0", "10"}, {2, "5", "5"}},  // last row an arc
        {{1, "0", "0"}, {0, "10", "0"}, {1, "0", "10"}},            // type 0
        {{1, "0", "0"}, {3, "10", "0"}, {1, "0", "10"}},            // type 3
        {{2, "0", "0"}, {1, "5", "5"}, {1, "10", "10"}, {1, "0", "20"}},  // collinear arc points
        {{2, "0", "0"}, {1, "5", "5"}, {1, "5", "5"}, {1, "0", "20"}},    // coinciding
        {{1, "0", "0"}, {1, "5", "5"}, {1, "10", "10"}},            // no area
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        Section s = Integrate(bad[i]);
        EXPECT_EQ(s.ok, 0) << i;
        EXPECT_EQ(s.segmentCount, -7) << i;
        EXPECT_EQ(s[OS_AREA], 0) << i;
    }
    SectionResults results{};
    InclinedAxisTable table{};
    int32_t n = 0;
    EXPECT_EQ(osSectionIntegrate(nullptr, nullptr, 3, &n, &results, &table), 0);
    std::vector<SectionInputPoint> many(OS_MAX_POINTS + 1);
    std::vector<SectionSegment> room(OS_MAX_SEGMENTS);
    EXPECT_EQ(osSectionIntegrate(many.data(), room.data(), OS_MAX_POINTS + 1, &n, &results, &table), 0);
}

TEST(Osmeca, FullTableOfTwoHundredPoints) {
    // a regular 200-gon of radius 1000 round (5000, 5000)
    std::vector<Row> rows;
    for (int i = 0; i < OS_MAX_POINTS; ++i) {
        double t = 2 * Pi * i / OS_MAX_POINTS;
        rows.push_back({1, N(std::round(5000 + 1000 * std::cos(t))), N(std::round(5000 + 1000 * std::sin(t)))});
    }
    Section s = Integrate(rows);
    ASSERT_NE(s.ok, 0);
    EXPECT_EQ(s.segmentCount, OS_MAX_SEGMENTS);
    EXPECT_TRUE(Near(s[OS_AREA], Pi * 1e6, 1e-3));
    EXPECT_TRUE(Near(s[OS_CENTROID_X], 5000, 1e-6));
}
