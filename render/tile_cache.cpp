#include "render/tile_cache.h"

#include <atomic>
#include <new>
#include <vector>

#include "render/parallel_rows.h"
#include "render/resample_rows.h"

bool TileCache::Show(const RgbView& image, double scale, int depth) {
    if (shown_ && image == image_ && scale == scale_ && depth == depth_) return true;
    Clear();
    int w = 0, h = 0;
    if (!IsReadable(image) || DeviceRowBytes(depth, 1) == 0 ||
        !DisplayImageSize(image.width, image.height, scale, w, h))
        return false;
    shown_ = true;
    image_ = image;
    scale_ = scale;
    depth_ = depth;
    displayWidth_ = w;
    displayHeight_ = h;
    return true;
}

void TileCache::Clear() {
    lru_.clear();
    tiles_.clear();
    held_ = 0;
    rendered_ = 0;
    shown_ = false;
    image_ = {};
    scale_ = 0.0;
    depth_ = 0;
    displayWidth_ = displayHeight_ = 0;
}

std::size_t TileCache::TileBytes(int column, int row) const {
    const DisplayRegion region = TileRegion(column, row, displayWidth_, displayHeight_);
    return std::size_t(DeviceRowBytes(depth_, region.width)) * std::size_t(region.height);
}

void TileCache::MakeRoom(std::size_t bytes, const TileSpan& keep) {
    auto it = lru_.end();
    while (held_ + bytes > budget_ && it != lru_.begin()) {
        --it;
        const int column = int(it->key >> 32);
        const int row = int(std::uint32_t(it->key));
        if (keep.contains(column, row)) continue;
        held_ -= it->tile.pixels.size();
        tiles_.erase(it->key);
        it = lru_.erase(it);
    }
}

void TileCache::Require(const TileSpan& span) {
    if (!shown_ || span.empty()) return;
    struct Missing {
        int column;
        int row;
        DeviceRaster tile;
    };
    std::vector<Missing> missing;
    std::size_t bytes = 0;
    std::int64_t dots = 0;
    for (int row = span.firstRow; row < span.endRow; ++row)
        for (int column = span.firstColumn; column < span.endColumn; ++column) {
            if (tiles_.count(Key(column, row)) != 0) continue;
            missing.push_back({column, row, {}});
            bytes += TileBytes(column, row);
            dots += std::int64_t(TILE_SIDE) * TILE_SIDE;
        }
    if (missing.empty()) return;
    MakeRoom(bytes, span);

    // Tiles are handed out one at a time to whichever thread is free; each
    // renders straight into the tile in the screen's layout.
    const int parts = RowPartsFor(dots, int(missing.size()));
    std::vector<RegionWorkspace> works;
    try {
        works.reserve(std::size_t(parts));
        for (int part = 0; part < parts; ++part) works.emplace_back(TILE_SIDE);
    } catch (const std::bad_alloc&) {
        return;
    }
    DotLayout layout;
    ScreenLayout(depth_, layout);
    std::atomic<int> next{0};
    RunRowParts(parts, parts, [&](int part, int, int) {
        for (int t = next++; t < int(missing.size()); t = next++) {
            Missing& m = missing[std::size_t(t)];
            const DisplayRegion region = TileRegion(m.column, m.row, displayWidth_, displayHeight_);
            DeviceRaster& tile = m.tile;
            tile.rowBytes = DeviceRowBytes(depth_, region.width);
            tile.rows = region.height;
            tile.depth = depth_;
            tile.width = region.width;
            try {
                tile.pixels.resize(std::size_t(tile.rowBytes) * std::size_t(region.height));
            } catch (const std::bad_alloc&) {
                tile = {};
                continue;
            }
            ResampleRegion(image_, scale_, displayWidth_, displayHeight_, region, layout, tile.pixels.data(),
                           std::size_t(tile.rowBytes), works[std::size_t(part)]);
        }
    });
    for (Missing& m : missing) {
        if (m.tile.pixels.empty()) continue;
        held_ += m.tile.pixels.size();
        ++rendered_;
        lru_.push_front({Key(m.column, m.row), std::move(m.tile)});
        tiles_[lru_.front().key] = lru_.begin();
    }
}

const DeviceRaster* TileCache::Find(int column, int row) {
    const auto found = tiles_.find(Key(column, row));
    if (found == tiles_.end()) return nullptr;
    lru_.splice(lru_.begin(), lru_, found->second);
    return &found->second->tile;
}
