#include "data/fibre_span.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "osmeca/circular_arc.h"

namespace {

// The arc of a record in the form the outline's own geometry takes.
osmeca::CircularArc ArcOf(const SectionSegment& s) {
    return {{s.centreX, s.centreY}, s.radius, s.startAngle, s.direction == OS_CLOCKWISE ? s.sweepAngle : -s.sweepAngle};
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
            const osmeca::CircularArc arc = ArcOf(s);
            const double toward = std::atan2(ny, nx);
            for (double angle : {toward, toward + std::numbers::pi}) {
                if (!osmeca::ArcPassesAngle(arc, angle)) continue;
                const osmeca::Point p = osmeca::ArcPointAt(arc, angle);
                reach(p.x, p.y);
            }
        }
    }
    return {high, -low};
}
