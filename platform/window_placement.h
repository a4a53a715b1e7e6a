// Placing top-level windows on the screen. Positions are those of the
// window's client area (the frame's size is added by the window manager);
// every placement keeps the whole frame within the available area of the
// screen under the asked position (see screen_fit.h).
#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace platform {

// The frame around a window's client area: its own once the window manager
// has framed it, before that its owner's or, without an owner, that of
// another framed window of the program (they all carry the same kind of
// caption); nothing while no window is framed.
QMargins ExpectedFrameMargins(const QWidget& window);

// Puts the client area's top-left corner of `window` at the screen position
// `clientTopLeft`, moved in (and, only if it cannot fit, shrunk) so that its
// expected frame stays within the available area of the screen there.
void PlaceClientAt(QWidget& window, QPoint clientTopLeft);

// The same for a window placed by its frame: the expected frame's top-left
// corner at `frameTopLeft`.
void PlaceFrameAt(QWidget& window, QPoint frameTopLeft);

}  // namespace platform
