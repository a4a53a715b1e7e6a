// Measuring through a picture's plane: the rows of a photo carried into
// plane millimetres and calculated there, what the reports and the edit
// window then say, and the plane remembered per picture.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "data/calc_driver.h"
#include "data/picture_scales.h"
#include "data/plane_measure.h"
#include "data/properties_report.h"
#include "res/texts_plane.h"
#include "temp_dir.h"
#include "tilted_camera.h"

namespace {

plane::PlaneSetting CameraRectangle(const TiltedCamera& camera, double w, double h) {
    plane::PlaneSetting s;
    s.photo = {camera.Photo({0, 0}), camera.Photo({w, 0}), camera.Photo({w, h}), camera.Photo({0, h})};
    s.widthMm = w;
    s.heightMm = h;
    return s;
}

// The table's rows: the photo points at magnification R, written with
// decimals as a user may type them.
void FillRows(SampleTable& table, const std::vector<std::pair<int, plane::Point>>& rows, double R) {
    table.ClearTable();
    for (const auto& [type, p] : rows) {
        SamplePoint& row = table.rows[table.count++];
        row.type = type;
        SetFractionalCoordinate(row.xText, row.x, p.x * R);
        SetFractionalCoordinate(row.yText, row.y, p.y * R);
    }
}

// A disc of radius 40 mm at (130, 80) mm, as three arcs through six points seen by camera.
std::vector<std::pair<int, plane::Point>> DiscRows(const TiltedCamera& camera) {
    std::vector<std::pair<int, plane::Point>> rows;
    for (int k = 0; k < 6; ++k) {
        const double a = (-90 + 60 * k) * std::numbers::pi / 180;
        rows.push_back({k % 2 == 0 ? 2 : 1, camera.Photo({130 + 40 * std::cos(a), 80 + 40 * std::sin(a)})});
    }
    return rows;
}

}  // namespace

TEST(PlaneMeasure, ArcsOfATiltedDiscMeasureTheTrueCircle) {
    for (double tilt : {10.0, 25.0, 40.0}) {
        TiltedCamera camera;
        camera.tiltDeg = tilt;
        const plane::PlaneFit fit = plane::FitPlane(CameraRectangle(camera, 240, 180));
        ASSERT_TRUE(fit.Ok());
        SampleTable table;
        FillRows(table, DiscRows(camera), 2.0);  // shown at 200 %
        SectionProperties mm;
        ASSERT_TRUE(MeasureInPlane(table, 2.0, fit.toPlane, mm)) << tilt;
        EXPECT_NEAR(mm.area / (std::numbers::pi * 40 * 40), 1, 2e-5) << tilt;
        EXPECT_NEAR(mm.perimeter / (2 * std::numbers::pi * 40), 1, 2e-5) << tilt;
        EXPECT_NEAR(mm.xc, 130, 2e-3) << tilt;
        EXPECT_NEAR(mm.yc, 80, 2e-3) << tilt;
        EXPECT_NEAR(mm.iMax / (std::numbers::pi * std::pow(40, 4) / 4), 1, 1e-4) << tilt;
        // The rows themselves stay in photo dots.
        EXPECT_EQ(table.rows[0].type, 2);
    }
}

TEST(PlaneMeasure, ReportAndSheetNameThePlaneInsteadOfTheScale) {
    TiltedCamera camera;
    const plane::PlaneSetting setting = CameraRectangle(camera, 200, 150);
    SampleTable table;
    FillRows(table,
             {{1, camera.Photo({20, 10})},
              {1, camera.Photo({120, 10})},
              {1, camera.Photo({120, 60})},
              {1, camera.Photo({20, 60})}},
             1.0);
    CalcState state;
    ASSERT_TRUE(Calculate(table, state, 1.0));
    // The plane replaces a real-unit scale set on the same picture.
    EXPECT_TRUE(SetPrintedScale(state, table, 1.0, 0.5, setting).empty());
    const PropertiesAtScales all = PropertiesOf(state);
    ASSERT_TRUE(all.HasMillimetres());
    EXPECT_NEAR(all.mm.area, 5000, 5000 * 2e-6);
    EXPECT_NEAR(all.mm.xc, 70, 1e-3);
    EXPECT_NEAR(all.mm.yc, 35, 1e-3);
    const std::string report = PropertiesReportText(all);
    EXPECT_NE(report.find("\r\n遠近補正: 4点, 200 x 150 mm\r\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("実寸スケール"), std::string::npos);
    EXPECT_NE(PropertiesJson(all).find(", \"mm\": {\"area\": "), std::string::npos) << PropertiesJson(all);
    EXPECT_EQ(ScaleLineText(0.5, setting), "遠近補正: 4点, 200 x 150 mm");
    EXPECT_EQ(ScaleLineText(0.5, {}), "実寸スケール : 元画像 1 ドット = 0.5 mm");

    // Cleared: the real-unit scale is back.
    EXPECT_TRUE(SetPrintedScale(state, table, 1.0, 0.5, {}).empty());
    EXPECT_EQ(PropertiesOf(state).mmPerDot, 0.5);
    EXPECT_NE(PropertiesReportText(PropertiesOf(state)).find("実寸スケール = 0.5 mm"), std::string::npos);
}

TEST(PlaneMeasure, OutlineBeyondTheHorizonIsReportedWithoutMillimetres) {
    // The rectangle's far edge is much shorter: the horizon lies just beyond it.
    plane::PlaneSetting setting;
    setting.photo = {{190, 20}, {210, 20}, {300, 100}, {100, 100}};
    setting.widthMm = 100;
    setting.heightMm = 100;
    ASSERT_TRUE(plane::FitPlane(setting).Ok());
    SampleTable table;
    FillRows(table, {{1, {150, 90}}, {1, {250, 90}}, {1, {200, 1}}}, 1.0);
    CalcState state;
    ASSERT_TRUE(Calculate(table, state, 1.0));
    const Notice told = SetPrintedScale(state, table, 1.0, 0, setting);
    EXPECT_EQ(told.text, texts_plane::MSG_PLANE_OUTLINE_HORIZON);
    EXPECT_FALSE(PropertiesOf(state).HasMillimetres());
    // A refused plane says why.
    setting.photo[2] = {100, 100};
    EXPECT_EQ(SetPrintedScale(state, table, 1.0, 0, setting).text, texts_plane::MSG_PLANE_ON_LINE);
}

TEST(PlaneMeasure, PlaneIsRememberedPerPictureBesideTheScales) {
    TempDir dir;
    const std::string settings = dir.File("SetteiKol.bin");
    TiltedCamera camera;
    const plane::PlaneSetting setting = CameraRectangle(camera, 200, 150);
    ASSERT_TRUE(StorePictureScale(settings, "/pics/a.jpg", 0.5));
    ASSERT_TRUE(StorePicturePlane(settings, "/pics/a.jpg", setting));
    EXPECT_EQ(StoredPicturePlane(settings, "/pics/a.jpg"), setting);
    EXPECT_EQ(StoredPictureScale(settings, "/pics/a.jpg"), 0.5);  // kept beside it
    EXPECT_FALSE(StoredPicturePlane(settings, "/pics/b.jpg").IsSet());
    // The scale lines read as before; the plane's line is one a reader of
    // scales alone passes over (its first field is no number).
    const std::string text = ReadFileBytes(dir.File("ScaleKol.txt"));
    EXPECT_EQ(text.rfind("0.5\t/pics/a.jpg\nplane 200 150 2 ", 0), 0u) << text;
    ASSERT_TRUE(StorePicturePlane(settings, "/pics/a.jpg", {}));
    EXPECT_FALSE(StoredPicturePlane(settings, "/pics/a.jpg").IsSet());
    EXPECT_EQ(ReadFileBytes(dir.File("ScaleKol.txt")), "0.5\t/pics/a.jpg\n");
}
