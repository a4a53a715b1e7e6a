#include "trace/figure_trace.h"

#include "trace/edge_samples.h"
#include "trace/figure_region.h"
#include "trace/grey_levels.h"
#include "trace/outline_pieces.h"
#include "trace/outline_rows.h"
#include "trace/traced_outline_check.h"

namespace trace {

namespace {

// Regions of fewer dots are specks, not figures.
constexpr std::int64_t kMinFigureDots = 16;
// An outline of fewer rows encloses nothing.
constexpr std::size_t kMinRows = 3;

}  // namespace

TraceResult TraceFigure(const std::uint8_t* rgb, int width, int height, int seedX, int seedY, int maxRows) {
    TraceResult result;
    if (rgb == nullptr || width <= 0 || height <= 0) return result;
    const GreyPicture grey(rgb, width, height);
    const auto levels = LevelsAroundSeed(grey, seedX, seedY);
    if (!levels) return result;
    const auto region = RegionAroundSeed(grey, *levels, seedX, seedY);
    if (!region) return result;
    result.window = region->window;
    if (region->dots < kMinFigureDots || ReachesAllEdges(*region, grey)) return result;
    if (SeedSideIsBackground(grey, *levels)) {
        result.status = TraceStatus::InsideHole;
        return result;
    }
    const std::vector<Crack> boundary = OuterBoundary(*region);
    const std::vector<Point2> samples = EdgeSamples(grey, *levels, boundary, region->insideLevel);
    const auto pieces = SplitIntoPieces(samples);
    if (!pieces) return result;
    for (const OutlinePiece& piece : *pieces)
        ++(piece.shape == PieceShape::Line ? result.lines : result.arcs);
    result.rows = OutlineRows(*pieces, samples);
    result.status = int(result.rows.size()) > maxRows ? TraceStatus::TooManyRows
                    : result.rows.size() < kMinRows   ? TraceStatus::NoFigure
                                                      : TraceStatus::Traced;
    if (result.status != TraceStatus::Traced) return result;
    // Nothing unchecked leaves the tracer.
    const TracedOutlineCheck check = CheckTracedOutline(result.rows, samples, *region, boundary, width, height);
    if (check.fault != TraceFault::None) {
        result.status = TraceStatus::Unreliable;
        result.fault = check.fault;
        result.geometry = check.geometry;
        result.faultRow = check.row;
        result.rows.clear();
    }
    return result;
}

}  // namespace trace
