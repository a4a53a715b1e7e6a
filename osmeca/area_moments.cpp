#include "osmeca/area_moments.h"

#include <cmath>

namespace osmeca {

AreaMoments& AreaMoments::operator+=(const AreaMoments& o) {
    a += o.a;
    sx += o.sx;
    sy += o.sy;
    sxx += o.sxx;
    syy += o.syy;
    sxy += o.sxy;
    return *this;
}

AreaMoments AreaMoments::operator-() const { return {-a, -sx, -sy, -sxx, -syy, -sxy}; }

AreaMoments& AreaMoments::operator-=(const AreaMoments& o) { return *this += -o; }

AreaMoments AreaMoments::Shifted(Point d) const {
    AreaMoments m;
    m.a = a;
    m.sx = sx + d.x * a;
    m.sy = sy + d.y * a;
    m.sxx = sxx + 2 * d.x * sx + d.x * d.x * a;
    m.syy = syy + 2 * d.y * sy + d.y * d.y * a;
    m.sxy = sxy + d.x * sy + d.y * sx + d.x * d.y * a;
    return m;
}

AreaMoments EdgeMoments(Point p, Point q) {
    double c = p.x * q.y - q.x * p.y;
    AreaMoments m;
    m.a = c / 2;
    m.sx = (p.x + q.x) * c / 6;
    m.sy = (p.y + q.y) * c / 6;
    m.sxx = (p.x * p.x + p.x * q.x + q.x * q.x) * c / 12;
    m.syy = (p.y * p.y + p.y * q.y + q.y * q.y) * c / 12;
    m.sxy = (p.x * q.y + 2 * p.x * p.y + 2 * q.x * q.y + q.x * p.y) * c / 24;
    return m;
}

AreaMoments ArcSegmentMoments(const CircularArc& arc) {
    // Sector minus triangle, both about the centre, then moved to the origin.
    const double r = arc.radius;
    const double r2 = r * r, r3 = r2 * r, r4 = r2 * r2;
    const double f1 = arc.start, f2 = arc.start + arc.sweep;
    const double s1 = std::sin(f1), c1 = std::cos(f1);
    const double s2 = std::sin(f2), c2 = std::cos(f2);
    AreaMoments sector;
    sector.a = r2 * arc.sweep / 2;
    sector.sx = r3 / 3 * (s2 - s1);
    sector.sy = r3 / 3 * (c1 - c2);
    // sin 2f2 - sin 2f1 and sin^2 f2 - sin^2 f1, written to keep their bits small
    const double sin2diff = 2 * (s2 * c2 - s1 * c1);
    sector.sxx = r4 / 4 * (arc.sweep / 2 + sin2diff / 4);
    sector.syy = r4 / 4 * (arc.sweep / 2 - sin2diff / 4);
    sector.sxy = r4 / 8 * ((s2 - s1) * (s2 + s1));
    Point p{r * c1, r * s1};
    Point q{r * c2, r * s2};
    sector -= EdgeMoments(p, q);
    return sector.Shifted(arc.centre);
}

}  // namespace osmeca
