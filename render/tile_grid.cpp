#include "render/tile_grid.h"

#include <algorithm>
#include <cstdint>

namespace {

int TilesAlong(int size) { return (size + TILE_SIDE - 1) / TILE_SIDE; }

// First tile touched by [start, start + length) clipped to [0, size), and
// the tile after the last; equal when nothing is left.
void Cover(std::int64_t start, std::int64_t length, int size, int& first, int& end) {
    const std::int64_t from = std::max<std::int64_t>(start, 0);
    const std::int64_t to = std::min<std::int64_t>(start + length, size);
    if (to <= from) {
        first = end = 0;
        return;
    }
    first = int(from / TILE_SIDE);
    end = int((to + TILE_SIDE - 1) / TILE_SIDE);
}

}  // namespace

TileSpan TilesCovering(const DisplayRegion& rect, int displayWidth, int displayHeight) {
    TileSpan span;
    Cover(rect.x, rect.width, displayWidth, span.firstColumn, span.endColumn);
    Cover(rect.y, rect.height, displayHeight, span.firstRow, span.endRow);
    if (span.empty()) return {};
    return span;
}

TileSpan GrowSpan(const TileSpan& span, int margin, int displayWidth, int displayHeight) {
    if (span.empty()) return span;
    return {std::max(span.firstColumn - margin, 0), std::max(span.firstRow - margin, 0),
            std::min(span.endColumn + margin, TilesAlong(displayWidth)),
            std::min(span.endRow + margin, TilesAlong(displayHeight))};
}

DisplayRegion TileRegion(int column, int row, int displayWidth, int displayHeight) {
    const int x = column * TILE_SIDE;
    const int y = row * TILE_SIDE;
    return {x, y, std::min(TILE_SIDE, displayWidth - x), std::min(TILE_SIDE, displayHeight - y)};
}
