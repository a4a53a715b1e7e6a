// Where the edit window's grid lies: the 30 cells and the painted frame
// around them, from the unit width W and line height H of the 12-point
// fixed-pitch font and the heading "サンプリングデータ" above the grid. All
// positions in the window's client pixels.
#pragma once

#include <array>

struct GridBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const GridBox&) const = default;
};

struct GridPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GridPoint&) const = default;
};

struct GridSegment {
    GridPoint from;
    GridPoint to;
    bool operator==(const GridSegment&) const = default;
};

class GridLayout {
public:
    // The grid's origin is one W right of the heading's left edge and half
    // an H below its bottom edge (bottom = top + height).
    GridLayout(int W, int H, const GridBox& heading);

    int W;
    int H;
    GridPoint origin;

    // The cell of line 0..9 and column 0..2.
    GridBox Cell(int line, int column) const;

    // Dark band behind the column captions.
    GridBox HeaderBand() const;
    // Grey column behind the row numbers.
    GridBox RowNumberColumn() const;
    // The 12 horizontal lines across the row-number column and the vertical
    // line at its left edge.
    std::array<GridSegment, 13> FrameLines() const;
    // The three separators between the column captions.
    std::array<GridSegment, 3> HeaderSeparators() const;
    // Top-left of the row number of line k (0..9).
    GridPoint RowNumberAt(int k) const;
    // Top-left of the captions "Sr", "type", "X", "Y".
    std::array<GridPoint, 4> CaptionsAt() const;
};
