#include "trace/figure_region.h"

#include <utility>

namespace trace {

namespace {

constexpr int STEP_X[4] = {1, 0, -1, 0};
constexpr int STEP_Y[4] = {0, 1, 0, -1};

}  // namespace

std::optional<FigureRegion> RegionAroundSeed(const GreyPicture& picture, const FigureLevels& levels, int seedX, int seedY) {
    if (!picture.Contains(seedX, seedY) || !levels.InFigure(picture.At(seedX, seedY))) return std::nullopt;
    FigureRegion region;
    region.width = picture.width;
    region.height = picture.height;
    region.mask.assign(picture.dots.size(), 0);
    region.topX = seedX;
    region.topY = seedY;
    std::vector<std::int64_t> histogram(256, 0);
    auto open = [&](int x, int y) {
        const std::size_t i = picture.IndexOf(x, y);
        return region.mask[i] == 0 && levels.InFigure(picture.dots[i]);
    };
    // Scanline fill: each popped dot grows into its whole run on the row,
    // and every run of open dots above and below is pushed once.
    std::vector<std::pair<int, int>> stack{{seedX, seedY}};
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        if (!open(x, y)) continue;
        int left = x, right = x;
        while (left > 0 && open(left - 1, y)) --left;
        while (right + 1 < picture.width && open(right + 1, y)) ++right;
        for (int i = left; i <= right; ++i) {
            region.mask[picture.IndexOf(i, y)] = 1;
            ++histogram[picture.At(i, y)];
        }
        region.dots += right - left + 1;
        if (y < region.topY || (y == region.topY && left < region.topX)) {
            region.topX = left;
            region.topY = y;
        }
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= picture.height) continue;
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                const bool o = open(i, ny);
                if (o && !inRun) stack.emplace_back(i, ny);
                inRun = o;
            }
        }
    }
    region.insideLevel = levels.brightFigure ? ClassLevel(histogram, levels.threshold + 1, 255)
                                             : ClassLevel(histogram, 0, levels.threshold);
    return region;
}

std::vector<Crack> OuterBoundary(const FigureRegion& region) {
    std::vector<Crack> cracks;
    const int startX = region.topX, startY = region.topY;
    // Arriving upward along the left edge of the first dot; the walk keeps
    // the figure on its right and ends when it arrives there again.
    int x = startX, y = startY, d = 3;
    // The dot ahead on the right or left of direction d from corner (x, y).
    auto aheadIn = [&](int dir, int side) {
        const int rx = -STEP_Y[dir] * side, ry = STEP_X[dir] * side;
        const int sx = STEP_X[dir] + rx, sy = STEP_Y[dir] + ry;  // each -1 or 1
        return region.In(x + (sx - 1) / 2, y + (sy - 1) / 2);
    };
    do {
        if (!aheadIn(d, 1))
            d = (d + 1) % 4;  // around the corner of the dot on the right
        else if (aheadIn(d, -1))
            d = (d + 3) % 4;  // the dot ahead on the left is the figure's too
        cracks.push_back({x, y, d});
        x += STEP_X[d];
        y += STEP_Y[d];
    } while (!(x == startX && y == startY && d == 3));
    return cracks;
}

}  // namespace trace
