// The picture's plane: the homography from a known rectangle or a grid, its
// refusals, outlines measured in its millimetres, and the plane remembered
// per picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "data/calc_driver.h"
#include "data/picture_scales.h"
#include "data/plane_measure.h"
#include "data/properties_report.h"
#include "data/traced_rows.h"
#include "figure_pictures.h"
#include "res/texts_plane.h"
#include "temp_dir.h"
#include "tilted_camera.h"

using plane::PlaneRefusal;
using plane::PlaneSetting;
using plane::Point;

namespace {

PlaneSetting Rectangle(std::vector<Point> corners, double w, double h, int columns = 2) {
    PlaneSetting s;
    s.photo = std::move(corners);
    s.widthMm = w;
    s.heightMm = h;
    s.columns = columns;
    return s;
}

PlaneSetting CameraRectangle(const TiltedCamera& camera, double w, double h) {
    return Rectangle({camera.Photo({0, 0}), camera.Photo({w, 0}), camera.Photo({w, h}), camera.Photo({0, h})},
                     w, h);
}

void ExpectNear(Point got, Point want, double tolerance) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
}

// The rows at magnification R: photo points written as the tracer writes them.
void FillRows(SampleTable& table, const std::vector<trace::TraceRow>& rows, double R) {
    std::vector<trace::TraceRow> shown = rows;
    for (trace::TraceRow& row : shown)
        row.x *= R, row.y *= R;
    StoreTracedRows(table, shown);
}

trace::TraceRow Seen(const TiltedCamera& camera, int type, Point mm) {
    const Point p = camera.Photo(mm);
    return {type, p.x, p.y};
}

}  // namespace

TEST(PlaneHomography, HandWorkedMapsAndTheirInverses) {
    auto expectMap = [](const char* what, std::vector<Point> corners, double w, double h,
                        std::array<double, 9> want, Point from, Point to) {
        const plane::PlaneFit fit = plane::FitPlane(Rectangle(std::move(corners), w, h));
        ASSERT_TRUE(fit.Ok()) << what;
        for (int i = 0; i < 9; ++i)
            EXPECT_NEAR(fit.toPlane.Matrix()[i], want[i], 1e-12) << what << " " << i;
        EXPECT_LT(fit.largestResidualMm, 1e-9) << what;
        ExpectNear(fit.toPlane.Map(from), to, 1e-12);
        plane::Homography back;
        ASSERT_TRUE(fit.toPlane.Inverse(back));
        ExpectNear(back.Map(to), from, 1e-12);
    };
    // x' = 4 (x - 10), y' = 3 (y - 20).
    expectMap("square onto a rectangle", {{10, 20}, {60, 20}, {60, 70}, {10, 70}}, 200, 150,
              {4, 0, -40, 0, 3, -60, 0, 0, 1}, {35, 45}, {100, 75});
    // The unit square seen with w = 1 - X / 2; back into the plane X = x / (1 + x / 2),
    // Y = y / (1 + x / 2): half-way along the photo is not half-way in the plane.
    expectMap("trapezoid", {{0, 0}, {2, 0}, {2, 2}, {0, 1}}, 1, 1, {1, 0, 0, 0, 1, 0, 0.5, 0, 1}, {1, 0.75},
              {2.0 / 3, 0.5});
}

TEST(PlaneHomography, RefusesWhatMakesNoRectangle) {
    struct Case {
        const char* what;
        PlaneSetting setting;
        PlaneRefusal refusal;
    };
    const Case cases[] = {
        {"three on a line", Rectangle({{0, 0}, {50, 0}, {100, 0}, {0, 80}}, 100, 80),
         PlaneRefusal::PointsOnLine},
        {"nearly on a line", Rectangle({{0, 0}, {100, 0.01}, {200, 0}, {0, 80}}, 100, 80),
         PlaneRefusal::PointsOnLine},
        {"two the same", Rectangle({{0, 0}, {100, 0}, {100, 0}, {0, 80}}, 100, 80),
         PlaneRefusal::PointsOnLine},
        {"anticlockwise", Rectangle({{0, 0}, {0, 80}, {100, 80}, {100, 0}}, 100, 80),
         PlaneRefusal::NotClockwise},
        {"crossed", Rectangle({{0, 0}, {100, 0}, {0, 80}, {100, 80}}, 100, 80), PlaneRefusal::FoldOver},
        {"concave", Rectangle({{0, 0}, {100, 0}, {30, 20}, {0, 80}}, 100, 80), PlaneRefusal::FoldOver},
        {"no width", Rectangle({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 0, 80), PlaneRefusal::BadSize},
        {"height not a number", Rectangle({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 80, NAN), PlaneRefusal::BadSize},
        {"six points in rows of four", Rectangle({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}, 10, 5, 4),
         PlaneRefusal::NotAGrid},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plane::FitPlane(c.setting).refusal, c.refusal) << c.what;
}

TEST(PlaneHomography, GridIsFittedInLeastSquaresWithEachPointsResidual) {
    TiltedCamera camera;
    camera.tiltDeg = 30;
    PlaneSetting grid = Rectangle({}, 200, 150, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            grid.photo.push_back(camera.Photo({20 + 100.0 * c, 15 + 75.0 * r}));
    const plane::PlaneFit exact = plane::FitPlane(grid);
    ASSERT_TRUE(exact.Ok());
    EXPECT_LT(exact.largestResidualMm, 1e-9);
    // The plane's origin is the first point: the camera's (20, 15) mm.
    ExpectNear(exact.toPlane.Map(camera.Photo({120, 90})), {100, 75}, 1e-9);

    // The middle point clicked 2 dots off: it takes the largest residual.
    grid.photo[4].x += 2;
    const plane::PlaneFit fit = plane::FitPlane(grid);
    ASSERT_EQ(fit.residualsMm.size(), 9u);
    EXPECT_GT(fit.residualsMm[4], 0.05);
    EXPECT_EQ(*std::max_element(fit.residualsMm.begin(), fit.residualsMm.end()), fit.residualsMm[4]);
    EXPECT_EQ(fit.largestResidualMm, fit.residualsMm[4]);
}

TEST(PlaneMeasure, ArcsOfATiltedDiscMeasureTheTrueCircle) {
    for (double tilt : {10.0, 25.0, 40.0}) {
        TiltedCamera camera;
        camera.tiltDeg = tilt;
        const plane::PlaneFit fit = plane::FitPlane(CameraRectangle(camera, 240, 180));
        ASSERT_TRUE(fit.Ok());
        // A disc of radius 40 mm at (130, 80) mm as three arcs through six points,
        // an ellipse in the photo, shown at 200 %.
        std::vector<trace::TraceRow> rows;
        for (const trace::TraceRow& mm : figpic::CircleRows(130, 80, 40))
            rows.push_back(Seen(camera, mm.type, {mm.x, mm.y}));
        SampleTable table;
        FillRows(table, rows, 2.0);
        SectionProperties mm;
        ASSERT_TRUE(MeasureInPlane(table, 2.0, fit.toPlane, mm)) << tilt;
        EXPECT_NEAR(mm.area / (std::numbers::pi * 40 * 40), 1, 2e-5) << tilt;
        EXPECT_NEAR(mm.perimeter / (2 * std::numbers::pi * 40), 1, 2e-5) << tilt;
        EXPECT_NEAR(mm.xc, 130, 2e-3) << tilt;
        EXPECT_NEAR(mm.yc, 80, 2e-3) << tilt;
        EXPECT_NEAR(mm.iMax / (std::numbers::pi * std::pow(40, 4) / 4), 1, 1e-4) << tilt;
    }
}

TEST(PlaneMeasure, OutlineBeyondTheHorizonIsReportedWithoutMillimetres) {
    // The rectangle's far edge is much shorter: the horizon lies just beyond it.
    const PlaneSetting setting = Rectangle({{190, 20}, {210, 20}, {300, 100}, {100, 100}}, 100, 100);
    SampleTable table;
    FillRows(table, {{1, 150, 90}, {1, 250, 90}, {1, 200, 1}}, 1.0);
    CalcState state;
    ASSERT_TRUE(Calculate(table, state, 1.0));
    EXPECT_EQ(SetPrintedScale(state, table, 1.0, 0, setting).text, texts_plane::MSG_PLANE_OUTLINE_HORIZON);
    EXPECT_FALSE(PropertiesOf(state).HasMillimetres());
}

TEST(PlaneMeasure, PlaneIsRememberedPerPictureBesideTheScales) {
    TempDir dir;
    const std::string settings = dir.File("SetteiKol.bin");
    const PlaneSetting setting = CameraRectangle(TiltedCamera(), 200, 150);
    ASSERT_TRUE(StorePictureScale(settings, "/pics/a.jpg", 0.5));
    ASSERT_TRUE(StorePicturePlane(settings, "/pics/a.jpg", setting));
    EXPECT_EQ(StoredPicturePlane(settings, "/pics/a.jpg"), setting);
    EXPECT_EQ(StoredPictureScale(settings, "/pics/a.jpg"), 0.5);  // kept beside it
    // The plane's line is one a reader of scales alone passes over.
    EXPECT_EQ(ReadFileBytes(dir.File("ScaleKol.txt")).rfind("0.5\t/pics/a.jpg\nplane 200 150 2 ", 0), 0u);
    ASSERT_TRUE(StorePicturePlane(settings, "/pics/a.jpg", {}));
    EXPECT_EQ(ReadFileBytes(dir.File("ScaleKol.txt")), "0.5\t/pics/a.jpg\n");
    // Damaged lines do not read: three points, a stray number, a bad size.
    PlaneSetting read;
    for (const char* damaged : {"200 150 2 1 2 3 4 5 6", "200 150 2 1 2 3 4 5 6 7 8 9",
                                "-1 150 2 1 2 3 4 5 6 7 8", "200 x 2 1 2 3 4 5 6 7 8"})
        EXPECT_FALSE(PlaneSetting::FromText(damaged, read)) << damaged;
}
