#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/calc_driver.h"
#include "data/report_printing.h"
#include "data/report_texts.h"
#include "platform/message_box_recorder.h"
#include "platform/shell_execute.h"
#include "platform/text_codec.h"
#include "print_fixture.h"
#include "temp_dir.h"

using platform::MessageBoxRecorder;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A calculated table: a rectangle 30 wide and 10 high with its corner at (10, 20).
struct Calculated {
    SampleTable table;
    CalcState state;
    explicit Calculated(double R = 1.0) {
        MessageBoxRecorder quiet;
        for (auto [x, y] : {std::pair{10, 20}, {40, 20}, {40, 30}, {10, 30}}) table.AddPoint(x, y);
        EXPECT_TRUE(Calculate(table, state, R, nullptr));
    }
};

}  // namespace

TEST(Reports, ResultReportAtScaleOne) {
    Calculated c;
    const std::string expected =
        "[ 計算結果 ] 座標倍率 =   1.00\r\n"
        "\r\n"
        "面積　 A =     300.00\r\n\r\n"
        "周長　 L =      80.00\r\n\r\n"
        "幅　　 B =  30.00\r\n\r\n"
        "高さ　 H =  10.00\r\n\r\n"
        "横重心 xc=  25.00\r\n"
        "      bL =  15.00\r\n"
        "      bR =  15.00\r\n\r\n"
        "縦重心 yc=  25.00\r\n"
        "     hUp =   5.00\r\n"
        "     hLo =   5.00\r\n\r\n"
        "Iy Max 　=   2.2500e+04\r\n"
        " atθMax =   90 deg --- 右0°,右回り＋\r\n"
        "Iz Min　 =   2.5000e+03\r\n";
    EXPECT_EQ(CalcReportText(c.state.results), expected);

    CalcResults area;
    area.R = 1;
    area.shown.A = 1234.5;
    EXPECT_EQ(Lines(CalcReportText(area))[2], "面積　 A =    1234.50");
}

TEST(Reports, ResultReportAtScaleTwoCarriesSourceValues) {
    Calculated c(2.0);
    const std::string expected =
        "[ 計算結果 ] サイズ補正あり 座標倍率 =   2.00　 ( ) 表示は元画像スケール値\r\n"
        "\r\n"
        "面積　 A =     300.00 (     75.00)\r\n\r\n"
        "周長　 L =      80.00 (     40.00)\r\n\r\n"
        "幅　　 B =  30.00 ( 15.00)\r\n\r\n"
        "高さ　 H =  10.00 (  5.00)\r\n\r\n"
        "横重心 xc=  25.00 ( 12.50)\r\n"
        "      bL =  15.00 (  7.50)\r\n"
        "      bR =  15.00 (  7.50)\r\n\r\n"
        "縦重心 yc=  25.00 ( 12.50)\r\n"
        "     hUp =   5.00 (  2.50)\r\n"
        "     hLo =   5.00 (  2.50)\r\n\r\n"
        "Iy Max 　=   2.2500e+04 (  1.4062e+03)\r\n"
        " atθMax =   90 deg --- 右0°,右回り＋\r\n"
        "Iz Min　 =   2.5000e+03 (  1.5625e+02)\r\n";
    EXPECT_EQ(CalcReportText(c.state.results), expected);
}

TEST(Reports, InclinedTableHasSixtyFiveLinesInThreeBlocks) {
    Calculated c;
    std::vector<std::string> lines = Lines(InclinedReportText(c.state.inclined));
    ASSERT_EQ(lines.size(), 65u);
    EXPECT_EQ(lines[0], "[ 傾斜軸回りの断面２次モーメント表 ]");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2],
              "  Deg     Iy            Iz         Deg     Iy            Iz         Deg     Iy"
              "            Iz");
    EXPECT_EQ(lines[2].size() + 2, 94u);  // with its line end
    EXPECT_EQ(lines[2].substr(90), "Iz");
    EXPECT_EQ(lines[3], std::string(98, '-'));
    EXPECT_EQ(lines[4],
              "    0   2.5000e+03   2.2500e+04     60   1.7500e+04   7.5000e+03    120   1.7500e+04"
              "   7.5000e+03");
    EXPECT_EQ(lines[64],
              "   60   1.7500e+04   7.5000e+03    120   1.7500e+04   7.5000e+03    180   2.5000e+03"
              "   2.2500e+04");
    // columns line up under their headings
    EXPECT_EQ(lines[4].substr(33, 5), "   60");
    EXPECT_EQ(lines[4].size(), 97u);
}

TEST(Reports, DetailLinesByRecordKind) {
    MessageBoxRecorder quiet;
    SampleTable table;
    CalcState state;
    // a quarter circle of radius 50 round (0, 0) from its top, closed by two radii
    for (auto [x, y] : {std::pair{0, -50}, {30, -40}, {50, 0}, {0, 0}}) table.AddPoint(x, y);
    table.rows[0].type = 2;
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    std::vector<std::string> lines = Lines(DetailReportText(state.segments.data(), state.segmentCount));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "[ 線積分用詳細展開データ ] (xs,ys)-(xe,ye) or (xc,yc)");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Sr=  0 type=円弧　 　(    0,    0) R=   50 θ(270.0→  0.0) Δ 90.0 deg  右回り");
    EXPECT_EQ(lines[3], "Sr=  1 type=円弧中間 (   30,  -40)");
    EXPECT_EQ(lines[4], "Sr=  2 type=直線　 　(   50,    0)-(    0,    0)");
    EXPECT_EQ(lines[5], "Sr=  3 type=直線　 　(    0,    0)-(    0,  -50)");
    EXPECT_EQ(lines[6], "Sr=  4 type=補助点 (    0,  -50)");

    // the other way round
    table.ClearTable();
    for (auto [x, y] : {std::pair{50, 0}, {30, -40}, {0, -50}, {0, 0}}) table.AddPoint(x, y);
    table.rows[0].type = 2;
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    lines = Lines(DetailReportText(state.segments.data(), state.segmentCount));
    EXPECT_EQ(lines[2], "Sr=  0 type=円弧　 　(    0,    0) R=   50 θ(  0.0→270.0) Δ 90.0 deg  左回り");
}

TEST(Reports, NineRowsGiveTenSegmentsAndTwelveLines) {
    MessageBoxRecorder quiet;
    SampleTable table;
    CalcState state;
    for (auto [x, y] : {std::pair{0, 0}, {10, 5}, {20, 0}, {30, 5}, {40, 0}, {50, 5}, {60, 0}, {60, 50}, {0, 50}}) {
        table.AddPoint(x, y);
    }
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    ASSERT_EQ(state.segmentCount, 10);
    std::vector<std::string> lines = Lines(DetailReportText(state.segments.data(), state.segmentCount));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], "Sr=  0 type=直線　 　(    0,    0)-(   10,    5)");
    EXPECT_EQ(lines[10], "Sr=  8 type=直線　 　(    0,   50)-(    0,    0)");
    EXPECT_EQ(lines[11], "Sr=  9 type=補助点 (    0,    0)");
}

TEST(Printing, WritesShiftJisFileAndStartsThePrintProgram) {
    TempDir dir;
    Calculated c;
    Notices boxes;  // what the user is told
    ShellRecorder shell;
    ASSERT_TRUE(PrintReport(ReportKind::Results, c.table, c.state, dir.path(), dir.path(), &boxes));
    const std::string path = dir.path() + "/CalRslt.txt";
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes, platform::ToCp932(CalcReportText(c.state.results)));
    EXPECT_EQ(bytes.substr(0, 4), "[ \x8C\x76");  // "[ 計" in Shift-JIS
    EXPECT_EQ(platform::FromCp932(bytes), CalcReportText(c.state.results));
    EXPECT_EQ(shell.program, "lurm");  // none beside the program: the one on PATH
    EXPECT_EQ(shell.arguments,
              (std::vector<std::string>{"Lurm.exe", "F=" + path, "PF=CalRslt.txt", "CV=1"}));
    EXPECT_TRUE(boxes.empty());

    dir.Write("lurm", "");
    ASSERT_TRUE(PrintReport(ReportKind::InclinedAxes, c.table, c.state, dir.path(), dir.path(), &boxes));
    EXPECT_EQ(shell.program, dir.path() + "/lurm");
    EXPECT_EQ(Lines(platform::FromCp932(ReadFileBytes(dir.path() + "/InclRslt.txt"))).size(), 65u);
    ASSERT_TRUE(PrintReport(ReportKind::Details, c.table, c.state, dir.path(), dir.path(), &boxes));
    EXPECT_EQ(shell.arguments[2], "PF=DetailDat.txt");
    EXPECT_EQ(shell.calls, 3);
}

TEST(Printing, RefusedUnlessCalculated) {
    TempDir dir;
    Calculated c;
    Notices boxes;  // what the user is told
    ShellRecorder shell;
    c.table.workState = WS_MODIFIED;  // a row was completed since
    for (ReportKind kind : {ReportKind::Results, ReportKind::InclinedAxes, ReportKind::Details}) {
        EXPECT_FALSE(PrintReport(kind, c.table, c.state, dir.path(), dir.path(), &boxes));
        EXPECT_EQ(boxes.back().text, "計算が完了しておらず印刷できません");
        EXPECT_EQ(boxes.back().title, "確認");
    }
    EXPECT_EQ(shell.calls, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Printing, FileThatCannotBeOpenedIsReported) {
    Calculated c;
    Notices boxes;  // what the user is told
    ShellRecorder shell;
    const std::string nowhere = "/nonexistent/veldrio";
    EXPECT_FALSE(PrintReport(ReportKind::Results, c.table, c.state, nowhere, nowhere, &boxes));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "ファイルのオープンに失敗しました");
    EXPECT_EQ(boxes[0].title, "確認");
    EXPECT_EQ(boxes[1].text, "計算結果の印刷用ファイルへの書込みに失敗しました。");
    EXPECT_EQ(boxes[1].title, "確認要求");

    EXPECT_FALSE(PrintReport(ReportKind::InclinedAxes, c.table, c.state, nowhere, nowhere, &boxes));
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[3].text, "傾斜軸回りの結果の InclRslt.txt への書込みに失敗しました。");

    EXPECT_FALSE(PrintReport(ReportKind::Details, c.table, c.state, nowhere, nowhere, &boxes));
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[4].text, "ファイルのオープンに失敗しました");
    EXPECT_EQ(shell.calls, 0);
}

TEST(Printing, PrintProgramThatCannotStart) {
    TempDir dir;
    Calculated c;
    Notices boxes;  // what the user is told
    // no print program in the directory: the real start reports it missing
    EXPECT_FALSE(PrintReport(ReportKind::Results, c.table, c.state, dir.path(), dir.path(), &boxes));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.back().text,
              "印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=2\n実行ディレクトリに Lurm.exe があることをチェックしてください。");
    EXPECT_EQ(boxes.back().title, "確認要求");
    EXPECT_EQ(boxes.back().style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "/CalRslt.txt"));  // written, not deleted

    // present but not executable
    std::ofstream(dir.path() + "/lurm") << "#!/bin/sh\n";
    EXPECT_FALSE(PrintReport(ReportKind::Results, c.table, c.state, dir.path(), dir.path(), &boxes));
    EXPECT_EQ(boxes.back().text, "印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=5");
}

TEST(ShellExecute, ResultCodes) {
    TempDir dir;
    EXPECT_EQ(platform::ShellExecute(nullptr, dir.path() + "/missing", {}), 2);
    EXPECT_EQ(platform::ShellExecute(nullptr, "veldrio-no-such-program-anywhere", {}), 2);
    EXPECT_EQ(platform::ShellExecute(nullptr, dir.path(), {}), 5);  // a folder
    const std::string marker = dir.path() + "/ran with blank";
    const std::string script = dir.path() + "/touch.sh";
    std::ofstream(script) << "#!/bin/sh\ntouch \"$1\"\n";
    chmod(script.c_str(), 0755);
    EXPECT_GE(platform::ShellExecute(nullptr, script, {marker}), 32);
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) usleep(10000);
    EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(Printing, PathWithShellCharactersReachesThePrintProgramWhole) {
    TempDir dir;
    // Blanks, quotes, a command separator, a command substitution and
    // non-ASCII characters; no shell may ever see them.
    const std::string programDir = dir.path() + "/a b 'c' \"d\"; $(touch pwned) `touch pwned` 測定";
    ASSERT_TRUE(std::filesystem::create_directory(programDir));
    const std::string printProgram = programDir + "/lurm";
    std::ofstream(printProgram) << "#!/bin/sh\nprintf '%s\\0' \"$@\" >\"$(dirname \"$0\")/args.tmp\"\n"
                                   "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args\"\n";
    chmod(printProgram.c_str(), 0755);
    Calculated c;
    ASSERT_TRUE(PrintReport(ReportKind::Results, c.table, c.state, programDir, programDir));
    const std::string args = programDir + "/args";
    for (int i = 0; i < 500 && !std::filesystem::exists(args); ++i) usleep(10000);
    const std::string expected = std::string("Lurm.exe") + '\0' + "F=" + programDir + "/CalRslt.txt" + '\0' +
                                 "PF=CalRslt.txt" + '\0' + "CV=1" + '\0';
    EXPECT_EQ(ReadFileBytes(args), expected);
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_FALSE(std::filesystem::exists(programDir + "/pwned"));
}
