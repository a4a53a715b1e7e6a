#include "trace/figure_trace.h"

#include <utility>

#include "trace/edge_samples.h"
#include "trace/figure_region.h"
#include "trace/fit_frame.h"
#include "trace/grey_levels.h"
#include "trace/outline_pieces.h"
#include "trace/outline_rows.h"
#include "trace/region_holes.h"
#include "trace/traced_loop.h"
#include "trace/traced_outline_check.h"

namespace trace {

namespace {

// Regions of fewer dots are specks, not figures.
constexpr std::int64_t kMinFigureDots = 16;
// An outline of fewer rows encloses nothing.
constexpr std::size_t kMinRows = 3;

}  // namespace

TraceResult TraceFigure(const std::uint8_t* rgb, int width, int height, int seedX, int seedY, int maxRows,
                        const TraceMap* plane) {
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
    std::vector<std::vector<Crack>> boundaries = {OuterBoundary(*region)};
    for (std::vector<Crack>& hole : HoleBoundaries(*region, boundaries[0]))
        boundaries.push_back(std::move(hole));
    // Every loop is fitted and checked in one frame; the rows leave in dots.
    const FitFrame frame(plane, *region);
    std::vector<TracedLoop> loops;
    for (std::vector<Crack>& boundary : boundaries) {
        const bool outer = loops.empty();
        TracedLoop loop;
        loop.boundary = std::move(boundary);
        loop.samples = frame.ToFrame(EdgeSamples(grey, *levels, loop.boundary, region->insideLevel));
        const auto pieces = SplitIntoPieces(loop.samples);
        if (pieces) loop.rows = OutlineRows(*pieces, loop.samples);
        // An outer loop that encloses nothing is no figure; a hole too
        // short to be fitted is left to the figure, on the check's side too.
        if (loop.rows.size() < kMinRows) {
            if (outer) return result;
            continue;
        }
        for (const OutlinePiece& piece : *pieces)
            ++(piece.shape == PieceShape::Line ? result.lines : result.arcs);
        loops.push_back(std::move(loop));
    }
    result.loops = int(loops.size());
    result.rows = frame.ToPicture(JoinedRows(loops));
    if (int(result.rows.size()) > maxRows) {
        result.status = TraceStatus::TooManyRows;
        return result;
    }
    result.status = TraceStatus::Traced;
    // Nothing unchecked leaves the tracer.
    const TracedOutlineCheck check = CheckTracedOutline(loops, *region, width, height, frame);
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
