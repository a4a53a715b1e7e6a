// The rectifying kernel's loops written once: the plain file and the AVX2
// file each compile their own copy (internal linkage), the very same
// operations in the same order whatever the width of the unit that runs
// them, so every variant gives the same bytes.
//
// Output dot (X, Y) is taken from the source at the point
// ((m0 X + m1 Y + m2) / w, (m3 X + m4 Y + m5) / w), w = m6 X + m7 Y + m8,
// with the program's cubic kernel on the 4 x 4 source dots around it: the
// tap rows and columns start one before the point's whole part, kept
// inside the picture; each channel is the sum over tap rows k of the row
// weight times (the sum over tap columns l of the column weight times the
// value), in single precision, clamped to 0..255 and truncated. A point
// with w <= 0 or further than a dot outside the taps is white.
#pragma once

#include <cmath>
#include <cstdint>

#include "render/cubic_weight.h"
#include "render/rectify_rows.h"

namespace {

constexpr int kRectifyLanes = 8;

// Where dots x..x+count-1 of output row y read the source: the byte
// offset of each lane's first tap, the weights of its tap columns and rows,
// and whether it is white. Lanes beyond count are white; a white lane reads
// the picture's first taps, with weights as for a point on a dot.
struct RectifyTaps {
    std::int64_t offsets[kRectifyLanes];
    float wx[4][kRectifyLanes];
    float wy[4][kRectifyLanes];
    bool white[kRectifyLanes];
};

__attribute__((always_inline)) inline void RectifySetUp(const RectifySource& job, int x, int y, int count,
                                                        RectifyTaps& taps) {
    const double* m = job.m;
    for (int lane = 0; lane < kRectifyLanes; ++lane) {
        const double X = x + lane;
        const double Y = y;
        const double w = m[6] * X + m[7] * Y + m[8];
        const double xs = (m[0] * X + m[1] * Y + m[2]) / w;
        const double ys = (m[3] * X + m[4] * Y + m[5]) / w;
        bool white = lane >= count || !(w > 0) || !(xs > -2.0 && xs < job.width + 1.0) ||
                     !(ys > -2.0 && ys < job.height + 1.0);
        int rx = 0, ry = 0;
        double fx = 0, fy = 0;
        if (!white) {
            const int tx = int(xs);
            const int ty = int(ys);
            rx = tx > 0 ? tx - 1 : 0;
            ry = ty > 0 ? ty - 1 : 0;
            if (rx > job.width - 4) rx = job.width - 4;
            if (ry > job.height - 4) ry = job.height - 4;
            fx = xs - (rx + 1);
            fy = ys - (ry + 1);
            if (fx < -1.0001 || fy < -1.0001 || fx > 2.0001 || fy > 2.0001) white = true;
        }
        if (white) rx = ry = 0, fx = fy = 0;
        taps.white[lane] = white;
        taps.offsets[lane] = std::int64_t(ry) * job.stride + rx * std::int64_t(3);
        for (int t = 0; t < 4; ++t) {
            taps.wx[t][lane] = float(CubicWeight(std::fabs(t - 1 - fx)));
            taps.wy[t][lane] = float(CubicWeight(std::fabs(t - 1 - fy)));
        }
    }
}

// A channel's sum as a byte: white, clamped, truncated.
__attribute__((always_inline)) inline std::uint8_t RectifyByte(float sum, bool white) {
    return white ? 255 : sum > 255.0f ? 255 : sum < 0.0f ? 0 : std::uint8_t(int(sum));
}

// Dots x..x+count-1 (count <= kRectifyLanes) of output row y, 3 bytes each.
__attribute__((always_inline)) inline void RectifyLanes(const RectifySource& job, int x, int y, int count,
                                                        std::uint8_t* out) {
    RectifyTaps taps;
    RectifySetUp(job, x, y, count, taps);
    for (int c = 0; c < 3; ++c) {
        float sums[kRectifyLanes] = {};
        for (int k = 0; k < 4; ++k) {
            float columns[kRectifyLanes] = {};
            const std::uint8_t* row = job.bytes + k * job.stride + c;
            for (int l = 0; l < 4; ++l)
                for (int lane = 0; lane < kRectifyLanes; ++lane)
                    columns[lane] += taps.wx[l][lane] * float(row[taps.offsets[lane] + l * 3]);
            for (int lane = 0; lane < kRectifyLanes; ++lane)
                sums[lane] += taps.wy[k][lane] * columns[lane];
        }
        for (int lane = 0; lane < count; ++lane)
            out[lane * 3 + c] = RectifyByte(sums[lane], taps.white[lane]);
    }
}

__attribute__((always_inline)) inline void RectifyRowLoop(const RectifySource& job, int y, int width,
                                                          std::uint8_t* out) {
    for (int x = 0; x < width; x += kRectifyLanes) {
        const int count = width - x < kRectifyLanes ? width - x : kRectifyLanes;
        RectifyLanes(job, x, y, count, out + x * 3L);
    }
}

}  // namespace
