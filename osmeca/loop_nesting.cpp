#include "osmeca/loop_nesting.h"

#include <cmath>
#include <numbers>

#include "osmeca/area_moments.h"

namespace osmeca {

namespace {

double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }

// True when p lies inside the circular segment between an arc and its chord
// (the part of the disc on the side of the chord where the arc runs).
bool InArcSegment(const CircularArc& arc, Point from, Point to, Point p) {
    const Point d = p - arc.centre;
    if (!(std::hypot(d.x, d.y) < arc.radius)) return false;
    const Point middle = ArcPointAt(arc, arc.start + arc.sweep / 2);
    const Point chord = to - from;
    return Cross(chord, p - from) * Cross(chord, middle - from) > 0;
}

}  // namespace

int WindingNumber(const Outline& outline, int32_t k, Point p) {
    const OutlineLoop& loop = outline.Loop(k);
    // The polygon of the loop's chords, then each arc's segment beyond its
    // chord, counted with the sign it adds to the loop's area.
    double turned = 0;
    int segments = 0;
    for (int32_t i = loop.first; i < loop.first + loop.count; ++i) {
        const OutlinePiece& piece = outline.Piece(i);
        if (piece.kind == OS_KIND_ARC_MIDDLE) continue;
        const Point a = piece.start - p, b = piece.end - p;
        turned += std::atan2(Cross(a, b), a.x * b.x + a.y * b.y);
        if (piece.kind == OS_KIND_ARC && InArcSegment(piece.arc, piece.start, piece.end, p))
            segments += ArcSegmentMoments(piece.arc).a > 0 ? 1 : -1;
    }
    return static_cast<int>(std::lround(turned / (2 * std::numbers::pi))) + segments;
}

std::array<bool, kMaxLoops> HoleLoops(const Outline& outline) {
    std::array<bool, kMaxLoops> holes{};
    const int32_t loops = outline.LoopCount();
    if (loops < 2) return holes;
    for (int32_t k = 0; k < loops; ++k) {
        const Point p = outline.Piece(outline.Loop(k).first).start;
        int around = 0;
        for (int32_t j = 0; j < loops; ++j) {
            if (j != k && WindingNumber(outline, j, p) != 0) ++around;
        }
        holes[static_cast<std::size_t>(k)] = around % 2 == 1;
    }
    return holes;
}

}  // namespace osmeca
