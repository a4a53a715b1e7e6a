#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <vector>

#include "data/angle_units.h"
#include "data/calc_driver.h"
#include "platform/message_box.h"

namespace {

struct Fixture {
    SampleTable table;
    CalcState state;
    Notice notice;  // the last refusal
    std::vector<Notice> questions;
    int answer = platform::IDYES;

    bool Calculate(double R = 1.0) {
        notice = {};
        return ::Calculate(table, state, R, &notice);
    }
    bool Clear() {
        notice = {};
        return ClearSampleData(
            table, state,
            [this](const Notice& question) {
                questions.push_back(question);
                return answer != platform::IDNO;
            },
            &notice);
    }

    // Rows of (type, x, y), texts as the viewer writes them.
    void Rows(const std::vector<std::array<int, 3>>& rows) {
        table.ClearTable();
        for (auto [type, x, y] : rows) {
            int i = table.count++;
            table.rows[i].x = x;
            table.rows[i].y = y;
            table.rows[i].type = type;
        }
        table.CoordsToText();
    }
};

const std::vector<std::array<int, 3>> Square20 = {{1, 0, 0}, {1, 20, 0}, {1, 20, 20}, {1, 0, 20}};

}  // namespace

TEST(CalcDriver, TwoRowsAreNotEnough) {
    Fixture f;
    f.Rows({{1, 0, 0}, {1, 10, 0}});
    EXPECT_FALSE(f.Calculate());
    EXPECT_EQ(f.notice.text, "３点以上定義されていないと計算に入れません");
    EXPECT_EQ(f.notice.title, "確認");
    EXPECT_EQ(f.notice.style, platform::MB_OK);
    EXPECT_EQ(f.table.workState, WS_IDLE);
}

TEST(CalcDriver, ThreeStraightRowsCalculateAndBothScalesAgreeAtOne) {
    Fixture f;
    f.Rows({{1, 0, 0}, {1, 30, 0}, {1, 0, 40}});
    f.table.workState = WS_SAMPLING;
    ASSERT_TRUE(f.Calculate());
    EXPECT_TRUE(f.notice.empty());
    EXPECT_EQ(f.table.workState, WS_CALCULATED);
    EXPECT_EQ(f.state.segmentCount, 4);
    EXPECT_DOUBLE_EQ(f.state.results.shown.A, 600);
    EXPECT_DOUBLE_EQ(f.state.results.shown.L, 120);
    EXPECT_EQ(f.state.results.R, 1.0);
    EXPECT_EQ(std::memcmp(&f.state.results.shown, &f.state.results.source, sizeof(ResultValues)), 0);
    // the inputs carry the row texts as they stand
    EXPECT_EQ(std::string(f.state.inputs[1].xText, 8), "      30");
    EXPECT_EQ(f.state.inputs[1].xEnd, 0);
}

TEST(CalcDriver, RowMessagesInTheirOrder) {
    Fixture f;
    f.Rows({{1, 0, 0}, {1, 30, 0}, {2, 0, 40}});
    EXPECT_FALSE(f.Calculate());
    EXPECT_EQ(f.notice.text, "最終点に type=2\tは指定できません");
    EXPECT_EQ(f.notice.title, "確認");

    // an empty row inside the data, before a type 2 at the end: the first offending row wins
    f.Rows({{1, 0, 0}, {0, 30, 0}, {1, 30, 30}, {2, 0, 40}});
    EXPECT_FALSE(f.Calculate());
    EXPECT_EQ(f.notice.text, "2 番目のデータの type指定ミスです。\n1 or 2 のみ指定可。");
    EXPECT_EQ(f.notice.title, "計算に入れません");

    f.Rows({{1, 0, 0}, {1, 30, 0}, {1, 30, 30}, {7, 0, 40}});
    EXPECT_FALSE(f.Calculate());
    EXPECT_EQ(f.notice.text, "4 番目のデータの type指定ミスです。\n1 or 2 のみ指定可。");
    EXPECT_EQ(f.table.workState, WS_IDLE);
}

TEST(CalcDriver, LibraryFailureIsReported) {
    Fixture f;
    f.Rows({{1, 0, 0}, {1, 10, 10}, {1, 20, 20}});
    EXPECT_FALSE(f.Calculate());
    EXPECT_EQ(f.notice.text, "計算に失敗しました");
    EXPECT_EQ(f.notice.title, "確認");
}

TEST(CalcDriver, HalfCircleArcIsRefusedWithItsSegmentNumberAndEarlierResultsStay) {
    Fixture f;
    f.Rows(Square20);
    ASSERT_TRUE(f.Calculate());
    const CalcState before = f.state;

    // a straight edge, then the arc (0,100) -> (50,50) -> (100,100): exactly 180 degrees
    f.Rows({{1, 100, 100}, {2, 0, 100}, {1, 50, 50}});
    f.table.workState = WS_MODIFIED;
    EXPECT_FALSE(f.Calculate());
    EXPECT_EQ(f.notice.text, "2 番目の３点指定円弧は内角が１８０°以上になっています。\n分割が必要です。");
    EXPECT_EQ(f.notice.title, "確認");
    EXPECT_EQ(f.table.workState, WS_MODIFIED);
    // nothing of the refused outline is kept: the reports still describe the square
    EXPECT_EQ(f.state.segmentCount, before.segmentCount);
    EXPECT_EQ(std::memcmp(f.state.segments.data(), before.segments.data(), sizeof f.state.segments), 0);
    EXPECT_EQ(std::memcmp(&f.state.inclined, &before.inclined, sizeof f.state.inclined), 0);
    EXPECT_EQ(f.state.sectionResults.values[OS_AREA], 400);
    EXPECT_EQ(f.state.results.shown.A, 400);

    // a quarter circle is fine
    f.Rows({{2, 0, 100}, {1, 29, 29}, {1, 100, 0}, {1, 100, 100}});
    EXPECT_TRUE(f.Calculate());
}

TEST(CalcDriver, DegreesUseTheShortPi) {
    EXPECT_EQ(DegreesFromRadians(3.1415926), 180.0);
    EXPECT_GT(DegreesFromRadians(3.14159255), 179.99999);
    EXPECT_LT(DegreesFromRadians(3.14159255), 180.0);
}

TEST(CalcDriver, MagnificationTwoConvertsToTheSourceScale) {
    Fixture f;
    f.Rows(Square20);
    ASSERT_TRUE(f.Calculate(2.0));
    const CalcResults& r = f.state.results;
    EXPECT_EQ(r.R, 2.0);
    EXPECT_DOUBLE_EQ(r.shown.A, 400);
    EXPECT_DOUBLE_EQ(r.source.A, 100);
    EXPECT_DOUBLE_EQ(r.shown.L, 80);
    EXPECT_DOUBLE_EQ(r.source.L, 40);
    EXPECT_DOUBLE_EQ(r.source.B, 10);
    EXPECT_DOUBLE_EQ(r.source.xC, 5);
    EXPECT_DOUBLE_EQ(r.source.hL, 5);
    EXPECT_DOUBLE_EQ(r.shown.IyMax, 20.0 * 8000 / 12);
    EXPECT_DOUBLE_EQ(r.source.IyMax, 20.0 * 8000 / 12 / 16);
    EXPECT_DOUBLE_EQ(r.source.IzMin, r.shown.IzMin / 16);
    EXPECT_EQ(r.source.theta, r.shown.theta);

    // without a viewer the window passes 1; nonsense counts as 1
    ASSERT_TRUE(f.Calculate(0.0));
    EXPECT_EQ(f.state.results.R, 1.0);
    EXPECT_EQ(f.state.results.source.A, 400);
}

TEST(CalcDriver, ResultBoxLines) {
    CalcResults r;
    auto zero = ResultBoxLines(r, WS_IDLE);
    EXPECT_EQ(zero[0], "座標倍率 R =       0.00");
    EXPECT_EQ(zero[1], "面積　   A =       0.00  ");
    EXPECT_EQ(zero[7], "Iy Max　　 =   0.0000e+00 (θ=   0°右＝0°右回り＋)");

    r.R = 1.5;
    r.shown = {12.5, 30, 1234.5, 85, 6.25, 15, 15, 15, 6.25, 6.25, 160000, 4500.5, -33.6};
    auto lines = ResultBoxLines(r, WS_CALCULATED);
    EXPECT_EQ(lines[0], "座標倍率 R =       1.50");
    EXPECT_EQ(lines[1], "面積　   A =    1234.50  ");
    EXPECT_EQ(lines[2], "周長　   L =      85.00");
    EXPECT_EQ(lines[3], "幅　 　  B =  12.50");
    EXPECT_EQ(lines[4], "高さ 　  H =  30.00");
    EXPECT_EQ(lines[5], "横重心  xC =   6.25 (bL=  6.25 bR=  6.25)");
    EXPECT_EQ(lines[6], "縦重心  yC =  15.00 (hU= 15.00 hL= 15.00)");
    EXPECT_EQ(lines[7], "Iy Max　　 =   1.6000e+05 (θ= -34°右＝0°右回り＋)");
    EXPECT_EQ(lines[8], "Iz Min　　 =   4.5005e+03");
    // results that belong to data changed since carry the note
    EXPECT_EQ(ResultBoxLines(r, WS_MODIFIED)[1], "面積　   A =    1234.50  (修正前データ対応）");
    r.shown.A = 0;
    EXPECT_EQ(ResultBoxLines(r, WS_MODIFIED)[1], "面積　   A =       0.00  ");
}

TEST(CalcDriver, ResultLinesKeepTheDecimalPointInAnyLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    CalcResults r;
    r.R = 2.5;
    auto lines = ResultBoxLines(r, WS_IDLE);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(lines[0], "座標倍率 R =       2.50");
}

TEST(CalcDriver, ClearAsksAndKeepsTheResultRecord) {
    Fixture f;
    EXPECT_FALSE(f.Clear());
    EXPECT_EQ(f.notice.text, "有効なデータはありません");
    EXPECT_TRUE(f.questions.empty());

    f.Rows(Square20);
    ASSERT_TRUE(f.Calculate());
    f.answer = platform::IDNO;
    EXPECT_FALSE(f.Clear());
    ASSERT_EQ(f.questions.size(), 1u);
    EXPECT_EQ(f.questions[0].text, "サンプルデータを放棄して結果もクリアしていいですか？");
    EXPECT_EQ(f.questions[0].title, "確認");
    EXPECT_EQ(f.questions[0].style, platform::MB_YESNO);
    EXPECT_TRUE(f.notice.empty());
    EXPECT_EQ(f.table.count, 4);
    EXPECT_EQ(f.table.workState, WS_CALCULATED);

    f.answer = platform::IDYES;
    EXPECT_TRUE(f.Clear());
    EXPECT_EQ(f.questions.size(), 2u);
    EXPECT_EQ(f.table.count, 0);
    EXPECT_EQ(f.table.workState, WS_IDLE);
    EXPECT_EQ(f.state.sectionResults.values[OS_AREA], 0);
    EXPECT_EQ(f.state.results.shown.A, 400);
    // Without a way to ask, the clear goes ahead as on Yes.
    f.Rows(Square20);
    EXPECT_TRUE(ClearSampleData(f.table, f.state, nullptr));
    EXPECT_EQ(f.table.count, 0);
}

TEST(CalcDriver, NewEditSessionStartsFresh) {
    Fixture f;
    f.Rows(Square20);
    ASSERT_TRUE(f.Calculate());
    f.table.CopyRows(0, 0);
    StartEditSession(f.table, f.state);
    EXPECT_EQ(f.table.workState, WS_IDLE);
    EXPECT_EQ(f.table.count, 0);
    EXPECT_EQ(f.state.segmentCount, 0);
    EXPECT_EQ(f.state.segments[0].kind, 0);
    EXPECT_EQ(f.state.sectionResults.values[OS_AREA], 0);
    EXPECT_EQ(f.state.results.shown.A, 400);  // the record outlives the window
}
