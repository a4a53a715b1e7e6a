// Widening a fixed layout for texts longer than it was drawn for: each
// control that needs more width grows to the right, the controls right of
// it (in the rows it spans) move over by as much, and the window grows by
// the widest such step. A control alone across its rows that reached the
// window's right margin keeps reaching it, so full-width rows stay full
// width. Heights and rows
// never change, so no two controls that did not overlap come to overlap.
// Plain pixels throughout.
#pragma once

#include <functional>
#include <span>
#include <vector>

struct WideningBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int neededWidth = 0;  // the width its text needs; 0 when it has no text
    bool operator==(const WideningBox&) const = default;
};

struct WidenedLayout {
    std::vector<WideningBox> boxes;  // new places, in the order given (neededWidth as given)
    int clientWidth = 0;
};

// The layout widened so that every box is at least as wide as it needs.
// Boxes of zero width or height neither grow nor push others.
WidenedLayout WidenLayout(std::span<const WideningBox> boxes, int clientWidth);

// The narrowest width from `from` up to `limit` at which fits(width) holds,
// for a test that once true stays true for wider widths; limit when none.
int NarrowestFittingWidth(int from, int limit, const std::function<bool(int)>& fits);
