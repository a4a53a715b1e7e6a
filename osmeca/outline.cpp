#include "osmeca/outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "osmeca/coordinate_text.h"

namespace osmeca {

bool Outline::Build(const SectionInputPoint* inputs, int32_t count) {
    if (inputs == nullptr || count < 3 || count > OS_MAX_POINTS) return false;
    if (inputs[count - 1].type == 2) return false;
    std::array<Point, OS_MAX_POINTS> points;
    for (int32_t i = 0; i < count; ++i) {
        const SectionInputPoint& in = inputs[i];
        if (in.type != 1 && in.type != 2) return false;
        double x = 0, y = 0;
        if (!ParseCoordinateText(in.xText, sizeof in.xText, x)) return false;
        if (!ParseCoordinateText(in.yText, sizeof in.yText, y)) return false;
        points[static_cast<std::size_t>(i)] = {x, y};
    }
    origin_ = points[0];
    for (int32_t i = 0; i < count; ++i) points[static_cast<std::size_t>(i)] = points[static_cast<std::size_t>(i)] - origin_;
    auto at = [&](int32_t i) { return points[static_cast<std::size_t>(i % count)]; };

    count_ = count;
    for (int32_t i = 0; i < count; ++i) {
        OutlinePiece& piece = pieces_[static_cast<std::size_t>(i)];
        piece = OutlinePiece{};
        piece.rowType = inputs[i].type;
        piece.start = at(i);
        bool middle = i > 0 && pieces_[static_cast<std::size_t>(i - 1)].kind == OS_KIND_ARC;
        if (middle) {
            piece.kind = OS_KIND_ARC_MIDDLE;
            piece.end = at(i + 1);
        } else if (inputs[i].type == 2) {
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
