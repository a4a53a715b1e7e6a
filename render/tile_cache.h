// Rendered tiles of the display image in the screen's layout, kept within a
// fixed memory budget: when room is needed the least recently used tile
// goes first. A tile is rendered only when asked for and not held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>

#include "render/display_raster.h"
#include "render/rgb_view.h"
#include "render/tile_grid.h"

class TileCache {
public:
    explicit TileCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

    // What the tiles show: image at scale, laid out for a depth-bit screen
    // (16, 24 or 32). Any change (another view of the same bytes included)
    // drops every tile. The bytes must stay as they are while shown. False,
    // with nothing to show, when the image cannot be read (IsReadable) or
    // the display image at that scale cannot be addressed.
    bool Show(const RgbView& image, double scale, int depth);
    // Drops every tile and shows nothing.
    void Clear();

    // Renders the tiles of span that are not held, on every core. Room is
    // made first by dropping the least recently used tiles outside span;
    // the tiles of span themselves are kept even beyond the budget. A tile
    // that cannot be made is left out.
    void Require(const TileSpan& span);

    // The tile, marked as just used; null when it is not held.
    const DeviceRaster* Find(int column, int row);

    int displayWidth() const { return displayWidth_; }
    int displayHeight() const { return displayHeight_; }
    std::size_t budget() const { return budget_; }
    std::size_t heldBytes() const { return held_; }
    std::size_t tileCount() const { return tiles_.size(); }
    // Tiles rendered since the last Show or Clear.
    std::size_t renderedCount() const { return rendered_; }

private:
    struct Entry {
        std::uint64_t key;
        DeviceRaster tile;
    };
    static std::uint64_t Key(int column, int row) {
        return (std::uint64_t(std::uint32_t(column)) << 32) | std::uint32_t(row);
    }
    std::size_t TileBytes(int column, int row) const;
    void MakeRoom(std::size_t bytes, const TileSpan& keep);

    std::size_t budget_;
    RgbView image_;
    bool shown_ = false;
    double scale_ = 0.0;
    int depth_ = 0;
    int displayWidth_ = 0;
    int displayHeight_ = 0;

    std::list<Entry> lru_;  // most recently used first
    std::unordered_map<std::uint64_t, std::list<Entry>::iterator> tiles_;
    std::size_t held_ = 0;
    std::size_t rendered_ = 0;
};
