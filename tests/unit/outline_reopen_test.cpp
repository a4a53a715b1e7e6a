// Reading an exported outline back: the round trip, another magnification,
// and files that are refused without touching the table.
#include <gtest/gtest.h>

#include <string>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/outline_reopen.h"
#include "data/text_file.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "temp_dir.h"

namespace {

// An L-shaped outline with an arc corner, calculated at R.
void TraceAndCalculate(SampleTable& table, CalcState& state, double R) {
    for (auto [x, y] : {std::pair{10, 10}, {40, 10}, {40, 30}, {30, 40}, {20, 40}, {20, 60}, {10, 60}}) table.AddPoint(x, y);
    table.rows[2].type = 2;  // arc (40,30) -> (30,40) -> (20,40)
    ASSERT_TRUE(Calculate(table, state, R, nullptr));
}

// The questions asked, answered from a queue (Yes when it is empty).
struct Questions {
    std::vector<Notice> asked;
    std::vector<bool> answers;
    AskUser Ask() {
        return [this](const Notice& question) {
            asked.push_back(question);
            if (answers.empty()) return true;
            const bool yes = answers.front();
            answers.erase(answers.begin());
            return yes;
        };
    }
};

}  // namespace

TEST(OutlineReopen, ExportClearReopenCalculateGivesTheSameResults) {
    TempDir dir;
    Questions questions;
    SampleTable table;
    CalcState state;
    TraceAndCalculate(table, state, 2.0);
    const CalcResults before = state.results;
    ASSERT_TRUE(WriteCp932TextFile(dir.File("out.csv"), CsvText(state.results, table)));

    ASSERT_TRUE(ClearSampleData(table, state, questions.Ask()));
    questions.asked.clear();
    ASSERT_TRUE(ReopenOutline(dir.File("out.csv"), 2.0, table, questions.Ask()));
    EXPECT_TRUE(questions.asked.empty());  // nothing to replace
    EXPECT_EQ(table.count, 7);
    EXPECT_EQ(table.workState, WS_MODIFIED);  // as after typing: the results are old
    EXPECT_STREQ(table.rows[3].xText, "      30");
    ASSERT_TRUE(Calculate(table, state, 2.0, nullptr));
    EXPECT_EQ(state.results.shown.A, before.shown.A);
    EXPECT_EQ(state.results.source.IyMax, before.source.IyMax);

    // The same file in a viewer at 100 %: the rows are halved, the source-scale results stay.
    ASSERT_TRUE(ReopenOutline(dir.File("out.csv"), 1.0, table, questions.Ask()));
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0].text, "現在のサンプリングデータを読込みデータで置き換えていいですか？");
    EXPECT_EQ(questions.asked[0].title, "確認");
    EXPECT_EQ(questions.asked[0].style, platform::MB_YESNO);
    EXPECT_EQ(table.rows[1].x, 20);
    EXPECT_STREQ(table.rows[5].yText, "      30");
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    EXPECT_DOUBLE_EQ(state.results.shown.A, before.source.A);

    // Answered No, the table stays.
    questions.answers = {false};
    Notice notice;
    ASSERT_FALSE(ReopenOutline(dir.File("out.csv"), 2.0, table, questions.Ask(), &notice));
    EXPECT_TRUE(notice.empty());
    EXPECT_EQ(table.rows[1].x, 20);
}

TEST(OutlineReopen, BrokenFilesChangeNothingAndNameTheLine) {
    TempDir dir;
    SampleTable table;
    table.AddPoint(5, 6);
    Notice notice;
    const auto reopen = [&](const std::string& path) { return ReopenOutline(path, 1.0, table, nullptr, &notice); };
    const std::pair<std::string, std::string> cases[] = {
        {"1,1,1\n1,2,2\nbroken\n", "3 行目のデータが読めません。\ntype,x,y の形で指定のこと。\n読込みを中止します。"},
        {"1,1,1\n1,2x,2\n", "2 行目のデータが読めません。\ntype,x,y の形で指定のこと。\n読込みを中止します。"},
        {"1,1,1\n1,123456789,2\n", "2 行目のデータが読めません。\ntype,x,y の形で指定のこと。\n読込みを中止します。"},
    };
    for (const auto& [bytes, message] : cases) {
        ASSERT_FALSE(reopen(dir.Write("bad.csv", bytes)));
        EXPECT_EQ(notice.text, message);
        EXPECT_EQ(notice.title, "確認");
    }
    std::string many;
    for (int i = 0; i < 201; ++i) many += "1,1,1\n";
    ASSERT_FALSE(reopen(dir.Write("many.csv", "データ\ntype,x,y\n" + many)));
    EXPECT_EQ(notice.text, "203 行目でデータ数が 200 を超えます。\n読込みを中止します。");
    // Rows that read well but make no outline: a figure eight, a far arc middle.
    ASSERT_FALSE(reopen(dir.Write("eight.csv", "1,0,0\n1,100,100\n1,100,0\n1,0,100\n")));
    EXPECT_EQ(notice.text, "輪郭データの形が正しくないため読み込めません\n1 行目と 3 行目からの辺が交差しているか接しています");
    ASSERT_FALSE(reopen(dir.Write("far.csv", "1,0,0\n2,100,0\n1,40000,40000\n1,100,100\n")));
    EXPECT_EQ(notice.text, "輪郭データの形が正しくないため読み込めません\n2 行目からの円弧が半円以上あります");
    ASSERT_FALSE(reopen(dir.File("missing.csv")));
    EXPECT_EQ(notice.text, "ファイルの読込みに失敗しました");
    EXPECT_EQ(table.count, 1);
    EXPECT_EQ(table.rows[0].x, 5);

    // A UTF-8 file names its magnification like a Shift-JIS one.
    EXPECT_EQ(OutlineFileMagnification("計算結果,座標倍率,  0.50,右側は元スケール換算値\r\n"), 0.5);
    EXPECT_EQ(OutlineFileMagnification("計算結果\r\n面積,  1.00\r\n"), 1.0);
    EXPECT_EQ(OutlineFileMagnification("1,2,3\n"), 0.0);
}
