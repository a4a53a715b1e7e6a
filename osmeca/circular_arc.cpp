#include "osmeca/circular_arc.h"

#include <cmath>
#include <numbers>

namespace osmeca {

namespace {
constexpr double TwoPi = 2 * std::numbers::pi;
}

double NormalizeAngle(double angle) {
    double folded = std::fmod(angle, TwoPi);
    if (folded < 0) folded += TwoPi;
    if (folded >= TwoPi) folded = 0;  // -tiny + 2pi rounds to 2pi
    return folded;
}

bool ArcThroughPoints(Point a, Point b, Point c, CircularArc& arc) {
    // Circumcentre relative to a.
    Point ab = b - a;
    Point ac = c - a;
    double cross = ab.x * ac.y - ab.y * ac.x;
    double lab = ab.x * ab.x + ab.y * ab.y;
    double lac = ac.x * ac.x + ac.y * ac.y;
    Point bc = c - b;
    double lbc = bc.x * bc.x + bc.y * bc.y;
    if (lab == 0 || lac == 0 || lbc == 0) return false;
    // Collinear when the triangle's height is negligible against its sides.
    if (std::fabs(cross) <= 1e-12 * std::sqrt(lab * lac)) return false;
    double d = 2 * cross;
    Point u{(ac.y * lab - ab.y * lac) / d, (ab.x * lac - ac.x * lab) / d};
    arc.centre = a + u;
    arc.radius = std::hypot(u.x, u.y);
    double first = std::atan2(-u.y, -u.x);
    double last = std::atan2(c.y - arc.centre.y, c.x - arc.centre.x);
    arc.start = NormalizeAngle(first);
    // Positive cross: a, b, c turn towards increasing angle (clockwise on the screen).
    if (cross > 0) {
        arc.sweep = NormalizeAngle(last - first);
    } else {
        arc.sweep = -NormalizeAngle(first - last);
    }
    return arc.sweep != 0;
}

bool ArcPassesAngle(const CircularArc& arc, double angle) {
    if (arc.sweep >= 0) return NormalizeAngle(angle - arc.start) <= arc.sweep;
    return NormalizeAngle(arc.start - angle) <= -arc.sweep;
}

Point ArcPointAt(const CircularArc& arc, double angle) {
    return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
}

}  // namespace osmeca
