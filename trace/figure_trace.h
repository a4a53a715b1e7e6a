// One click traces the figure: from a picture and a seed dot inside the
// figure, the figure's outer outline and the outline of every hole in it as
// rows of lines and circular arcs, the outer loop first (clockwise on the
// screen), each hole after a loop break. The one header of the tracer that the rest of
// the program includes.
//
// The stages, each in its own file: two classes of levels from the dots
// around the seed (Otsu's method), each class's level a plane over the
// picture so that uneven light moves no edge; the figure as the 4-connected
// region of the seed's side (scanline flood fill on lightly smoothed levels)
// inside a work window that grows until it holds the region, the holes it
// encloses, the boundary of each loop by crack following, and for each: edge points with sub-dot accuracy
// (partial-area sums across the edge, with the figure's and background's
// levels taken along the edge), a coarse polygon (Ramer-Douglas-Peucker)
// refined into lines and circles fitted without their outlying samples, the
// rows where neighbouring fits meet (all of it in the plane of the figure
// when the picture has one, see fit_frame.h), and last the check of the outline
// found, every loop of it: nothing unchecked is returned.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "osmeca/outline_check.h"

namespace trace {

// One row of an outline: type 1 runs straight to the next row, type 2
// starts an arc through the next two rows (its middle point and its end).
// A loop break (type 9) holds no point and stands between two loops.
struct TraceRow {
    int type = 1;
    double x = 0;
    double y = 0;
};

inline constexpr TraceRow kLoopBreakRow{9, 0, 0};

enum class TraceStatus {
    Traced,
    NoFigure,     // nothing around the seed stands out from its background,
                  // or the seed lies on the background (its region reaches
                  // all four edges of the picture)
    TooManyRows,  // the outline, holes and breaks included, needs more rows than allowed
    Unreliable,   // the outline found fails its check (fault says which): no rows
    InsideHole,   // the seed lies on the background's side, in a part of it
                  // the figure encloses: a hole, no figure of its own
};

// What an outline failed before it was refused.
enum class TraceFault {
    None,
    Geometry,         // a point outside the figure's box, a bad arc or a crossing: see geometry
    ArcAwayFromEdge,  // an arc's middle point far from the edge it was fitted to
    AreaOffRegion,    // the outline's area (holes taken away) differs from the region's by more
                      // than its edge band
};

// The part of the picture the tracer worked in, in picture dots: its work
// buffers (levels and the region's mask) hold two bytes per dot of it.
struct TraceWindow {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TraceResult {
    TraceStatus status = TraceStatus::NoFigure;
    std::vector<TraceRow> rows;           // in dots of the picture, loops separated by breaks
    int loops = 0;                        // the outer loop and the holes traced
    int lines = 0;                        // straight pieces found, over every loop
    int arcs = 0;                         // arcs found (before splitting for the rows), over every loop
    TraceWindow window;                   // empty when no region was grown
    TraceFault fault = TraceFault::None;  // for Unreliable
    osmeca::OutlineFaultAt geometry;      // for TraceFault::Geometry, rows as they were found
    int faultRow = -1;                    // the arc's row (breaks counted) for ArcAwayFromEdge
};

// The plane the figure lies in, for a photo taken at an angle: projective
// maps (3 x 3, row major) from picture dots to plane units and back. The
// plane's units may be any length (millimetres); its circles are circles.
struct TraceMap {
    std::array<double, 9> toPlane{};
    std::array<double, 9> toPhoto{};
};

// rgb: width x height dots of red, green, blue, rows top-down. A dot covers
// [x, x + 1) x [y, y + 1) of the picture's plane; the rows are in those
// coordinates. The picture is read where it is; the tracer copies no more
// of it than the window around the figure. With a plane, the outline's
// lines and arcs are fitted and checked in the plane and the rows mapped back
// into picture dots: an arc's three rows lie on the plane's true circle.
TraceResult TraceFigure(const std::uint8_t* rgb, int width, int height, int seedX, int seedY, int maxRows,
                        const TraceMap* plane = nullptr);

}  // namespace trace
