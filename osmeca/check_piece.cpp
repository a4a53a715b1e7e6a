#include "osmeca/check_piece.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace osmeca {

namespace {

double Length(Point v) { return std::hypot(v.x, v.y); }
double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
double AngleOf(Point v) { return std::atan2(v.y, v.x); }

double DistanceToLine(Point p, Point a, Point b) {
    Point d = b - a;
    double l2 = Dot(d, d);
    double t = l2 > 0 ? std::clamp(Dot(p - a, d) / l2, 0.0, 1.0) : 0.0;
    return Length(p - Point{a.x + t * d.x, a.y + t * d.y});
}

double DistanceToArc(Point p, const CheckPiece& piece) {
    const CircularArc& arc = piece.arc;
    Point v = p - arc.centre;
    double r = Length(v);
    if (r == 0) return arc.radius;
    if (ArcPassesAngle(arc, AngleOf(v))) return std::fabs(r - arc.radius);
    return std::min(Length(p - piece.start), Length(p - piece.end));
}

// Collects the places where two pieces come closest or cross, each with the
// gap there, and reports whether one of them is a meeting.
class MeetFinder {
public:
    MeetFinder(std::span<const Point> shared, MeetTolerance tolerance)
        : shared_(shared), tolerance_(tolerance) {}

    void Consider(Point where, double gap) {
        if (met_ || gap > tolerance_.touch) return;
        for (Point s : shared_) {
            if (Length(where - s) <= tolerance_.near) return;
        }
        met_ = true;
    }
    bool Met() const { return met_; }
    double Near() const { return tolerance_.near; }

private:
    std::span<const Point> shared_;
    MeetTolerance tolerance_;
    bool met_ = false;
};

void EndsAgainst(const CheckPiece& p, const CheckPiece& q, MeetFinder& finder) {
    for (Point end : {p.start, p.end})
        finder.Consider(end, DistanceToPiece(end, q));
    for (Point end : {q.start, q.end})
        finder.Consider(end, DistanceToPiece(end, p));
}

void LineLine(const CheckPiece& p, const CheckPiece& q, MeetFinder& finder) {
    Point d = p.end - p.start, e = q.end - q.start;
    double denominator = Cross(d, e);
    if (denominator != 0) {
        double t = Cross(q.start - p.start, e) / denominator;
        double u = Cross(q.start - p.start, d) / denominator;
        if (t >= 0 && t <= 1 && u >= 0 && u <= 1)
            finder.Consider({p.start.x + t * d.x, p.start.y + t * d.y}, 0);
    }
    EndsAgainst(p, q, finder);
}

void LineArc(const CheckPiece& line, const CheckPiece& arcPiece, MeetFinder& finder) {
    const CircularArc& arc = arcPiece.arc;
    Point d = line.end - line.start, f = line.start - arc.centre;
    double a = Dot(d, d);
    if (a > 0) {
        double b = 2 * Dot(f, d), c = Dot(f, f) - arc.radius * arc.radius;
        double discriminant = b * b - 4 * a * c;
        if (discriminant >= 0) {
            double root = std::sqrt(discriminant);
            for (double t : {(-b - root) / (2 * a), (-b + root) / (2 * a)}) {
                if (t < 0 || t > 1) continue;
                Point x{line.start.x + t * d.x, line.start.y + t * d.y};
                if (ArcPassesAngle(arc, AngleOf(x - arc.centre))) finder.Consider(x, 0);
            }
        }
        // The arc's points nearest to and farthest from the line's direction.
        double normal = AngleOf({-d.y, d.x});
        for (double angle : {normal, normal + std::numbers::pi}) {
            if (!ArcPassesAngle(arcPiece.arc, angle)) continue;
            Point x = ArcPointAt(arc, angle);
            finder.Consider(x, DistanceToLine(x, line.start, line.end));
        }
    }
    EndsAgainst(line, arcPiece, finder);
}

void ArcArc(const CheckPiece& p, const CheckPiece& q, MeetFinder& finder) {
    const CircularArc &a = p.arc, &b = q.arc;
    Point between = b.centre - a.centre;
    double d = Length(between);
    // Arcs of one circle (a traced circle cut into three arcs) have centres
    // apart by rounding only: the line between them points anywhere and
    // their crossings lie anywhere on the circle. They meet where one's end
    // lies on the other, which the ends show.
    if (d > finder.Near()) {
        if (d <= a.radius + b.radius && d >= std::fabs(a.radius - b.radius)) {
            double along = (a.radius * a.radius - b.radius * b.radius + d * d) / (2 * d);
            double h = std::sqrt(std::max(0.0, a.radius * a.radius - along * along));
            Point u{between.x / d, between.y / d};
            Point base{a.centre.x + along * u.x, a.centre.y + along * u.y};
            for (double side : {-1.0, 1.0}) {
                Point x{base.x - side * h * u.y, base.y + side * h * u.x};
                if (ArcPassesAngle(a, AngleOf(x - a.centre)) && ArcPassesAngle(b, AngleOf(x - b.centre))) {
                    finder.Consider(x, 0);
                }
            }
        }
        // Along the line of the centres each arc comes nearest to the other circle.
        double toward = AngleOf(between);
        for (double angle : {toward, toward + std::numbers::pi}) {
            if (ArcPassesAngle(a, angle)) {
                Point x = ArcPointAt(a, angle);
                finder.Consider(x, DistanceToPiece(x, q));
            }
            if (ArcPassesAngle(b, angle)) {
                Point x = ArcPointAt(b, angle);
                finder.Consider(x, DistanceToPiece(x, p));
            }
        }
    }
    EndsAgainst(p, q, finder);
}

}  // namespace

double DistanceToPiece(Point point, const CheckPiece& piece) {
    return piece.isArc ? DistanceToArc(point, piece) : DistanceToLine(point, piece.start, piece.end);
}

bool PiecesMeet(const CheckPiece& p, const CheckPiece& q, std::span<const Point> shared,
                MeetTolerance tolerance) {
    MeetFinder finder(shared, tolerance);
    if (!p.isArc && !q.isArc) {
        LineLine(p, q, finder);
    } else if (p.isArc && q.isArc) {
        ArcArc(p, q, finder);
    } else if (p.isArc) {
        LineArc(q, p, finder);
    } else {
        LineArc(p, q, finder);
    }
    return finder.Met();
}

}  // namespace osmeca
