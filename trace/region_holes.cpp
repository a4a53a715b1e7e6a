#include "trace/region_holes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace trace {

namespace {

constexpr int kStepX[4] = {1, 0, -1, 0};
constexpr int kStepY[4] = {0, 1, 0, -1};
// A boundary passes down between a figure dot and the dot off the region
// on its right.
constexpr int kDown = 1;

// Per dot of the region's box: whether a boundary followed so far passes
// down along the dot's left edge.
class PassedEdges {
public:
    explicit PassedEdges(const FigureRegion& region)
        : left_(region.minX),
          top_(region.minY),
          width_(region.maxX - region.minX + 2),
          passed_(std::size_t(width_) * std::size_t(region.maxY - region.minY + 1), 0) {}

    void Mark(const std::vector<Crack>& boundary) {
        for (const Crack& c : boundary)
            if (c.direction == kDown) passed_[Index(c.x, c.y)] = 1;
    }
    bool Passed(int x, int y) const { return passed_[Index(x, y)] != 0; }

private:
    std::size_t Index(int x, int y) const {
        return std::size_t(y - top_) * std::size_t(width_) + std::size_t(x - left_);
    }

    int left_, top_, width_;
    std::vector<std::uint8_t> passed_;
};

bool BigEnough(const std::vector<Crack>& boundary) {
    int minX = boundary[0].x, maxX = minX, minY = boundary[0].y, maxY = minY;
    for (const Crack& c : boundary) {
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
    }
    return maxX - minX >= kMinHoleSpan && maxY - minY >= kMinHoleSpan &&
           EnclosedDots(boundary) >= kMinHoleDots;
}

}  // namespace

double EnclosedDots(const std::vector<Crack>& boundary) {
    std::int64_t twice = 0;
    for (const Crack& c : boundary)
        twice += std::int64_t(c.x) * kStepY[c.direction] - std::int64_t(kStepX[c.direction]) * c.y;
    return std::abs(double(twice)) / 2;
}

std::vector<std::vector<Crack>> HoleBoundaries(const FigureRegion& region, const std::vector<Crack>& outer) {
    std::vector<std::vector<Crack>> holes;
    PassedEdges passed(region);
    passed.Mark(outer);
    const TraceWindow& w = region.window;
    for (int y = region.minY + 1; y < region.maxY; ++y) {
        const std::uint8_t* row = region.mask.get() + std::size_t(y - w.top) * std::size_t(w.width) - w.left;
        for (int x = region.minX + 1; x < region.maxX; ++x) {
            if (row[x - 1] != FigureRegion::kInRegion || row[x] == FigureRegion::kInRegion ||
                passed.Passed(x, y))
                continue;
            // Entered downward along the left edge of dot (x, y), the
            // figure dot on the right of the walk.
            std::vector<Crack> boundary = FollowBoundary(region, x, y + 1, kDown);
            passed.Mark(boundary);
            if (BigEnough(boundary)) holes.push_back(std::move(boundary));
        }
    }
    return holes;
}

}  // namespace trace
