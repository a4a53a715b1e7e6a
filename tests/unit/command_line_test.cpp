// The two command-line programs built next to the program: the calculator
// and the print program, run as a user or a script would.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "figure_pictures.h"
#include "platform/text_codec.h"
#include "run_program.h"
#include "temp_dir.h"

namespace {

const char Rectangle[] = "1,10,20\n1,40,20\n1,40,30\n1,10,30\n";

}  // namespace

TEST(VeldrioCalc, PrintsTheResultLines) {
    TempDir dir;
    dir.Write("r.csv", Rectangle);
    Outcome run = Execute(dir, "veldrio-calc", dir.File("r.csv"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "座標倍率 R =       1.00\n"
              "面積　   A =     300.00  \n"
              "周長　   L =      80.00\n"
              "幅　 　  B =  30.00\n"
              "高さ 　  H =  10.00\n"
              "横重心  xC =  25.00 (bL= 15.00 bR= 15.00)\n"
              "縦重心  yC =  25.00 (hU=  5.00 hL=  5.00)\n"
              "Iy Max　　 =   2.2500e+04 (θ=  90°右＝0°右回り＋)\n"
              "Iz Min　　 =   2.5000e+03\n");
    EXPECT_EQ(run.err, "");
}

TEST(VeldrioCalc, WritesReportsAndCsvAndReadsItsOwnCsvBack) {
    TempDir dir;
    dir.Write("r.csv", Rectangle);
    std::filesystem::create_directory(dir.File("out"));
    Outcome run = Execute(dir, "veldrio-calc", "--scale 2 --out " + dir.File("out") + " " + dir.File("r.csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "座標倍率 R =       2.00");
    const std::string report = platform::FromCp932(ReadFileBytes(dir.File("out/CalRslt.txt")));
    EXPECT_EQ(report.substr(0, report.find("\r\n")),
              "[ 計算結果 ] サイズ補正あり 座標倍率 =   2.00　 ( ) 表示は元画像スケール値");
    EXPECT_NE(report.find("面積　 A =     300.00 (     75.00)\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.File("out/InclRslt.txt")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("out/DetailDat.txt")));
    const std::string csv = platform::FromCp932(ReadFileBytes(dir.File("out/Result.csv")));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "計算結果,座標倍率,  2.00,右側は元スケール換算値");
    EXPECT_NE(csv.find("type,x,y\r\n1,      10,      20\r\n"), std::string::npos);

    Outcome again = Execute(dir, "veldrio-calc", "--scale 2 " + dir.File("out/Result.csv"));
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, run.out);
}

TEST(VeldrioCalc, RefusalsGoToStandardErrorWithStatusOne) {
    TempDir dir;
    const std::pair<const char*, const char*> cases[] = {
        {"1,0,0\n1,10,0\n", "３点以上定義されていないと計算に入れません\n"},
        {"1,0,0\n1,10,0\n2,10,10\n", "最終点に type=2\tは指定できません\n"},
        {"1,0,0\n0,10,0\n1,10,10\n", "2 番目のデータの type指定ミスです。\n1 or 2 のみ指定可。\n"},
        {"1,0,0\n1,10,10\n1,20,20\n", "計算に失敗しました\n"},
        {"1,100,100\n2,0,100\n1,50,50\n", "2 番目の３点指定円弧は内角が１８０°以上になっています。\n分割が必要です。\n"},
    };
    for (auto [rows, message] : cases) {
        dir.Write("bad.csv", rows);
        Outcome run = Execute(dir, "veldrio-calc", dir.File("bad.csv"));
        EXPECT_EQ(run.status, 1) << rows;
        EXPECT_EQ(run.err, message) << rows;
        EXPECT_EQ(run.out, "") << rows;
    }
}

TEST(VeldrioCalc, UnreadableInputGivesStatusTwo) {
    TempDir dir;
    Outcome missing = Execute(dir, "veldrio-calc", dir.File("missing.csv"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
    dir.Write("junk.csv", "1,0,0\nhello\n");
    Outcome junk = Execute(dir, "veldrio-calc", dir.File("junk.csv"));
    EXPECT_EQ(junk.status, 2);
    EXPECT_NE(junk.err.find("line 2"), std::string::npos);
    EXPECT_EQ(Execute(dir, "veldrio-calc", "--scale 0 " + dir.File("junk.csv")).status, 2);
    EXPECT_EQ(Execute(dir, "veldrio-calc", "").status, 2);
    // the CSV output would replace the outline it was read from
    dir.Write("Result.csv", Rectangle);
    EXPECT_EQ(Execute(dir, "veldrio-calc", "--out " + dir.path() + " " + dir.File("Result.csv")).status, 2);
    EXPECT_EQ(ReadFileBytes(dir.File("Result.csv")), Rectangle);
}

TEST(PrintProgram, RendersAReportToPdf) {
    TempDir dir;
    dir.Write("CalRslt.txt", platform::ToCp932("[ 計算結果 ] 座標倍率 =   1.00\r\n\r\n面積　 A =     300.00\r\n"));
    Outcome run = Execute(dir, "lurm", "Lurm.exe F=" + dir.File("CalRslt.txt") + " PF=CalRslt.txt CV=1 --pdf " +
                                       dir.File("out.pdf"));
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string pdf = ReadFileBytes(dir.File("out.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GT(pdf.size(), 1000u);
}

TEST(PrintProgram, MissingReportOrBadCommandLine) {
    TempDir dir;
    Outcome missing = Execute(dir, "lurm", "F=" + dir.File("none.txt") + " --pdf " + dir.File("out.pdf"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.pdf")));
    EXPECT_EQ(Execute(dir, "lurm", "PF=x.txt --pdf " + dir.File("out.pdf")).status, 2);
    EXPECT_EQ(Execute(dir, "lurm", "F=a Z=1").status, 2);
}

TEST(VeldrioCalc, TracesAPictureFromASeedDotThenCalculates) {
    TempDir dir;
    const figpic::Figure plate = figpic::Figures()[4];
    const auto jpeg = figpic::Jpeg(figpic::Render(plate.rows, figpic::Damage::None), figpic::WIDTH, figpic::HEIGHT, 85);
    dir.Write("plate.jpg", std::string(jpeg.begin(), jpeg.end()));
    Outcome run = Execute(dir, "veldrio-calc", "--trace " + dir.File("plate.jpg") + " 240 220");
    ASSERT_EQ(run.status, 0) << run.err;
    // Five lines and the notch's arc in two parts, then the result lines.
    EXPECT_EQ(run.out.substr(0, 2), "1,");
    EXPECT_NE(run.out.find("\n2,"), std::string::npos);
    EXPECT_NE(run.out.find("\n座標倍率 R =       1.00\n面積　   A =   425"), std::string::npos) << run.out;
    // With --json the same rows go into the object as numbers.
    Outcome json = Execute(dir, "veldrio-calc", "--json --trace " + dir.File("plate.jpg") + " 240 220");
    ASSERT_EQ(json.status, 0) << json.err;
    std::string firstRow = run.out.substr(0, run.out.find('\n'));
    for (std::size_t c = firstRow.find(','); c != std::string::npos; c = firstRow.find(',', c + 1)) firstRow.insert(++c, " ");
    EXPECT_NE(json.out.find("\"rows\": [[" + firstRow + "], ["), std::string::npos) << json.out;
    EXPECT_EQ(json.out.substr(json.out.size() - 4), "]]}\n");

    const std::vector<std::uint8_t> grey(std::size_t(64) * 48 * 3, 200);
    const auto empty = figpic::Jpeg(grey, 64, 48, 85);
    dir.Write("empty.jpg", std::string(empty.begin(), empty.end()));
    Outcome refused = Execute(dir, "veldrio-calc", "--trace " + dir.File("empty.jpg") + " 20 20");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "クリック位置に図形が見つかりません\n");
}

TEST(VeldrioCalc, PropertiesAndJsonForScripts) {
    TempDir dir;
    dir.Write("r.csv", Rectangle);
    std::filesystem::create_directory(dir.File("out"));
    Outcome block = Execute(dir, "veldrio-calc", "--properties --mm-per-dot 0.5 --out " + dir.File("out") + " " +
                                                     dir.File("r.csv"));
    ASSERT_EQ(block.status, 0) << block.err;
    EXPECT_NE(block.out.find("Iz Min　　 =   2.5000e+03\n\n[ 断面性能 ] 座標倍率 =   1.00\n"), std::string::npos);
    const std::string report = platform::FromCp932(ReadFileBytes(dir.File("out/SectProp.txt")));
    EXPECT_NE(report.find("実寸スケール = 0.5 mm/ドット (元画像)\r\n"), std::string::npos);

    Outcome json = Execute(dir, "veldrio-calc", "--json --mm-per-dot 0.5 " + dir.File("r.csv"));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.substr(0, 30), "{\"R\": 1, \"dots\": {\"area\": 300,");
    EXPECT_NE(json.out.find("\"mm\": {\"area\": 75, "), std::string::npos);
    EXPECT_NE(json.out.find(", \"loops\": 1}"), std::string::npos) << json.out;
    // A square frame: the outer loop, a break with blank coordinates, the hole.
    dir.Write("frame.csv", "1,0,0\n1,30,0\n1,30,30\n1,0,30\n9, , \n1,10,10\n1,20,10\n1,20,20\n1,10,20\n");
    Outcome frame = Execute(dir, "veldrio-calc", "--json " + dir.File("frame.csv"));
    ASSERT_EQ(frame.status, 0) << frame.err;
    EXPECT_EQ(frame.out.substr(0, 30), "{\"R\": 1, \"dots\": {\"area\": 800,");
    EXPECT_NE(frame.out.find(", \"loops\": 2}"), std::string::npos) << frame.out;
    dir.Write("two.csv", "1,0,0\n1,10,0\n");
    Outcome refused = Execute(dir, "veldrio-calc", "--json " + dir.File("two.csv"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(Execute(dir, "veldrio-calc", "--mm-per-dot -1 " + dir.File("r.csv")).status, 2);
}

TEST(VeldrioCalc, FollowsLangWithTheSameJsonAndSoDoesThePrintProgram) {
    TempDir dir;
    const std::string file = dir.Write("r.csv", Rectangle), none = dir.File("none.txt");
    const Outcome en = Execute(dir, "veldrio-calc", "--lang en --properties --mm-per-dot 0.5 " + file);
    EXPECT_TRUE(en.status == 0 && !en.out.empty() &&
                std::ranges::all_of(en.out, [](unsigned char c) { return c < 0x80; }))
        << en.out;
    const std::string json = Execute(dir, "veldrio-calc", "--lang ja --json " + file).out;
    EXPECT_TRUE(!json.empty() && Execute(dir, "veldrio-calc", "--lang en --json " + file).out == json);
    const Outcome missing = Execute(dir, "lurm", "--lang en F=" + none + " --pdf " + dir.File("out.pdf"));
    EXPECT_NE(missing.err.find("lurm: Cannot read the file to print: " + none), std::string::npos);
    EXPECT_EQ(Execute(dir, "lurm", "--lang fr F=" + none).status, 2);
}
