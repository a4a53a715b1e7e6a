// Moving the picture by dragging it with the middle button: the way the
// pointer went since the press is taken off the scroll positions of the
// press, so the dot under the pointer stays under it as far as the scroll
// ranges reach.
#pragma once

#include <optional>

class PanDrag {
public:
    // Scroll positions a drag asks for.
    struct Target {
        int h = 0;
        int v = 0;
    };

    // The button went down at client position (x, y) with the scroll
    // positions hPos and vPos.
    void Begin(int x, int y, int hPos, int vPos);
    // The pointer is at (x, y): the positions that keep the picture under
    // it, or nothing when no drag is going on.
    std::optional<Target> Move(int x, int y) const;
    // The button went up. False when no drag was going on.
    bool End();

    bool active() const { return active_; }

private:
    bool active_ = false;
    int startX_ = 0;
    int startY_ = 0;
    int startH_ = 0;
    int startV_ = 0;
};
