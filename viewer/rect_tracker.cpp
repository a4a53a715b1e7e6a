#include "viewer/rect_tracker.h"

#include <cstdlib>

namespace {

bool Near(int a, int b) { return std::abs(a - b) <= 1; }

bool Contains(const TrackerZone& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool IsLeftSide(TrackerPart part) {
    return part == TrackerPart::TopLeft || part == TrackerPart::BottomLeft || part == TrackerPart::Left;
}
bool IsRightSide(TrackerPart part) {
    return part == TrackerPart::TopRight || part == TrackerPart::BottomRight || part == TrackerPart::Right;
}
bool IsTopSide(TrackerPart part) {
    return part == TrackerPart::TopLeft || part == TrackerPart::TopRight || part == TrackerPart::Top;
}
bool IsBottomSide(TrackerPart part) {
    return part == TrackerPart::BottomLeft || part == TrackerPart::BottomRight || part == TrackerPart::Bottom;
}

}  // namespace

std::optional<TrackerPart> HandleWithinReach(const TrackerZone& r, int x, int y) {
    const int midX = (r.left + r.right) / 2;
    const int midY = (r.top + r.bottom) / 2;
    if (Near(y, r.top)) {
        if (Near(x, r.left)) return TrackerPart::TopLeft;
        if (Near(x, r.right)) return TrackerPart::TopRight;
        if (Near(x, midX)) return TrackerPart::Top;
    }
    if (Near(y, r.bottom)) {
        if (Near(x, r.left)) return TrackerPart::BottomLeft;
        if (Near(x, r.right)) return TrackerPart::BottomRight;
        if (Near(x, midX)) return TrackerPart::Bottom;
    }
    if (Near(y, midY)) {
        if (Near(x, r.left)) return TrackerPart::Left;
        if (Near(x, r.right)) return TrackerPart::Right;
    }
    return std::nullopt;
}

TrackerZone RectTracker::HandleSquare(TrackerPart handle) const {
    const TrackerZone n = NormalizedTrackerZone(rect_);
    constexpr int s = kHandleSize;
    const int x = IsLeftSide(handle) ? n.left - s : IsRightSide(handle) ? n.right : (n.left + n.right) / 2 - s / 2;
    const int y = IsTopSide(handle) ? n.top - s : IsBottomSide(handle) ? n.bottom : (n.top + n.bottom) / 2 - s / 2;
    return {x, y, x + s, y + s};
}

std::array<TrackerZone, 8> RectTracker::HandleSquares() const {
    std::array<TrackerZone, 8> squares;
    for (int i = 0; i < 8; ++i) squares[i] = HandleSquare(static_cast<TrackerPart>(i));
    return squares;
}

TrackerZone RectTracker::BorderOuter() const {
    const TrackerZone n = NormalizedTrackerZone(rect_);
    return {n.left - kBorderWidth, n.top - kBorderWidth, n.right + kBorderWidth, n.bottom + kBorderWidth};
}

TrackerZone RectTracker::BorderInner() const {
    const TrackerZone n = NormalizedTrackerZone(rect_);
    return {n.left + 1, n.top + 1, n.right - 1, n.bottom - 1};
}

TrackerPart RectTracker::PartAt(int x, int y) const {
    for (int i = 0; i < 8; ++i) {
        const auto part = static_cast<TrackerPart>(i);
        if (Contains(HandleSquare(part), x, y)) return part;
    }
    return Contains(BorderOuter(), x, y) ? TrackerPart::Inside : TrackerPart::Outside;
}

bool RectTracker::Begin(int x, int y) {
    const TrackerPart part = PartAt(x, y);
    if (part == TrackerPart::Outside) return false;
    // A handle moves the coordinates that lie on its side as the rectangle
    // is seen, whichever of the pair they are once it is inside out.
    const bool leftIsLeft = rect_.left <= rect_.right;
    const bool topIsTop = rect_.top <= rect_.bottom;
    const bool inside = part == TrackerPart::Inside;
    moveLeft_ = inside || (IsLeftSide(part) ? leftIsLeft : IsRightSide(part) && !leftIsLeft);
    moveRight_ = inside || (IsRightSide(part) ? leftIsLeft : IsLeftSide(part) && !leftIsLeft);
    moveTop_ = inside || (IsTopSide(part) ? topIsTop : IsBottomSide(part) && !topIsTop);
    moveBottom_ = inside || (IsBottomSide(part) ? topIsTop : IsTopSide(part) && !topIsTop);
    startRect_ = rect_;
    startX_ = x;
    startY_ = y;
    dragging_ = true;
    return true;
}

void RectTracker::MoveTo(int x, int y) {
    if (!dragging_) return;
    const int dx = x - startX_;
    const int dy = y - startY_;
    rect_ = startRect_;
    if (moveLeft_) rect_.left += dx;
    if (moveRight_) rect_.right += dx;
    if (moveTop_) rect_.top += dy;
    if (moveBottom_) rect_.bottom += dy;
}

bool RectTracker::End() {
    if (!dragging_) return false;
    dragging_ = false;
    return rect_ != startRect_;
}

void RectTracker::Cancel() {
    if (!dragging_) return;
    dragging_ = false;
    rect_ = startRect_;
}
