#include "trace/region_holes.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace trace {

namespace {

// What a dot of the region's box is, while the holes are found.
constexpr std::uint8_t kOpen = 0;  // off the region, not reached yet
constexpr std::uint8_t kFigure = 1;
constexpr std::uint8_t kOutside = 2;  // off the region, joined to the box's border
constexpr std::uint8_t kHole = 3;

// The 8-connected dots off the region of the region's box, each marked
// once: those joined to the box's border first, then each hole.
class HoleFinder {
public:
    explicit HoleFinder(const FigureRegion& region)
        : region_(region),
          left_(region.minX),
          top_(region.minY),
          width_(region.maxX - region.minX + 1),
          height_(region.maxY - region.minY + 1),
          marks_(std::size_t(width_) * std::size_t(height_)) {
        const TraceWindow& w = region.window;
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* in = region.mask.get() +
                                     std::size_t(y + top_ - w.top) * std::size_t(w.width) +
                                     std::size_t(left_ - w.left);
            std::uint8_t* mark = marks_.data() + std::size_t(y) * std::size_t(width_);
            for (int x = 0; x < width_; ++x)
                mark[x] = in[x] == FigureRegion::kInRegion ? kFigure : kOpen;
        }
    }

    std::vector<std::vector<Crack>> Boundaries() {
        for (int x = 0; x < width_; ++x) {
            Flood(x, 0, kOutside);
            Flood(x, height_ - 1, kOutside);
        }
        for (int y = 0; y < height_; ++y) {
            Flood(0, y, kOutside);
            Flood(width_ - 1, y, kOutside);
        }
        std::vector<std::vector<Crack>> holes;
        for (int y = 1; y + 1 < height_; ++y) {
            for (int x = 1; x + 1 < width_; ++x) {
                if (marks_[Index(x, y)] != kOpen) continue;
                const Extent hole = Flood(x, y, kHole);
                if (hole.dots < kMinHoleDots || hole.maxX - hole.minX + 1 < kMinHoleSpan ||
                    hole.maxY - hole.minY + 1 < kMinHoleSpan)
                    continue;
                // (x, y) is the hole's first dot: the figure lies above it
                // and to its left. Entered leftward along its top edge.
                holes.push_back(FollowBoundary(region_, x + left_, y + top_, 2));
            }
        }
        return holes;
    }

private:
    struct Extent {
        std::int64_t dots = 0;
        int minX = 0, minY = 0, maxX = 0, maxY = 0;
    };

    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

    // Marks the open dots 8-connected to (x, y), box coordinates.
    Extent Flood(int x, int y, std::uint8_t as) {
        Extent extent{0, x, y, x, y};
        if (marks_[Index(x, y)] != kOpen) return extent;
        marks_[Index(x, y)] = as;
        stack_.emplace_back(x, y);
        while (!stack_.empty()) {
            const auto [cx, cy] = stack_.back();
            stack_.pop_back();
            ++extent.dots;
            extent.minX = std::min(extent.minX, cx);
            extent.maxX = std::max(extent.maxX, cx);
            extent.minY = std::min(extent.minY, cy);
            extent.maxY = std::max(extent.maxY, cy);
            for (int ny = std::max(0, cy - 1); ny <= std::min(height_ - 1, cy + 1); ++ny) {
                for (int nx = std::max(0, cx - 1); nx <= std::min(width_ - 1, cx + 1); ++nx) {
                    std::uint8_t& mark = marks_[Index(nx, ny)];
                    if (mark != kOpen) continue;
                    mark = as;
                    stack_.emplace_back(nx, ny);
                }
            }
        }
        return extent;
    }

    const FigureRegion& region_;
    int left_, top_, width_, height_;
    std::vector<std::uint8_t> marks_;
    std::vector<std::pair<int, int>> stack_;
};

}  // namespace

std::vector<std::vector<Crack>> HoleBoundaries(const FigureRegion& region) {
    return HoleFinder(region).Boundaries();
}

}  // namespace trace
