#include "viewer/viewer_scroll.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QtCore/qnamespace.h>

std::optional<int> ScrollActionTarget(ScrollAction action, const ScrollAxis& axis,
                                      int thumbPosition) {
    switch (action) {
    case ScrollAction::LineBack: return axis.pos - 1;
    case ScrollAction::LineForward: return axis.pos + 1;
    case ScrollAction::PageBack: return axis.pos - 10;
    case ScrollAction::PageForward: return axis.pos + 10;
    case ScrollAction::Thumb: return thumbPosition;
    case ScrollAction::ToStart: return 0;
    case ScrollAction::ToEnd: return axis.max;
    case ScrollAction::EndScroll: break;
    }
    return std::nullopt;
}

std::optional<ScrollStep> ArrowKeyStep(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return ScrollStep{-1, 0};
    case Qt::Key_Up: return ScrollStep{0, -1};
    case Qt::Key_Right: return ScrollStep{1, 0};
    case Qt::Key_Down: return ScrollStep{0, 1};
    default: return std::nullopt;
    }
}

std::optional<ScrollStep> KeyScrollStep(int qtKey) {
    switch (qtKey) {
    case Qt::Key_PageUp: return ScrollStep{0, -10};
    case Qt::Key_PageDown: return ScrollStep{0, 10};
    default: return ArrowKeyStep(qtKey);
    }
}

std::optional<int> WheelScrollTarget(int delta, const ScrollAxis& vertical) {
    if (delta > 0) return vertical.pos - 1;
    if (delta < 0) return vertical.pos + 1;
    return std::nullopt;
}

int TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

namespace {

void ResetAxis(ScrollAxis& axis, int imageSize, double scale) {
    axis.max = std::max(0, TruncateToInt(3.0 * imageSize * scale));
    axis.pos = axis.home = axis.wanted = axis.max / 2;
}

// Clamps the wanted position; returns how far the contents move.
int ApplyAxis(ScrollAxis& axis) {
    axis.wanted = std::clamp(axis.wanted, 0, axis.max);
    return axis.pos - axis.wanted;
}

}  // namespace

void ViewerScroll::Reset(int imageWidth, int imageHeight, double scale) {
    ResetAxis(h, imageWidth, scale);
    ResetAxis(v, imageHeight, scale);
}

std::optional<ViewerScroll::Move> ViewerScroll::Apply() {
    Move move{ApplyAxis(h), ApplyAxis(v)};
    if (move.dx == 0 && move.dy == 0) return std::nullopt;
    h.pos = h.wanted;
    v.pos = v.wanted;
    return move;
}
