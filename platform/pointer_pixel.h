// The pixel of a widget that a mouse event's pointer lies in.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace platform {

// On a screen with several device pixels to a logical one the pointer lies
// between whole logical positions, and the event's position has been
// rounded to the nearest one, which takes the right and lower part of a
// pixel to its neighbour. On X11 the pointer is asked for in device pixels
// instead and the position cut down to its pixel; elsewhere, or when the
// pointer has moved on since the event, the event's position is used.
QPoint PointerPixel(const QWidget& widget, const QMouseEvent& event);

}  // namespace platform
