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

// The sub-dot place of the edge at the crack between dots `crack - 1` and
// `crack` of the line `fixed` (a row when alongRow), the figure on the low
// side when figureLow. The run read reaches kEdgeReach dots each way, but
// no farther than half way across the figure or the gap beside it, so that
// a thin part or a narrow slot does not bring in its other edge. The
// figure's and the background's levels at the crack turn a dot's level into
// its share of the figure; in even light the figure's is insideLevel.
double EdgeAt(const GreyPicture& picture, const FigureLevels& levels, bool alongRow, int fixed, int crack,
              bool figureLow, double insideLevel) {
    const double px = alongRow ? crack : fixed + 0.5, py = alongRow ? fixed + 0.5 : crack;
    const double outsideLevel = levels.Outside(px, py);
    const double perLevel = 1.0 / ((levels.flat ? insideLevel : levels.Inside(px, py)) - outsideLevel);
    const int inward = figureLow ? -1 : 1;
    const int insideFirst = figureLow ? crack - 1 : crack, outsideFirst = figureLow ? crack : crack - 1;
    const int inside = SideRun(picture, levels, alongRow, fixed, insideFirst, inward, true);
    const int outside = SideRun(picture, levels, alongRow, fixed, outsideFirst, -inward, false);
    const int insideReach = std::min(kEdgeReach, std::max(1, (inside + 1) / 2));
    const int outsideReach = std::min(kEdgeReach, std::max(1, (outside + 1) / 2));
    const int size = alongRow ? picture.width() : picture.height();
    const int from = std::max(0, figureLow ? crack - insideReach : crack - outsideReach);
    const int to = std::min(size, figureLow ? crack + outsideReach : crack + insideReach);
    double length = 0;
    for (int i = from; i < to; ++i) {
        const double level = alongRow ? picture.At(i, fixed) : picture.At(fixed, i);
        length += (level - outsideLevel) * perLevel;
    }
    return figureLow ? from + length : to - length;
}

}  // namespace

std::vector<Point2> EdgeSamples(const GreyPicture& picture, const FigureLevels& levels,
                                const std::vector<Crack>& boundary, double insideLevel) {
    std::vector<Point2> samples;
    const int n = int(boundary.size());
    auto corner = [&](int i) {
        const Crack& c = CyclicAt(boundary, i);
        return Point2{double(c.x), double(c.y)};
    };
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
            const int row = c.direction == 1 ? c.y : c.y - 1;
            samples.push_back(
                {EdgeAt(picture, levels, true, row, c.x, c.direction == 1, insideLevel), row + 0.5});
        } else {
            // Going right, the figure is below; going left, above.
            const int column = c.direction == 0 ? c.x : c.x - 1;
            samples.push_back(
                {column + 0.5, EdgeAt(picture, levels, false, column, c.y, c.direction == 2, insideLevel)});
        }
    }
    return samples;
}

}  // namespace trace
