// veldrio-calc with a perspective plane: millimetres measured in the plane
// of a known rectangle, the corrected picture, and the command lines it
// refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>
#include <tuple>

#include "figure_pictures.h"
#include "run_program.h"
#include "tilted_camera.h"

namespace {

// A trapezoid seen with w = 1 - X / 2 of the unit square, 100 dots to a unit.
const char kPlane[] = "--plane 100,100,300,100,300,300,100,200 --plane-mm 50,50";

}  // namespace

TEST(VeldrioCalcPlane, MillimetresAreMeasuredInThePlane) {
    TempDir dir;
    // The rectangle's own corners at 200 %: the whole 50 x 50 mm square.
    const std::string corners = dir.Write("corners.csv", "1,200,200\n1,600,200\n1,600,600\n1,200,400\n");
    const Outcome run =
        Execute(dir, "veldrio-calc", std::string(kPlane) + " --scale 2 --properties " + corners);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("遠近補正: 4点, 50 x 50 mm\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2.500000e+03\n"), std::string::npos) << run.out;
}

TEST(VeldrioCalcPlane, TracesAPhotoTakenAtAnAngleInThePlane) {
    // A disc of radius 50 mm around (60, 60) mm of the plane, seen 40 degrees
    // tilted; the known rectangle is 100 x 100 mm from the plane's origin.
    const TiltedCamera camera{40, 400, 900, 60, 60, 320, 240};
    std::vector<trace::TraceRow> seen;
    for (const figpic::P& p : figpic::Polygon(figpic::CircleRows(60, 60, 50))) {
        const plane::Point q = camera.Photo({p.x, p.y});
        seen.push_back(figpic::Row(1, q.x, q.y));
    }
    TempDir dir;
    const auto jpeg =
        figpic::Jpeg(figpic::Render(seen, figpic::Damage::BlurNoiseJpeg, 640, 480), 640, 480, 95);
    dir.Write("tilted.jpg", std::string(jpeg.begin(), jpeg.end()));
    std::string plane = "--plane-mm 100,100 --plane ";
    for (auto [x, y] : {std::pair{10.0, 10.0}, {110.0, 10.0}, {110.0, 110.0}, {10.0, 110.0}}) {
        const plane::Point q = camera.Photo({x, y});
        plane += std::to_string(q.x) + "," + std::to_string(q.y) + (x == 10 && y == 110 ? "" : ",");
    }
    const plane::Point seed = camera.Photo({60, 60});
    const Outcome run = Execute(dir, "veldrio-calc",
                                plane + " --json --trace " + dir.File("tilted.jpg") + " " +
                                    std::to_string(int(seed.x)) + " " + std::to_string(int(seed.y)));
    ASSERT_EQ(run.status, 0) << run.err;
    // Fitted in the plane, the ellipse of the photo is one circle: three arcs.
    EXPECT_EQ(run.out.find("[2, ", run.out.find("\"rows\"")), run.out.find("\"rows\"") + 9) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '['), 1 + 6) << run.out;
    const std::size_t mm = run.out.find("\"area\": ", run.out.find("\"mm\""));
    ASSERT_NE(mm, std::string::npos) << run.out;
    EXPECT_NEAR(std::stod(run.out.substr(mm + 8)) / (std::numbers::pi * 50 * 50), 1, 0.003) << run.out;
}

TEST(VeldrioCalcPlane, WritesTheCorrectedPicture) {
    TempDir dir;
    const auto jpeg = figpic::Jpeg(figpic::Render(figpic::Figures()[2].rows, figpic::Damage::None),
                                   figpic::WIDTH, figpic::HEIGHT, 90);
    dir.Write("disc.jpg", std::string(jpeg.begin(), jpeg.end()));
    const Outcome run = Execute(dir, "veldrio-calc",
                                "--rectify " + dir.File("disc.jpg") + " " + dir.File("out.png") +
                                    " --plane 0,0,480,0,480,360,0,360 --plane-mm 240,180 --dots-per-mm 1.5");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 20), "360 x 270 dots, 1.5 ") << run.out;
    EXPECT_EQ(ReadFileBytes(dir.File("out.png")).substr(1, 3), "PNG");
}

TEST(VeldrioCalcPlane, RefusesWrongCommandLinesAndPlanes) {
    TempDir dir;
    const std::string file = " " + dir.Write("r.csv", "1,10,20\n1,40,20\n1,40,30\n1,10,30\n");
    const std::tuple<std::string, int, std::string> cases[] = {
        {std::string(kPlane) + " --mm-per-dot 0.5" + file, 2, "--plane takes the place of --mm-per-dot"},
        {"--plane 1,2,3,4,5,6,7" + file, 2, "--plane needs the four corners"},
        {"--plane 0,0,1,0,1,1,0,1" + file, 2, "--plane and --plane-mm go together"},
        {std::string(kPlane) + " --plane-mm 0,5" + file, 2, "--plane-mm needs"},
        {"--rectify a.jpg b.png" + file, 2, "--rectify needs --plane"},
        {"--plane 0,0,0,50,50,50,50,0 --plane-mm 10,10" + file, 1, "右回り"},
    };
    for (const auto& [arguments, status, message] : cases) {
        const Outcome run = Execute(dir, "veldrio-calc", arguments);
        EXPECT_EQ(run.status, status) << arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << arguments << "\n" << run.err;
    }
}
