#include "trace/level_planes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "trace/normal_equations3.h"

namespace trace {

namespace {

// Rounds of sorting the dots and refitting the planes.
constexpr int kRounds = 3;
// A dot farther from its class's plane than this share of the contrast, or
// than this many levels (an edge dot, a speck), does not pull the plane.
constexpr double kKeepShare = 0.3;
constexpr double kKeepLevels = 12;
// The dots visited in a window: a wider window is visited on a coarser grid.
constexpr double kMaxVisited = 65536;
// Fewer dots than this make no plane.
constexpr double kMinPlaneDots = 32;
// Planes that vary across the window by less than this many levels, or
// than this share of the contrast, are even light: the flat levels stay.
constexpr double kFlatLevels = 3;
constexpr double kFlatShare = 0.1;
// The planes may bring the classes no closer than this share of their flat
// contrast anywhere in the window.
constexpr double kMinContrastShare = 0.6;

// The least-squares plane level = at + perX dx + perY dy of the sums, by
// Cramer's rule; false when too few dots or no single plane.
bool SolvePlane(const NormalEquations3& sums, LevelPlane& plane) {
    const auto& m = sums.m;
    if (m[0][0] < kMinPlaneDots) return false;
    auto det = [](const std::array<std::array<double, 3>, 3>& a) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    if (!(std::abs(d) > 1e-9 * m[0][0] * m[1][1] * m[2][2])) return false;
    std::array<double, 3> x{};
    for (int c = 0; c < 3; ++c) {
        auto a = m;
        for (int r = 0; r < 3; ++r)
            a[r][c] = sums.v[r];
        x[c] = det(a) / d;
    }
    if (!std::isfinite(x[0]) || !std::isfinite(x[1]) || !std::isfinite(x[2])) return false;
    plane.at = x[0];
    plane.perX = x[1];
    plane.perY = x[2];
    return true;
}

}  // namespace

void FitLevelPlanes(const GreyPicture& picture, int x0, int y0, int x1, int y1, FigureLevels& levels) {
    const double area = double(x1 - x0) * double(y1 - y0);
    const int step = std::max(1, int(std::ceil(std::sqrt(area / kMaxVisited))));
    const double flatContrast = levels.bright.at - levels.dark.at;
    const double ox = levels.dark.originX, oy = levels.dark.originY;
    FigureLevels fit = levels;
    for (int round = 0; round < kRounds; ++round) {
        NormalEquations3 dark, bright;
        for (int y = y0; y < y1; y += step) {
            for (int x = x0; x < x1; x += step) {
                const double cx = x + 0.5, cy = y + 0.5;
                const double level = picture.At(x, y);
                const double low = fit.dark.At(cx, cy), high = fit.bright.At(cx, cy);
                const bool isBright = level > 0.5 * (low + high);
                const double keep = std::min(kKeepLevels, kKeepShare * (high - low));
                if (std::abs(level - (isBright ? high : low)) > keep) continue;
                (isBright ? bright : dark).Add({1, cx - ox, cy - oy}, level);
            }
        }
        FigureLevels next = fit;
        if (!SolvePlane(dark, next.dark) || !SolvePlane(bright, next.bright)) return;
        fit = next;
    }
    // The classes must stay apart over the whole window.
    for (double cx : {double(x0), double(x1)}) {
        for (double cy : {double(y0), double(y1)}) {
            if (fit.bright.At(cx, cy) - fit.dark.At(cx, cy) < kMinContrastShare * flatContrast) return;
        }
    }
    const double wx = x1 - x0, wy = y1 - y0;
    auto variation = [&](const LevelPlane& p) { return std::abs(p.perX) * wx + std::abs(p.perY) * wy; };
    if (std::max(variation(fit.dark), variation(fit.bright)) <
        std::max(kFlatLevels, kFlatShare * flatContrast))
        return;
    fit.flat = false;
    levels = fit;
}

}  // namespace trace
