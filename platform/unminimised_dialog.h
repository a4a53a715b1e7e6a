// Keeping a dialog from staying minimised. Some window managers offer to
// minimise any window, whatever its flags say, and minimise a dialog's owner
// with it: a modal dialog out of sight leaves its owner deaf to the keyboard.
#pragma once

#include <Qt>

class QWidget;

namespace platform {

// From now on, when `dialog` is minimised it is shown again at once (with
// its owner, where the window manager minimised them together) and active.
void KeepUnminimised(QWidget& dialog);

// Gives `dialog` the program's dialog flags (kDialogFlags, with `extra`) and
// keeps it from staying minimised: the first call of a dialog's constructor.
void SetUpDialogWindow(QWidget& dialog, Qt::WindowFlags extra = {});

}  // namespace platform
