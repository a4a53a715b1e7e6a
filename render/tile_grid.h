// The display image cut into square tiles: which tiles a rectangle of
// display dots touches, and the dots a tile covers.
#pragma once

#include "render/display_region.h"

constexpr int TILE_SIDE = 256;

// Tiles firstColumn..endColumn-1 by firstRow..endRow-1; empty when either
// end is not beyond its first.
struct TileSpan {
    int firstColumn = 0;
    int firstRow = 0;
    int endColumn = 0;
    int endRow = 0;

    bool empty() const { return endColumn <= firstColumn || endRow <= firstRow; }
    int count() const { return empty() ? 0 : (endColumn - firstColumn) * (endRow - firstRow); }
    bool contains(int column, int row) const {
        return column >= firstColumn && column < endColumn && row >= firstRow && row < endRow;
    }
};

// The tiles holding the display dots of rect that lie within the
// displayWidth x displayHeight display image (rect may reach beyond it).
TileSpan TilesCovering(const DisplayRegion& rect, int displayWidth, int displayHeight);

// span grown by margin tiles on every side, kept within the display image.
TileSpan GrowSpan(const TileSpan& span, int margin, int displayWidth, int displayHeight);

// The display dots of tile (column, row), cut at the display image's edges.
DisplayRegion TileRegion(int column, int row, int displayWidth, int displayHeight);
