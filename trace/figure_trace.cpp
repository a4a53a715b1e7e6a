#include "trace/figure_trace.h"

#include <algorithm>
#include <cmath>
#include <charconv>

#include "trace/edge_samples.h"
#include "trace/figure_region.h"
#include "trace/grey_levels.h"
#include "trace/outline_pieces.h"

namespace trace {

namespace {

// Regions of fewer dots are specks, not figures.
constexpr std::int64_t MIN_FIGURE_DOTS = 16;
constexpr int CELL_WIDTH = 8;

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

std::string CoordinateCell(double value) {
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, -9999999.0, 99999999.0);
    // to_chars does not follow the process locale: the point is always '.'.
    char text[64];
    for (int decimals = CELL_WIDTH - 2; decimals >= 0; --decimals) {
        const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
        const int length = int(end - text);
        if (ec == std::errc() && (length <= CELL_WIDTH || decimals == 0))
            return std::string(std::size_t(std::max(0, CELL_WIDTH - length)), ' ') + std::string(text, end);
    }
    return std::string(CELL_WIDTH, ' ');
}

}  // namespace trace
