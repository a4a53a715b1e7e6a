// A linear least-squares fit with three unknowns by its normal equations:
// the sums of row row^T and row value over the points, then the system
// solved by Gaussian elimination with partial pivoting.
#pragma once

#include <array>

namespace trace {

struct NormalEquations3 {
    std::array<std::array<double, 3>, 3> m{};
    std::array<double, 3> v{};

    void Add(const std::array<double, 3>& row, double value) {
        for (int i = 0; i < 3; ++i) {
            for (int k = 0; k < 3; ++k)
                m[i][k] += row[i] * row[k];
            v[i] += row[i] * value;
        }
    }

    // The unknowns; false when the system is singular or they are not finite.
    bool Solve(std::array<double, 3>& x) const;
};

}  // namespace trace
