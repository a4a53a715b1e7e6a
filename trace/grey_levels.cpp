#include "trace/grey_levels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "trace/level_planes.h"

namespace trace {

namespace {

// Classes whose levels differ by less are taken for one surface and its noise.
constexpr double kMinContrast = 24;
// Each class must hold at least this share of the window.
constexpr double kMinClassShare = 0.01;
// Bins within this many levels of a class's median make its level.
constexpr int kLevelSpan = 12;
// A class of less than this share of the window is a sliver: more than
// kMinCoreShare of it must lie within kLevelSpan of its median.
constexpr double kSliverShare = 0.05;
constexpr double kMinCoreShare = 0.6;
// Half the side of the first window around the seed; it doubles from there.
constexpr int kFirstHalfSize = 16;

// Otsu's threshold: the level of largest between-class variance; levels up
// to it form the dark class.
int OtsuThreshold(const std::vector<std::int64_t>& histogram) {
    std::int64_t total = 0;
    double sum = 0;
    for (int v = 0; v < kLevels; ++v) {
        total += histogram[v];
        sum += double(v) * double(histogram[v]);
    }
    std::int64_t darkCount = 0;
    double darkSum = 0, best = -1;
    int threshold = 0;
    for (int t = 0; t < kLevels - 1; ++t) {
        darkCount += histogram[t];
        darkSum += double(t) * double(histogram[t]);
        const std::int64_t brightCount = total - darkCount;
        if (darkCount == 0 || brightCount == 0) continue;
        const double meanDark = darkSum / double(darkCount);
        const double meanBright = (sum - darkSum) / double(brightCount);
        const double between =
            double(darkCount) * double(brightCount) * (meanBright - meanDark) * (meanBright - meanDark);
        if (between > best) {
            best = between;
            threshold = t;
        }
    }
    return threshold;
}

int SeedLevel(const GreyPicture& picture, int seedX, int seedY) {
    // The median of the 3 x 3 dots around the seed, so that one noisy dot
    // does not put the seed on the wrong side.
    std::array<int, 9> levels{};
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (picture.Contains(seedX + dx, seedY + dy)) levels[n++] = picture.At(seedX + dx, seedY + dy);
    std::nth_element(levels.begin(), levels.begin() + n / 2, levels.begin() + n);
    return levels[n / 2];
}

// The median level of the dots of levels low .. high; low when there are none.
int MedianLevel(const std::vector<std::int64_t>& histogram, int low, int high, std::int64_t count) {
    std::int64_t seen = 0;
    for (int v = low; v <= high; ++v) {
        seen += histogram[v];
        if (2 * seen >= count) return v;
    }
    return low;
}

std::int64_t DotCount(const std::vector<std::int64_t>& histogram, int low, int high) {
    std::int64_t count = 0;
    for (int v = low; v <= high; ++v)
        count += histogram[v];
    return count;
}

// The dots of levels low .. high within kLevelSpan of their median: a
// class's own surface, not the blurred edge beside it.
std::int64_t CoreDots(const std::vector<std::int64_t>& histogram, int low, int high) {
    const int median = MedianLevel(histogram, low, high, DotCount(histogram, low, high));
    return DotCount(histogram, std::max(low, median - kLevelSpan), std::min(high, median + kLevelSpan));
}

}  // namespace

double ClassLevel(const std::vector<std::int64_t>& histogram, int low, int high) {
    const std::int64_t count = DotCount(histogram, low, high);
    if (count == 0) return 0.5 * (low + high);
    const int median = MedianLevel(histogram, low, high, count);
    double weight = 0, sum = 0;
    for (int v = std::max(low, median - kLevelSpan); v <= std::min(high, median + kLevelSpan); ++v) {
        weight += double(histogram[v]);
        sum += double(v) * double(histogram[v]);
    }
    return sum / weight;
}

std::optional<FigureLevels> LevelsAroundSeed(const GreyPicture& picture, int seedX, int seedY) {
    if (!picture.Contains(seedX, seedY)) return std::nullopt;
    const int seedLevel = SeedLevel(picture, seedX, seedY);
    // Each window holds the one before it: only the dots it adds are read.
    std::vector<std::int64_t> histogram(kLevels, 0);
    std::vector<std::uint8_t> row;
    auto add = [&](int y, int from, int to) {
        if (from >= to) return;
        row.resize(std::size_t(to - from));
        picture.RowLevels(y, from, to, row.data());
        for (std::uint8_t level : row)
            ++histogram[level];
    };
    int px0 = seedX, px1 = seedX, py0 = seedY, py1 = seedY;  // the window before, empty at first
    for (int half = kFirstHalfSize;; half *= 2) {
        const int x0 = std::max(0, seedX - half), x1 = std::min(picture.width(), seedX + half);
        const int y0 = std::max(0, seedY - half), y1 = std::min(picture.height(), seedY + half);
        for (int y = y0; y < y1; ++y) {
            if (y < py0 || y >= py1) {
                add(y, x0, x1);
            } else {
                add(y, x0, px0);
                add(y, px1, x1);
            }
        }
        px0 = x0, px1 = x1, py0 = y0, py1 = y1;
        const int t = OtsuThreshold(histogram);
        const std::int64_t all = std::int64_t(x1 - x0) * (y1 - y0);
        std::int64_t dark = 0;
        for (int v = 0; v <= t; ++v)
            dark += histogram[v];
        const double darkLevel = ClassLevel(histogram, 0, t);
        const double brightLevel = ClassLevel(histogram, t + 1, kLevels - 1);
        const double minShare = kMinClassShare * double(all);
        // A window that reaches only into the blurred edge beside the seed,
        // with a sliver of the other side, has a small class mostly of edge
        // dots spread over many levels, neither side's level: it grows.
        auto clear = [&](std::int64_t count, int low, int high) {
            return double(count) >= minShare &&
                   (double(count) >= kSliverShare * double(all) ||
                    double(CoreDots(histogram, low, high)) > kMinCoreShare * double(count));
        };
        if (brightLevel - darkLevel >= kMinContrast && clear(dark, 0, t) &&
            clear(all - dark, t + 1, kLevels - 1)) {
            // The split only sorts the dots into two classes; the
            // threshold lies half way between their levels, clear of the
            // ringing and noise around either, and follows the light.
            FigureLevels levels;
            levels.dark = {darkLevel, 0, 0, seedX + 0.5, seedY + 0.5};
            levels.bright = {brightLevel, 0, 0, seedX + 0.5, seedY + 0.5};
            FitLevelPlanes(picture, x0, y0, x1, y1, levels);
            levels.brightFigure = seedLevel > levels.Threshold(seedX + 0.5, seedY + 0.5);
            return levels;
        }
        const bool wholePicture = x0 == 0 && y0 == 0 && x1 == picture.width() && y1 == picture.height();
        if (wholePicture) return std::nullopt;
    }
}

}  // namespace trace
