// Test support: a viewer with its edit window beside it, as the acquisition
// opens them, and the user's ways of driving the pair (a click on the
// picture, a button of the edit window, a menu item).
#pragma once

#include <memory>

#include "support/viewer_fixture.h"

class CEditData;
class CGazoView;
class QAction;
class QWidget;

struct PairedWindows {
    // Opens a width x height test picture in slot 0 beside the edit window;
    // viewer or edit is null when the pair could not be opened.
    explicit PairedWindows(int width = 200, int height = 150);
    // Closes the windows before the program state goes.
    ~PairedWindows();
    PairedWindows(const PairedWindows&) = delete;
    PairedWindows& operator=(const PairedWindows&) = delete;

    // A left click at (x, y) in the viewer's client area.
    void Click(int x, int y);
    // A press of the edit window's button with this control id.
    void Press(int id);
    // The menu item with this command in window's menus (the edit window's
    // when null), its enabled state brought up to date as when its menu
    // opens; null when there is none.
    QAction* MenuAction(int id, QWidget* window = nullptr);

    std::unique_ptr<ViewerTestWorld> world;
    CGazoView* viewer = nullptr;
    CEditData* edit = nullptr;
};
