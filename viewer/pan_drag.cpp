#include "viewer/pan_drag.h"

void PanDrag::Begin(int x, int y, int hPos, int vPos) {
    active_ = true;
    startX_ = x;
    startY_ = y;
    startH_ = hPos;
    startV_ = vPos;
}

std::optional<PanDrag::Target> PanDrag::Move(int x, int y) const {
    if (!active_) return std::nullopt;
    // The picture's origin is home − pos: moving the pointer right by d
    // moves the picture right by d when the position falls by d.
    return Target{startH_ - (x - startX_), startV_ - (y - startY_)};
}

bool PanDrag::End() {
    const bool was = active_;
    active_ = false;
    return was;
}
