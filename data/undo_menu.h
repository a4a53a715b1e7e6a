// The edit window's undo and redo items and keys: the items name the step
// they would take back or do again ("元に戻す: 行の削除") and are enabled
// only when there is one; Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z outside the cells
// (the cells send them as commands themselves) become the window's
// commands.
#pragma once

#include <functional>

class QMenu;
class QWidget;
class UndoHistory;

class UndoMenu {
public:
    // popup: the popup holding ID_UNDO and ID_REDO; command: the window's
    // command entry.
    UndoMenu(QWidget* window, QMenu* popup, std::function<void(int id)> command);

    // The items from the history's steps.
    void Update(const UndoHistory& history);

private:
    QMenu* popup_;
};
