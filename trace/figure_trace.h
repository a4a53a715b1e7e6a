// One click traces the figure: from a picture and a seed dot inside the
// figure, the figure's outer outline as rows of lines and circular arcs,
// clockwise on the screen.
#pragma once

#include <cstdint>
#include <vector>

#include "trace/outline_rows.h"

namespace trace {

enum class TraceStatus {
    Traced,
    NoFigure,     // nothing around the seed stands out from its background
    TooManyRows,  // the outline needs more rows than allowed
};

struct TraceResult {
    TraceStatus status = TraceStatus::NoFigure;
    std::vector<TraceRow> rows;  // in dots of the picture times scale
    int lines = 0;               // straight pieces found
    int arcs = 0;                // arcs found (before splitting for the rows)
};

// rgb: width x height dots of red, green, blue, rows top-down. A dot covers
// [x, x + 1) x [y, y + 1) of the picture's plane; the rows are those
// coordinates multiplied by scale.
TraceResult TraceFigure(const std::uint8_t* rgb, int width, int height, int seedX, int seedY,
                        double scale, int maxRows);

}  // namespace trace
