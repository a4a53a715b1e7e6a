#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "platform/message_box_recorder.h"
#include "platform/text_codec.h"
#include "temp_dir.h"

using platform::MessageBoxRecorder;

namespace {

const char RowsBlock[] =
    "\r\n"
    "データ\r\n"
    "type,x,y\r\n";

}  // namespace

TEST(CsvExport, BeforeAnyCalculationTheScaledFormWithZeros) {
    SampleTable table;
    {
        MessageBoxRecorder quiet;
        table.AddPoint(123, 45);
    }
    CalcResults none;  // R is 0 before the first calculation
    const std::string expected = std::string(
        "計算結果,座標倍率,  0.00,右側は元スケール換算値\r\n"
        "面積,      0.00,  0.00\r\n"
        "周長,      0.00,      0.00\r\n"
        "幅,  0.00,  0.00\r\n"
        "高さ,  0.00,  0.00\r\n"
        "横重心,  0.00,  0.00\r\n"
        "BL,  0.00,  0.00\r\n"
        "BR,  0.00,  0.00\r\n"
        "縦重心,  0.00,  0.00\r\n"
        "HUp,  0.00,  0.00\r\n"
        "HLo,  0.00,  0.00\r\n"
        "Iy Max,  0.0000e+00,  0.0000e+00\r\n"
        "θ Max,   0, 右0°右回り＋\r\n"
        "Iz Min,  0.0000e+00,  0.0000e+00\r\n") + RowsBlock +
        "1,     123,      45\r\n";
    EXPECT_EQ(CsvText(none, table), expected);
}

TEST(CsvExport, CalculatedAtScaleOneAndTwo) {
    MessageBoxRecorder quiet;
    SampleTable table;
    CalcState state;
    for (auto [x, y] : {std::pair{10, 20}, {40, 20}, {40, 30}, {10, 30}}) table.AddPoint(x, y);
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    const std::string rows = "1,      10,      20\r\n1,      40,      20\r\n1,      40,      30\r\n"
                             "1,      10,      30\r\n";
    EXPECT_EQ(CsvText(state.results, table), std::string(
        "計算結果\r\n"
        "面積,    300.00\r\n"
        "周長,     80.00\r\n"
        "幅, 30.00\r\n"
        "高さ, 10.00\r\n"
        "横重心, 25.00\r\n"
        "BL, 15.00\r\n"
        "BR, 15.00\r\n"
        "縦重心, 25.00\r\n"
        "HUp,  5.00\r\n"
        "HLo,  5.00\r\n"
        "Iy Max,  2.2500e+04\r\n"
        "θ Max,  90, 右0°右回り＋\r\n"
        "Iz Min,  2.5000e+03\r\n") + RowsBlock + rows);

    ASSERT_TRUE(Calculate(table, state, 2.0, nullptr));
    EXPECT_EQ(CsvText(state.results, table), std::string(
        "計算結果,座標倍率,  2.00,右側は元スケール換算値\r\n"
        "面積,    300.00, 75.00\r\n"
        "周長,     80.00,     40.00\r\n"
        "幅, 30.00, 15.00\r\n"
        "高さ, 10.00,  5.00\r\n"
        "横重心, 25.00, 12.50\r\n"
        "BL, 15.00,  7.50\r\n"
        "BR, 15.00,  7.50\r\n"
        "縦重心, 25.00, 12.50\r\n"
        "HUp,  5.00,  2.50\r\n"
        "HLo,  5.00,  2.50\r\n"
        "Iy Max,  2.2500e+04,  1.4062e+03\r\n"
        "θ Max,  90, 右0°右回り＋\r\n"
        "Iz Min,  2.5000e+03,  1.5625e+02\r\n") + RowsBlock + rows);
}

TEST(CsvExport, RowsExactlyAsStored) {
    SampleTable table;
    CalcResults r;
    r.R = 1;
    EXPECT_EQ(CsvText(r, table).substr(CsvText(r, table).size() - 10), "type,x,y\r\n");  // empty table
    MessageBoxRecorder quiet;
    table.AddPoint(1, 2);
    table.InsertBlankRow(0);           // a blank row: texts " "
    table.AddPoint(5, 6);              // fills the blank row
    table.AddPoint(7, 8);
    table.DeleteRows(2, 2);            // vacated row: empty texts, beyond count
    table.count = 3;                   // as if pasted beyond: shows the zeroed row
    std::snprintf(table.rows[1].xText, 9, "%8s", "1.5e1");
    table.rows[1].type = 2;
    const std::string text = CsvText(r, table);
    const std::string tail = text.substr(text.find("type,x,y\r\n") + 10);
    EXPECT_EQ(tail, "1,       5,       6\r\n2,   1.5e1,       2\r\n0,,\r\n");
    table.InsertBlankRow(0);
    const std::string blank = CsvText(r, table);
    EXPECT_NE(blank.find("type,x,y\r\n0, , \r\n"), std::string::npos);
}

TEST(CsvExport, QuestionWhenNotCalculatedThenDialogThenFile) {
    TempDir dir;
    SampleTable table;
    CalcResults r;
    std::string lastCsvDir;
    std::string askedFolder;
    std::vector<std::string> steps;  // questions and dialogs in their order
    bool yes = false;
    std::string answerPath = dir.path() + "/sub/out.csv";
    std::filesystem::create_directory(dir.path() + "/sub");
    auto chooser = [&](const std::string& folder) {
        askedFolder = folder;
        steps.push_back("dialog");
        return answerPath;
    };
    auto ask = [&](const Notice& question) {
        steps.push_back(question.text);
        EXPECT_EQ(question.title, "確認");
        EXPECT_EQ(question.style, platform::MB_YESNO);
        return yes;
    };
    const std::string question = "計算が完了していないか、データが修正されています。\n\n出力しますか？";

    Notices told;
    EXPECT_FALSE(ExportCsv(table, r, "/prog", lastCsvDir, chooser, ask, &told));
    EXPECT_EQ(steps, std::vector<std::string>{question});
    EXPECT_TRUE(told.empty());

    yes = true;
    EXPECT_TRUE(ExportCsv(table, r, "/prog", lastCsvDir, chooser, ask, &told));
    EXPECT_EQ(steps, (std::vector<std::string>{question, question, "dialog"}));
    EXPECT_EQ(askedFolder, "/prog");
    EXPECT_EQ(lastCsvDir, dir.path() + "/sub");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, "指定Csvファイルに書込みました");
    EXPECT_EQ(told[0].title, "確認");
    EXPECT_EQ(ReadFileBytes(answerPath), platform::ToCp932(CsvText(r, table)));

    // calculated: no question; the second export starts in the folder of the first
    table.workState = WS_CALCULATED;
    told.clear();
    steps.clear();
    answerPath.clear();  // Cancel
    EXPECT_FALSE(ExportCsv(table, r, "/prog", lastCsvDir, chooser, ask, &told));
    EXPECT_EQ(steps, std::vector<std::string>{"dialog"});
    EXPECT_EQ(askedFolder, dir.path() + "/sub");
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(lastCsvDir, dir.path() + "/sub");
}

TEST(CsvExport, FileThatCannotBeOpened) {
    SampleTable table;
    table.workState = WS_CALCULATED;
    CalcResults r;
    std::string lastCsvDir;
    auto chooser = [](const std::string&) { return std::string("/nonexistent/folder/a.csv"); };
    Notices told;
    EXPECT_FALSE(ExportCsv(table, r, "/prog", lastCsvDir, chooser, nullptr, &told));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].text, "ファイルのオープンに失敗しました");
    EXPECT_EQ(told[1].text, "Csv ファイル書込みに失敗しました");
    EXPECT_EQ(told[1].title, "確認");
    EXPECT_EQ(lastCsvDir, "/nonexistent/folder");  // remembered all the same
}
