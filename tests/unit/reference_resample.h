// The display raster's resampling written dot by dot, exactly as the formula
// reads, with no precomputation. The fast implementation must match it byte
// for byte; the bench measures against it.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace reference {

inline double Kernel(double d) {
    if (d < 1.0) return 1.0 - 2.0 * d * d + d * d * d;
    if (d < 2.0) return 4.0 - 8.0 * d + 5.0 * d * d - d * d * d;
    return 0.0;
}

// Display dot (j, i) of the dw x dh display image of rgb (width x height
// dots, 3 bytes each, rows top-down) at a scale other than 1.0.
inline void ResampleDot(const std::uint8_t* rgb, int width, int height, double scale, int dw, int dh,
                        int j, int i, std::uint8_t* dot) {
    // Images of fewer than 4 rows or columns repeat their last one.
    auto value = [&](int x, int y, int c) -> double {
        if (x > width - 1) x = width - 1;
        if (y > height - 1) y = height - 1;
        return rgb[(std::size_t(y) * width + x) * 3 + c];
    };
    double ys = (i - 0.5 * dh + 0.5 * scale * (height - 1)) / scale;
    double xs = (j - 0.5 * dw + 0.5 * scale * (width - 1)) / scale;
    int ty = int(ys);
    int tx = int(xs);
    int ry = ty > 0 ? ty - 1 : 0;
    int rx = tx > 0 ? tx - 1 : 0;
    int lastRy = height - 4 > 0 ? height - 4 : 0;
    int lastRx = width - 4 > 0 ? width - 4 : 0;
    if (ry > lastRy) ry = lastRy;
    if (rx > lastRx) rx = lastRx;
    double fy = ys - (ry + 1);
    double fx = xs - (rx + 1);
    if (fx < -1.0001 || fy < -1.0001 || fx > 2.0001 || fy > 2.0001) {
        dot[0] = dot[1] = dot[2] = 255;
        return;
    }
    for (int c = 0; c < 3; ++c) {
        double sum = 0.0;
        for (int k = 0; k < 4; ++k) {
            for (int l = 0; l < 4; ++l) {
                sum += Kernel(std::fabs(k - 1 - fy)) * Kernel(std::fabs(l - 1 - fx)) *
                       value(rx + l, ry + k, c);
            }
        }
        if (sum > 255.0) dot[c] = 255;
        else if (sum < 0.0) dot[c] = 0;
        else dot[c] = std::uint8_t(int(sum));
    }
}

// rgb: width x height dots, 3 bytes each, rows top-down.
inline std::vector<std::uint8_t> Resample(const std::uint8_t* rgb, int width, int height,
                                          double scale, int& outWidth, int& outHeight) {
    if (scale == 1.0) {
        outWidth = width;
        outHeight = height;
        return std::vector<std::uint8_t>(rgb, rgb + std::size_t(width) * height * 3);
    }
    const int dw = int(width * scale);
    const int dh = int(height * scale);
    outWidth = dw;
    outHeight = dh;
    std::vector<std::uint8_t> out(std::size_t(dw) * dh * 3);
    for (int i = 0; i < dh; ++i)
        for (int j = 0; j < dw; ++j)
            ResampleDot(rgb, width, height, scale, dw, dh, j, i, &out[(std::size_t(i) * dw + j) * 3]);
    return out;
}

}  // namespace reference
