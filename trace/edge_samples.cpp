#include "trace/edge_samples.h"

#include <algorithm>
#include <cstdlib>

namespace trace {

namespace {

// Cracks on each side that give the boundary's local direction.
constexpr int DIRECTION_SPAN = 4;

// The length of the run [from, to) of dots on line `fixed` (a row when
// alongRow) that lies inside the figure, the run clipped to the picture.
double InsideLength(const GreyPicture& picture, bool alongRow, int fixed, int from, int to,
                    double insideLevel, double outsideLevel, int& clippedFrom, int& clippedTo) {
    const int size = alongRow ? picture.width : picture.height;
    clippedFrom = std::max(0, from);
    clippedTo = std::min(size, to);
    const double scale = 1.0 / (insideLevel - outsideLevel);
    double length = 0;
    for (int i = clippedFrom; i < clippedTo; ++i) {
        const double level = alongRow ? picture.At(i, fixed) : picture.At(fixed, i);
        length += (level - outsideLevel) * scale;
    }
    return length;
}

}  // namespace

std::vector<Point2> EdgeSamples(const GreyPicture& picture, const std::vector<Crack>& boundary,
                                double insideLevel, double outsideLevel) {
    std::vector<Point2> samples;
    const int n = int(boundary.size());
    auto corner = [&](int i) {
        const Crack& c = boundary[std::size_t(((i % n) + n) % n)];
        return Point2{double(c.x), double(c.y)};
    };
    for (int i = 0; i < n; ++i) {
        const Crack& c = boundary[std::size_t(i)];
        const Point2 along = corner(i + DIRECTION_SPAN) - corner(i - DIRECTION_SPAN);
        const bool steep = std::abs(along.y) >= std::abs(along.x);
        const bool verticalCrack = c.direction == 1 || c.direction == 3;
        // A steep edge is read along rows from its vertical cracks, a flat
        // one along columns from its horizontal cracks.
        if (steep != verticalCrack) continue;
        int from = 0, to = 0;
        if (verticalCrack) {
            const int row = c.direction == 1 ? c.y : c.y - 1;
            const double length = InsideLength(picture, true, row, c.x - EDGE_REACH, c.x + EDGE_REACH,
                                               insideLevel, outsideLevel, from, to);
            // Going down, the figure is on the left; going up, on the right.
            const double x = c.direction == 1 ? from + length : to - length;
            samples.push_back({x, row + 0.5});
        } else {
            const int column = c.direction == 0 ? c.x : c.x - 1;
            const double length = InsideLength(picture, false, column, c.y - EDGE_REACH, c.y + EDGE_REACH,
                                               insideLevel, outsideLevel, from, to);
            // Going right, the figure is below; going left, above.
            const double y = c.direction == 0 ? to - length : from + length;
            samples.push_back({column + 0.5, y});
        }
    }
    return samples;
}

}  // namespace trace
