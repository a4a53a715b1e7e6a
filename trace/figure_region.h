// The figure as the 4-connected dots around the seed on the seed's side of
// the threshold, and its outer boundary as a closed chain of dot edges.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "trace/grey_levels.h"

namespace trace {

struct FigureRegion {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> mask;  // 1 for the figure's dots
    std::int64_t dots = 0;
    int topX = 0, topY = 0;          // the first figure dot in reading order
    double insideLevel = 0;          // the level of the figure's own dots

    bool In(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && mask[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0;
    }
};

// Nothing when the seed is not on the figure's side.
std::optional<FigureRegion> RegionAroundSeed(const GreyPicture& picture, const FigureLevels& levels, int seedX, int seedY);

// One dot edge of the boundary: from the dot corner (x, y) one dot in the
// direction 0 right, 1 down, 2 left, 3 up; the figure lies on its right.
struct Crack {
    int x = 0;
    int y = 0;
    int direction = 0;
};

// The outer boundary, clockwise on the screen, starting on top of the first
// figure dot; holes are left out, and the picture's edge bounds the figure.
std::vector<Crack> OuterBoundary(const FigureRegion& region);

}  // namespace trace
