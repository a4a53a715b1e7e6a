// A circular arc given by three points on it.
#pragma once

#include "osmeca/point.h"

namespace osmeca {

struct CircularArc {
    Point centre;
    double radius = 0;
    double start = 0;  // angle of the first point, radians, [0, 2pi)
    double sweep = 0;  // signed: positive turns clockwise on the screen (increasing angle)
};

// The arc from a through b to c. False when the three points lie on one
// line or two of them coincide (no circle).
bool ArcThroughPoints(Point a, Point b, Point c, CircularArc& arc);

// angle folded into [0, 2pi).
double NormalizeAngle(double angle);

// True when the arc passes the direction angle (radians) from its centre.
bool ArcPassesAngle(const CircularArc& arc, double angle);

// The arc's point at a direction angle from its centre.
Point ArcPointAt(const CircularArc& arc, double angle);

}  // namespace osmeca
