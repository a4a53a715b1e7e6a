// The brightness of a picture as one byte per dot, and the levels that tell
// a figure from its background around a seed dot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace trace {

struct GreyPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dots;  // width x height, rows top-down

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // The place of dot (x, y) in dots, and in any other width x height raster.
    std::size_t IndexOf(int x, int y) const { return std::size_t(y) * std::size_t(width) + std::size_t(x); }
    std::uint8_t At(int x, int y) const { return dots[IndexOf(x, y)]; }
};

// Luma of red, green, blue dots (3 bytes each, rows top-down); a grey dot
// keeps its value.
GreyPicture GreyOf(const std::uint8_t* rgb, int width, int height);

struct FigureLevels {
    int threshold = 0;        // dots above it are on the bright side
    bool brightFigure = false;  // the seed lies on the bright side
    double outside = 0;       // the background's level (the figure's comes from its own dots)

    bool InFigure(std::uint8_t level) const { return (level > threshold) == brightFigure; }
};

// The two classes (split at the largest between-class variance) of the
// smallest square around the seed, doubled in size from 32 dots, whose
// levels differ clearly; the threshold lies half way between the levels,
// and the seed's side is the figure. Nothing when no window up to the
// whole picture shows a figure against a background.
std::optional<FigureLevels> LevelsAroundSeed(const GreyPicture& picture, int seedX, int seedY);

// A class's level from its histogram: the mean of the bins near its median,
// so that the dots of a blurred edge do not pull it.
double ClassLevel(const std::vector<std::int64_t>& histogram, int low, int high);

}  // namespace trace
