#include "data/grid_layout.h"

namespace {

// Left edge and width of each column, in units of W from the origin.
constexpr int kColumnLeft[] = {5, 9, 17};
constexpr int kColumnWidth[] = {4, 8, 8};
constexpr int kGridRight = 25;
constexpr int kLines = 10;

}  // namespace

GridLayout::GridLayout(int w, int h, const GridBox& heading)
    : W(w), H(h), origin{heading.x + w, heading.y + heading.height + h / 2} {}

GridBox GridLayout::Cell(int line, int column) const {
    return {origin.x + kColumnLeft[column] * W, origin.y + H * (line + 1), kColumnWidth[column] * W, H};
}

GridBox GridLayout::HeaderBand() const {
    return {origin.x + W, origin.y, (kGridRight - 1) * W, H};
}

GridBox GridLayout::RowNumberColumn() const {
    return {origin.x + W, origin.y + H, 4 * W, kLines * H};
}

std::array<GridSegment, 13> GridLayout::FrameLines() const {
    std::array<GridSegment, 13> lines;
    for (int k = 0; k <= kLines + 1; ++k)
        lines[k] = {{origin.x + W, origin.y + k * H}, {origin.x + 5 * W, origin.y + k * H}};
    lines[kLines + 2] = {{origin.x + W, origin.y + H}, {origin.x + W, origin.y + (kLines + 1) * H}};
    return lines;
}

std::array<GridSegment, 3> GridLayout::HeaderSeparators() const {
    std::array<GridSegment, 3> separators;
    for (int i = 0; i < 3; ++i) {
        const int x = origin.x + kColumnLeft[i] * W;
        separators[i] = {{x, origin.y}, {x, origin.y + H}};
    }
    return separators;
}

GridPoint GridLayout::RowNumberAt(int k) const {
    return {origin.x + W, origin.y + H + H / 6 + k * H};
}

std::array<GridPoint, 4> GridLayout::CaptionsAt() const {
    const int y = origin.y + H / 4;
    return {GridPoint{origin.x + 2 * W, y}, GridPoint{origin.x + 6 * W, y},
            GridPoint{origin.x + 12 * W, y}, GridPoint{origin.x + 20 * W, y}};
}
