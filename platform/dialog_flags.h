// The window flags of the program's dialogs: a caption with a system menu and
// a close button, no minimise or maximise button. A modal dialog that could
// be minimised would take its owner down with it and leave the owner deaf to
// the keyboard with no dialog in sight.
#pragma once

#include <Qt>

namespace platform {

inline constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace platform
