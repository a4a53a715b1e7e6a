#include <gtest/gtest.h>

#include <QtCore/qnamespace.h>

#include <string_view>

#include "data/cell_input.h"
#include "res/ids.h"

TEST(CellInput, OnlyNumberCharactersAreKept) {
    for (char32_t c : std::u32string_view(U"0123456789+-.Ee \b\x1b")) EXPECT_TRUE(IsCellCharAllowed(c)) << int(c);
    for (char32_t c : std::u32string_view(U"aAzZ,/*xX\t\r\n\u3042\uff11"))
        EXPECT_FALSE(IsCellCharAllowed(c)) << int(c);
    EXPECT_TRUE(IsCellTextAllowed("  -1.5E+3"));
    EXPECT_TRUE(IsCellTextAllowed(""));
    EXPECT_FALSE(IsCellTextAllowed("12a"));
    EXPECT_FALSE(IsCellTextAllowed("１２"));  // full-width digits
}

TEST(CellInput, NavigationKeysBecomeCommands) {
    EXPECT_EQ(CellKeyCommand(Qt::Key_Tab, false, false, false), ID_KEY_TAB);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Tab, true, false, false), ID_KEY_SHIFT_TAB);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Backtab, true, false, false), ID_KEY_SHIFT_TAB);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Return, false, false, true), ID_KEY_ENTER);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Enter, false, false, false), ID_KEY_ENTER);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Escape, false, false, false), ID_KEY_ESCAPE);
    EXPECT_EQ(CellKeyCommand(Qt::Key_PageUp, false, false, false), ID_KEY_PAGE_UP);
    EXPECT_EQ(CellKeyCommand(Qt::Key_PageDown, false, false, false), ID_KEY_PAGE_DOWN);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Up, false, false, true), ID_KEY_UP);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Down, false, false, true), ID_KEY_DOWN);
}

TEST(CellInput, LeftAndRightMoveTheCaretOnlyInCaretMode) {
    EXPECT_EQ(CellKeyCommand(Qt::Key_Left, false, false, false), ID_KEY_LEFT);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Right, false, false, false), ID_KEY_RIGHT);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Left, false, false, true), CELL_KEY_TO_CELL);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Right, true, false, true), CELL_KEY_TO_CELL);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Left, false, true, true), CELL_KEY_SWALLOW);
}

TEST(CellInput, ControlKeysAreRowCommandsUndoOrSwallowed) {
    EXPECT_EQ(CellKeyCommand(Qt::Key_C, false, true, false), ID_ROW_COPY);
    EXPECT_EQ(CellKeyCommand(Qt::Key_D, false, true, false), ID_ROW_DELETE);
    EXPECT_EQ(CellKeyCommand(Qt::Key_I, false, true, false), ID_ROW_INSERT);
    EXPECT_EQ(CellKeyCommand(Qt::Key_P, true, true, false), ID_ROW_PASTE);
    EXPECT_EQ(CellKeyCommand(Qt::Key_V, false, true, false), CELL_KEY_SWALLOW);
    EXPECT_EQ(CellKeyCommand(Qt::Key_X, false, true, false), CELL_KEY_SWALLOW);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Z, false, true, false), ID_UNDO);
    EXPECT_EQ(CellKeyCommand(Qt::Key_5, false, true, false), CELL_KEY_SWALLOW);
    EXPECT_EQ(CellKeyCommand(Qt::Key_5, false, false, false), CELL_KEY_TO_CELL);
    EXPECT_EQ(CellKeyCommand(Qt::Key_C, false, false, false), CELL_KEY_TO_CELL);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Backspace, false, false, false), CELL_KEY_TO_CELL);
    EXPECT_EQ(CellKeyCommand(Qt::Key_Delete, false, false, false), CELL_KEY_TO_CELL);
}
