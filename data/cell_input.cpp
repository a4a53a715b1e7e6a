#include "data/cell_input.h"

#include <QtCore/qnamespace.h>

#include "data/undo_keys.h"
#include "res/ids.h"

bool IsCellCharAllowed(char32_t c) {
    if (c >= U'0' && c <= U'9') return true;
    switch (c) {
    case U'+':
    case U'-':
    case U'.':
    case U'E':
    case U'e':
    case U' ':
    case U'\b':
    case U'\x1b':
        return true;
    default:
        return false;
    }
}

bool IsCellTextAllowed(std::string_view text) {
    // Every allowed character is ASCII, so any byte of a multi-byte UTF-8
    // sequence is refused on its own.
    for (char c : text)
        if (!IsCellCharAllowed(static_cast<unsigned char>(c))) return false;
    return true;
}

int CellKeyCommand(int key, bool shift, bool ctrl, bool caretMode) {
    switch (key) {
    case Qt::Key_Backtab:
        return ID_KEY_SHIFT_TAB;
    case Qt::Key_Tab:
        return shift ? ID_KEY_SHIFT_TAB : ID_KEY_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ID_KEY_ENTER;
    case Qt::Key_Escape:
        return ID_KEY_ESCAPE;
    case Qt::Key_PageUp:
        return ID_KEY_PAGE_UP;
    case Qt::Key_PageDown:
        return ID_KEY_PAGE_DOWN;
    case Qt::Key_Left:
        if (!caretMode) return ID_KEY_LEFT;
        break;
    case Qt::Key_Right:
        if (!caretMode) return ID_KEY_RIGHT;
        break;
    case Qt::Key_Up:
        return ID_KEY_UP;
    case Qt::Key_Down:
        return ID_KEY_DOWN;
    default:
        break;
    }
    if (!ctrl) return CELL_KEY_TO_CELL;
    if (const int undo = UndoKeyCommand(key, shift, ctrl)) return undo;
    switch (key) {
    case Qt::Key_C:
        return ID_ROW_COPY;
    case Qt::Key_D:
        return ID_ROW_DELETE;
    case Qt::Key_I:
        return ID_ROW_INSERT;
    case Qt::Key_P:
        return ID_ROW_PASTE;
    default:
        return CELL_KEY_SWALLOW;
    }
}
