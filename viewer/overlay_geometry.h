// What the viewer draws over the image, as plain geometry: a cross and a
// number at every sample point (a loop break has none) and, after a
// calculation, the outline's straight segments and three-point arcs, each
// loop closed on its own first point, the centroid cross with its "C" and
// the two principal axes. All positions are client pixels (display dots plus
// the viewer's origin), kept within 2^24 pixels of the client's corner; the
// painter only draws what is listed here.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "dialogs/colour_table.h"

class SampleTable;
struct CalcState;

// A line from (x1, y1) to (x2, y2); the end point itself is not painted.
struct OverlayLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb colour;
    friend bool operator==(const OverlayLine&, const OverlayLine&) = default;
};

// The part of the circle inscribed in the square (left, top)-(right, bottom)
// swept counter-clockwise as seen on the screen (Y downward) from the ray
// through the start point to the ray through the end point, both rays from
// the square's centre. Equal rays sweep the whole circle.
struct OverlayArc {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int startX = 0;
    int startY = 0;
    int endX = 0;
    int endY = 0;
    Rgb colour;
    friend bool operator==(const OverlayArc&, const OverlayArc&) = default;
};

// A text whose top-left corner is at (x, y), drawn without a background.
struct OverlayText {
    int x = 0;
    int y = 0;
    std::string text;
    Rgb colour;
    friend bool operator==(const OverlayText&, const OverlayText&) = default;
};

// One drawing step; later steps paint over earlier ones.
using OverlayItem = std::variant<OverlayLine, OverlayArc, OverlayText>;

struct OverlayView {
    int originX = 0;     // client position of the image's top-left corner
    int originY = 0;
    int lineHeight = 0;  // L: the overlay font's height plus its external leading
};

// The drawing steps, in the order they are painted. Nothing when the table
// has no rows; the segments, centroid and axes only in WS_CALCULATED and when
// the calculation returned more than one segment record. Colour numbers
// outside the table draw with the default of their position.
std::vector<OverlayItem> OverlayGeometry(const SampleTable& table, const CalcState& calc,
                                         const OverlayView& view, const ColourNumbers& colours);

// The known points of a perspective plane while they are being clicked, at
// their display dots: each a cross and its number, in the centroid's colour
// so that they stand apart from the rows' marks.
std::vector<OverlayItem> KnownPointsGeometry(const std::vector<std::array<int, 2>>& dots, const OverlayView& view,
                                             const ColourNumbers& colours);

// The arc's start and sweep in degrees, counter-clockwise from the square
// centre's 3 o'clock direction as seen on the screen; the start is in
// [0, 360), the sweep in (0, 360].
double ArcStartDegrees(const OverlayArc& arc);
double ArcSweepDegrees(const OverlayArc& arc);
