#include <gtest/gtest.h>

#include "data/row_command.h"
#include "platform/message_box_recorder.h"
#include "res/ids.h"

using platform::MessageBoxRecorder;

namespace {

void Fill(SampleTable& table, int n) {
    for (int i = 0; i < n; ++i) table.AddPoint(i + 1, 0);
}

}  // namespace

TEST(RowCommand, InsertDeleteCopyPasteOnOneRow) {
    MessageBoxRecorder boxes;
    SampleTable table;
    Fill(table, 5);
    EXPECT_TRUE(ApplyRowCommand(table, ID_ROW_INSERT, 1, nullptr));
    EXPECT_EQ(table.count, 6);
    EXPECT_EQ(table.rows[1].type, 0);
    EXPECT_EQ(table.rows[2].x, 2);

    EXPECT_TRUE(ApplyRowCommand(table, ID_ROW_DELETE, 3, nullptr));  // the row at x 3
    EXPECT_EQ(table.count, 5);
    EXPECT_EQ(table.savedCount, 1);
    EXPECT_EQ(table.rows[3].x, 4);

    EXPECT_TRUE(ApplyRowCommand(table, ID_ROW_PASTE, 1, nullptr));  // fills the blank row
    EXPECT_EQ(table.rows[1].x, 3);
    EXPECT_EQ(table.rows[1].type, 1);
    EXPECT_EQ(table.savedCount, 0);

    EXPECT_TRUE(ApplyRowCommand(table, ID_ROW_COPY, 0, nullptr));
    EXPECT_EQ(table.savedCount, 1);
    EXPECT_TRUE(ApplyRowCommand(table, ID_ROW_PASTE, 4, nullptr));
    EXPECT_EQ(table.rows[4].x, 1);
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_FALSE(ApplyRowCommand(table, ID_KEY_TAB, 0, nullptr));
}

TEST(RowCommand, SecondPasteIsRefusedWithTheMessage) {
    MessageBoxRecorder boxes;
    SampleTable table;
    Fill(table, 3);
    ApplyRowCommand(table, ID_ROW_COPY, 0, nullptr);
    ApplyRowCommand(table, ID_ROW_PASTE, 2, nullptr);
    table.workState = WS_CALCULATED;
    Notice notice;
    ApplyRowCommand(table, ID_ROW_PASTE, 1, &notice);
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(notice.text, "退避データ行数＜貼り付け指定行数で、貼り付けできません");
    EXPECT_EQ(table.rows[1].x, 2);
    EXPECT_EQ(table.workState, WS_CALCULATED);  // nothing changed
}

TEST(RowCommand, DeleteBelowTheDataDoesNothing) {
    SampleTable table;
    Fill(table, 3);
    table.workState = WS_CALCULATED;
    ApplyRowCommand(table, ID_ROW_DELETE, 5, nullptr);
    ApplyRowCommand(table, ID_ROW_DELETE, 3, nullptr);
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.savedCount, 0);
    EXPECT_EQ(table.workState, WS_CALCULATED);
}

TEST(RowCommand, ChangedRowsMarkCalculatedResultsAsOld) {
    SampleTable table;
    Fill(table, 4);
    for (int id : {ID_ROW_INSERT, ID_ROW_DELETE}) {
        table.workState = WS_CALCULATED;
        ApplyRowCommand(table, id, 1, nullptr);
        EXPECT_EQ(table.workState, WS_MODIFIED) << id;
    }
    table.workState = WS_CALCULATED;
    ApplyRowCommand(table, ID_ROW_COPY, 1, nullptr);
    EXPECT_EQ(table.workState, WS_CALCULATED);
    ApplyRowCommand(table, ID_ROW_PASTE, 2, nullptr);
    EXPECT_EQ(table.workState, WS_MODIFIED);
    // Sampling stays on: only calculated results are marked.
    table.workState = WS_SAMPLING;
    ApplyRowCommand(table, ID_ROW_INSERT, 0, nullptr);
    EXPECT_EQ(table.workState, WS_SAMPLING);
}
