// A point or vector in the plane, in dots (X to the right, Y downward): the
// outline's point with the vector products the fits need.
#pragma once

#include <cmath>

#include "osmeca/point.h"

namespace trace {

using Point2 = osmeca::Point;

inline Point2 operator*(double k, Point2 a) { return {k * a.x, k * a.y}; }
inline double Dot(Point2 a, Point2 b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Point2 a, Point2 b) { return a.x * b.y - a.y * b.x; }
inline double Length(Point2 a) { return std::hypot(a.x, a.y); }

}  // namespace trace
