#include "viewer/overlay_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "data/calc_driver.h"
#include "data/calc_state.h"
#include "data/sample_table.h"
#include "platform/message_box_recorder.h"

namespace {

constexpr Rgb RED{255, 0, 0};
constexpr Rgb YELLOW{255, 255, 0};
constexpr Rgb GREEN{30, 224, 20};
constexpr Rgb MAGENTA{224, 50, 224};
constexpr Rgb BLUE_GREY{98, 184, 200};

// L = 13: the default font on a 96-pixels-per-inch screen.
constexpr OverlayView VIEW_96DPI{0, 0, 13};

template <typename T>
std::vector<T> Only(const std::vector<OverlayItem>& items) {
    std::vector<T> found;
    for (const OverlayItem& item : items)
        if (const T* one = std::get_if<T>(&item)) found.push_back(*one);
    return found;
}

// The lines in the segment colour.
std::vector<OverlayLine> Segments(const std::vector<OverlayItem>& items) {
    std::vector<OverlayLine> found;
    for (const OverlayLine& line : Only<OverlayLine>(items))
        if (line.colour == GREEN) found.push_back(line);
    return found;
}

struct Scene {
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    CalcState calc;
    ColourNumbers colours = DEFAULT_COLOUR_NUMBERS;

    void Points(const std::vector<std::array<int, 2>>& points) {
        table.ClearTable();
        for (auto [x, y] : points) table.AddPoint(x, y);
    }

    SectionSegment& Record(int k, int kind, double x, double y) {
        SectionSegment& record = calc.segments[static_cast<std::size_t>(k)];
        record.kind = kind;
        record.x = x;
        record.y = y;
        calc.segmentCount = std::max(calc.segmentCount, k + 1);
        return record;
    }

    // A calculated state with the centroid at (cx, cy), the axis angle theta
    // and the two extents, and records 0 and 1 so that results are drawn.
    void Calculated(double cx, double cy, double theta, double extent43, double extent44) {
        table.workState = WS_CALCULATED;
        Record(0, OS_KIND_AUXILIARY, 0, 0);
        Record(1, OS_KIND_AUXILIARY, 0, 0);
        double* values = calc.sectionResults.values;
        values[OS_CENTROID_X] = cx;
        values[OS_CENTROID_Y] = cy;
        values[OS_THETA] = theta;
        values[OS_EXTENT_MAX_AXIS] = extent43;
        values[OS_EXTENT_MIN_AXIS] = extent44;
    }

    std::vector<OverlayItem> Draw(const OverlayView& view = VIEW_96DPI) const {
        return OverlayGeometry(table, calc, view, colours);
    }
};

}  // namespace

TEST(OverlayGeometry, PointsGetACrossReachingHalfLAndANumberThreeQuartersOff) {
    Scene scene;
    scene.Points({{40, 30}, {100, 50}});
    const std::vector<OverlayItem> items = scene.Draw({5, -7, 13});

    // h = 6, q = 9; every position is moved by the origin (5, -7).
    const std::vector<OverlayItem> expected = {
        OverlayLine{45, 17, 45, 29, RED},  OverlayLine{39, 23, 51, 23, RED},
        OverlayText{54, 14, "1", RED},     OverlayLine{105, 37, 105, 49, RED},
        OverlayLine{99, 43, 111, 43, RED}, OverlayText{114, 34, "2", RED},
    };
    EXPECT_EQ(items, expected);

    // h and q truncate: with L = 15 they are 7 and 11.
    const std::vector<OverlayItem> odd = scene.Draw({0, 0, 15});
    EXPECT_EQ(odd[0], OverlayItem(OverlayLine{40, 23, 40, 37, RED}));
    EXPECT_EQ(odd[2], OverlayItem(OverlayText{51, 19, "1", RED}));
}

TEST(OverlayGeometry, NumbersCountEveryRowIncludingEmptyOnes) {
    Scene scene;
    scene.Points({{40, 30}, {50, 30}, {60, 30}});
    scene.table.rows[1] = BlankSamplePoint();  // a blank row is drawn at the image's corner

    const std::vector<OverlayText> texts = Only<OverlayText>(scene.Draw());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], (OverlayText{9, -9, "2", RED}));
    EXPECT_EQ(texts[2].text, "3");
    EXPECT_EQ(Only<OverlayLine>(scene.Draw())[2], (OverlayLine{0, -6, 0, 6, RED}));
}

TEST(OverlayGeometry, ResultsOnlyWhenCalculatedWithMoreThanOneRecordAndNothingWithoutRows) {
    Scene scene;
    scene.Points({{10, 10}, {60, 10}, {60, 60}});
    ASSERT_TRUE(RunCalculation(scene.table, scene.calc, 1.0, nullptr));
    const std::size_t points = 3 * 3;  // two lines and a number each
    EXPECT_GT(scene.Draw().size(), points);

    for (int state : {WS_IDLE, WS_SAMPLING, WS_MODIFIED, WS_VIEWER_SEARCH, WS_VIEWER_EDIT}) {
        scene.table.workState = state;
        EXPECT_EQ(scene.Draw().size(), points) << "work state " << state;
    }

    scene.table.workState = WS_CALCULATED;
    scene.calc.segmentCount = 1;  // no segments, no centroid, no axes
    EXPECT_EQ(scene.Draw().size(), points);
    scene.calc.segmentCount = 0;
    EXPECT_EQ(scene.Draw().size(), points);

    ASSERT_TRUE(RunCalculation(scene.table, scene.calc, 1.0, nullptr));
    scene.table.ClearTable();  // the earlier results stay, but nothing is drawn
    EXPECT_TRUE(scene.Draw().empty());
    scene.table.count = -3;
    EXPECT_TRUE(scene.Draw().empty());
}

TEST(OverlayGeometry, CalculatedTriangleIsClosedByItsSegments) {
    Scene scene;
    scene.Points({{10, 10}, {60, 10}, {60, 60}});
    ASSERT_TRUE(RunCalculation(scene.table, scene.calc, 1.0, nullptr));

    const std::vector<OverlayLine> expected = {
        {110, 210, 160, 210, GREEN}, {160, 210, 160, 260, GREEN}, {160, 260, 110, 210, GREEN}};
    EXPECT_EQ(Segments(scene.Draw({100, 200, 13})), expected);
    EXPECT_TRUE(Only<OverlayArc>(scene.Draw()).empty());
}

TEST(OverlayGeometry, SegmentPointsTruncateTowardZeroBeforeTheOrigin) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.table.workState = WS_CALCULATED;
    scene.Record(0, OS_KIND_STRAIGHT, -2.7, 3.9);
    scene.Record(1, OS_KIND_STRAIGHT, 7.99, -0.5);
    scene.Record(2, OS_KIND_AUXILIARY, -2.7, 3.9);

    const std::vector<OverlayLine> lines = Only<OverlayLine>(scene.Draw({10, 10, 13}));
    EXPECT_EQ(lines[2], (OverlayLine{8, 13, 17, 10, GREEN}));
    EXPECT_EQ(lines[3], (OverlayLine{17, 10, 8, 13, GREEN}));
}

TEST(OverlayGeometry, OnlyStraightAndArcRecordsWhoseEndWasReturnedDraw) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.table.workState = WS_CALCULATED;
    scene.Record(0, OS_KIND_ARC_MIDDLE, 1, 1);
    scene.Record(1, OS_KIND_AUXILIARY, 2, 2);
    scene.Record(2, 2, 3, 3);
    scene.Record(3, 0, 4, 4);
    EXPECT_TRUE(Segments(scene.Draw()).empty());
    EXPECT_TRUE(Only<OverlayArc>(scene.Draw()).empty());

    scene.Record(0, OS_KIND_STRAIGHT, 0, 0);
    scene.Record(1, OS_KIND_ARC, 10, 0).radius = 5;  // its end would be record 3
    scene.Record(2, OS_KIND_STRAIGHT, 10, 10);        // its end would be record 3
    // A record beyond the count must not be read either.
    scene.Record(3, OS_KIND_STRAIGHT, 99, 99);
    scene.calc.segmentCount = 3;

    EXPECT_EQ(Segments(scene.Draw()), (std::vector<OverlayLine>{{0, 0, 10, 0, GREEN}}));
    EXPECT_TRUE(Only<OverlayArc>(scene.Draw()).empty());
}

TEST(OverlayGeometry, CountsBeyondTheBuffersAreClamped) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.table.count = SAMPLE_CAPACITY + 50;
    scene.table.workState = WS_CALCULATED;
    scene.calc.segmentCount = OS_MAX_SEGMENTS + 50;
    const std::vector<OverlayItem> items = scene.Draw();
    EXPECT_EQ(Only<OverlayText>(items).size(), std::size_t(SAMPLE_CAPACITY) + 1);  // and "C"
    EXPECT_EQ(Only<OverlayText>(items)[SAMPLE_CAPACITY - 1].text, "200");
}

TEST(OverlayGeometry, CentroidCrossAndLetterTruncateTowardZero) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.Calculated(30.9, 40.2, 0, 0, 0);
    const std::vector<OverlayItem> items = scene.Draw({-3, 4, 13});
    // After the point's cross and number, the centroid's cross and its "C".
    ASSERT_EQ(items.size(), 3u + 3u + 2u);
    EXPECT_EQ(items[3], OverlayItem(OverlayLine{27, 38, 27, 50, YELLOW}));
    EXPECT_EQ(items[4], OverlayItem(OverlayLine{21, 44, 33, 44, YELLOW}));
    EXPECT_EQ(items[5], OverlayItem(OverlayText{36, 35, "C", YELLOW}));
}

TEST(OverlayGeometry, AxesAtThetaZeroAreHorizontalAndVertical) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.Calculated(100.5, 80.5, 0, 120, 80);  // a = 60 from the larger extent
    const std::vector<OverlayLine> lines = Only<OverlayLine>(scene.Draw({10, 20, 13}));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], (OverlayLine{170, 100, 50, 100, MAGENTA}));
    EXPECT_EQ(lines.back(), (OverlayLine{110, 160, 110, 40, BLUE_GREY}));

    scene.Calculated(100.5, 80.5, 0, 80, 120);  // either entry may be the larger
    EXPECT_EQ(Only<OverlayLine>(scene.Draw({10, 20, 13})).back(),
              (OverlayLine{110, 160, 110, 40, BLUE_GREY}));
}

TEST(OverlayGeometry, AxesAtThirtyDegreesTiltClockwise) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.Calculated(100, 100, 30, 120, 80);
    const std::vector<OverlayLine> lines = Only<OverlayLine>(scene.Draw());
    const OverlayLine strong = lines[lines.size() - 2];
    const OverlayLine weak = lines.back();

    // P = 60 cos 30 = 51.96..., Q = 60 sin 30 = 29.99999...; each end truncated.
    EXPECT_EQ(strong, (OverlayLine{151, 129, 48, 70, MAGENTA}));
    EXPECT_EQ(weak, (OverlayLine{70, 151, 129, 48, BLUE_GREY}));
    EXPECT_GT(strong.y1, strong.y2);  // the right end lies lower on the screen
    EXPECT_GT(strong.x1, strong.x2);
}

TEST(OverlayGeometry, AxisAngleUsesTheShortPi) {
    // With theta = 90 the short pi leaves cos t slightly positive: a = 1e9
    // makes P = 26.8, which a longer pi would not give.
    Scene scene;
    scene.Points({{0, 0}});
    scene.Calculated(0, 0, 90, 2e9, 0);
    const OverlayLine strong = Only<OverlayLine>(scene.Draw())[4];  // after two crosses
    const double p = 1e9 * std::cos(90 * 3.1415926 / 180);
    EXPECT_EQ(strong.x1, static_cast<int>(p));
    EXPECT_GT(strong.x1, 20);
}

TEST(OverlayGeometry, ArcSquareAndEndsFollowTheDirection) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.table.workState = WS_CALCULATED;
    SectionSegment& arc = scene.Record(0, OS_KIND_ARC, 10.6, 50.2);
    arc.centreX = 50.5;
    arc.centreY = 50.25;
    arc.radius = 39.9;
    arc.direction = OS_CLOCKWISE;
    scene.Record(1, OS_KIND_ARC_MIDDLE, 50.5, 10.3);
    scene.Record(2, OS_KIND_STRAIGHT, 90.4, 50.3);
    scene.Record(3, OS_KIND_AUXILIARY, 10.6, 50.2);

    // Square: 10.6 .. 90.4 and 10.35 .. 90.15, truncated, then moved by (2, 3).
    std::vector<OverlayArc> arcs = Only<OverlayArc>(scene.Draw({2, 3, 13}));
    ASSERT_EQ(arcs.size(), 1u);
    // Clockwise from the first point to the third: drawn from the third back.
    EXPECT_EQ(arcs[0], (OverlayArc{12, 13, 92, 93, 92, 53, 12, 53, GREEN}));

    arc.direction = OS_COUNTER_CLOCKWISE;
    arcs = Only<OverlayArc>(scene.Draw({2, 3, 13}));
    EXPECT_EQ(arcs[0], (OverlayArc{12, 13, 92, 93, 12, 53, 92, 53, GREEN}));
    arc.direction = -5;  // any non-zero value is counter-clockwise
    EXPECT_EQ(Only<OverlayArc>(scene.Draw({2, 3, 13}))[0], arcs[0]);
}

TEST(OverlayGeometry, ArcAnglesCountCounterClockwiseOnTheScreen) {
    OverlayArc arc{0, 0, 100, 100, 100, 50, 50, 0, {}};  // from 3 o'clock to 12 o'clock
    EXPECT_DOUBLE_EQ(ArcStartDegrees(arc), 0);
    EXPECT_DOUBLE_EQ(ArcSweepDegrees(arc), 90);
    arc = {0, 0, 100, 100, 50, 0, 100, 50, {}};  // from 12 o'clock the long way to 3 o'clock
    EXPECT_DOUBLE_EQ(ArcStartDegrees(arc), 90);
    EXPECT_DOUBLE_EQ(ArcSweepDegrees(arc), 270);
    arc = {0, 0, 100, 100, 50, 100, 0, 50, {}};  // 6 o'clock over 3 and 12 to 9 o'clock
    EXPECT_DOUBLE_EQ(ArcStartDegrees(arc), 270);
    EXPECT_DOUBLE_EQ(ArcSweepDegrees(arc), 270);
    arc = {0, 0, 100, 100, 0, 50, 50, 100, {}};  // 9 o'clock to 6 o'clock
    EXPECT_DOUBLE_EQ(ArcStartDegrees(arc), 180);
    EXPECT_DOUBLE_EQ(ArcSweepDegrees(arc), 90);
    arc = {0, 0, 100, 100, 90, 50, 70, 50, {}};  // one ray: the whole circle
    EXPECT_DOUBLE_EQ(ArcSweepDegrees(arc), 360);
}

TEST(OverlayGeometry, ColoursFollowTheirPositionsAndBadNumbersFallBack) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.Calculated(10, 10, 0, 20, 20);
    scene.Record(2, OS_KIND_STRAIGHT, 0, 0);
    scene.Record(3, OS_KIND_AUXILIARY, 5, 5);
    scene.colours = {0, 1, 3, 4, 5, 7};
    std::vector<OverlayItem> items = scene.Draw();
    auto colourOf = [](const OverlayItem& item) {
        return std::visit([](const auto& one) { return one.colour; }, item);
    };
    std::vector<Rgb> colours;
    for (const OverlayItem& item : items) colours.push_back(colourOf(item));
    const std::vector<Rgb> expected = {
        COLOUR_TABLE[0], COLOUR_TABLE[0], COLOUR_TABLE[1],  // point cross and number
        COLOUR_TABLE[4],                                    // segment
        COLOUR_TABLE[3], COLOUR_TABLE[3], COLOUR_TABLE[3],  // centroid cross and C
        COLOUR_TABLE[5], COLOUR_TABLE[7],                   // strong and weak axis
    };
    EXPECT_EQ(colours, expected);

    // Numbers from a damaged settings file never index outside the table.
    scene.colours = {-1, 20, 1000000, -2147483647 - 1, 19, 2147483647};
    colours.clear();
    for (const OverlayItem& item : scene.Draw()) colours.push_back(colourOf(item));
    EXPECT_EQ(colours, (std::vector<Rgb>{RED, RED, RED, GREEN, YELLOW, YELLOW, YELLOW,
                                         COLOUR_TABLE[19], BLUE_GREY}));
}

TEST(OverlayGeometry, HugeOrInvalidResultsStayInRange) {
    Scene scene;
    scene.Points({{0, 0}});
    scene.Calculated(NAN, 1e300, 0, 0, 0);
    std::vector<OverlayLine> lines = Only<OverlayLine>(scene.Draw({100, 100, 13}));
    ASSERT_EQ(lines.size(), 6u);
    // NaN reads as 0; 1e300 saturates instead of wrapping around, and so
    // does the cross around it.
    EXPECT_EQ(lines[2], (OverlayLine{100, (1 << 24) - 6, 100, (1 << 24) + 6, YELLOW}));

    scene.Calculated(10, 10, 0, INFINITY, 0);  // an infinite axis ends far off the screen
    lines = Only<OverlayLine>(scene.Draw({100, 100, 13}));
    EXPECT_EQ(lines[4].x1, 1 << 24);
    EXPECT_EQ(lines[4].x2, -(1 << 24));
}
