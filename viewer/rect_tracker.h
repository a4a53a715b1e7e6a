// The rectangle tracker of the viewer's cut-out zone, as plain logic: where
// its hatched border and eight handles lie, which part of it is under a
// point, and how a drag moves or resizes it. Handles sit outside the
// rectangle; a handle dragged past the opposite side turns the rectangle
// inside out, and the rectangle is kept as it comes.
#pragma once

#include <array>
#include <optional>

#include "viewer/tracker_zone.h"

enum class TrackerPart {
    TopLeft,
    TopRight,
    BottomRight,
    BottomLeft,
    Top,
    Right,
    Bottom,
    Left,
    Inside,
    Outside,
};

// The handle whose point of the rectangle (a corner or the middle of a side,
// halves by integer division) lies within 1 dot of (x, y), checked along the
// top, then the bottom, then the middle row; nothing when none does. This
// decides the move cursor.
std::optional<TrackerPart> HandleWithinReach(const TrackerZone& rect, int x, int y);

class RectTracker {
public:
    // Side of a handle square and width of the hatched border, in dots.
    static constexpr int kHandleSize = 7;
    static constexpr int kBorderWidth = 4;

    explicit RectTracker(const TrackerZone& rect = {}) : rect_(rect) {}

    const TrackerZone& rect() const { return rect_; }
    void SetRect(const TrackerZone& rect) { rect_ = rect; }

    // The square of one of the eight handles (TopLeft to Left), outside the
    // rectangle as it is seen on the screen (inside-out rectangles too).
    TrackerZone HandleSquare(TrackerPart handle) const;
    std::array<TrackerZone, 8> HandleSquares() const;
    // The hatched border: the band between these two rectangles, covering
    // the rectangle's own outermost dots and kBorderWidth dots outside.
    TrackerZone BorderOuter() const;
    TrackerZone BorderInner() const;

    // The part under (x, y): a handle, the inside (hatched border
    // included), or outside.
    TrackerPart PartAt(int x, int y) const;

    // A drag: Begin at the press (false, and nothing starts, outside the
    // tracker), MoveTo with every mouse position, then End, which tells
    // whether the rectangle changed; Cancel puts the rectangle back.
    bool Begin(int x, int y);
    void MoveTo(int x, int y);
    bool End();
    void Cancel();
    bool dragging() const { return dragging_; }

private:
    TrackerZone rect_;
    TrackerZone startRect_;
    int startX_ = 0;
    int startY_ = 0;
    // Which coordinates the drag moves.
    bool moveLeft_ = false, moveTop_ = false, moveRight_ = false, moveBottom_ = false;
    bool dragging_ = false;
};
