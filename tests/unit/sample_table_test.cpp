#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/sample_table.h"
#include "platform/message_box_recorder.h"

using platform::MessageBoxRecorder;

namespace {

// A table with rows at (10*i, 20*i) for i = 0..n-1, added without messages.
void Fill(SampleTable& table, int n) {
    for (int i = 0; i < n; ++i) table.AddPoint(10 * i, 20 * i);
}

std::string X(const SampleTable& table, int row) { return table.rows[row].xText; }

bool IsZeroRow(const SamplePoint& p) {
    SamplePoint zero;
    std::memset(&zero, 0, sizeof zero);
    return std::memcmp(&p, &zero, sizeof p) == 0;
}

}  // namespace

TEST(SampleTable, StartsEmptyWithBlankRows) {
    SampleTable table;
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(table.capacity, 200);
    EXPECT_EQ(table.savedCount, 0);
    EXPECT_EQ(table.workState, WS_IDLE);
    EXPECT_STREQ(table.rows[199].xText, " ");
    EXPECT_STREQ(table.rows[0].yText, " ");
    EXPECT_EQ(table.rows[0].type, 0);
}

TEST(SampleTable, AddPointWritesRightJustifiedTextsAndAppends) {
    MessageBoxRecorder boxes;
    SampleTable table;
    EXPECT_EQ(table.AddPoint(123, 45), 1);
    EXPECT_EQ(table.count, 1);
    EXPECT_STREQ(table.rows[0].xText, "     123");
    EXPECT_STREQ(table.rows[0].yText, "      45");
    EXPECT_EQ(table.rows[0].type, 1);
    EXPECT_EQ(table.rows[0].x, 123);
    EXPECT_EQ(table.rows[0].y, 45);
    EXPECT_EQ(table.AddPoint(-7, 0), 1);
    EXPECT_STREQ(table.rows[1].xText, "      -7");
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(SampleTable, AddPointFillsFirstEmptyRowAndSaysWhich) {
    MessageBoxRecorder boxes;
    SampleTable table;
    Fill(table, 5);
    table.rows[2].type = 0;
    table.rows[4].type = 0;
    Notice notice;
    EXPECT_EQ(table.AddPoint(7, 8, &notice), 2);
    EXPECT_EQ(table.count, 5);
    EXPECT_EQ(table.rows[2].type, 1);
    EXPECT_EQ(table.rows[2].x, 7);
    EXPECT_EQ(table.rows[4].type, 0);
    // The table says what happened; it shows nothing itself.
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(notice.text, "空行=2");
    EXPECT_EQ(notice.title, "確認");
    EXPECT_EQ(notice.style, platform::MB_OK);
}

TEST(SampleTable, AddPointToFullTableRefusesAndChangesNothing) {
    SampleTable table;
    Fill(table, 200);
    MessageBoxRecorder boxes;
    SampleTable before = table;
    Notice notice;
    EXPECT_EQ(table.AddPoint(1, 1, &notice), -1);
    EXPECT_EQ(table.count, 200);
    EXPECT_EQ(std::memcmp(table.rows.data(), before.rows.data(), sizeof table.rows), 0);
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(notice.text, "これ以上データを追加できません");
    EXPECT_EQ(notice.title, "確認");
}

TEST(SampleTable, HugeCoordinatesStayWithinTheTextField) {
    SampleTable table;
    table.AddPoint(123456789, -123456789);
    EXPECT_EQ(std::strlen(table.rows[0].xText), 8u);
    EXPECT_EQ(std::strlen(table.rows[0].yText), 8u);
    // text and integer agree
    EXPECT_EQ(table.rows[0].x, 99999999);
    EXPECT_EQ(table.rows[0].y, -9999999);
    EXPECT_STREQ(table.rows[0].yText, "-9999999");
}

TEST(SampleTable, InsertBlankRowShiftsDownAndGrows) {
    SampleTable table;
    Fill(table, 4);
    table.InsertBlankRow(1);
    EXPECT_EQ(table.count, 5);
    EXPECT_STREQ(table.rows[1].xText, " ");
    EXPECT_EQ(table.rows[1].type, 0);
    EXPECT_EQ(table.rows[2].x, 10);
    EXPECT_EQ(table.rows[4].x, 30);

    // beyond count: nothing moves, the row is blanked, count still grows
    table.rows[8].type = 1;
    table.InsertBlankRow(8);
    EXPECT_EQ(table.count, 6);
    EXPECT_EQ(table.rows[8].type, 0);
    EXPECT_EQ(table.rows[4].x, 30);

    table.InsertBlankRow(-1);
    table.InsertBlankRow(200);
    EXPECT_EQ(table.count, 6);
}

TEST(SampleTable, InsertIntoFullTableLosesTheLastRow) {
    SampleTable table;
    Fill(table, 200);
    table.InsertBlankRow(0);
    EXPECT_EQ(table.count, 200);
    EXPECT_EQ(table.rows[0].type, 0);
    EXPECT_EQ(table.rows[1].x, 0);
    EXPECT_EQ(table.rows[199].x, 1980);  // former row 198; former 199 is gone
    table.InsertBlankRow(199);
    EXPECT_EQ(table.rows[199].type, 0);
    EXPECT_EQ(table.rows[198].x, 1970);
}

TEST(SampleTable, DeleteThenPasteMovesARow) {
    MessageBoxRecorder boxes;
    SampleTable table;
    Fill(table, 10);
    EXPECT_EQ(table.DeleteRows(3, 3), 1);
    EXPECT_EQ(table.count, 9);
    EXPECT_EQ(table.savedCount, 1);
    EXPECT_EQ(table.rows[3].x, 40);
    EXPECT_TRUE(IsZeroRow(table.rows[9]));

    EXPECT_EQ(table.PasteRows(7, 7), 1);
    EXPECT_EQ(table.rows[7].x, 30);
    EXPECT_EQ(X(table, 7), "      30");
    EXPECT_EQ(table.count, 9);
    EXPECT_EQ(table.savedCount, 0);
    EXPECT_TRUE(boxes.calls.empty());

    SampleTable before = table;
    Notice notice;
    EXPECT_EQ(table.PasteRows(7, 7, &notice), 0);
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(notice.text, "退避データ行数＜貼り付け指定行数で、貼り付けできません");
    EXPECT_EQ(notice.title, "確認");
    EXPECT_EQ(std::memcmp(table.rows.data(), before.rows.data(), sizeof table.rows), 0);
}

TEST(SampleTable, DeleteOutsideTheDataDoesNothing) {
    SampleTable table;
    Fill(table, 3);
    table.CopyRows(0, 0);
    EXPECT_EQ(table.DeleteRows(3, 3), 0);
    EXPECT_EQ(table.DeleteRows(-1, -1), 0);
    EXPECT_EQ(table.DeleteRows(2, 0), 0);  // reversed
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.savedCount, 1);
    EXPECT_EQ(table.DeleteRows(2, 2), 1);
    EXPECT_EQ(table.count, 2);
}

TEST(SampleTable, PasteBeyondCountKeepsTheRowsBetween) {
    SampleTable table;
    Fill(table, 10);
    table.rows[10].type = 2;  // stale content below count
    table.CopyRows(0, 0);
    EXPECT_EQ(table.PasteRows(12, 12), 1);
    EXPECT_EQ(table.count, 13);
    EXPECT_EQ(table.rows[10].type, 2);
    EXPECT_STREQ(table.rows[11].xText, " ");
    EXPECT_EQ(table.rows[12].type, 1);
    EXPECT_EQ(table.rows[12].x, 0);
}

TEST(SampleTable, CopyLeavesRowsAndRejectsBadRanges) {
    SampleTable table;
    Fill(table, 4);
    table.CopyRows(1, 2);
    EXPECT_EQ(table.savedCount, 2);
    EXPECT_EQ(table.savedRows[1].x, 20);
    EXPECT_EQ(table.count, 4);
    table.CopyRows(3, 2);    // n = 0
    table.CopyRows(-1, 0);   // before the table
    table.CopyRows(199, 200);  // past it
    EXPECT_EQ(table.savedCount, 2);
    EXPECT_EQ(table.PasteRows(199, 200), 0);  // two saved, two asked, but row 200 does not exist
    EXPECT_EQ(table.count, 4);
}

TEST(SampleTable, ClearKeepsTheSaveBufferSoACopyCanBePasted) {
    SampleTable table;
    Fill(table, 3);
    table.workState = WS_CALCULATED;
    table.CopyRows(2, 2);
    table.ClearTable();
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(table.savedCount, 1);
    EXPECT_EQ(table.workState, WS_CALCULATED);
    EXPECT_STREQ(table.rows[2].xText, " ");
    EXPECT_EQ(table.PasteRows(0, 0), 1);
    EXPECT_EQ(table.rows[0].x, 20);
    EXPECT_EQ(table.count, 1);
}

TEST(SampleTable, TextToCoordsReadsTheLeadingInteger) {
    SampleTable table;
    Fill(table, 6);
    const char* texts[] = {"   12.75", "  -3e2  ", "     +15", "       ", "abc", "   -0012"};
    const int expected[] = {12, -3, 15, 0, 0, -12};
    for (int i = 0; i < 6; ++i) std::snprintf(table.rows[i].xText, 9, "%s", texts[i]);
    table.rows[6].x = 77;  // below count only
    std::snprintf(table.rows[6].xText, 9, "%s", "       5");
    table.TextToCoords();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(table.rows[i].x, expected[i]) << texts[i];
    EXPECT_EQ(table.rows[6].x, 77);
}

TEST(SampleTable, CoordsToTextRewritesTexts) {
    SampleTable table;
    Fill(table, 2);
    table.rows[1].x = 5;
    table.rows[1].y = -60;
    table.CoordsToText();
    EXPECT_STREQ(table.rows[1].xText, "       5");
    EXPECT_STREQ(table.rows[1].yText, "     -60");
}

TEST(SampleTable, ScaleCoordsTruncatesTowardZero) {
    SampleTable table;
    table.AddPoint(7, -7);
    table.AddPoint(3, 1000);
    table.ScaleCoords(0.5);
    EXPECT_EQ(table.rows[0].x, 3);
    EXPECT_STREQ(table.rows[0].xText, "       3");
    EXPECT_EQ(table.rows[0].y, -3);
    EXPECT_STREQ(table.rows[0].yText, "      -3");
    table.ScaleCoords(1.0 / 0.3);  // 500 / 0.3 is 1666.66...
    EXPECT_EQ(table.rows[1].y, 1666);
    table.ScaleCoords(1e12);  // absurd factor: clamped, never overflows
    EXPECT_EQ(table.rows[1].y, 99999999);
    EXPECT_EQ(table.rows[0].y, -9999999);
}

TEST(WorkState, StatusTexts) {
    EXPECT_STREQ(WorkStateText(WS_IDLE), "指示待ち中");
    EXPECT_STREQ(WorkStateText(WS_SAMPLING), "サンプリング中");
    EXPECT_STREQ(WorkStateText(WS_CALCULATED), "計算完了");
    EXPECT_STREQ(WorkStateText(WS_MODIFIED), "データ修正あり");
    EXPECT_STREQ(WorkStateText(WS_VIEWER_SEARCH), "Viwer 修正データサーチ中");
    EXPECT_STREQ(WorkStateText(WS_VIEWER_EDIT), "Viwer データ修正中");
    EXPECT_STREQ(WorkStateText(42), "指示待ち中");
}
