// A picture's plane as the user gave it: the known points clicked on the
// photo (source dots) and the size of the rectangle they span in
// millimetres. Four points are the rectangle's corners clockwise from the
// top-left; more are a grid of `columns` points a row, given row by row
// from the top, each row from the left, evenly spaced over width x height.
// The plane's origin is the first point, x runs towards the second corner,
// y towards the fourth (the grid's first point of its last row).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plane/homography.h"

namespace plane {

struct PlaneSetting {
    std::vector<Point> photo;
    double widthMm = 0;
    double heightMm = 0;
    int columns = 2;  // points a grid row; only read with more than four points

    bool IsSet() const { return photo.size() >= 4; }
    // Where each photo point lies in the plane (mm); empty when the count
    // does not make a grid of columns.
    std::vector<Point> KnownPoints() const;
    // The indices of the rectangle's corners in photo: top-left, top-right,
    // bottom-right, bottom-left.
    std::array<int, 4> CornerIndices() const;

    // One line of text without a line end: "W H COLUMNS X1 Y1 X2 Y2 ...",
    // numbers at full precision; FromText reads it back (false when it
    // does not read as a usable setting).
    std::string ToText() const;
    static bool FromText(const std::string& text, PlaneSetting& setting);

    bool operator==(const PlaneSetting&) const;
};

}  // namespace plane
