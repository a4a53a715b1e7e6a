// A point of the outline plane: screen orientation, X to the right, Y down.
#pragma once

namespace osmeca {

struct Point {
    double x = 0;
    double y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

}  // namespace osmeca
