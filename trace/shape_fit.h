// Least-squares fits of points: a line by orthogonal regression (total
// least squares: the major axis of the points' scatter), a circle by Kasa's
// algebraic fit refined by Gauss-Newton steps on the geometric distances.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "trace/point2.h"

namespace trace {

struct LineFit {
    Point2 point;      // the points' centroid
    Point2 direction;  // unit vector
};

struct CircleFit {
    Point2 centre;
    double radius = 0;
};

// Signed distance of p from the fit (left of the direction, or outside the
// circle, positive).
double Residual(const LineFit& line, Point2 p);
double Residual(const CircleFit& circle, Point2 p);

// Needs two points or more.
LineFit FitLine(const std::vector<Point2>& points);

// Nothing for fewer than three points or points on a line.
std::optional<CircleFit> FitCircle(const std::vector<Point2>& points);

// The distances of the points from a fit: the largest, the one that a
// twentieth of the points exceed (a few outlying samples, a grain of the
// background, do not count), and the root-mean-square of those up to it.
struct FitSpread {
    double largest = 0;
    double high = 0;
    double rms = 0;
};
// The share of the points whose distance may lie beyond high.
constexpr double kOutlyingShare = 0.05;

template <class Fit>
FitSpread SpreadOf(const Fit& fit, const std::vector<Point2>& points) {
    FitSpread spread;
    if (points.empty()) return spread;
    std::vector<double> distances;
    distances.reserve(points.size());
    for (Point2 p : points)
        distances.push_back(std::abs(Residual(fit, p)));
    const auto cut = distances.begin() + std::ptrdiff_t(double(distances.size() - 1) * (1 - kOutlyingShare));
    std::nth_element(distances.begin(), cut, distances.end());
    spread.high = *cut;
    spread.largest = *std::max_element(cut, distances.end());
    double sum = 0;
    for (auto d = distances.begin(); d <= cut; ++d)
        sum += *d * *d;
    spread.rms = std::sqrt(sum / double(cut - distances.begin() + 1));
    return spread;
}

// The points whose distance from the fit is at most reach.
template <class Fit>
std::vector<Point2> PointsNear(const Fit& fit, const std::vector<Point2>& points, double reach) {
    std::vector<Point2> near;
    near.reserve(points.size());
    for (Point2 p : points)
        if (std::abs(Residual(fit, p)) <= reach) near.push_back(p);
    return near;
}

}  // namespace trace
