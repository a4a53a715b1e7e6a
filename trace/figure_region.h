// The figure as the 4-connected dots around the seed on the seed's side of
// the threshold (a scanline flood fill), and its outer boundary as a closed
// chain of dot edges (crack following).
//
// The fill works in a window of the picture around the seed: its levels
// and its mask hold one byte each per dot of the window only. While the region runs into a side of
// the window that is not the picture's edge, that side moves out (the
// window doubles in that direction) and the fill goes on from where it
// stopped, so the region found is the same as over the whole picture.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "trace/figure_trace.h"
#include "trace/grey_levels.h"

namespace trace {

// Half the side of the first work window around the seed.
constexpr int kFirstWindowHalf = 128;

struct FigureRegion {
    TraceWindow window;                    // where the mask lies in the picture
    std::unique_ptr<std::uint8_t[]> mask;  // window.width x window.height; kInRegion for the figure's dots
    std::int64_t dots = 0;
    int topX = 0, topY = 0;  // the first figure dot in reading order
    int minX = 0, minY = 0;  // the smallest box holding the region
    int maxX = 0, maxY = 0;
    double insideLevel = 0;  // the level of the figure's own dots

    static constexpr std::uint8_t kInRegion = 1;

    bool In(int x, int y) const {
        const int wx = x - window.left, wy = y - window.top;
        return wx >= 0 && wy >= 0 && wx < window.width && wy < window.height &&
               mask[std::size_t(wy) * std::size_t(window.width) + std::size_t(wx)] == kInRegion;
    }
};

// Nothing when the seed is not on the figure's side.
std::optional<FigureRegion> RegionAroundSeed(const GreyPicture& picture, const FigureLevels& levels,
                                             int seedX, int seedY);

// True when the region has dots on all four edges of the picture: it is
// the background around the figures, not a figure.
bool ReachesAllEdges(const FigureRegion& region, const GreyPicture& picture);

// True when most dots along the picture's edges lie on the seed's side:
// the seed's side is the background's.
bool SeedSideIsBackground(const GreyPicture& picture, const FigureLevels& levels);

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

// The boundary through the dot corner (startX, startY), entered there in
// direction `arrival` along a dot edge with the figure on its right: the
// figure on the right all the way round (clockwise on the screen around the
// figure, anticlockwise around a hole).
std::vector<Crack> FollowBoundary(const FigureRegion& region, int startX, int startY, int arrival);

}  // namespace trace
