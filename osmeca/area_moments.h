// Area integrals of a region, gathered piece by piece along its boundary
// (Green's theorem): each straight edge contributes the signed triangle it
// forms with the origin, each arc that triangle plus the circular segment
// between its chord and itself. Exact for both.
#pragma once

#include "osmeca/circular_arc.h"
#include "osmeca/point.h"

namespace osmeca {

struct AreaMoments {
    double a = 0;    // area
    double sx = 0;   // integral of x
    double sy = 0;   // integral of y
    double sxx = 0;  // integral of x^2
    double syy = 0;  // integral of y^2
    double sxy = 0;  // integral of x*y

    AreaMoments& operator+=(const AreaMoments& other);
    AreaMoments& operator-=(const AreaMoments& other);
    AreaMoments operator-() const;
    // The same region's integrals in coordinates where its origin lies at offset.
    AreaMoments Shifted(Point offset) const;
};

// Signed triangle (origin, p, q); positive when p to q turns clockwise on
// the screen around the origin.
AreaMoments EdgeMoments(Point p, Point q);

// The signed circular segment between the arc and its chord.
AreaMoments ArcSegmentMoments(const CircularArc& arc);

}  // namespace osmeca
