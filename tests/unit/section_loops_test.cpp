// Outlines of several loops: parts add, holes subtract whatever way they
// were clicked, each loop closes on itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "figure_pictures.h"

namespace {

constexpr double Pi = std::numbers::pi;

using figpic::Integrated;
using figpic::Joined;
using figpic::Section;
using Rows = std::vector<figpic::TraceRow>;

// The loop the other way round from the same first point; the types keep
// their places (right for polygons and for circles of quarter arcs).
Rows Reversed(const Rows& rows) {
    Rows reversed = rows;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        reversed[i].x = rows[rows.size() - i].x;
        reversed[i].y = rows[rows.size() - i].y;
    }
    return reversed;
}

// Clockwise on the screen (Y downward).
Rows Rectangle(double x0, double y0, double x1, double y1) {
    return {{1, x0, y0}, {1, x1, y0}, {1, x1, y1}, {1, x0, y1}};
}

// A circle of radius c as four quarter arcs, the middle points at (a, b)
// from the centre and turned by quarters; whole when a^2 + b^2 = c^2 are.
Rows Circle(double cx, double cy, double c, double a, double b) {
    return {{2, cx + c, cy}, {1, cx + a, cy + b}, {2, cx, cy + c}, {1, cx - b, cy + a},
            {2, cx - c, cy}, {1, cx - a, cy - b}, {2, cx, cy - c}, {1, cx + b, cy - a}};
}

// The independent figure: area integrals (of 1, x, y, x^2, y^2, xy) of
// whole regions, by the textbook formulas.
struct Moments {
    double a = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
};

// A region of area a and centroid (cx, cy) whose own centroidal integrals
// of x^2 and y^2 are kx and ky.
Moments Region(double a, double cx, double cy, double kx, double ky) {
    return {a, a * cx, a * cy, a * cx * cx + kx, a * cy * cy + ky, a * cx * cy};
}
Moments Disc(double cx, double cy, double r) {
    return Region(Pi * r * r, cx, cy, Pi * r * r * r * r / 4, Pi * r * r * r * r / 4);
}
Moments Box(double x0, double y0, double x1, double y1) {
    const double w = x1 - x0, h = y1 - y0;
    return Region(w * h, (x0 + x1) / 2, (y0 + y1) / 2, w * w * w * h / 12, w * h * h * h / 12);
}

void ExpectNear(double actual, double expected, double relative, const char* what) {
    EXPECT_LE(std::fabs(actual - expected), relative * std::max(1.0, std::fabs(expected)))
        << what << ": " << actual << " is not " << expected;
}

// Centroidal moments of parts minus holes, from their integrals.
void ExpectSection(const Section& s, const Moments& m, double relative) {
    ASSERT_TRUE(s.ok);
    const double xc = m.sx / m.a, yc = m.sy / m.a;
    ExpectNear(s[OS_AREA], m.a, relative, "area");
    ExpectNear(s[OS_CENTROID_X], xc, relative, "xC");
    ExpectNear(s[OS_CENTROID_Y], yc, relative, "yC");
    ExpectNear(s[OS_I_VERTICAL], m.sxx - m.a * xc * xc, relative, "I about the vertical axis");
    ExpectNear(s[OS_I_HORIZONTAL], m.syy - m.a * yc * yc, relative, "I about the horizontal axis");
    const double scale = std::sqrt((m.sxx - m.a * xc * xc) * (m.syy - m.a * yc * yc));
    EXPECT_LE(std::fabs(s[OS_PRODUCT] - (m.sxy - m.a * xc * yc)), relative * scale) << "product moment";
}

Moments Combined(std::initializer_list<std::pair<double, Moments>> parts) {
    Moments sum;
    for (const auto& [sign, m] : parts) {
        sum = {sum.a + sign * m.a,     sum.sx + sign * m.sx,   sum.sy + sign * m.sy,
               sum.sxx + sign * m.sxx, sum.syy + sign * m.syy, sum.sxy + sign * m.sxy};
    }
    return sum;
}

bool SameBytes(const Section& a, const Section& b) {
    return std::memcmp(&a.results, &b.results, sizeof a.results) == 0 &&
           std::memcmp(&a.table, &b.table, sizeof a.table) == 0;
}

}  // namespace

TEST(SectionLoops, SquareWithASquareHoleWhicheverWayEachWasClicked) {
    const Rows outer = Rectangle(0, 0, 100, 100), hole = Rectangle(30, 20, 70, 60);
    const Section s = Integrated(Joined({outer, hole}));
    ExpectSection(s, Combined({{1, Box(0, 0, 100, 100)}, {-1, Box(30, 20, 70, 60)}}), 1e-12);
    EXPECT_EQ(s[OS_PERIMETER], 400 + 160);
    EXPECT_NEAR(s[OS_H_LOWER], 100 - s[OS_CENTROID_Y], 1e-12);  // extreme fibres over the outer loop

    // Each loop closes on its own first point, with a closing record there.
    ASSERT_EQ(s.segmentCount, 10);
    EXPECT_EQ(s[OS_SEGMENT_COUNT], 10);
    EXPECT_EQ(s.segments[3].endX, 0);
    EXPECT_EQ(s.segments[9].x, 30);

    // Either loop clicked the other way round: the same bytes.
    EXPECT_TRUE(SameBytes(s, Integrated(Joined({outer, Reversed(hole)}))));
    EXPECT_TRUE(SameBytes(s, Integrated(Joined({Reversed(outer), hole}))));
    // The hole first: the same section (another origin, so rounding may differ).
    ExpectNear(Integrated(Joined({hole, outer}))[OS_I_HORIZONTAL], s[OS_I_HORIZONTAL], 1e-12, "I");

    // Two loops side by side are two parts: both add, the extents span both.
    const Section pair = Integrated(Joined({Rectangle(0, 0, 10, 40), Reversed(Rectangle(30, 0, 40, 40))}));
    ExpectSection(pair, Combined({{1, Box(0, 0, 10, 40)}, {1, Box(30, 0, 40, 40)}}), 1e-12);
    EXPECT_EQ(pair[OS_WIDTH], 40);
    // A loop without area is refused.
    EXPECT_FALSE(Integrated(Joined({outer, {{1, 20, 0}, {1, 30, 0}, {1, 40, 0}}})).ok);
}

TEST(SectionLoops, RingAndRingWithACoreInItsHoleAgreeWithTheirFormulas) {
    const Rows outer = Circle(500, 400, 100, 80, 60), hole = Circle(510, 395, 65, 52, 39);
    const Moments ring = Combined({{1, Disc(500, 400, 100)}, {-1, Disc(510, 395, 65)}});
    const Section s = Integrated(Joined({outer, Reversed(hole)}));
    ExpectSection(s, ring, 1e-6);
    ExpectNear(s[OS_PERIMETER], 2 * Pi * 165, 1e-12, "perimeter");

    // Three levels: the core inside the hole is solid again.
    const Moments cored = Combined({{1, ring}, {1, Box(495, 380, 525, 410)}});
    ExpectSection(Integrated(Joined({Rectangle(495, 380, 525, 410), Reversed(outer), hole})), cored, 1e-6);
}

TEST(SectionLoops, PublishedHollowSectionsToTheirPrintedDigits) {
    // Coordinates in 0.1 mm: areas in 1e-4 cm^2, second moments in 1e-8 cm^4.
    auto cm2 = [](const Section& s) { return std::round(s[OS_AREA] * 1e-4 * 10) / 10; };
    auto cm4 = [](double i) { return std::round(i * 1e-8); };

    // Tube 168.3 x 8.
    const double half = std::sqrt(0.5);
    const Section tube = Integrated(Joined({Circle(2000, 2000, 841.5, 841.5 * half, 841.5 * half),
                                            Circle(2000, 2000, 761.5, 761.5 * half, 761.5 * half)}));
    ASSERT_TRUE(tube.ok);
    EXPECT_EQ(cm2(tube), 40.3);
    EXPECT_EQ(cm4(tube[OS_I_MAX]), 1297);
    EXPECT_EQ(cm4(tube[OS_I_MIN]), 1297);

    // Hollow rectangle 200 x 100 x 8, hot finished: corners 12 outside, 8 inside.
    const Section box = Integrated(Joined({figpic::RoundedRectRows(2000, 2500, 4000, 3500, 120),
                                           figpic::RoundedRectRows(2080, 2580, 3920, 3420, 80)}));
    ASSERT_TRUE(box.ok);
    EXPECT_EQ(cm2(box), 44.8);
    EXPECT_EQ(cm4(box[OS_I_MAX]), 2234);
    EXPECT_EQ(cm4(box[OS_I_MIN]), 739);
    EXPECT_EQ(box[OS_THETA], 90);
}

TEST(SectionLoops, TenLoopsFillTheWholeTable) {
    // 200 rows: 9 loops of 19 points and one of 20, 9 breaks.
    Rows rows;
    for (int k = 0; k < 10; ++k) {
        const int n = k == 9 ? 20 : 19;
        Rows loop;
        for (int i = 0; i < n; ++i)
            loop.push_back(
                {1, 1000 + k * 300 + 100 * std::cos(2 * Pi * i / n), 1000 + 100 * std::sin(2 * Pi * i / n)});
        rows = k == 0 ? loop : Joined({rows, loop});
    }
    ASSERT_EQ(rows.size(), std::size_t(OS_MAX_POINTS));
    const Section s = Integrated(rows);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.segmentCount, OS_MAX_SEGMENTS);
    EXPECT_EQ(s.segments[OS_MAX_SEGMENTS - 1].kind, OS_KIND_AUXILIARY);
}
