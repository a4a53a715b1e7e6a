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

// The largest and the root-mean-square distance of the points from a fit.
struct FitSpread {
    double largest = 0;
    double rms = 0;
};
template <class Fit>
FitSpread SpreadOf(const Fit& fit, const std::vector<Point2>& points) {
    FitSpread spread;
    double sum = 0;
    for (Point2 p : points) {
        const double r = Residual(fit, p);
        sum += r * r;
        spread.largest = std::max(spread.largest, std::abs(r));
    }
    spread.rms = points.empty() ? 0 : std::sqrt(sum / double(points.size()));
    return spread;
}

}  // namespace trace
