#include "data/fibre_span.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TWO_PI = 2 * std::numbers::pi;

double FoldAngle(double a) {
    a = std::fmod(a, TWO_PI);
    return a < 0 ? a + TWO_PI : a;
}

// True when the arc of the record passes the direction angle from its centre.
bool ArcPasses(const SectionSegment& arc, double angle) {
    const double along = arc.direction == OS_CLOCKWISE ? FoldAngle(angle - arc.startAngle)
                                                       : FoldAngle(arc.startAngle - angle);
    return along <= arc.sweepAngle;
}

}  // namespace

FibreSpan SpanAcrossAxis(const SectionSegment* segments, int32_t segmentCount, double cx, double cy,
                         double axisAngle) {
    const double nx = -std::sin(axisAngle), ny = std::cos(axisAngle);
    double low = 0, high = 0;
    auto reach = [&](double x, double y) {
        const double d = (x - cx) * nx + (y - cy) * ny;
        low = std::min(low, d);
        high = std::max(high, d);
    };
    segmentCount = std::clamp(segmentCount, 0, int32_t(OS_MAX_SEGMENTS));
    for (int32_t k = 0; k < segmentCount; ++k) {
        const SectionSegment& s = segments[k];
        // Every record starts on the outline (arc middles and the closing record too).
        reach(s.x, s.y);
        if (s.kind == OS_KIND_STRAIGHT) {
            reach(s.endX, s.endY);
        } else if (s.kind == OS_KIND_ARC) {
            // Along the normal an arc reaches furthest where its radius points along it.
            const double toward = std::atan2(ny, nx);
            for (double angle : {toward, toward + std::numbers::pi}) {
                if (ArcPasses(s, FoldAngle(angle)))
                    reach(s.centreX + s.radius * std::cos(angle), s.centreY + s.radius * std::sin(angle));
            }
        }
    }
    return {high, -low};
}
