// Where a loop's edge samples are fitted and its outline checked: the
// picture's own dots, or the plane the figure lies in when the picture has
// one (a photo taken at an angle). A circle of that plane is an ellipse in
// the photo; fitted in the plane it is a circle again, and lines stay lines.
//
// The plane is taken scaled and placed so that at the figure's centre it
// matches the picture: one unit is one dot there (the plane's own units
// times the dots a unit covers there), the centre lies where it lies in the
// picture, and the turning sense is the picture's (the plane is mirrored when
// the map mirrors). The fits' tolerances, set in dots, keep their meaning.
#pragma once

#include <array>
#include <vector>

#include "osmeca/outline_check.h"
#include "trace/figure_region.h"
#include "trace/figure_trace.h"
#include "trace/point2.h"

namespace trace {

struct BoundaryMeasure {
    double area = 0;
    double length = 0;
};

class FitFrame {
public:
    FitFrame() = default;  // the picture's dots
    // The plane of map around the region; the picture's dots when map is
    // null or the region's box reaches the plane's vanishing line.
    FitFrame(const TraceMap* map, const FigureRegion& region);

    Point2 ToFrame(Point2 p) const;
    Point2 ToPicture(Point2 q) const;
    // How long a step of one picture dot is at the frame's point q, at
    // most (1 for the picture): tolerances in dots are this many units.
    double DotSpan(Point2 q) const;
    std::vector<Point2> ToFrame(std::vector<Point2> points) const;
    // The rows' points back in picture dots; loop breaks stay as they are.
    std::vector<TraceRow> ToPicture(std::vector<TraceRow> rows) const;

    // The area the boundary's dots cover (its polygon's; for the picture
    // EnclosedDots) and the boundary's length (one a crack in the picture).
    BoundaryMeasure Measure(const std::vector<Crack>& boundary) const;
    // The smallest box holding a box of the picture.
    osmeca::CheckBox Bounds(const osmeca::CheckBox& pictureBox) const;

private:
    bool picture_ = true;
    std::array<double, 9> toPlane_{};
    std::array<double, 9> toPhoto_{};
    Point2 centre_;       // in the picture, and in the frame
    Point2 planeCentre_;  // the centre in the plane
    double scale_ = 1;    // frame units a plane unit
    double mirror_ = 1;   // -1: the frame's y runs against the plane's
};

}  // namespace trace
