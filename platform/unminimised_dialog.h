// Keeping a dialog from staying minimised. Some window managers offer to
// minimise any window, whatever its flags say, and minimise a dialog's owner
// with it: a modal dialog out of sight leaves its owner deaf to the keyboard.
#pragma once

class QWidget;

namespace platform {

// From now on, when `dialog` is minimised it is shown again at once (with
// its owner, where the window manager minimised them together) and active.
void KeepUnminimised(QWidget& dialog);

}  // namespace platform
