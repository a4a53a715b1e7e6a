#include "trace/figure_trace.h"

#include <cmath>

#include "trace/edge_samples.h"
#include "trace/figure_region.h"
#include "trace/grey_levels.h"
#include "trace/outline_pieces.h"

namespace trace {

namespace {

// Regions of fewer dots are specks, not figures.
constexpr std::int64_t MIN_FIGURE_DOTS = 16;

}  // namespace

TraceResult TraceFigure(const std::uint8_t* rgb, int width, int height, int seedX, int seedY,
                        double scale, int maxRows) {
    TraceResult result;
    if (rgb == nullptr || width <= 0 || height <= 0) return result;
    const GreyPicture grey = GreyOf(rgb, width, height);
    const auto levels = LevelsAroundSeed(grey, seedX, seedY);
    if (!levels) return result;
    const auto region = RegionAroundSeed(grey, *levels, seedX, seedY);
    if (!region || region->dots < MIN_FIGURE_DOTS || region->dots == std::int64_t(width) * height)
        return result;
    const std::vector<Point2> samples =
        EdgeSamples(grey, *levels, OuterBoundary(*region), region->insideLevel);
    const auto pieces = SplitIntoPieces(samples);
    if (!pieces) return result;
    for (const OutlinePiece& piece : *pieces) ++(piece.shape == PieceShape::Line ? result.lines : result.arcs);
    result.rows = OutlineRows(*pieces, samples);
    for (TraceRow& row : result.rows) {
        row.x *= scale;
        row.y *= scale;
    }
    result.status = int(result.rows.size()) > maxRows ? TraceStatus::TooManyRows
                    : result.rows.size() < 3          ? TraceStatus::NoFigure
                                                      : TraceStatus::Traced;
    return result;
}

}  // namespace trace
