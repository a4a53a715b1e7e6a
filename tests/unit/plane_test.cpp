// The picture's plane: the homography from a known rectangle, its refusals,
// the least-squares fit of a grid, and outlines carried into the plane.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "plane/homography.h"
#include "plane/outline_map.h"
#include "plane/plane_fit.h"
#include "plane/plane_setting.h"
#include "tilted_camera.h"

using plane::PlaneRefusal;
using plane::PlaneSetting;
using plane::Point;

namespace {

PlaneSetting Rectangle(std::vector<Point> corners, double w, double h) {
    PlaneSetting s;
    s.photo = std::move(corners);
    s.widthMm = w;
    s.heightMm = h;
    return s;
}

void ExpectNear(Point got, Point want, double tolerance = 1e-9) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
}

}  // namespace

TEST(PlaneHomography, SquareOntoRectangleIsAPlainScale) {
    const plane::PlaneFit fit =
        plane::FitPlane(Rectangle({{10, 20}, {60, 20}, {60, 70}, {10, 70}}, 200, 150));
    ASSERT_TRUE(fit.Ok());
    // x' = 4 (x - 10), y' = 3 (y - 20).
    const auto& m = fit.toPlane.Matrix();
    const double want[9] = {4, 0, -40, 0, 3, -60, 0, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(m[i], want[i], 1e-9) << i;
    ExpectNear(fit.toPlane.Map({35, 45}), {100, 75});
    for (double r : fit.residualsMm)
        EXPECT_LT(r, 1e-9);
}

TEST(PlaneHomography, TrapezoidGivesTheHandWorkedProjectiveMap) {
    // The unit square seen with w = 1 - X / 2: corners (0,0) (2,0) (2,2) (0,1).
    // Back into the plane: X = x / (1 + x / 2), Y = y / (1 + x / 2).
    const plane::PlaneFit fit = plane::FitPlane(Rectangle({{0, 0}, {2, 0}, {2, 2}, {0, 1}}, 1, 1));
    ASSERT_TRUE(fit.Ok());
    const auto& m = fit.toPlane.Matrix();
    const double want[9] = {1, 0, 0, 0, 1, 0, 0.5, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(m[i], want[i], 1e-12) << i;
    ExpectNear(fit.toPlane.Map({1, 0}), {2.0 / 3, 0}, 1e-12);  // not half-way: the far half looks shorter
    ExpectNear(fit.toPlane.Map({1, 0.75}), {2.0 / 3, 0.5}, 1e-12);
    plane::Homography back;
    ASSERT_TRUE(fit.toPlane.Inverse(back));
    ExpectNear(back.Map({1, 1}), {2, 2}, 1e-12);
}

TEST(PlaneHomography, ThreePointsOfAProjectedCircleGiveTheCircleBack) {
    for (double tilt : {10.0, 25.0, 40.0}) {
        TiltedCamera camera;
        camera.tiltDeg = tilt;
        const plane::PlaneFit fit = plane::FitPlane(Rectangle(
            {camera.Photo({0, 0}), camera.Photo({240, 0}), camera.Photo({240, 180}), camera.Photo({0, 180})},
            240, 180));
        ASSERT_TRUE(fit.Ok()) << tilt;
        // In the photo the circle is an ellipse; its points come back onto the circle.
        for (double deg : {5.0, 97.0, 200.0, 311.0}) {
            const double a = deg * std::numbers::pi / 180;
            const Point seen = camera.Photo({130 + 40 * std::cos(a), 80 + 40 * std::sin(a)});
            const Point back = fit.toPlane.Map(seen);
            EXPECT_NEAR(std::hypot(back.x - 130, back.y - 80), 40, 1e-9) << tilt << " " << deg;
        }
    }
}

TEST(PlaneHomography, RefusesCornersThatMakeNoRectangle) {
    struct Case {
        const char* what;
        std::vector<Point> corners;
        PlaneRefusal refusal;
    };
    const Case cases[] = {
        {"three on a line", {{0, 0}, {50, 0}, {100, 0}, {0, 80}}, PlaneRefusal::PointsOnLine},
        {"nearly on a line", {{0, 0}, {100, 0.01}, {200, 0}, {0, 80}}, PlaneRefusal::PointsOnLine},
        {"two the same", {{0, 0}, {100, 0}, {100, 0}, {0, 80}}, PlaneRefusal::PointsOnLine},
        {"anticlockwise", {{0, 0}, {0, 80}, {100, 80}, {100, 0}}, PlaneRefusal::NotClockwise},
        {"crossed", {{0, 0}, {100, 0}, {0, 80}, {100, 80}}, PlaneRefusal::FoldOver},
        {"concave", {{0, 0}, {100, 0}, {30, 20}, {0, 80}}, PlaneRefusal::FoldOver},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plane::FitPlane(Rectangle(c.corners, 100, 80)).refusal, c.refusal) << c.what;
    EXPECT_EQ(plane::FitPlane(Rectangle({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 0, 80)).refusal,
              PlaneRefusal::BadSize);
    EXPECT_EQ(plane::FitPlane(Rectangle({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, NAN, 80)).refusal,
              PlaneRefusal::BadSize);
    PlaneSetting six = Rectangle({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}, 10, 5);
    six.columns = 4;
    EXPECT_EQ(plane::FitPlane(six).refusal, PlaneRefusal::NotAGrid);
    six.columns = 3;
    EXPECT_TRUE(plane::FitPlane(six).Ok());
}

TEST(PlaneHomography, GridIsFittedInLeastSquaresWithEachPointsResidual) {
    TiltedCamera camera;
    camera.tiltDeg = 30;
    PlaneSetting grid;
    grid.widthMm = 200;
    grid.heightMm = 150;
    grid.columns = 3;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            grid.photo.push_back(camera.Photo({20 + 100.0 * c, 15 + 75.0 * r}));
    plane::PlaneFit exact = plane::FitPlane(grid);
    ASSERT_TRUE(exact.Ok());
    ASSERT_EQ(exact.residualsMm.size(), 9u);
    EXPECT_LT(exact.largestResidualMm, 1e-9);
    // The plane's origin is the first point: the camera's (20, 15) mm.
    ExpectNear(exact.toPlane.Map(camera.Photo({120, 90})), {100, 75}, 1e-9);

    // One point clicked 2 dots off: every point takes a share of the error,
    // that point the most, and the fit stays close.
    grid.photo[4].x += 2;
    const plane::PlaneFit fit = plane::FitPlane(grid);
    ASSERT_TRUE(fit.Ok());
    EXPECT_GT(fit.residualsMm[4], 0.05);
    for (int i = 0; i < 9; ++i) {
        if (i != 4) {
            EXPECT_LT(fit.residualsMm[i], fit.residualsMm[4]) << i;
        }
    }
    EXPECT_EQ(fit.largestResidualMm, fit.residualsMm[4]);
    ExpectNear(fit.toPlane.Map(camera.Photo({120, 90})), {100, 75}, 1.0);
}

TEST(PlaneOutline, PointsMapLoopBreaksPassAndTheHorizonRefuses) {
    // w = 1 - x / 200: the vanishing line is x = 200 in the photo.
    const plane::Homography h({1, 0, 0, 0, 1, 0, -1.0 / 200, 0, 1});
    std::vector<plane::OutlineRow> rows = {
        {1, {100, 50}}, {2, {0, 0}}, {plane::kLoopBreakType, {7, 8}}, {1, {100, 0}}};
    ASSERT_TRUE(plane::MapOutline(h, rows));
    ExpectNear(rows[0].at, {200, 100});
    EXPECT_EQ(rows[1].type, 2);
    ExpectNear(rows[2].at, {7, 8});
    std::vector<plane::OutlineRow> beyond = {{1, {100, 50}}, {1, {250, 0}}};
    EXPECT_FALSE(plane::MapOutline(h, beyond));
    ExpectNear(beyond[0].at, {100, 50});  // left as it was
}

TEST(PlaneSettingText, ReadsBackWhatItWritesAndRefusesDamagedLines) {
    PlaneSetting s = Rectangle({{10.25, 20}, {60, 20.125}, {61, 70}, {10, 69.5}}, 200, 150.5);
    PlaneSetting read;
    ASSERT_TRUE(PlaneSetting::FromText(s.ToText(), read));
    EXPECT_EQ(read, s);
    EXPECT_FALSE(PlaneSetting::FromText("200 150 2 1 2 3 4 5 6", read));        // three points
    EXPECT_FALSE(PlaneSetting::FromText("200 150 2 1 2 3 4 5 6 7 8 9", read));  // a stray number
    EXPECT_FALSE(PlaneSetting::FromText("-1 150 2 1 2 3 4 5 6 7 8", read));
    EXPECT_FALSE(PlaneSetting::FromText("200 x 2 1 2 3 4 5 6 7 8", read));
}
