#include "trace/shape_fit.h"

#include <array>
#include <cmath>

#include "trace/normal_equations3.h"

namespace trace {

namespace {

// At most this many Gauss-Newton steps refine a circle; they stop earlier
// once a step moves it by less than kConverged of its size.
constexpr int kGaussNewtonSteps = 20;
constexpr double kConverged = 1e-12;

Point2 Centroid(const std::vector<Point2>& points) {
    Point2 sum;
    for (Point2 p : points)
        sum = sum + p;
    return (1.0 / double(points.size())) * sum;
}

}  // namespace

double Residual(const LineFit& line, Point2 p) { return Cross(line.direction, p - line.point); }

double Residual(const CircleFit& circle, Point2 p) { return Length(p - circle.centre) - circle.radius; }

LineFit FitLine(const std::vector<Point2>& points) {
    LineFit line;
    line.point = Centroid(points);
    double sxx = 0, sxy = 0, syy = 0;
    for (Point2 p : points) {
        const Point2 d = p - line.point;
        sxx += d.x * d.x;
        sxy += d.x * d.y;
        syy += d.y * d.y;
    }
    // The direction of largest spread: the major axis of the scatter.
    const double angle = 0.5 * std::atan2(2 * sxy, sxx - syy);
    line.direction = {std::cos(angle), std::sin(angle)};
    // Pointing from the first point towards the last.
    if (points.size() >= 2 && Dot(line.direction, points.back() - points.front()) < 0)
        line.direction = -1.0 * line.direction;
    return line;
}

std::optional<CircleFit> FitCircle(const std::vector<Point2>& points) {
    if (points.size() < 3) return std::nullopt;
    // Kasa's algebraic fit x^2 + y^2 + D x + E y + F = 0 about the centroid.
    const Point2 c = Centroid(points);
    NormalEquations3 kasa;
    for (Point2 p : points) {
        const Point2 d = p - c;
        kasa.Add({d.x, d.y, 1.0}, -(d.x * d.x + d.y * d.y));
    }
    std::array<double, 3> s{};
    if (!kasa.Solve(s)) return std::nullopt;
    CircleFit circle;
    Point2 centre{-0.5 * s[0], -0.5 * s[1]};
    const double r2 = centre.x * centre.x + centre.y * centre.y - s[2];
    if (!(r2 > 0)) return std::nullopt;
    double radius = std::sqrt(r2);
    // Gauss-Newton on the geometric distances.
    for (int step = 0; step < kGaussNewtonSteps; ++step) {
        NormalEquations3 step3;
        for (Point2 p : points) {
            const Point2 d = (p - c) - centre;
            const double len = Length(d);
            if (len == 0) continue;
            step3.Add({-d.x / len, -d.y / len, -1.0}, radius - len);
        }
        std::array<double, 3> delta{};
        if (!step3.Solve(delta)) break;
        centre = centre + Point2{delta[0], delta[1]};
        radius += delta[2];
        if (std::abs(delta[0]) + std::abs(delta[1]) + std::abs(delta[2]) < kConverged * (1 + radius)) break;
    }
    if (!(radius > 0) || !std::isfinite(radius)) return std::nullopt;
    circle.centre = c + centre;
    circle.radius = radius;
    return circle;
}

}  // namespace trace
