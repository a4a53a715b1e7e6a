#include "viewer/overlay_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "viewer/viewer_scroll.h"

namespace {

// The axes' angle is turned into radians with this value of pi, not a longer one.
constexpr double AXIS_PI = 3.1415926;

// Drawn positions stay within this many pixels of the client's corner: far
// beyond any screen, yet crosses and labels around them cannot overflow and
// the painter's fixed-point arithmetic stays in range.
constexpr std::int64_t POSITION_LIMIT = 1 << 24;

// A display-dot coordinate moved by the origin.
int Shifted(std::int64_t dots, int origin) {
    return static_cast<int>(std::clamp<std::int64_t>(dots + origin, -POSITION_LIMIT, POSITION_LIMIT));
}

// A calculated coordinate truncated toward zero, then moved by the origin.
int Drawn(double dots, int origin) { return Shifted(TruncateToInt(dots), origin); }

class OverlayBuilder {
public:
    OverlayBuilder(const OverlayView& view, const ColourNumbers& colours)
        : view_(view), colours_(colours), h_(view.lineHeight / 2), q_(3 * view.lineHeight / 4) {}

    void Cross(int x, int y, ColourPosition pen) {
        Line(x, y - h_, x, y + h_, pen);
        Line(x - h_, y, x + h_, y, pen);
    }

    // The text's top-left corner stands q right of and q above the point.
    void Label(int x, int y, std::string text, ColourPosition colour) {
        items_.push_back(OverlayText{x + q_, y - q_, std::move(text), Colour(colour)});
    }

    void Line(int x1, int y1, int x2, int y2, ColourPosition pen) {
        items_.push_back(OverlayLine{x1, y1, x2, y2, Colour(pen)});
    }

    void Arc(OverlayArc arc) {
        arc.colour = Colour(COLOUR_SEGMENT);
        items_.push_back(arc);
    }

    int X(double dots) const { return Drawn(dots, view_.originX); }
    int Y(double dots) const { return Drawn(dots, view_.originY); }
    const OverlayView& view() const { return view_; }

    std::vector<OverlayItem> Take() { return std::move(items_); }

private:
    Rgb Colour(ColourPosition position) const { return OverlayColour(colours_, position); }

    const OverlayView& view_;
    const ColourNumbers& colours_;
    int h_;
    int q_;
    std::vector<OverlayItem> items_;
};

void AddPoints(OverlayBuilder& out, const SampleTable& table, int rowCount) {
    const OverlayView& view = out.view();
    for (int i = 0; i < rowCount; ++i) {
        // Rows of type 0 are drawn too, at their stored coordinates.
        const SamplePoint& row = table.rows[static_cast<std::size_t>(i)];
        if (!HoldsPoint(row)) continue;  // a loop break marks nothing
        const int x = Shifted(row.x, view.originX);
        const int y = Shifted(row.y, view.originY);
        out.Cross(x, y, COLOUR_POINT_MARK);
        out.Label(x, y, std::to_string(i + 1), COLOUR_POINT_NUMBER);
    }
}

OverlayArc ArcOf(const OverlayBuilder& out, const SectionSegment& first, const SectionSegment& third) {
    OverlayArc arc;
    arc.left = out.X(first.centreX - first.radius);
    arc.top = out.Y(first.centreY - first.radius);
    arc.right = out.X(first.centreX + first.radius);
    arc.bottom = out.Y(first.centreY + first.radius);
    const int x1 = out.X(first.x), y1 = out.Y(first.y);
    const int x3 = out.X(third.x), y3 = out.Y(third.y);
    // The sweep runs counter-clockwise from start to end: a clockwise arc
    // from the first point to the third is drawn from the third back.
    const bool counterClockwise = first.direction != OS_CLOCKWISE;
    arc.startX = counterClockwise ? x1 : x3;
    arc.startY = counterClockwise ? y1 : y3;
    arc.endX = counterClockwise ? x3 : x1;
    arc.endY = counterClockwise ? y3 : y1;
    return arc;
}

// Records whose end lies beyond the records returned draw nothing.
void AddSegments(OverlayBuilder& out, const SectionSegment* segments, int segmentCount) {
    for (int k = 0; k < segmentCount; ++k) {
        const SectionSegment& record = segments[k];
        if (record.kind == OS_KIND_STRAIGHT && k + 1 < segmentCount) {
            const SectionSegment& next = segments[k + 1];
            out.Line(out.X(record.x), out.Y(record.y), out.X(next.x), out.Y(next.y), COLOUR_SEGMENT);
        } else if (record.kind == OS_KIND_ARC && k + 2 < segmentCount) {
            out.Arc(ArcOf(out, record, segments[k + 2]));
        }
    }
}

void AddCentroid(OverlayBuilder& out, const SectionResults& results) {
    const int x = out.X(results.values[OS_CENTROID_X]);
    const int y = out.Y(results.values[OS_CENTROID_Y]);
    out.Cross(x, y, COLOUR_CENTROID);
    out.Label(x, y, "C", COLOUR_CENTROID);
}

// Both axes are 2a long, centred on the unrounded centroid; the strong one
// at theta clockwise from the X axis, the weak one perpendicular to it.
void AddAxes(OverlayBuilder& out, const SectionResults& results) {
    const double cx = results.values[OS_CENTROID_X];
    const double cy = results.values[OS_CENTROID_Y];
    const double a =
        0.5 * std::max(results.values[OS_EXTENT_MAX_AXIS], results.values[OS_EXTENT_MIN_AXIS]);
    const double t = results.values[OS_THETA] * AXIS_PI / 180;
    const double p = a * std::cos(t);
    const double q = a * std::sin(t);
    out.Line(out.X(cx + p), out.Y(cy + q), out.X(cx - p), out.Y(cy - q), COLOUR_STRONG_AXIS);
    out.Line(out.X(cx - q), out.Y(cy + p), out.X(cx + q), out.Y(cy - p), COLOUR_WEAK_AXIS);
}

double RayDegrees(const OverlayArc& arc, int x, int y) {
    const double cx = (static_cast<double>(arc.left) + arc.right) / 2;
    const double cy = (static_cast<double>(arc.top) + arc.bottom) / 2;
    // Y grows downward, so the screen's counter-clockwise angle is atan2(-dy, dx).
    const double degrees = std::atan2(-(y - cy), x - cx) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace

std::vector<OverlayItem> KnownPointsGeometry(const std::vector<std::array<int, 2>>& dots, const OverlayView& view,
                                             const ColourNumbers& colours) {
    OverlayBuilder out(view, colours);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const int x = Shifted(dots[i][0], view.originX);
        const int y = Shifted(dots[i][1], view.originY);
        out.Cross(x, y, COLOUR_CENTROID);
        out.Label(x, y, std::to_string(i + 1), COLOUR_CENTROID);
    }
    return out.Take();
}

std::vector<OverlayItem> OverlayGeometry(const SampleTable& table, const CalcState& calc,
                                         const OverlayView& view, const ColourNumbers& colours) {
    const int rowCount = std::clamp<int>(table.count, 0, static_cast<int>(table.rows.size()));
    if (rowCount < 1) return {};  // not even the results of an earlier calculation

    OverlayBuilder out(view, colours);
    AddPoints(out, table, rowCount);

    const int segmentCount =
        std::clamp<int>(calc.segmentCount, 0, static_cast<int>(calc.segments.size()));
    if (table.workState == WS_CALCULATED && segmentCount > 1) {
        AddSegments(out, calc.segments.data(), segmentCount);
        AddCentroid(out, calc.sectionResults);
        AddAxes(out, calc.sectionResults);
    }
    return out.Take();
}

double ArcStartDegrees(const OverlayArc& arc) { return RayDegrees(arc, arc.startX, arc.startY); }

double ArcSweepDegrees(const OverlayArc& arc) {
    double sweep = RayDegrees(arc, arc.endX, arc.endY) - ArcStartDegrees(arc);
    while (sweep <= 0) sweep += 360;
    while (sweep > 360) sweep -= 360;
    return sweep;
}
