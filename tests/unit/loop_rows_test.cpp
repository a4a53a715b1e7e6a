// Loop breaks (rows of type 9) through the edit window's logic: entering
// them, the calculation's refusals naming the loop, and the files that list
// the loops.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/edit_grid.h"
#include "data/measurement_sheet.h"
#include "data/outline_csv_reader.h"
#include "data/report_texts.h"
#include "data/row_command.h"
#include "platform/message_box_recorder.h"
#include "res/ids.h"
#include "viewer/point_pick.h"

using platform::MessageBoxRecorder;

namespace {

constexpr std::array<int, 3> kBreak = {9, 0, 0};

// Rows of (type, x, y) as clicked and broken by the command.
SampleTable Table(const std::vector<std::array<int, 3>>& rows) {
    SampleTable table;
    for (auto [type, x, y] : rows) {
        if (type == 9) {
            table.rows[table.count++] = LoopBreakSamplePoint();
            continue;
        }
        table.AddPoint(x, y);
        table.rows[table.count - 1].type = type;
    }
    return table;
}

const std::vector<std::array<int, 3>> kSquareWithHole = {{1, 10, 10},  {1, 110, 10}, {1, 110, 110},
                                                         {1, 10, 110}, kBreak,       {1, 40, 40},
                                                         {1, 80, 40},  {1, 80, 80},  {1, 40, 80}};

}  // namespace

TEST(LoopRows, BreaksAreAddedOnlyAfterAPointAndPassedOverByScalingAndClicks) {
    SampleTable table;
    Notice notice;
    EXPECT_TRUE(ApplyRowCommand(table, ID_ADD_LOOP, 0, &notice));  // the command ran, and refused
    EXPECT_EQ(notice.text, "穴・部品の区切りは点のあるループの後にだけ追加できます");
    table.AddPoint(10, 20);
    ASSERT_TRUE(table.AddLoopBreak());
    EXPECT_FALSE(table.AddLoopBreak());  // two in a row
    EXPECT_EQ(table.count, 2);

    table.AddPoint(30, 40);
    table.ScaleCoords(2.0);
    table.CoordsToText();
    EXPECT_STREQ(table.rows[1].xText, " ");
    EXPECT_STREQ(table.rows[2].xText, "      60");
    EXPECT_EQ(PickPoint(table, 0, 0), -1);  // a click on (0, 0) picks no break
    EXPECT_EQ(PickPoint(table, 60, 80), 2);
}

TEST(LoopRows, TypingNineInTheGridBlanksTheCoordinatesAndCompletesTheRow) {
    MessageBoxRecorder boxes;
    SampleTable table = Table({{1, 10, 10}, {1, 50, 10}, {1, 30, 40}});
    EditGrid grid;
    grid.FillPage(table);
    EXPECT_EQ(grid.StoreCell(table, 3, 0, "9", nullptr), StoreResult::Completed);
    EXPECT_EQ(table.count, 4);
    EXPECT_EQ(grid.Cell(3, 0) + "|" + grid.Cell(3, 1) + "|" + grid.Cell(3, 2), "9| | ");
    // Over a row with a point: its coordinates go.
    EXPECT_EQ(grid.StoreCell(table, 1, 0, "9", nullptr), StoreResult::Completed);
    EXPECT_STREQ(table.rows[1].yText, " ");
    EXPECT_EQ(grid.Cell(1, 1), " ");
    // Nothing can be typed beside a break.
    EXPECT_EQ(grid.StoreCell(table, 1, 1, "5", nullptr), StoreResult::Incomplete);
    EXPECT_STREQ(table.rows[1].xText, " ");
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(LoopRows, CalculationRefusesBadLoopsNamingLoopAndRowAndKeepsTheEarlierResults) {
    using Rows = std::vector<std::array<int, 3>>;
    const Rows square = {{1, 0, 0}, {1, 20, 0}, {1, 20, 20}, {1, 0, 20}};
    auto with = [&](Rows before, const Rows& after) {
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    const std::pair<Rows, const char*> cases[] = {
        {with({kBreak}, square), "1 番目のデータ: 最初の行に穴・部品の区切り (type=9) は置けません。"},
        {with(square, {kBreak}), "5 番目のデータ: 最後の行に穴・部品の区切り (type=9) は置けません。"},
        {with(with(square, {kBreak, kBreak}), square),
         "6 番目のデータ: 穴・部品の区切り (type=9) が続いています。\n間に点のないループ 2 はできません。"},
        {with(with(square, {kBreak}), {{1, 30, 0}, {1, 40, 0}}),
         "ループ 2 (6 番目のデータから) の点が３点未満です。\n穴・部品はそれぞれ３点以上で囲んでください。"},
        {with(with({{1, 30, 0}, {1, 40, 0}, {2, 35, 5}}, {kBreak}), square),
         "ループ 1 の最終点 (3 番目のデータ) に type=2 は指定できません"},
        {with(with(square, {kBreak}), {{1, 30, 0}, {1, 40, 0}, {8, 35, 5}}),
         "8 番目のデータの type指定ミスです。\n1 or 2 のみ指定可。"},
        {with(with(square, {kBreak}), {{1, 10, 10}, {1, 50, 10}, {1, 50, 15}}),
         "ループ 1 とループ 2 が交差しているか接しています (2 番目のデータ付近)。"},
        // a second loop in the shape of an eight
        {with(with(square, {kBreak}), {{1, 30, 0}, {1, 50, 20}, {1, 50, 0}, {1, 30, 20}}),
         "ループ 2 (6 番目のデータ付近) が自身と交差しています。"},
    };
    for (const auto& [rows, message] : cases) {
        SampleTable table = Table(rows);
        CalcState state;
        SampleTable earlier = Table(square);
        ASSERT_TRUE(Calculate(earlier, state, 1.0, nullptr));
        table.workState = WS_MODIFIED;
        Notice notice;
        EXPECT_FALSE(Calculate(table, state, 1.0, &notice));
        EXPECT_EQ(notice.text, message);
        EXPECT_EQ(notice.title, "計算に入れません");
        EXPECT_EQ(table.workState, WS_MODIFIED);
        EXPECT_EQ(state.results.shown.A, 400);  // the earlier calculation stays as it was
        EXPECT_EQ(state.segmentCount, 5);
    }
    // One loop is calculated as before, even an eight or a cut to an inner contour and back.
    SampleTable eight = Table({{1, 0, 0}, {1, 40, 40}, {1, 40, 0}, {1, 0, 10}});
    CalcState state;
    EXPECT_TRUE(Calculate(eight, state, 1.0, nullptr));
}

TEST(LoopRows, FilesListTheLoopsAndReadBackTheSame) {
    MessageBoxRecorder quiet;
    SampleTable table = Table(kSquareWithHole);
    CalcState state;
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    EXPECT_EQ(state.results.shown.A, 10000 - 1600);
    EXPECT_EQ(state.results.shown.L, 400 + 160);

    // The expanded segments: a line before each loop.
    const std::string detail = DetailReportText(state.segments.data(), state.segmentCount);
    EXPECT_NE(detail.find("\r\n--- ループ 1 ---\r\nSr=  0 type=直線"), std::string::npos) << detail;
    EXPECT_NE(detail.find("Sr=  4 type=補助点 (   10,   10)\r\n--- ループ 2 ---\r\n"
                          "Sr=  5 type=直線　 　(   40,   40)-(   80,   40)\r\n"),
              std::string::npos);
    EXPECT_TRUE(detail.ends_with("Sr=  9 type=補助点 (   40,   40)\r\n"));

    // The CSV lists the break as stored and reads back into the same rows.
    const std::string csv = CsvText(state.results, table);
    EXPECT_NE(csv.find("1,      10,     110\r\n9, , \r\n1,      40,      40\r\n"), std::string::npos) << csv;
    SampleTable back;
    std::string error;
    ASSERT_EQ(ReadOutlineCsv(csv, back, error), OutlineReadResult::Ok) << error;
    EXPECT_EQ(CsvText(state.results, back), csv);
    // A break written by hand, with or without coordinates.
    ASSERT_EQ(
        ReadOutlineCsv("1,0,0\n1,9,0\n1,9,9\n9,0,0\n1,20,0\n1,29,0\n1,29,9\n9,,\n1,40,0\n1,49,0\n1,49,9\n",
                       back, error),
        OutlineReadResult::Ok);
    EXPECT_STREQ(back.rows[3].xText, " ");
    EXPECT_STREQ(back.rows[7].yText, " ");
    ASSERT_TRUE(Calculate(back, state, 1.0, nullptr));
    EXPECT_EQ(state.results.shown.A, 3 * 40.5);
    EXPECT_EQ(LoopCountOf(state.segments.data(), state.segmentCount), 3);

    // The measurement sheet: each loop a closed path, a break line between.
    const std::vector<SheetPoints> loops = OutlineLoopPoints(state.segments.data(), state.segmentCount, 1.0);
    ASSERT_EQ(loops.size(), 3u);
    EXPECT_EQ(loops[1].front(), loops[1].back());
    EXPECT_EQ(loops[1].front(), std::make_pair(20.0, 0.0));
    const std::string sheet = SheetText({}, state);
    EXPECT_NE(sheet.find("輪郭=29.000,9.000\r\n輪郭=20.000,0.000\r\n輪郭区切り=\r\n輪郭=40.000,0.000\r\n"),
              std::string::npos);

    // One loop: the files carry no loop lines, as before loops were known.
    table = Table({{1, 10, 10}, {1, 110, 10}, {1, 110, 110}});
    ASSERT_TRUE(Calculate(table, state, 1.0, nullptr));
    EXPECT_EQ(DetailReportText(state.segments.data(), state.segmentCount).find("ループ"), std::string::npos);
    EXPECT_EQ(SheetText({}, state).find("輪郭区切り"), std::string::npos);
}
