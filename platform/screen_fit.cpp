#include "platform/screen_fit.h"

#include <algorithm>

namespace platform {

QRect FitToScreen(const QRect& frame, const QRect& available) {
    if (available.isEmpty() || frame.isEmpty()) return frame;
    const int width = std::min(frame.width(), available.width());
    const int height = std::min(frame.height(), available.height());
    // The last left and top edges at which the frame still ends inside.
    const int lastX = available.x() + available.width() - width;
    const int lastY = available.y() + available.height() - height;
    return {std::clamp(frame.x(), available.x(), lastX), std::clamp(frame.y(), available.y(), lastY), width,
            height};
}

}  // namespace platform
