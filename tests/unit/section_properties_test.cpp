// Section properties against hand-worked values, the property report as it
// lands on disk, and veldrio-calc's --properties and --json.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "data/calc_driver.h"
#include "data/fibre_span.h"
#include "data/properties_report.h"
#include "data/report_printing.h"
#include "platform/message_box_recorder.h"
#include "platform/text_codec.h"
#include "temp_dir.h"

namespace {

constexpr double PI = std::numbers::pi;

// Rows "type, x, y" calculated at R; the test fails when they do not calculate.
struct Section {
    SampleTable table;
    CalcState state;
    Section(std::vector<std::tuple<int, int, int>> rows, double R = 1.0) {
        platform::MessageBoxRecorder quiet;
        for (auto [type, x, y] : rows) {
            table.AddPoint(x, y);
            table.rows[table.count - 1].type = type;
        }
        EXPECT_TRUE(Calculate(table, state, R, nullptr)) << (quiet.calls.empty() ? "" : quiet.calls[0].text);
    }
    SectionProperties Dots() const {
        return PropertiesFromResults(state.sectionResults, state.segments.data(), state.segmentCount);
    }
};

void ExpectRelative(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected))) << what;
}

}  // namespace

TEST(SectionProperties, RectangleModuliAreBhSquaredOverSix) {
    // 30 wide, 10 high: the strong axis is the vertical one.
    Section s({{1, 10, 20}, {1, 40, 20}, {1, 40, 30}, {1, 10, 30}});
    const SectionProperties p = s.Dots();
    ExpectRelative(p.ixx, 30.0 * 1000 / 12, "ixx");
    ExpectRelative(p.iyy, 10.0 * 27000 / 12, "iyy");
    EXPECT_EQ(p.ixy, 0);
    ExpectRelative(p.polar, p.ixx + p.iyy, "polar");
    ExpectRelative(p.cMajorPositive, 15, "c major");
    ExpectRelative(p.cMajorNegative, 15, "c major other side");
    ExpectRelative(p.zMajor(), 10.0 * 30 * 30 / 6, "z major");
    ExpectRelative(p.zMinor(), 30.0 * 10 * 10 / 6, "z minor");
    ExpectRelative(p.rMinor, 10 / std::sqrt(12.0), "r minor");
}

TEST(SectionProperties, CircleTracedAsThreeArcs) {
    // Radius 50 about (100, 100); the extreme fibres lie inside the arcs, not at clicked points.
    Section s({{2, 150, 100}, {1, 130, 140}, {2, 70, 140}, {1, 50, 100}, {2, 70, 60}, {1, 130, 60}});
    const SectionProperties p = s.Dots();
    const double r = 50;
    ExpectRelative(p.area, PI * r * r, "area");
    ExpectRelative(p.iMax, PI * r * r * r * r / 4, "i max");
    ExpectRelative(p.polar, PI * r * r * r * r / 2, "polar");
    ExpectRelative(p.rMajor, r / 2, "r major");
    for (double c : {p.cMajorPositive, p.cMajorNegative, p.cMinorPositive, p.cMinorNegative}) ExpectRelative(c, r, "c");
    ExpectRelative(p.zMajor(), PI * r * r * r / 4, "z");
}

TEST(SectionProperties, LSectionAboutInclinedPrincipalAxes) {
    // Leg 10 x 60 and foot 30 x 10: centroid (35/3, 115/3).
    Section s({{1, 0, 0}, {1, 10, 0}, {1, 10, 50}, {1, 40, 50}, {1, 40, 60}, {1, 0, 60}});
    const SectionProperties p = s.Dots();
    ExpectRelative(p.ixx, 307500, "ixx");
    ExpectRelative(p.iyy, 107500, "iyy");
    ExpectRelative(p.ixy, 100000, "ixy");  // y downward: the foot lies right and below
    ExpectRelative(p.iMax, 207500 + 100000 * std::sqrt(2.0), "i max");
    ExpectRelative(p.thetaDeg, -22.5, "theta");
    // Furthest from the strong axis: the corner (0, 0) above it, then (40, 60) below.
    const double s22 = std::sin(22.5 * PI / 180), c22 = std::cos(22.5 * PI / 180);
    ExpectRelative(p.cMajorNegative, 35.0 / 3 * s22 + 115.0 / 3 * c22, "above");
    ExpectRelative(p.cMajorPositive, (40 - 35.0 / 3) * s22 + (60 - 115.0 / 3) * c22, "below");
    ExpectRelative(p.zMajor(), p.iMax / p.cMajorNegative, "z major");
}

TEST(SectionProperties, ExtremeFibreOnAnArcBetweenClickedPoints) {
    // A 40 x 40 square whose top is an arc about (20, 15) of radius 25: its top at y = -10.
    Section s({{2, 0, 0}, {1, 27, -9}, {1, 40, 0}, {1, 40, 40}, {1, 0, 40}});
    const double yc = s.state.sectionResults.values[OS_CENTROID_Y];
    const FibreSpan span = SpanAcrossAxis(s.state.segments.data(), s.state.segmentCount, 20, yc, 0);
    ExpectRelative(span.negative, yc + 10, "above");
    ExpectRelative(span.positive, 40 - yc, "below");
}

TEST(SectionProperties, ReportAndJsonAtEveryScale) {
    TempDir dir;
    Section s({{1, 10, 20}, {1, 40, 20}, {1, 40, 30}, {1, 10, 30}}, 2.0);
    s.state.mmPerDot = 0.5;
    const std::string path = WriteReportFile(ReportKind::Properties, s.state, dir.path(), nullptr);
    ASSERT_EQ(path, dir.File("SectProp.txt"));
    const std::string text = platform::FromCp932(ReadFileBytes(path));
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "[ 断面性能 ] 座標倍率 =   2.00");
    EXPECT_NE(text.find("実寸スケール = 0.5 mm/ドット (元画像)\r\n"), std::string::npos);
    // Area 300 dots shown, 75 at the source scale, 18.75 mm^2.
    EXPECT_NE(text.find("面積　　　　　　　 A      3.000000e+02    7.500000e+01    1.875000e+01\r\n"),
              std::string::npos) << text;
    // Z about the strong axis: 1500 dots^3, 187.5 source, 23.4375 mm^3.
    EXPECT_NE(text.find("断面係数 Max/e1　 Z1      1.500000e+03    1.875000e+02    2.343750e+01\r\n"),
              std::string::npos) << text;

    const std::string json = PropertiesJson(PropertiesOf(s.state));
    EXPECT_EQ(json.substr(0, 44), "{\"R\": 2, \"dots\": {\"area\": 300, \"perimeter\": ");
    EXPECT_NE(json.find("\"mm\": {\"area\": 18.75,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"c_major\": 15, "), std::string::npos) << json;
    EXPECT_NE(json.find("\"z_major\": 1500, \"z_minor\": 499.99999999999"), std::string::npos) << json;
    s.state.mmPerDot = 0;
    EXPECT_EQ(PropertiesJson(PropertiesOf(s.state)).find("\"mm\""), std::string::npos);
}
