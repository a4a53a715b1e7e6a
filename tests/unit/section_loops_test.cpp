// Outlines of several loops: parts add, holes subtract whatever way they
// were clicked, each loop closes on itself; and what the rows' breaks refuse.
#include <gtest/gtest.h>

#include <algorithm>
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
    double x;
    double y;
};
using Rows = std::vector<Row>;

const Row kBreak{OS_TYPE_LOOP_BREAK, 0, 0};

struct Section {
    int32_t ok = 0;
    int32_t segmentCount = 0;
    std::vector<SectionSegment> segments = std::vector<SectionSegment>(OS_MAX_SEGMENTS);
    SectionResults results{};
    InclinedAxisTable table{};
    double operator[](int index) const { return results.values[index]; }
};

// Texts as the edit window stores them, at most 8 characters; a break's blank.
Section Integrate(const Rows& rows) {
    std::vector<SectionInputPoint> inputs(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SectionInputPoint& in = inputs[i];
        std::memset(&in, 0, sizeof in);
        in.type = rows[i].type;
        for (auto [value, field] : {std::pair{rows[i].x, in.xText}, std::pair{rows[i].y, in.yText}}) {
            char text[32] = "        ";
            // as many digits as 8 characters hold
            for (int digits = 8; rows[i].type != OS_TYPE_LOOP_BREAK && digits > 0; --digits)
                if (std::snprintf(text, sizeof text, "%8.*g", digits, value) <= 8) break;
            std::memcpy(field, text, 8);
        }
    }
    Section s;
    s.ok = osSectionIntegrate(inputs.data(), s.segments.data(), int32_t(rows.size()), &s.segmentCount,
                              &s.results, &s.table);
    return s;
}

Rows Join(std::initializer_list<Rows> loops) {
    Rows rows;
    for (const Rows& loop : loops) {
        if (!rows.empty()) rows.push_back(kBreak);
        rows.insert(rows.end(), loop.begin(), loop.end());
    }
    return rows;
}

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

// A circle of radius c as four quarter arcs through whole points, with
// a^2 + b^2 = c^2: exact in the rows' texts.
Rows WholeCircle(double cx, double cy, double c, double a, double b) {
    return {{2, cx + c, cy}, {1, cx + a, cy + b}, {2, cx, cy + c}, {1, cx - b, cy + a},
            {2, cx - c, cy}, {1, cx - a, cy - b}, {2, cx, cy - c}, {1, cx + b, cy - a}};
}

// A circle as four quarter arcs; points beyond 8 characters are rounded.
Rows Circle(double cx, double cy, double r) {
    Rows rows;
    for (int k = 0; k < 8; ++k) {
        const double a = k * Pi / 4;
        rows.push_back({k % 2 == 0 ? 2 : 1, cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return rows;
}

// A rectangle of outside size w x h centred on (cx, cy) with corner arcs of
// radius r, each arc given by its ends and its middle point.
Rows RoundedRectangle(double cx, double cy, double w, double h, double r) {
    Rows rows;
    const double s = std::sqrt(0.5);
    // corner centres and the angle each corner's arc starts at, clockwise on the screen
    const double corners[4][3] = {{cx + w / 2 - r, cy - h / 2 + r, -Pi / 2},
                                  {cx + w / 2 - r, cy + h / 2 - r, 0},
                                  {cx - w / 2 + r, cy + h / 2 - r, Pi / 2},
                                  {cx - w / 2 + r, cy - h / 2 + r, Pi}};
    for (const auto& [x, y, a] : corners) {
        rows.push_back({2, x + r * std::cos(a), y + r * std::sin(a)});
        rows.push_back({1, x + r * (std::cos(a) - std::sin(a)) * s, y + r * (std::sin(a) + std::cos(a)) * s});
        rows.push_back({1, x + r * std::cos(a + Pi / 2), y + r * std::sin(a + Pi / 2)});
    }
    return rows;
}

// An independent figure: the area integrals of a polygon by the shoelace
// formula, for loops polygonised finely.
struct Moments {
    double a = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
};

Moments Shoelace(const std::vector<std::pair<double, double>>& polygon) {
    Moments m;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const auto [x0, y0] = polygon[i];
        const auto [x1, y1] = polygon[(i + 1) % polygon.size()];
        const double c = x0 * y1 - x1 * y0;
        m.a += c / 2;
        m.sx += (x0 + x1) * c / 6;
        m.sy += (y0 + y1) * c / 6;
        m.sxx += (x0 * x0 + x0 * x1 + x1 * x1) * c / 12;
        m.syy += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12;
        m.sxy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * c / 24;
    }
    // as a region, whatever the direction
    if (m.a < 0) m = {-m.a, -m.sx, -m.sy, -m.sxx, -m.syy, -m.sxy};
    return m;
}

std::vector<std::pair<double, double>> CirclePolygon(double cx, double cy, double r, int n) {
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k < n; ++k)
        points.emplace_back(cx + r * std::cos(2 * Pi * k / n), cy + r * std::sin(2 * Pi * k / n));
    return points;
}

void ExpectNear(double actual, double expected, double relative, const char* what) {
    EXPECT_LE(std::fabs(actual - expected), relative * std::max(1.0, std::fabs(expected)))
        << what << ": " << actual << " is not " << expected;
}

// Centroidal moments of parts minus holes, from their integrals.
void ExpectSection(const Section& s, const Moments& m, double relative) {
    ASSERT_NE(s.ok, 0);
    const double xc = m.sx / m.a, yc = m.sy / m.a;
    ExpectNear(s[OS_AREA], m.a, relative, "area");
    ExpectNear(s[OS_CENTROID_X], xc, relative, "xC");
    ExpectNear(s[OS_CENTROID_Y], yc, relative, "yC");
    ExpectNear(s[OS_I_VERTICAL], m.sxx - m.a * xc * xc, relative, "I about the vertical axis");
    ExpectNear(s[OS_I_HORIZONTAL], m.syy - m.a * yc * yc, relative, "I about the horizontal axis");
    const double scale = std::sqrt((m.sxx - m.a * xc * xc) * (m.syy - m.a * yc * yc));
    EXPECT_LE(std::fabs(s[OS_PRODUCT] - (m.sxy - m.a * xc * yc)), relative * scale) << "product moment";
}

Moments Minus(Moments a, const Moments& b) {
    return {a.a - b.a, a.sx - b.sx, a.sy - b.sy, a.sxx - b.sxx, a.syy - b.syy, a.sxy - b.sxy};
}
Moments Plus(Moments a, const Moments& b) {
    return {a.a + b.a, a.sx + b.sx, a.sy + b.sy, a.sxx + b.sxx, a.syy + b.syy, a.sxy + b.sxy};
}

bool SameBytes(const Section& a, const Section& b) {
    return std::memcmp(&a.results, &b.results, sizeof a.results) == 0 &&
           std::memcmp(&a.table, &b.table, sizeof a.table) == 0;
}

}  // namespace

TEST(SectionLoops, SquareWithASquareHoleWhicheverWayEachWasClicked) {
    const Rows outer = Rectangle(0, 0, 100, 100), hole = Rectangle(30, 20, 70, 60);
    const Section s = Integrate(Join({outer, hole}));
    ASSERT_NE(s.ok, 0);
    EXPECT_EQ(s[OS_AREA], 10000 - 1600);
    EXPECT_EQ(s[OS_PERIMETER], 400 + 160);
    EXPECT_EQ(s[OS_WIDTH], 100);
    EXPECT_EQ(s[OS_HEIGHT], 100);
    const double yc = (10000 * 50 - 1600 * 40) / 8400.0;
    EXPECT_NEAR(s[OS_CENTROID_X], 50, 1e-12);
    EXPECT_NEAR(s[OS_CENTROID_Y], yc, 1e-12);
    const double iyy =
        1e8 / 12 + 10000 * (50 - yc) * (50 - yc) - (40.0 * 40 * 40 * 40 / 12 + 1600 * (40 - yc) * (40 - yc));
    EXPECT_NEAR(s[OS_I_HORIZONTAL], iyy, 1e-6);
    EXPECT_NEAR(s[OS_I_VERTICAL], 1e8 / 12 - 40.0 * 40 * 40 * 40 / 12, 1e-6);
    EXPECT_NEAR(s[OS_H_UPPER], yc, 1e-12);  // extreme fibres over the outer loop
    EXPECT_NEAR(s[OS_H_LOWER], 100 - yc, 1e-12);

    // Records: each loop's rows, then its closing record at its own first point.
    ASSERT_EQ(s.segmentCount, 10);
    EXPECT_EQ(s[OS_SEGMENT_COUNT], 10);
    EXPECT_EQ(s[OS_POINT_COUNT], 9);
    EXPECT_EQ(s.segments[4].kind, OS_KIND_AUXILIARY);
    EXPECT_EQ(s.segments[4].x, 0);
    EXPECT_EQ(s.segments[3].endX, 0);  // the outer loop closes on itself
    EXPECT_EQ(s.segments[8].endX, 30);
    EXPECT_EQ(s.segments[8].endY, 20);
    EXPECT_EQ(s.segments[9].kind, OS_KIND_AUXILIARY);
    EXPECT_EQ(s.segments[9].x, 30);

    // Either loop clicked the other way round: the same bytes.
    EXPECT_TRUE(SameBytes(s, Integrate(Join({outer, Reversed(hole)}))));
    EXPECT_TRUE(SameBytes(s, Integrate(Join({Reversed(outer), hole}))));
    // The hole first: the same section (another origin, so rounding may differ).
    const Section holeFirst = Integrate(Join({hole, outer}));
    ExpectNear(holeFirst[OS_AREA], 8400, 1e-12, "area");
    ExpectNear(holeFirst[OS_I_HORIZONTAL], iyy, 1e-12, "I");
}

TEST(SectionLoops, RingAndRingWithACoreInItsHoleAgreeWithAFinePolygon) {
    const Rows outer = WholeCircle(500, 400, 100, 80, 60), hole = WholeCircle(510, 395, 65, 52, 39);
    const Rows core = Rectangle(495, 380, 525, 410);
    constexpr int kFine = 200000;
    const Moments ring =
        Minus(Shoelace(CirclePolygon(500, 400, 100, kFine)), Shoelace(CirclePolygon(510, 395, 65, kFine)));
    const Section s = Integrate(Join({outer, Reversed(hole)}));
    ExpectSection(s, ring, 1e-6);
    ExpectNear(s[OS_PERIMETER], 2 * Pi * 165, 1e-12, "perimeter");
    EXPECT_EQ(s[OS_ARC_COUNT], 8);

    // Three levels: the core inside the hole is solid again.
    const Moments cored = Plus(ring, Shoelace({{495, 380}, {525, 380}, {525, 410}, {495, 410}}));
    ExpectSection(Integrate(Join({outer, hole, core})), cored, 1e-6);
    ExpectSection(Integrate(Join({core, Reversed(outer), hole})), cored, 1e-6);
}

TEST(SectionLoops, TwoSeparateRectanglesAddUp) {
    const Section s = Integrate(Join({Rectangle(0, 0, 10, 40), Reversed(Rectangle(30, 0, 40, 40))}));
    ASSERT_NE(s.ok, 0);
    EXPECT_EQ(s[OS_AREA], 800);
    EXPECT_EQ(s[OS_PERIMETER], 200);
    EXPECT_EQ(s[OS_WIDTH], 40);
    EXPECT_NEAR(s[OS_CENTROID_X], 20, 1e-12);
    EXPECT_NEAR(s[OS_I_VERTICAL], 2 * (40.0 * 1000 / 12 + 400 * 15 * 15), 1e-6);
    EXPECT_NEAR(s[OS_I_HORIZONTAL], 2 * 10.0 * 64000 / 12, 1e-6);
    EXPECT_NEAR(s[OS_B_LEFT], 20, 1e-12);
    EXPECT_NEAR(s[OS_EXTENT_MAX_AXIS] * s[OS_EXTENT_MIN_AXIS], 1600, 1e-6);
}

TEST(SectionLoops, PublishedHollowSectionsToTheirPrintedDigits) {
    // Coordinates in 0.1 mm: areas in 1e-4 cm^2, second moments in 1e-8 cm^4.
    auto cm2 = [](const Section& s) { return std::round(s[OS_AREA] * 1e-4 * 10) / 10; };
    auto cm4 = [](double i) { return std::round(i * 1e-8); };

    // Tube 168.3 x 8.
    const Section tube = Integrate(Join({Circle(2000, 2000, 841.5), Circle(2000, 2000, 761.5)}));
    ASSERT_NE(tube.ok, 0);
    EXPECT_EQ(cm2(tube), 40.3);
    EXPECT_EQ(cm4(tube[OS_I_MAX]), 1297);
    EXPECT_EQ(cm4(tube[OS_I_MIN]), 1297);

    // Hollow rectangle 200 x 100 x 8, hot finished: corners 12 outside, 8 inside.
    const Section box = Integrate(Join({RoundedRectangle(3000, 3000, 2000, 1000, 120),
                                        RoundedRectangle(3000, 3000, 2000 - 160, 1000 - 160, 80)}));
    ASSERT_NE(box.ok, 0);
    EXPECT_EQ(cm2(box), 44.8);
    EXPECT_EQ(cm4(box[OS_I_MAX]), 2234);
    EXPECT_EQ(cm4(box[OS_I_MIN]), 739);
    EXPECT_EQ(box[OS_THETA], 90);
}

TEST(SectionLoops, MisplacedBreaksAndShortLoopsAreRefused) {
    const Rows square = Rectangle(0, 0, 10, 10), other = Rectangle(20, 0, 30, 10);
    const Rows triangle = {{1, 20, 0}, {1, 30, 0}, {1, 25, 8}};
    ASSERT_NE(Integrate(Join({square, triangle})).ok, 0);  // three points are a loop

    auto refused = [](Rows rows) { return Integrate(rows).ok == 0; };
    Rows first = square;
    first.insert(first.begin(), kBreak);
    EXPECT_TRUE(refused(first));
    Rows last = square;
    last.push_back(kBreak);
    EXPECT_TRUE(refused(last));
    Rows twice = Join({square, other});
    twice.insert(twice.begin() + 4, kBreak);
    EXPECT_TRUE(refused(twice));
    EXPECT_TRUE(refused(Join({square, {{1, 20, 0}, {1, 30, 0}}})));           // two points
    EXPECT_TRUE(refused(Join({square, {{2, 20, 0}, {1, 25, 5}}})));           // a lone arc
    EXPECT_TRUE(refused(Join({{{1, 0, 0}, {1, 10, 0}, {2, 5, 5}}, other})));  // a loop ends on an arc's start
    EXPECT_TRUE(refused(Join({square, {{1, 20, 0}, {1, 30, 0}, {1, 40, 0}}})));  // no area
    EXPECT_TRUE(refused(Join({square, {{3, 20, 0}, {1, 30, 0}, {1, 25, 8}}})));  // type 3
}

TEST(SectionLoops, TenLoopsFillTheWholeTable) {
    // Ten rings' worth of loops in 200 rows: 10 x 19 points and 9 breaks, plus one.
    Rows rows;
    for (int k = 0; k < 10; ++k) {
        Rows loop;
        for (int i = 0; i < (k == 9 ? 20 : 19); ++i) {
            const double a = 2 * Pi * i / (k == 9 ? 20 : 19);
            loop.push_back({1, 1000 + k * 300 + 100 * std::cos(a), 1000 + 100 * std::sin(a)});
        }
        rows = rows.empty() ? loop : Join({rows, loop});
    }
    ASSERT_EQ(rows.size(), std::size_t(OS_MAX_POINTS));
    const Section s = Integrate(rows);
    ASSERT_NE(s.ok, 0);
    EXPECT_EQ(s.segmentCount, OS_MAX_SEGMENTS);
    EXPECT_EQ(s.segments[OS_MAX_SEGMENTS - 1].kind, OS_KIND_AUXILIARY);
    EXPECT_NEAR(s[OS_WIDTH], 3800 - (1000 + 100 * std::cos(2 * Pi * 9 / 19)), 1e-4);  // texts hold 4 decimals
}
