#include "plane/homography.h"

#include <cmath>
#include <utility>

namespace plane {

namespace {

// A pivot this small against the matrix's largest entry counts as zero.
constexpr double kSingular = 1e-12;

// Moves points to their centroid and scales them to a mean distance of
// sqrt(2) from it; false when they all coincide.
bool Normalising(const std::vector<Point>& points, Homography& t) {
    double cx = 0, cy = 0;
    for (const Point& p : points)
        cx += p.x, cy += p.y;
    cx /= double(points.size());
    cy /= double(points.size());
    double mean = 0;
    for (const Point& p : points)
        mean += std::hypot(p.x - cx, p.y - cy);
    mean /= double(points.size());
    if (!(mean > 0) || !std::isfinite(mean)) return false;
    const double s = std::sqrt(2.0) / mean;
    t = Homography({s, 0, -s * cx, 0, s, -s * cy, 0, 0, 1});
    return true;
}

// Solves the n x n system a x = b in place (Gaussian elimination with
// partial pivoting); false when singular.
template <int n>
bool Solve(std::array<std::array<double, n + 1>, n>& a, std::array<double, n>& x) {
    double largest = 0;
    for (const auto& row : a)
        for (int c = 0; c < n; ++c)
            largest = std::max(largest, std::fabs(row[c]));
    if (!(largest > 0)) return false;
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (!(std::fabs(a[pivot][c]) > kSingular * largest)) return false;
        std::swap(a[c], a[pivot]);
        for (int r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int k = c; k <= n; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    for (int r = n - 1; r >= 0; --r) {
        double v = a[r][n];
        for (int k = r + 1; k < n; ++k)
            v -= a[r][k] * x[k];
        x[r] = v / a[r][r];
    }
    return true;
}

}  // namespace

Homography::Homography() : h_{1, 0, 0, 0, 1, 0, 0, 0, 1} {}

Point Homography::Map(Point p) const {
    const double w = W(p);
    return {(h_[0] * p.x + h_[1] * p.y + h_[2]) / w, (h_[3] * p.x + h_[4] * p.y + h_[5]) / w};
}

bool Homography::Inverse(Homography& inverse) const {
    const auto& m = h_;
    const std::array<double, 9> adj = {
        m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
        m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
        m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
    const double det = m[0] * adj[0] + m[1] * adj[3] + m[2] * adj[6];
    if (det == 0 || !std::isfinite(det)) return false;
    std::array<double, 9> inv;
    for (int i = 0; i < 9; ++i)
        inv[i] = adj[i] / det;
    inverse = Homography(inv);
    return true;
}

Homography Homography::Then(const Homography& after) const {
    std::array<double, 9> r{};
    const auto& a = after.h_;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r[3 * i + j] += a[3 * i + k] * h_[3 * k + j];
    return Homography(r);
}

bool FitHomography(const std::vector<Point>& from, const std::vector<Point>& to, Homography& fitted) {
    if (from.size() < 4 || from.size() != to.size()) return false;
    Homography tFrom, tTo, tToInverse;
    if (!Normalising(from, tFrom) || !Normalising(to, tTo) || !tTo.Inverse(tToInverse)) return false;
    // Normal equations of the eight unknowns (the last entry is 1: the
    // normalised centroid of the photo points maps to a finite point).
    std::array<std::array<double, 9>, 8> normal{};
    for (std::size_t i = 0; i < from.size(); ++i) {
        const Point p = tFrom.Map(from[i]);
        const Point q = tTo.Map(to[i]);
        const std::array<double, 9> rows[2] = {{p.x, p.y, 1, 0, 0, 0, -q.x * p.x, -q.x * p.y, q.x},
                                               {0, 0, 0, p.x, p.y, 1, -q.y * p.x, -q.y * p.y, q.y}};
        for (const auto& row : rows)
            for (int r = 0; r < 8; ++r)
                for (int c = 0; c < 9; ++c)
                    normal[r][c] += row[r] * row[c];
    }
    std::array<double, 8> h{};
    if (!Solve<8>(normal, h)) return false;
    const Homography normalised({h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], 1});
    Homography result = tFrom.Then(normalised).Then(tToInverse);
    std::array<double, 9> m = result.Matrix();
    for (double v : m)
        if (!std::isfinite(v)) return false;
    if (m[8] != 0) {
        const double last = m[8];
        for (double& v : m)
            v /= last;
    }
    fitted = Homography(m);
    return true;
}

}  // namespace plane
