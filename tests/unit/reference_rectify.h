// The rectifying kernel written dot by dot, exactly as the formula reads,
// with no precomputation. The fast implementation must match it byte for
// byte; the bench checks its samples against it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace reference {

inline double Cubic(double d) {
    if (d < 1.0) return 1.0 - 2.0 * d * d + d * d * d;
    if (d < 2.0) return 4.0 - 8.0 * d + 5.0 * d * d - d * d * d;
    return 0.0;
}

// Output dot (X, Y): the source point through m, the 4 x 4 taps from one
// before its whole part (kept inside the picture), each channel
// sum_k wy_k (sum_l wx_l v_kl) in single precision, clamped and truncated;
// white where the map gives no point near the picture.
inline void RectifyDot(const std::uint8_t* src, int width, int height, const double m[9], int X, int Y,
                       std::uint8_t* dot) {
    const double w = m[6] * X + m[7] * Y + m[8];
    const double xs = (m[0] * X + m[1] * Y + m[2]) / w;
    const double ys = (m[3] * X + m[4] * Y + m[5]) / w;
    dot[0] = dot[1] = dot[2] = 255;
    if (!(w > 0) || !(xs > -2.0 && xs < width + 1.0) || !(ys > -2.0 && ys < height + 1.0)) return;
    int rx = int(xs) > 0 ? int(xs) - 1 : 0;
    int ry = int(ys) > 0 ? int(ys) - 1 : 0;
    rx = std::min(rx, width - 4);
    ry = std::min(ry, height - 4);
    const double fx = xs - (rx + 1), fy = ys - (ry + 1);
    if (fx < -1.0001 || fy < -1.0001 || fx > 2.0001 || fy > 2.0001) return;
    for (int c = 0; c < 3; ++c) {
        float sum = 0;
        for (int k = 0; k < 4; ++k) {
            float columns = 0;
            for (int l = 0; l < 4; ++l)
                columns += float(Cubic(std::fabs(l - 1 - fx))) *
                           float(src[(std::size_t(ry + k) * width + rx + l) * 3 + c]);
            sum += float(Cubic(std::fabs(k - 1 - fy))) * columns;
        }
        dot[c] = sum > 255.0f ? 255 : sum < 0.0f ? 0 : std::uint8_t(int(sum));
    }
}

}  // namespace reference
