#include <gtest/gtest.h>

#include <string>

#include "data/edit_grid.h"
#include "platform/message_box_recorder.h"
#include "res/texts_edit_window.h"

using platform::MessageBoxRecorder;

namespace {

// A table with n rows at (10*i + 10, 20*i + 20).
void Fill(SampleTable& table, int n) {
    for (int i = 0; i < n; ++i) table.AddPoint(10 * i + 10, 20 * i + 20);
}

// Types text into a cell and stores it.
StoreResult Type(EditGrid& grid, SampleTable& table, int line, int column, const std::string& text) {
    return grid.StoreCell(table, line, column, text, nullptr);
}

std::string Line(const EditGrid& grid, int line) {
    return grid.Cell(line, 0) + "|" + grid.Cell(line, 1) + "|" + grid.Cell(line, 2);
}

}  // namespace

TEST(EditGrid, FillShowsDataRowsAndBlanksBeyondCount) {
    SampleTable table;
    Fill(table, 3);
    table.rows[1].type = 0;
    table.rows[2].xText[0] = '\0';  // a vacated text
    table.rows[5].type = 2;         // beyond count: not shown
    EditGrid grid;
    grid.FillPage(table);
    EXPECT_EQ(Line(grid, 0), "1|      10|      20");
    EXPECT_EQ(Line(grid, 1), " |      20|      40");
    EXPECT_EQ(Line(grid, 2), "1|        |      60");
    EXPECT_EQ(Line(grid, 3), " |        |        ");
    EXPECT_EQ(Line(grid, 5), " |        |        ");
}

TEST(EditGrid, FirstTokenAndTypeParsing) {
    EXPECT_EQ(FirstToken("  15 "), "15");
    EXPECT_EQ(FirstToken("1 2"), "1");
    EXPECT_EQ(FirstToken("    "), "");
    EXPECT_EQ(ParseTypeToken("2"), 2);
    EXPECT_EQ(ParseTypeToken("+3"), 3);
    EXPECT_EQ(ParseTypeToken("-1"), -1);
    EXPECT_EQ(ParseTypeToken("2.9"), 2);
    EXPECT_EQ(ParseTypeToken("E5"), 0);
    EXPECT_EQ(ParseTypeToken(""), 0);
    EXPECT_EQ(ParseTypeToken("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseTypeToken("-99999999999999999999"), -2147483647 - 1);
    EXPECT_TRUE(HasCoordinate("      15"));
    EXPECT_TRUE(HasCoordinate("     0.0"));
    EXPECT_FALSE(HasCoordinate("       0"));
    EXPECT_FALSE(HasCoordinate(" "));
    EXPECT_FALSE(HasCoordinate(""));
}

TEST(EditGrid, TypeThenCoordinatesCompleteTheRowAtCount) {
    MessageBoxRecorder boxes;
    SampleTable table;
    Fill(table, 2);
    table.workState = WS_CALCULATED;
    EditGrid grid;
    grid.FillPage(table);

    // Type 2 on the empty line 2: stored, but the row is incomplete; the
    // line is shown again with the type right-justified.
    EXPECT_EQ(Type(grid, table, 2, 0, "2"), StoreResult::Incomplete);
    EXPECT_EQ(table.rows[2].type, 2);
    EXPECT_EQ(table.count, 2);
    EXPECT_EQ(table.workState, WS_CALCULATED);
    EXPECT_EQ(Line(grid, 2), "   2| | ");

    EXPECT_EQ(Type(grid, table, 2, 1, "  15 "), StoreResult::Incomplete);
    EXPECT_STREQ(table.rows[2].xText, "      15");
    EXPECT_EQ(Line(grid, 2), "   2|      15| ");

    EXPECT_EQ(Type(grid, table, 2, 2, "7.5"), StoreResult::Completed);
    EXPECT_STREQ(table.rows[2].yText, "     7.5");
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.rows[2].x, 15);
    EXPECT_EQ(table.rows[2].y, 7);
    EXPECT_EQ(table.workState, WS_MODIFIED);
    // The completed cell keeps what was typed; storing it again does nothing.
    EXPECT_EQ(grid.Cell(2, 2), "7.5");
    EXPECT_EQ(Type(grid, table, 2, 2, "7.5"), StoreResult::Unchanged);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(EditGrid, UnchangedCellStoresNothing) {
    SampleTable table;
    Fill(table, 1);
    table.workState = WS_CALCULATED;
    EditGrid grid;
    grid.FillPage(table);
    EXPECT_EQ(Type(grid, table, 0, 1, "      10"), StoreResult::Unchanged);
    EXPECT_EQ(table.workState, WS_CALCULATED);
}

TEST(EditGrid, EditingAnExistingRowRereadsTheIntegers) {
    SampleTable table;
    Fill(table, 3);
    EditGrid grid;
    grid.FillPage(table);
    table.rows[0].x = 999;  // integers differ from the texts until a row completes
    EXPECT_EQ(Type(grid, table, 1, 1, "-3e2"), StoreResult::Completed);
    EXPECT_STREQ(table.rows[1].xText, "    -3e2");
    EXPECT_EQ(table.rows[1].x, -3);
    EXPECT_EQ(table.rows[0].x, 10);
    EXPECT_EQ(table.count, 3);
}

TEST(EditGrid, RowCompletedBelowTheDataDoesNotGrowCount) {
    SampleTable table;
    Fill(table, 3);
    EditGrid grid;
    grid.FillPage(table);
    Type(grid, table, 5, 0, "1");
    Type(grid, table, 5, 1, "4");
    EXPECT_EQ(Type(grid, table, 5, 2, "6"), StoreResult::Completed);
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.workState, WS_MODIFIED);
    grid.FillPage(table);
    EXPECT_EQ(Line(grid, 5), " |        |        ");
}

TEST(EditGrid, ZeroOrNegativeTypeLeavesTheRowIncomplete) {
    SampleTable table;
    Fill(table, 2);
    EditGrid grid;
    grid.FillPage(table);
    EXPECT_EQ(Type(grid, table, 1, 0, "0"), StoreResult::Incomplete);
    EXPECT_EQ(Line(grid, 1), "   0|      20|      40");
    EXPECT_EQ(Type(grid, table, 1, 0, "-2"), StoreResult::Incomplete);
    EXPECT_EQ(table.rows[1].type, -2);
    EXPECT_EQ(Type(grid, table, 1, 2, "0"), StoreResult::Incomplete);
    EXPECT_STREQ(table.rows[1].yText, "       0");
    EXPECT_EQ(table.workState, WS_IDLE);
}

TEST(EditGrid, LongCoordinateIsRefusedAndNothingChanges) {
    MessageBoxRecorder boxes;
    SampleTable table;
    Fill(table, 2);
    table.workState = WS_CALCULATED;
    EditGrid grid;
    grid.FillPage(table);
    const SamplePoint before = table.rows[1];
    Notice notice;
    EXPECT_EQ(grid.StoreCell(table, 1, 1, "123456789", &notice), StoreResult::Refused);
    EXPECT_EQ(notice.text, texts_edit::MSG_COORD_TOO_LONG);
    EXPECT_EQ(notice.title, "確認");
    EXPECT_STREQ(table.rows[1].xText, before.xText);
    EXPECT_EQ(table.rows[1].x, before.x);
    EXPECT_EQ(grid.Cell(1, 1), "      20");
    EXPECT_EQ(table.workState, WS_CALCULATED);
    // Eight characters fit; a long text after the first blank is ignored.
    EXPECT_EQ(Type(grid, table, 1, 1, "12345678 999999999"), StoreResult::Completed);
    EXPECT_STREQ(table.rows[1].xText, "12345678");
    // A long type is no coordinate: it is read and held within 32 bits.
    EXPECT_EQ(Type(grid, table, 1, 0, "123456789012"), StoreResult::Completed);
    EXPECT_EQ(table.rows[1].type, 2147483647);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(EditGrid, BlankCoordinateBecomesEightBlanks) {
    SampleTable table;
    Fill(table, 2);
    EditGrid grid;
    grid.FillPage(table);
    EXPECT_EQ(Type(grid, table, 0, 1, "   "), StoreResult::Incomplete);
    EXPECT_STREQ(table.rows[0].xText, "        ");
    EXPECT_EQ(Line(grid, 0), "   1|        |      20");
}

TEST(EditGrid, MovesWithinThePageAndColumnWrap) {
    SampleTable table;
    EditGrid grid;
    grid.SetCurrent(3, 2);
    EXPECT_FALSE(grid.NextColumn(table));
    EXPECT_EQ(grid.focusLine, 4);
    EXPECT_EQ(grid.focusColumn, 0);
    EXPECT_FALSE(grid.PreviousColumn(table));
    EXPECT_EQ(grid.focusLine, 3);
    EXPECT_EQ(grid.focusColumn, 2);
    EXPECT_FALSE(grid.MoveUp(table));
    EXPECT_EQ(grid.focusLine, 2);
    EXPECT_FALSE(grid.MoveDown(table));
    EXPECT_EQ(grid.focusLine, 3);
    EXPECT_EQ(grid.topRow, 0);
}

TEST(EditGrid, TabFromTheLastCellScrollsByOneLine) {
    SampleTable table;
    Fill(table, 12);
    EditGrid grid;
    grid.FillPage(table);
    grid.SetCurrent(9, 2);
    EXPECT_TRUE(grid.NextColumn(table));
    EXPECT_EQ(grid.topRow, 1);
    EXPECT_EQ(grid.focusLine, 9);
    EXPECT_EQ(grid.focusColumn, 0);
    EXPECT_EQ(grid.CurrentRow(), 10);
    EXPECT_EQ(Line(grid, 0), "1|      20|      40");
    EXPECT_EQ(Line(grid, 9), "1|     110|     220");
}

TEST(EditGrid, ScrollingMovesTheShownTextsRatherThanRefilling) {
    SampleTable table;
    Fill(table, 12);
    EditGrid grid;
    grid.FillPage(table);
    Type(grid, table, 4, 0, "0");  // incomplete: shown as "   0"
    grid.SetCurrent(9, 0);
    grid.MoveDown(table);
    EXPECT_EQ(grid.Cell(3, 0), "   0");
    grid.SetCurrent(0, 0);
    EXPECT_TRUE(grid.MoveUp(table));
    EXPECT_EQ(grid.topRow, 0);
    EXPECT_EQ(grid.Cell(4, 0), "   0");
    EXPECT_EQ(Line(grid, 0), "1|      10|      20");
}

TEST(EditGrid, ScrollingStopsAtTheFirstAndLastReachableRow) {
    SampleTable table;
    EditGrid grid;
    grid.SetCurrent(0, 0);
    EXPECT_FALSE(grid.PreviousColumn(table));
    EXPECT_EQ(grid.topRow, 0);
    EXPECT_EQ(grid.focusLine, 0);
    EXPECT_EQ(grid.focusColumn, 2);  // the column still wraps

    grid.topRow = 188;
    grid.SetCurrent(9, 1);
    EXPECT_TRUE(grid.MoveDown(table));
    EXPECT_EQ(grid.topRow, 189);
    EXPECT_FALSE(grid.MoveDown(table));
    EXPECT_EQ(grid.topRow, 189);
    EXPECT_EQ(grid.CurrentRow(), 198);
}

TEST(EditGrid, PagingLimits) {
    SampleTable table;
    EditGrid grid;
    grid.topRow = 185;
    grid.PageDown(table);
    EXPECT_EQ(grid.topRow, 189);
    grid.PageLast(table);
    EXPECT_EQ(grid.topRow, 190);
    grid.PageUp(table);
    EXPECT_EQ(grid.topRow, 180);
    grid.topRow = 4;
    grid.PageUp(table);
    EXPECT_EQ(grid.topRow, 0);
    grid.PageDown(table);
    EXPECT_EQ(grid.topRow, 10);
    grid.PageFirst(table);
    EXPECT_EQ(grid.topRow, 0);
}

TEST(EditGrid, PagingRefillsFromTheNewTopRow) {
    SampleTable table;
    Fill(table, 15);
    EditGrid grid;
    grid.PageDown(table);
    EXPECT_EQ(Line(grid, 0), "1|     110|     220");
    EXPECT_EQ(Line(grid, 4), "1|     150|     300");
    EXPECT_EQ(Line(grid, 5), " |        |        ");
}

TEST(EditGrid, LastRowOfTheLastPageCanBeEdited) {
    SampleTable table;
    EditGrid grid;
    grid.PageLast(table);
    grid.SetCurrent(9, 0);
    EXPECT_EQ(grid.CurrentRow(), 199);
    EXPECT_EQ(Type(grid, table, 9, 0, "1"), StoreResult::Incomplete);
    EXPECT_EQ(table.rows[199].type, 1);
}
