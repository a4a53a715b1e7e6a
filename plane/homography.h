// A plane projective map (3 x 3 matrix, row major, h[8] the last) and its
// fit to point pairs by the normalised direct linear transform: both point
// sets are moved to their centroid and scaled to a mean distance of sqrt(2)
// before the equations are set up, which keeps them well conditioned at any
// picture size. Four pairs give the exact map, more a least-squares one.
#pragma once

#include <array>
#include <vector>

namespace plane {

struct Point {
    double x = 0;
    double y = 0;
};

class Homography {
public:
    Homography();  // the identity
    explicit Homography(const std::array<double, 9>& h) : h_(h) {}

    const std::array<double, 9>& Matrix() const { return h_; }
    // The third homogeneous coordinate of p's image: its sign tells which
    // side of the vanishing line p lies on, zero that p maps to infinity.
    double W(Point p) const { return h_[6] * p.x + h_[7] * p.y + h_[8]; }
    Point Map(Point p) const;
    // False when the matrix is singular.
    bool Inverse(Homography& inverse) const;
    // The map followed by after.
    Homography Then(const Homography& after) const;

private:
    std::array<double, 9> h_;
};

// Fits from -> to (at least four pairs, same count); false when the
// equations are singular (points on one line, coinciding points).
bool FitHomography(const std::vector<Point>& from, const std::vector<Point>& to, Homography& fitted);

}  // namespace plane
