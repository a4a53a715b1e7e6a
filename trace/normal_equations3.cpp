#include "trace/normal_equations3.h"

#include <cmath>
#include <utility>

namespace trace {

namespace {

// A pivot this small makes the system singular.
constexpr double kSingularPivot = 1e-300;

}  // namespace

bool NormalEquations3::Solve(std::array<double, 3>& x) const {
    std::array<std::array<double, 3>, 3> a = m;
    std::array<double, 3> b = v;
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 3; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
        if (std::abs(a[pivot][col]) < kSingularPivot) return false;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (int r = col + 1; r < 3; ++r) {
            const double f = a[r][col] / a[col][col];
            for (int k = col; k < 3; ++k)
                a[r][k] -= f * a[col][k];
            b[r] -= f * b[col];
        }
    }
    for (int r = 2; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < 3; ++k)
            s -= a[r][k] * x[k];
        x[r] = s / a[r][r];
    }
    return std::isfinite(x[0]) && std::isfinite(x[1]) && std::isfinite(x[2]);
}

}  // namespace trace
