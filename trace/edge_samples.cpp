#include "trace/edge_samples.h"

#include <algorithm>
#include <cstdlib>

#include "trace/cyclic_index.h"

namespace trace {

namespace {

// Cracks on each side of a crack whose corners give the boundary's local
// direction there.
constexpr int kDirectionSpan = 4;

// Dots of the line (a row when alongRow) from `start` on in steps of `step`
// whose levels stay on the side given, at most 2 x kEdgeReach.
int SideRun(const GreyPicture& picture, const FigureLevels& levels, bool alongRow, int fixed, int start,
            int step, bool figureSide) {
    int run = 0;
    for (int i = start; run < 2 * kEdgeReach; i += step, ++run) {
        const int x = alongRow ? i : fixed, y = alongRow ? fixed : i;
        if (!picture.Contains(x, y) || levels.InFigure(picture.At(x, y), x, y) != figureSide) break;
    }
    return run;
}

// A row (alongRow) or column `fixed` read across the boundary at the crack
// between its dots `crack - 1` and `crack`, the figure on the low side when
// figureLow; inside and outside: how many dots from the crack on stay on
// the figure's and the background's side (SideRun).
struct EdgeRun {
    bool alongRow = true;
    int fixed = 0;
    int crack = 0;
    bool figureLow = false;
    int inside = 0;
    int outside = 0;
};

// The levels of a run's dots well clear of the edge, on each side.
struct ClearLevels {
    double inside = 0;
    double outside = 0;
    int insideDots = 0;
    int outsideDots = 0;
};

// Dots this far from the crack, or farther, are clear of a blurred edge.
constexpr int kClearFrom = 3;
// The figure's and the background's levels along an edge in uneven light:
// the clear dots of this many runs on each side of a run.
constexpr int kLevelSpan = 12;
// Fewer clear dots on a side than this leave its level to the planes.
constexpr int kMinClearDots = 8;

int Inward(const EdgeRun& run) { return run.figureLow ? -1 : 1; }
int InsideFirst(const EdgeRun& run) { return run.figureLow ? run.crack - 1 : run.crack; }
int OutsideFirst(const EdgeRun& run) { return run.figureLow ? run.crack : run.crack - 1; }
std::uint8_t LevelOn(const GreyPicture& picture, const EdgeRun& run, int i) {
    return run.alongRow ? picture.At(i, run.fixed) : picture.At(run.fixed, i);
}

EdgeRun RunAcross(const GreyPicture& picture, const FigureLevels& levels, bool alongRow, int fixed, int crack,
                  bool figureLow) {
    EdgeRun run{alongRow, fixed, crack, figureLow};
    run.inside = SideRun(picture, levels, alongRow, fixed, InsideFirst(run), Inward(run), true);
    run.outside = SideRun(picture, levels, alongRow, fixed, OutsideFirst(run), -Inward(run), false);
    return run;
}

ClearLevels ClearLevelsOf(const GreyPicture& picture, const EdgeRun& run) {
    ClearLevels clear;
    for (int k = kClearFrom; k < run.inside; ++k, ++clear.insideDots)
        clear.inside += LevelOn(picture, run, InsideFirst(run) + Inward(run) * k);
    for (int k = kClearFrom; k < run.outside; ++k, ++clear.outsideDots)
        clear.outside += LevelOn(picture, run, OutsideFirst(run) - Inward(run) * k);
    return clear;
}

// The sub-dot place of the edge on the run. The run read reaches kEdgeReach
// dots each way, but no farther than half way across the figure or the gap
// beside it, so that a thin part or a narrow slot does not bring in its
// other edge. The figure's and the background's levels there turn a dot's
// level into its share of the figure.
double EdgeAt(const GreyPicture& picture, const EdgeRun& run, double insideLevel, double outsideLevel) {
    const double perLevel = 1.0 / (insideLevel - outsideLevel);
    const int insideReach = std::min(kEdgeReach, std::max(1, (run.inside + 1) / 2));
    const int outsideReach = std::min(kEdgeReach, std::max(1, (run.outside + 1) / 2));
    const int size = run.alongRow ? picture.width() : picture.height();
    const int crack = run.crack;
    const int from = std::max(0, run.figureLow ? crack - insideReach : crack - outsideReach);
    const int to = std::min(size, run.figureLow ? crack + outsideReach : crack + insideReach);
    double length = 0;
    for (int i = from; i < to; ++i)
        length += (LevelOn(picture, run, i) - outsideLevel) * perLevel;
    return run.figureLow ? from + length : to - length;
}

// The level of one side over the 2 kLevelSpan + 1 runs around each run,
// cyclic: the mean of their clear dots, leaving out the runs whose clear
// dots lie farthest off either way (a run along an edge at a corner reads
// partly covered dots) as a quarter of the runs each. Where fewer than
// kMinClearDots stay, the level is left as it is.
void SideLevelsAlong(const std::vector<ClearLevels>& clear, bool insideSide, std::vector<double>& level) {
    const int n = int(clear.size());
    const int span = std::min(kLevelSpan, (n - 1) / 2);
    struct RunMean {
        double mean;
        double sum;
        int dots;
    };
    std::vector<RunMean> near;
    near.reserve(std::size_t(2 * span + 1));
    for (int i = 0; i < n; ++i) {
        near.clear();
        for (int j = i - span; j <= i + span; ++j) {
            const ClearLevels& c = CyclicAt(clear, j);
            const double sum = insideSide ? c.inside : c.outside;
            const int dots = insideSide ? c.insideDots : c.outsideDots;
            if (dots > 0) near.push_back({sum / dots, sum, dots});
        }
        std::sort(near.begin(), near.end(),
                  [](const RunMean& a, const RunMean& b) { return a.mean < b.mean; });
        const std::size_t cut = near.size() / 4;
        double sum = 0;
        int dots = 0;
        for (std::size_t k = cut; k + cut < near.size(); ++k) {
            sum += near[k].sum;
            dots += near[k].dots;
        }
        if (dots >= kMinClearDots) level[std::size_t(i)] = sum / dots;
    }
}

// Each run's figure and background levels: those of the clear dots of the
// runs around it (SideLevelsAlong), which follow uneven light and are not
// pulled by the blurred edge dots that the classes' levels hold; where
// they are too few, the planes', and in even light the figure's own
// insideLevel.
void LevelsAlong(const GreyPicture& picture, const FigureLevels& levels, const std::vector<EdgeRun>& runs,
                 double insideLevel, std::vector<double>& inside, std::vector<double>& outside) {
    const int n = int(runs.size());
    inside.assign(runs.size(), insideLevel);
    outside.assign(runs.size(), 0);
    for (int i = 0; i < n; ++i) {
        const EdgeRun& run = runs[std::size_t(i)];
        const double px = run.alongRow ? run.crack : run.fixed + 0.5;
        const double py = run.alongRow ? run.fixed + 0.5 : run.crack;
        outside[std::size_t(i)] = levels.Outside(px, py);
        if (!levels.flat) inside[std::size_t(i)] = levels.Inside(px, py);
    }
    if (n == 0) return;
    std::vector<ClearLevels> clear;
    clear.reserve(runs.size());
    for (const EdgeRun& run : runs)
        clear.push_back(ClearLevelsOf(picture, run));
    SideLevelsAlong(clear, true, inside);
    SideLevelsAlong(clear, false, outside);
}

}  // namespace

std::vector<Point2> EdgeSamples(const GreyPicture& picture, const FigureLevels& levels,
                                const std::vector<Crack>& boundary, double insideLevel) {
    const int n = int(boundary.size());
    auto corner = [&](int i) {
        const Crack& c = CyclicAt(boundary, i);
        return Point2{double(c.x), double(c.y)};
    };
    std::vector<EdgeRun> runs;
    for (int i = 0; i < n; ++i) {
        const Crack& c = boundary[std::size_t(i)];
        const Point2 along = corner(i + kDirectionSpan) - corner(i - kDirectionSpan);
        const bool steep = std::abs(along.y) >= std::abs(along.x);
        const bool verticalCrack = c.direction == 1 || c.direction == 3;
        // A steep edge is read along rows from its vertical cracks, a flat
        // one along columns from its horizontal cracks.
        if (steep != verticalCrack) continue;
        if (verticalCrack) {
            // Going down, the figure is on the left; going up, on the right.
            runs.push_back(
                RunAcross(picture, levels, true, c.direction == 1 ? c.y : c.y - 1, c.x, c.direction == 1));
        } else {
            // Going right, the figure is below; going left, above.
            runs.push_back(
                RunAcross(picture, levels, false, c.direction == 0 ? c.x : c.x - 1, c.y, c.direction == 2));
        }
    }
    std::vector<double> inside, outside;
    LevelsAlong(picture, levels, runs, insideLevel, inside, outside);
    std::vector<Point2> samples;
    samples.reserve(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const EdgeRun& run = runs[i];
        const double place = EdgeAt(picture, run, inside[i], outside[i]);
        samples.push_back(run.alongRow ? Point2{place, run.fixed + 0.5} : Point2{run.fixed + 0.5, place});
    }
    return samples;
}

}  // namespace trace
