// A figure photographed at an angle (pinhole camera tilted 10 to 40
// degrees; blurred, noisy JPEG), traced in the photo and measured through
// the plane of a known rectangle: the true millimetres come back.
#include <gtest/gtest.h>

#include "data/plane_measure.h"
#include "data/traced_rows.h"
#include "figure_pictures.h"
#include "tilted_camera.h"

namespace {

// The figures' dots are half millimetres of the plane; the known
// rectangle's first corner is at (10, 10) mm of that frame.
constexpr double kMmPerFigureDot = 0.5;
constexpr double kCornerMm = 10;
constexpr int kPhotoWidth = 640;
constexpr int kPhotoHeight = 480;

plane::Point PlaneMm(double x, double y) { return {x * kMmPerFigureDot, y * kMmPerFigureDot}; }

}  // namespace

TEST(TiltedPhoto, TracedFigureMeasuresItsTrueMillimetresThroughThePlane) {
    for (double tilt : {10.0, 25.0, 40.0}) {
        TiltedCamera camera;
        camera.tiltDeg = tilt;
        plane::PlaneSetting setting;
        setting.widthMm = 220;
        setting.heightMm = 160;
        for (auto [x, y] : {std::pair{0.0, 0.0}, {220.0, 0.0}, {220.0, 160.0}, {0.0, 160.0}})
            setting.photo.push_back(camera.Photo({kCornerMm + x, kCornerMm + y}));
        const plane::PlaneFit fit = plane::FitPlane(setting);
        ASSERT_TRUE(fit.Ok());

        for (const figpic::Figure& figure : figpic::Figures()) {
            if (figure.arcs > 0) continue;  // the tracer fits its arcs in the photo
            std::vector<trace::TraceRow> seen;
            for (const figpic::P& p : figpic::Polygon(figure.rows)) {
                const plane::Point q = camera.Photo(PlaneMm(p.x, p.y));
                seen.push_back(figpic::Row(1, q.x, q.y));
            }
            const auto rgb = figpic::Render(seen, figpic::Damage::BlurNoiseJpeg, kPhotoWidth, kPhotoHeight);
            // The L's seed at 40 degrees lies in its foot, beside a blurred edge:
            // the background's levels must come from beyond that edge.
            const plane::Point seed = camera.Photo(PlaneMm(figure.seedX, figure.seedY));
            const trace::TraceResult traced =
                trace::TraceFigure(rgb.data(), kPhotoWidth, kPhotoHeight, int(seed.x), int(seed.y), 200);
            ASSERT_EQ(traced.status, trace::TraceStatus::Traced) << figure.name << " at " << tilt;
            EXPECT_EQ(traced.lines, figure.lines) << figure.name << " at " << tilt;

            SampleTable table;
            StoreTracedRows(table, traced.rows);
            SectionProperties mm;
            ASSERT_TRUE(MeasureInPlane(table, 1.0, fit.toPlane, mm)) << figure.name << " at " << tilt;
            const figpic::Properties truth = figpic::PropertiesOf(figure.rows, 1 / kMmPerFigureDot);
            EXPECT_NEAR(mm.area / truth.area, 1, 0.003) << figure.name << " at " << tilt;
            EXPECT_NEAR(mm.xc, truth.xC - kCornerMm, 0.3) << figure.name << " at " << tilt;
            EXPECT_NEAR(mm.yc, truth.yC - kCornerMm, 0.3) << figure.name << " at " << tilt;
        }
    }
}
