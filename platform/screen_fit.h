// Keeping a window on the screen: where a window's frame goes when the place
// asked for would put part of it outside the screen's available area.
#pragma once

#include <QRect>

namespace platform {

// The frame rectangle to use for a window whose frame would be `frame`,
// within `available` (the screen without its panels). A frame that fits is
// moved in just far enough and keeps its size; only a side longer than the
// available area is shortened to it. An empty available area leaves the
// frame as it is.
QRect FitToScreen(const QRect& frame, const QRect& available);

}  // namespace platform
