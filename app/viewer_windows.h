// The window steps of the viewer registry, done for the main dialog: making
// sure the edit window exists, opening a viewer for a slot beside it, and
// the window work of the commands 110, 111 and 146.
#pragma once

#include <QMargins>
#include <QRect>
#include <cstdint>

class QWidget;

class ViewerWindows {
public:
    // mainDialog owns the viewers and the edit window and receives their
    // commands.
    explicit ViewerWindows(QWidget* mainDialog) : mainDialog_(mainDialog) {}

    // Creates the edit window when there is none, otherwise repaints it;
    // either way moves its client area to the screen position (100, 100)
    // (moved in on a screen too small for it) and records its window
    // rectangle. 0, or -1 with a message when it cannot be made.
    int EnsureEditWindow();

    // Opens the viewer of slot with its client area's top-left corner at the
    // screen position (x, y) (moved in on a screen too small for it) and pairs the edit window with it. 0, or -1 with a
    // message when the viewer cannot be made (the slot has no image).
    int AttachViewer(int slot, int x, int y);
    // The same, its frame one pixel right of the recorded edit window, its
    // client area level with the edit window's.
    int AttachViewer(int slot);

    // After an image opened: the main dialog hides and the edit window takes
    // the keyboard focus.
    void HideMainDialogAndFocusEditWindow();

    // The window steps once a slot's image has loaded: EnsureEditWindow,
    // AttachViewer beside it, then HideMainDialogAndFocusEditWindow. Nothing
    // is made before an image is there to show, so a failed open leaves the
    // main dialog as it was. 0, or -1 when a step failed.
    int OpenBesideEditWindow(int slot);

    // Destroys the edit window, if there is one, without its close steps
    // (the main dialog is closing).
    void DestroyEditWindow();

    // The main dialog's handling of 110 (close the viewer of a slot), 111 (a
    // viewer closed) and 146 (the edit window closed). False for any other
    // command.
    bool OnCommand(int id, std::intptr_t value);

    // The edit window's rectangle on the screen at the last EnsureEditWindow,
    // its frame included (as far as it is known then).
    const QRect& editWindowRect() const { return editWindowRect_; }

private:
    QWidget* mainDialog_;
    QRect editWindowRect_;
    QMargins editFrame_;
};
