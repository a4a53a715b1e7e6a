// A point or vector in the plane, in dots (X to the right, Y downward).
#pragma once

#include <cmath>

namespace trace {

struct Point2 {
    double x = 0;
    double y = 0;
};

inline Point2 operator+(Point2 a, Point2 b) { return {a.x + b.x, a.y + b.y}; }
inline Point2 operator-(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }
inline Point2 operator*(double k, Point2 a) { return {k * a.x, k * a.y}; }
inline double Dot(Point2 a, Point2 b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Point2 a, Point2 b) { return a.x * b.y - a.y * b.x; }
inline double Length(Point2 a) { return std::hypot(a.x, a.y); }

}  // namespace trace
