// osSectionIntegrate: the library's one entry point.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <numbers>

#include "osmeca/area_moments.h"
#include "osmeca/loop_nesting.h"
#include "osmeca/osmeca.h"
#include "osmeca/outline.h"

static_assert(sizeof(SectionInputPoint) == 64);
static_assert(offsetof(SectionInputPoint, xText) == 4);
static_assert(offsetof(SectionInputPoint, yText) == 13);
static_assert(sizeof(SectionSegment) == 240);
static_assert(offsetof(SectionSegment, radius) == 120);
static_assert(offsetof(SectionSegment, centreX) == 128);
static_assert(offsetof(SectionSegment, direction) == 144);
static_assert(offsetof(SectionSegment, startAngle) == 160);
static_assert(offsetof(SectionSegment, endAngle) == 168);
static_assert(offsetof(SectionSegment, sweepAngle) == 184);
static_assert(offsetof(SectionSegment, x) == 192);
static_assert(offsetof(SectionSegment, endX) == 208);
static_assert(offsetof(SectionSegment, endY) == 216);
static_assert(sizeof(SectionResults) == 45 * sizeof(double));
static_assert(sizeof(InclinedAxisTable) == 543 * sizeof(double));

namespace osmeca {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Degree = Pi / 180;

// Second moments about centroidal axes.
struct CentroidalMoments {
    double xx = 0;  // integral of (x - xC)^2: about the vertical axis
    double yy = 0;  // integral of (y - yC)^2: about the horizontal axis
    double xy = 0;  // integral of (x - xC)(y - yC)
};

// About the centroidal axis at angle t (radians, clockwise on the screen):
// xx sin^2 t + yy cos^2 t - 2 xy sin t cos t, written with the double angle.
double MomentAbout(const CentroidalMoments& j, double t) {
    const double c2 = std::cos(2 * t), s2 = std::sin(2 * t);
    return (j.xx + j.yy) / 2 + (j.yy - j.xx) / 2 * c2 - j.xy * s2;
}

AreaMoments IntegrateLoop(const Outline& outline, const OutlineLoop& loop) {
    AreaMoments sum;
    for (int32_t i = loop.first; i < loop.first + loop.count; ++i) {
        const OutlinePiece& piece = outline.Piece(i);
        if (piece.kind == OS_KIND_ARC_MIDDLE) continue;
        sum += EdgeMoments(piece.start, piece.end);
        if (piece.kind == OS_KIND_ARC) sum += ArcSegmentMoments(piece.arc);
    }
    return sum;
}

// The whole section: each loop turned so that a part adds and a hole
// subtracts (a loop clicked counter-clockwise on the screen gives a negative
// area). False when a loop encloses no area.
bool IntegrateOutline(const Outline& outline, double size, AreaMoments& sum) {
    const std::array<bool, kMaxLoops> holes = HoleLoops(outline);
    for (int32_t k = 0; k < outline.LoopCount(); ++k) {
        AreaMoments m = IntegrateLoop(outline, outline.Loop(k));
        if (!(std::fabs(m.a) > 1e-12 * size * size)) return false;
        if ((m.a < 0) != holes[static_cast<std::size_t>(k)]) m = -m;
        // Assigned, not added, first: a one-loop outline keeps even the signs of its zeros.
        if (k == 0)
            sum = m;
        else
            sum += m;
    }
    return true;
}

double PieceLength(const OutlinePiece& piece) {
    if (piece.kind == OS_KIND_ARC) return piece.arc.radius * std::fabs(piece.arc.sweep);
    if (piece.kind == OS_KIND_STRAIGHT) return std::hypot(piece.end.x - piece.start.x, piece.end.y - piece.start.y);
    return 0;
}

// One loop's records from record first on, its closing record last; the
// record after it.
int32_t WriteLoopSegments(const Outline& outline, const OutlineLoop& loop, SectionSegment* segments, int32_t first) {
    const Point o = outline.Origin();
    const int32_t n = loop.count;
    for (int32_t i = 0; i <= n; ++i) {
        SectionSegment& s = segments[first + i];
        std::memset(&s, 0, sizeof s);
        const OutlinePiece& piece = outline.Piece(loop.first + (i < n ? i : 0));
        s.x = o.x + piece.start.x;
        s.y = o.y + piece.start.y;
        if (i == n) {  // closing record: the loop's first point again
            s.kind = OS_KIND_AUXILIARY;
            continue;
        }
        s.rowType = piece.rowType;
        s.kind = piece.kind;
        s.length = PieceLength(piece);
        if (piece.kind == OS_KIND_STRAIGHT) {
            s.endX = o.x + piece.end.x;
            s.endY = o.y + piece.end.y;
        } else if (piece.kind == OS_KIND_ARC) {
            const CircularArc& arc = piece.arc;
            s.radius = arc.radius;
            s.centreX = o.x + arc.centre.x;
            s.centreY = o.y + arc.centre.y;
            s.direction = arc.sweep > 0 ? OS_CLOCKWISE : OS_COUNTER_CLOCKWISE;
            s.startAngle = arc.start;
            s.endAngle = NormalizeAngle(arc.start + arc.sweep);
            s.sweepAngle = std::fabs(arc.sweep);
        }
    }
    return first + n + 1;
}

void WriteSegments(const Outline& outline, SectionSegment* segments, int32_t* segmentCount) {
    int32_t next = 0;
    for (int32_t k = 0; k < outline.LoopCount(); ++k) next = WriteLoopSegments(outline, outline.Loop(k), segments, next);
    *segmentCount = next;
}

}  // namespace
}  // namespace osmeca

extern "C" int32_t osSectionIntegrate(const SectionInputPoint* inputs, SectionSegment* segments,
                                      int32_t count, int32_t* segmentCount,
                                      SectionResults* results, InclinedAxisTable* inclined) {
    using namespace osmeca;
    if (!segments || !segmentCount || !results || !inclined) return 0;
    static thread_local Outline outline;
    if (!outline.Build(inputs, count)) return 0;

    const Span xs = outline.SpanAlong(0);
    const Span ys = outline.SpanAlong(Pi / 2);
    const double size = std::max(xs.Length(), ys.Length());
    AreaMoments m;
    if (!IntegrateOutline(outline, size, m)) return 0;
    if (!(m.a > 1e-12 * size * size) || !std::isfinite(m.sxx + m.syy + m.sxy)) return 0;

    const double cx = m.sx / m.a, cy = m.sy / m.a;  // relative to the first point
    CentroidalMoments j{m.sxx - m.a * cx * cx, m.syy - m.a * cy * cy, m.sxy - m.a * cx * cy};
    // Rounding leaves a trace of product moment on symmetric sections.
    if (std::fabs(j.xy) <= 1e-13 * (j.xx + j.yy)) j.xy = 0;
    const double mean = (j.xx + j.yy) / 2;
    const double radius = std::hypot((j.yy - j.xx) / 2, j.xy);
    // The moment about the axis at t is mean + (yy-xx)/2 cos 2t - xy sin 2t.
    double theta = std::atan2(-2 * j.xy, j.yy - j.xx) / 2;
    if (radius <= 1e-12 * mean) theta = 0;  // a circle, a square: no preferred axis
    if (theta <= -Pi / 2 + 1e-15) theta += Pi;
    double thetaDegrees = theta / Degree;
    if (thetaDegrees == 0) thetaDegrees = 0;  // never -0

    const Point o = outline.Origin();
    double* r = results->values;
    std::memset(r, 0, sizeof results->values);
    int32_t arcs = 0;
    double perimeter = 0;
    for (int32_t i = 0; i < outline.Count(); ++i) {
        perimeter += PieceLength(outline.Piece(i));
        if (outline.Piece(i).kind == OS_KIND_ARC) ++arcs;
    }
    r[OS_POINT_COUNT] = count;
    r[OS_SEGMENT_COUNT] = outline.Count() + outline.LoopCount();
    r[OS_PERIMETER] = perimeter;
    r[OS_AREA] = m.a;
    r[OS_ARC_COUNT] = arcs;
    r[OS_CENTROID_X] = o.x + cx;
    r[OS_CENTROID_Y] = o.y + cy;
    r[OS_H_UPPER] = cy - ys.low;
    r[OS_H_LOWER] = ys.high - cy;
    r[OS_B_LEFT] = cx - xs.low;
    r[OS_B_RIGHT] = xs.high - cx;
    r[OS_MIN_X] = o.x + xs.low;
    r[OS_MAX_X] = o.x + xs.high;
    r[OS_MIN_Y] = o.y + ys.low;
    r[OS_MAX_Y] = o.y + ys.high;
    r[OS_FIRST_MOMENT_X] = m.sx + o.x * m.a;
    r[OS_FIRST_MOMENT_Y] = m.sy + o.y * m.a;
    r[OS_I_VERTICAL] = j.xx;
    r[OS_I_HORIZONTAL] = j.yy;
    r[OS_PRODUCT] = j.xy;
    r[OS_POLAR] = j.xx + j.yy;
    r[OS_HEIGHT] = ys.Length();
    r[OS_WIDTH] = xs.Length();
    r[OS_I_MAX] = mean + radius;
    r[OS_I_MIN] = std::max(mean - radius, 0.0);
    r[OS_THETA] = thetaDegrees;
    r[OS_GYRATION_MAX] = std::sqrt(r[OS_I_MAX] / m.a);
    r[OS_GYRATION_MIN] = std::sqrt(r[OS_I_MIN] / m.a);
    r[OS_EXTENT_MAX_AXIS] = outline.SpanAlong(theta).Length();
    r[OS_EXTENT_MIN_AXIS] = outline.SpanAlong(theta + Pi / 2).Length();

    for (int k = 0; k < OS_INCLINED_ROWS; ++k) {
        inclined->angle[k] = k;
        // about the perpendicular axis: the same sum with the varying part negated
        const double iy = MomentAbout(j, k * Degree);
        inclined->iy[k] = iy;
        inclined->iz[k] = j.xx + j.yy - iy;
    }
    WriteSegments(outline, segments, segmentCount);
    return 1;
}
