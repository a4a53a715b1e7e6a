// veldrio-calc with a perspective plane: millimetres measured in the plane
// of a known rectangle, with rows or a trace, the corrected picture, and
// the command lines it refuses.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <string>

#include "figure_pictures.h"
#include "temp_dir.h"

namespace {

struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

CalcRun Calc(const TempDir& dir, const std::string& arguments) {
    const std::string command = std::string(VELDRIO_BIN_DIR) + "/veldrio-calc " + arguments + " >" +
                                dir.File("stdout") + " 2>" + dir.File("stderr");
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(dir.File("stdout")),
            ReadFileBytes(dir.File("stderr"))};
}

// The number after "key": inside the JSON object named block.
double JsonNumber(const std::string& json, const std::string& block, const std::string& key) {
    const std::size_t at = json.find("\"" + block + "\": {");
    if (at == std::string::npos) return NAN;
    const std::size_t value = json.find("\"" + key + "\": ", at);
    return value == std::string::npos ? NAN : std::strtod(json.c_str() + value + key.size() + 4, nullptr);
}

// A trapezoid seen with w = 1 - X / 2 of the unit square, 100 dots to a unit.
const char kPlane[] = "--plane 100,100,300,100,300,300,100,200 --plane-mm 50,50";

}  // namespace

TEST(VeldrioCalcPlane, MillimetresAreMeasuredInThePlane) {
    TempDir dir;
    // The rectangle's own corners: the whole 50 x 50 mm square.
    dir.Write("corners.csv", "1,100,100\n1,300,100\n1,300,300\n1,100,200\n");
    CalcRun run = Calc(dir, std::string(kPlane) + " --json " + dir.File("corners.csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NEAR(JsonNumber(run.out, "mm", "area"), 2500, 1e-3) << run.out;
    EXPECT_NEAR(JsonNumber(run.out, "mm", "xc"), 25, 1e-4);
    EXPECT_NEAR(JsonNumber(run.out, "mm", "yc"), 25, 1e-4);
    EXPECT_NEAR(JsonNumber(run.out, "source", "area"), 30000, 1e-6);  // the photo's dots stay as they were

    // At 200 %: the same millimetres; the result lines stay in dots.
    dir.Write("corners2.csv", "1,200,200\n1,600,200\n1,600,600\n1,200,400\n");
    run = Calc(dir, std::string(kPlane) + " --scale 2 --properties " + dir.File("corners2.csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("120000.00"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("遠近補正: 4点, 50 x 50 mm\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2.500000e+03\n"), std::string::npos) << run.out;
}

TEST(VeldrioCalcPlane, TracedPictureIsMeasuredInThePlane) {
    TempDir dir;
    const figpic::Figure plate = figpic::Figures()[0];
    const auto jpeg =
        figpic::Jpeg(figpic::Render(plate.rows, figpic::Damage::None), figpic::WIDTH, figpic::HEIGHT, 90);
    dir.Write("plate.jpg", std::string(jpeg.begin(), jpeg.end()));
    // The picture's own frame as the rectangle, 2 dots to the mm.
    const CalcRun run = Calc(dir, "--json --plane 0,0,480,0,480,360,0,360 --plane-mm 240,180 --trace " +
                                      dir.File("plate.jpg") + " 240 180");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NEAR(JsonNumber(run.out, "mm", "area") / (220 * 130 / 4.0), 1, 0.003) << run.out;
    EXPECT_NE(run.out.find("\"rows\": [[1, "), std::string::npos);
}

TEST(VeldrioCalcPlane, WritesTheCorrectedPicture) {
    TempDir dir;
    const auto jpeg = figpic::Jpeg(figpic::Render(figpic::Figures()[2].rows, figpic::Damage::None),
                                   figpic::WIDTH, figpic::HEIGHT, 90);
    dir.Write("disc.jpg", std::string(jpeg.begin(), jpeg.end()));
    const CalcRun run =
        Calc(dir, "--rectify " + dir.File("disc.jpg") + " " + dir.File("out.png") +
                      " --plane 0,0,480,0,480,360,0,360 --plane-mm 240,180 --dots-per-mm 1.5");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 20), "360 x 270 dots, 1.5 ") << run.out;
    const std::string png = ReadFileBytes(dir.File("out.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // Width and height in the header, big-endian.
    EXPECT_EQ(std::uint8_t(png[18]) * 256 + std::uint8_t(png[19]), 360);
    EXPECT_EQ(std::uint8_t(png[22]) * 256 + std::uint8_t(png[23]), 270);
}

TEST(VeldrioCalcPlane, RefusesWrongCommandLinesAndPlanes) {
    TempDir dir;
    dir.Write("r.csv", "1,10,20\n1,40,20\n1,40,30\n1,10,30\n");
    const std::string file = " " + dir.File("r.csv");
    struct Case {
        std::string arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {std::string(kPlane) + " --mm-per-dot 0.5" + file, 2, "--plane takes the place of --mm-per-dot"},
        {"--plane 1,2,3,4,5,6,7" + file, 2, "--plane needs the four corners"},
        {"--plane 0,0,1,0,1,1,0,1" + file, 2, "--plane and --plane-mm go together"},
        {std::string(kPlane) + " --plane-mm 0,5" + file, 2, "--plane-mm needs"},
        {"--rectify a.jpg b.png" + file, 2, "--rectify needs --plane"},
        {"--plane 0,0,50,0,100,0,0,50 --plane-mm 10,10" + file, 1, "一直線上"},
        {"--plane 0,0,0,50,50,50,50,0 --plane-mm 10,10" + file, 1, "右回り"},
    };
    for (const Case& c : cases) {
        const CalcRun run = Calc(dir, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << "\n" << run.err;
    }
}
