// One piece of an outline under check (a straight edge or an arc) and the
// test whether two pieces come together.
#pragma once

#include <span>

#include "osmeca/circular_arc.h"
#include "osmeca/point.h"

namespace osmeca {

struct CheckPiece {
    bool isArc = false;
    Point start;
    Point end;
    CircularArc arc;  // when isArc
    int row = -1;     // the row the piece starts on
};

// How close two pieces are allowed to come.
struct MeetTolerance {
    double touch = 0;  // pieces closer than this touch
    double near = 0;   // a meeting this close to a point they share is no fault
};

// True when p and q cross or come within touch of each other anywhere farther
// than near from each of the points in shared (the ends two neighbouring
// pieces have in common).
bool PiecesMeet(const CheckPiece& p, const CheckPiece& q, std::span<const Point> shared,
                MeetTolerance tolerance);

// Distance from a point to a piece.
double DistanceToPiece(Point point, const CheckPiece& piece);

}  // namespace osmeca
