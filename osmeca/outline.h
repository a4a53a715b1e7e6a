// The closed outline read from the input rows: one or more loops, each of
// one piece per row (a straight edge, an arc, or the middle point an arc
// passes through), each loop's last point joined to its first. Coordinates
// are kept relative to the first point so that sums stay accurate far from
// the image origin.
#pragma once

#include <array>

#include "osmeca/circular_arc.h"
#include "osmeca/loop_rows.h"
#include "osmeca/osmeca.h"
#include "osmeca/point.h"

namespace osmeca {

struct OutlinePiece {
    int32_t rowType = 0;
    int32_t kind = OS_KIND_STRAIGHT;  // OS_KIND_STRAIGHT, OS_KIND_ARC or OS_KIND_ARC_MIDDLE
    Point start;                      // this row's point
    Point end;                        // where a straight edge or an arc ends
    CircularArc arc;                  // for OS_KIND_ARC
};

struct Span {
    double low = 0;
    double high = 0;
    double Length() const { return high - low; }
};

// Pieces first .. first + count - 1 of the outline.
struct OutlineLoop {
    int32_t first = 0;
    int32_t count = 0;
};

class Outline {
public:
    // False on anything that makes no closed outline (see osSectionIntegrate).
    bool Build(const SectionInputPoint* inputs, int32_t count);

    // Pieces of every loop, in row order without the breaks.
    int32_t Count() const { return count_; }
    const OutlinePiece& Piece(int32_t i) const { return pieces_[static_cast<std::size_t>(i)]; }
    int32_t LoopCount() const { return loopCount_; }
    const OutlineLoop& Loop(int32_t k) const { return loops_[static_cast<std::size_t>(k)]; }
    Point Origin() const { return origin_; }

    // Smallest and largest projection of the outline, arcs included, onto
    // the direction at angle (radians), relative to the origin.
    Span SpanAlong(double angle) const;

private:
    std::array<OutlinePiece, OS_MAX_POINTS> pieces_{};
    std::array<OutlineLoop, kMaxLoops> loops_{};
    int32_t count_ = 0;
    int32_t loopCount_ = 0;
    Point origin_;
};

}  // namespace osmeca
