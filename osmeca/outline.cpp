#include "osmeca/outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "osmeca/coordinate_text.h"

namespace osmeca {

namespace {

// The pieces of one loop from its points (relative to the origin) and rows.
bool BuildLoop(const SectionInputPoint* rows, const Point* points, int32_t n, OutlinePiece* pieces) {
    auto at = [&](int32_t i) { return points[i % n]; };
    for (int32_t i = 0; i < n; ++i) {
        OutlinePiece& piece = pieces[i];
        piece = OutlinePiece{};
        piece.rowType = rows[i].type;
        piece.start = at(i);
        const bool middle = i > 0 && pieces[i - 1].kind == OS_KIND_ARC;
        if (middle) {
            piece.kind = OS_KIND_ARC_MIDDLE;
            piece.end = at(i + 1);
        } else if (rows[i].type == 2) {
            piece.kind = OS_KIND_ARC;
            piece.end = at(i + 2);
            if (!ArcThroughPoints(at(i), at(i + 1), at(i + 2), piece.arc)) return false;
        } else {
            piece.kind = OS_KIND_STRAIGHT;
            piece.end = at(i + 1);
        }
    }
    return true;
}

}  // namespace

bool Outline::Build(const SectionInputPoint* inputs, int32_t count) {
    if (inputs == nullptr || count < 3 || count > OS_MAX_POINTS) return false;
    std::array<int32_t, OS_MAX_POINTS> types;
    for (int32_t i = 0; i < count; ++i)
        types[static_cast<std::size_t>(i)] = inputs[i].type;
    LoopLayout layout;
    if (SplitLoops(types.data(), count, layout).fault != LoopFault::None) return false;

    std::array<Point, OS_MAX_POINTS> points;
    int32_t n = 0;
    for (int32_t i = 0; i < count; ++i) {
        const SectionInputPoint& in = inputs[i];
        if (in.type == OS_TYPE_LOOP_BREAK) continue;
        if (in.type != 1 && in.type != 2) return false;
        double x = 0, y = 0;
        if (!ParseCoordinateText(in.xText, sizeof in.xText, x)) return false;
        if (!ParseCoordinateText(in.yText, sizeof in.yText, y)) return false;
        points[static_cast<std::size_t>(n++)] = {x, y};
    }
    origin_ = points[0];
    for (int32_t i = 0; i < n; ++i)
        points[static_cast<std::size_t>(i)] = points[static_cast<std::size_t>(i)] - origin_;

    count_ = n;
    loopCount_ = layout.count;
    for (int32_t k = 0; k < layout.count; ++k) {
        const LoopRows& rows = layout.loops[static_cast<std::size_t>(k)];
        // One break row stands before each loop but the first.
        const int32_t first = rows.firstRow - k;
        loops_[static_cast<std::size_t>(k)] = {first, rows.rows};
        if (!BuildLoop(inputs + rows.firstRow, points.data() + first, rows.rows, pieces_.data() + first))
            return false;
    }
    return true;
}

Span Outline::SpanAlong(double angle) const {
    const double ux = std::cos(angle), uy = std::sin(angle);
    auto project = [&](Point p) { return p.x * ux + p.y * uy; };
    Span span{project(pieces_[0].start), project(pieces_[0].start)};
    auto include = [&](Point p) {
        double v = project(p);
        span.low = std::min(span.low, v);
        span.high = std::max(span.high, v);
    };
    for (int32_t i = 0; i < count_; ++i) {
        const OutlinePiece& piece = pieces_[static_cast<std::size_t>(i)];
        include(piece.start);
        if (piece.kind != OS_KIND_ARC) continue;
        for (double a : {angle, angle + std::numbers::pi}) {
            if (ArcPassesAngle(piece.arc, a)) include(ArcPointAt(piece.arc, a));
        }
    }
    return span;
}

}  // namespace osmeca
