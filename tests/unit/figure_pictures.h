// Pictures of figures with known outlines, for the tracer's tests and bench:
// the figure rendered with exact area coverage (signed areas accumulated
// cell by cell along each row), optionally blurred, noisy and saved as JPEG.
#pragma once

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "data/sample_point.h"
#include "osmeca/osmeca.h"
#include "trace/figure_trace.h"

namespace figpic {

using trace::TraceRow;

constexpr int WIDTH = 480;
constexpr int HEIGHT = 360;
constexpr double FIGURE_LEVEL = 40;
constexpr double BACKGROUND_LEVEL = 215;

struct Figure {
    std::string name;
    std::vector<TraceRow> rows;  // the exact outline, clockwise on the screen
    int lines = 0;
    int arcs = 0;
    int seedX = 240, seedY = 180;  // a dot well inside
    int loops = 1;                 // the outer loop and its holes
};

inline TraceRow Row(int type, double x, double y) { return {type, x, y}; }

// A circle of radius r around (cx, cy) as three arcs from its top.
inline std::vector<TraceRow> CircleRows(double cx, double cy, double r) {
    std::vector<TraceRow> rows;
    for (int k = 0; k < 6; ++k) {
        const double a = (-90 + 60 * k) * std::numbers::pi / 180;
        rows.push_back(Row(k % 2 == 0 ? 2 : 1, cx + r * std::cos(a), cy + r * std::sin(a)));
    }
    return rows;
}

// The rectangle [x0, x1] x [y0, y1] with corners rounded by r (sharp when 0).
inline std::vector<TraceRow> RoundedRectRows(double x0, double y0, double x1, double y1, double r) {
    if (r <= 0) return {Row(1, x0, y0), Row(1, x1, y0), Row(1, x1, y1), Row(1, x0, y1)};
    const double k = r * (1 - std::sqrt(0.5));
    return {Row(1, x0 + r, y0),     Row(2, x1 - r, y0),     Row(1, x1 - k, y0 + k), Row(1, x1, y0 + r),
            Row(2, x1, y1 - r),     Row(1, x1 - k, y1 - k), Row(1, x1 - r, y1),     Row(2, x0 + r, y1),
            Row(1, x0 + k, y1 - k), Row(1, x0, y1 - r),     Row(2, x0, y0 + r),     Row(1, x0 + k, y0 + k)};
}

// The five figures, placed off the dot grid.
inline std::vector<Figure> Figures() {
    std::vector<Figure> figures;
    {
        Figure f{"rectangle at 17 degrees", {}, 4, 0};
        const double a = 17 * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
        for (auto [u, v] : {std::pair{-110.0, -65.0}, {110.0, -65.0}, {110.0, 65.0}, {-110.0, 65.0}})
            f.rows.push_back(Row(1, 240.3 + c * u - s * v, 180.2 + s * u + c * v));
        figures.push_back(f);
    }
    figures.push_back({"rounded plate", RoundedRectRows(110.3, 100.45, 370.3, 260.45, 32), 4, 4});
    figures.push_back({"disc", CircleRows(240.4, 180.3, 100), 0, 1});
    figures.push_back({"L-section", {}, 6, 0, 170, 250});
    figures.back().rows = {Row(1, 120.37, 70.61),  Row(1, 220.84, 70.61),  Row(1, 220.84, 230.18),
                           Row(1, 380.55, 230.18), Row(1, 380.55, 290.93), Row(1, 120.37, 290.93)};
    {
        Figure f{"notched plate", {}, 5, 1, 240, 220};
        const double dx = 0.21, dy = 0.33, half = std::sqrt(45.0 * 45.0 - 10.0 * 10.0);
        f.rows = {Row(1, 100 + dx, 110 + dy), Row(2, 240 - half + dx, 110 + dy),
                  Row(1, 240 + dx, 145 + dy), Row(1, 240 + half + dx, 110 + dy),
                  Row(1, 380 + dx, 110 + dy), Row(1, 380 + dx, 270 + dy),
                  Row(1, 100 + dx, 270 + dy)};
        figures.push_back(f);
    }
    return figures;
}

// Loops joined as the table holds them: a loop break between two.
inline std::vector<TraceRow> Joined(const std::vector<std::vector<TraceRow>>& loops) {
    std::vector<TraceRow> rows;
    for (const std::vector<TraceRow>& loop : loops) {
        if (!rows.empty()) rows.push_back(Row(kLoopBreakType, 0, 0));
        rows.insert(rows.end(), loop.begin(), loop.end());
    }
    return rows;
}

// Rows split at their loop breaks.
inline std::vector<std::vector<TraceRow>> Loops(const std::vector<TraceRow>& rows) {
    std::vector<std::vector<TraceRow>> loops(1);
    for (const TraceRow& row : rows) {
        if (row.type == kLoopBreakType)
            loops.emplace_back();
        else
            loops.back().push_back(row);
    }
    return loops;
}

// The four hollow sections, placed off the dot grid; the seed lies in the
// material. A tube, a hollow rectangle with rounded corners, a plate with
// three round holes and a box of two cells.
inline std::vector<Figure> HollowFigures() {
    const double dx = 0.37, dy = 0.21;
    std::vector<Figure> figures;
    figures.push_back({"tube",
                       Joined({CircleRows(240 + dx, 180 + dy, 100), CircleRows(240 + dx, 180 + dy, 76)}), 0,
                       2, 240, 92, 2});
    figures.push_back({"hollow rectangle",
                       Joined({RoundedRectRows(100 + dx, 90 + dy, 380 + dx, 270 + dy, 44),
                               RoundedRectRows(120 + dx, 110 + dy, 360 + dx, 250 + dy, 24)}),
                       8, 8, 240, 99, 2});
    figures.push_back({"plate with three holes",
                       Joined({RoundedRectRows(80 + dx, 100 + dy, 400 + dx, 260 + dy, 0),
                               CircleRows(150 + dx, 180 + dy, 30), CircleRows(240 + dx, 180 + dy, 24),
                               CircleRows(330 + dx, 180 + dy, 30)}),
                       4, 3, 240, 120, 4});
    figures.push_back({"box of two cells",
                       Joined({RoundedRectRows(110 + dx, 95 + dy, 370 + dx, 265 + dy, 0),
                               RoundedRectRows(126 + dx, 111 + dy, 233 + dx, 249 + dy, 0),
                               RoundedRectRows(247 + dx, 111 + dy, 354 + dx, 249 + dy, 0)}),
                       12, 0, 240, 180, 3});
    return figures;
}

struct P {
    double x, y;
};

// The outline as a fine polygon: arcs through their three points cut into
// pieces of at most a quarter dot.
inline std::vector<P> Polygon(const std::vector<TraceRow>& rows) {
    std::vector<P> poly;
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TraceRow& a = rows[i];
        if (a.type != 2) {
            poly.push_back({a.x, a.y});
            continue;
        }
        const TraceRow& m = rows[(i + 1) % n];
        const TraceRow& b = rows[(i + 2) % n];
        // The circle through a, m, b.
        const double d = 2 * (a.x * (m.y - b.y) + m.x * (b.y - a.y) + b.x * (a.y - m.y));
        const double a2 = a.x * a.x + a.y * a.y, m2 = m.x * m.x + m.y * m.y, b2 = b.x * b.x + b.y * b.y;
        const double cx = (a2 * (m.y - b.y) + m2 * (b.y - a.y) + b2 * (a.y - m.y)) / d;
        const double cy = (a2 * (b.x - m.x) + m2 * (a.x - b.x) + b2 * (m.x - a.x)) / d;
        const double r = std::hypot(a.x - cx, a.y - cy);
        const double t0 = std::atan2(a.y - cy, a.x - cx);
        auto turn = [&](const TraceRow& p) {
            double t = std::atan2(p.y - cy, p.x - cx) - t0;
            while (t < 0)
                t += 2 * std::numbers::pi;
            return t;
        };
        double sweep = turn(b);
        if (turn(m) > sweep) sweep -= 2 * std::numbers::pi;
        const int steps = std::max(8, int(std::ceil(std::abs(sweep) * r / 0.25)));
        for (int k = 0; k < steps; ++k) {
            const double t = t0 + sweep * k / steps;
            poly.push_back({cx + r * std::cos(t), cy + r * std::sin(t)});
        }
        ++i;  // the middle point is passed by the arc
    }
    return poly;
}

// Exact coverage of each dot by the polygon (0..1), width x height.
inline std::vector<double> Coverage(const std::vector<P>& poly, int width, int height) {
    const int stride = width + 2;
    std::vector<double> acc(std::size_t(stride) * height + 2, 0.0);
    for (std::size_t i = 0; i < poly.size(); ++i) {
        P p0 = poly[i], p1 = poly[(i + 1) % poly.size()];
        if (p0.y == p1.y) continue;
        double dir = 1;
        if (p0.y > p1.y) {
            std::swap(p0, p1);
            dir = -1;
        }
        const double dxdy = (p1.x - p0.x) / (p1.y - p0.y);
        double x = p0.x;
        for (int y = int(std::floor(p0.y)); y < std::min(height, int(std::ceil(p1.y))); ++y) {
            double* row = &acc[std::size_t(y) * stride];
            const double dy = std::min(y + 1.0, p1.y) - std::max(double(y), p0.y);
            const double xnext = x + dxdy * dy;
            const double d = dy * dir;
            const double xa = std::min(x, xnext), xb = std::max(x, xnext);
            const double xaFloor = std::floor(xa), xbCeil = std::ceil(xb);
            const int ia = int(xaFloor), ib = int(xbCeil);
            if (ib <= ia + 1) {
                const double mid = 0.5 * (x + xnext) - xaFloor;
                row[ia] += d - d * mid;
                row[ia + 1] += d * mid;
            } else {
                const double s = 1 / (xb - xa);
                const double fa = xa - xaFloor;
                const double a0 = 0.5 * s * (1 - fa) * (1 - fa);
                const double fb = xb - xbCeil + 1;
                const double am = 0.5 * s * fb * fb;
                row[ia] += d * a0;
                if (ib == ia + 2) {
                    row[ia + 1] += d * (1 - a0 - am);
                } else {
                    const double a1 = s * (1.5 - fa);
                    row[ia + 1] += d * (a1 - a0);
                    for (int xi = ia + 2; xi < ib - 1; ++xi)
                        row[xi] += d * s;
                    const double a2 = a1 + (ib - ia - 3) * s;
                    row[ib - 1] += d * (1 - a2 - am);
                }
                row[ib] += d * am;
            }
            x = xnext;
        }
    }
    std::vector<double> cover(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        double sum = 0;
        for (int x = 0; x < width; ++x) {
            sum += acc[std::size_t(y) * stride + x];
            cover[std::size_t(y) * width + x] = std::min(1.0, std::abs(sum));
        }
    }
    return cover;
}

// The coverage of an outline of loops, the first outer and the others
// holes in it.
inline std::vector<double> LoopsCoverage(const std::vector<TraceRow>& rows, int width, int height) {
    const std::vector<std::vector<TraceRow>> loops = Loops(rows);
    std::vector<double> cover = Coverage(Polygon(loops[0]), width, height);
    for (std::size_t k = 1; k < loops.size(); ++k) {
        const std::vector<double> hole = Coverage(Polygon(loops[k]), width, height);
        for (std::size_t i = 0; i < cover.size(); ++i)
            cover[i] = std::max(0.0, cover[i] - hole[i]);
    }
    return cover;
}

// None: clean. BlurNoiseJpeg: blurred (sigma 0.8 dot), noise of 3 levels,
// JPEG at quality 85; BlurNoiseJpeg70 the same at quality 70. The photo-like ones have the figure only 40
// levels darker than the background around it, blur, noise of 4 levels and JPEG at quality 70: Gradient with
// the light falling by 85 levels from left to right, Grain on a grained background (a texture of about 6
// levels).
enum class Damage { None, BlurNoiseJpeg, Gradient, Grain, BlurNoiseJpeg70 };

inline std::vector<std::uint8_t> Jpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                      int quality) {
    tjhandle tj = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(tj, rgb.data(), width, width * 3, height, TJPF_RGB, &out, &size, TJSAMP_420, quality, 0);
    std::vector<std::uint8_t> jpeg(out, out + size);
    tjFree(out);
    tjDestroy(tj);
    return jpeg;
}

inline std::vector<std::uint8_t> FromJpeg(const std::vector<std::uint8_t>& jpeg, int width, int height) {
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    tjhandle tj = tjInitDecompress();
    tjDecompress2(tj, jpeg.data(), jpeg.size(), rgb.data(), width, width * 3, height, TJPF_RGB, 0);
    tjDestroy(tj);
    return rgb;
}

// Gaussian blur of a width x height field, edges repeated.
inline void Blur(std::vector<double>& level, int width, int height, double sigma) {
    const int reach = int(std::ceil(3 * sigma));
    std::vector<double> kernel(std::size_t(2 * reach + 1));
    double sum = 0;
    for (int k = -reach; k <= reach; ++k)
        sum += kernel[std::size_t(k + reach)] = std::exp(-0.5 * k * k / (sigma * sigma));
    for (double& k : kernel)
        k /= sum;
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<double> out(level.size());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                double v = 0;
                for (int k = -reach; k <= reach; ++k) {
                    const int xx = pass == 0 ? std::clamp(x + k, 0, width - 1) : x;
                    const int yy = pass == 1 ? std::clamp(y + k, 0, height - 1) : y;
                    v += kernel[std::size_t(k + reach)] * level[std::size_t(yy) * width + xx];
                }
                out[std::size_t(y) * width + x] = v;
            }
        level.swap(out);
    }
}

// A texture of grains about two dots across, its levels spread by spread.
inline std::vector<double> Grain(int width, int height, double spread, unsigned seed) {
    std::mt19937 random(seed + 7);
    std::normal_distribution<double> white(0.0, 1.0);
    std::vector<double> grain(std::size_t(width) * height);
    for (double& v : grain)
        v = white(random);
    Blur(grain, width, height, 1.0);
    double sum = 0;
    for (double v : grain)
        sum += v * v;
    const double scale = spread / std::sqrt(sum / double(grain.size()));
    for (double& v : grain)
        v *= scale;
    return grain;
}

// The picture as grey red, green, blue dots: dark figure, light background,
// damaged as damage says.
inline std::vector<std::uint8_t> Render(const std::vector<TraceRow>& rows, Damage damage, int width = WIDTH,
                                        int height = HEIGHT, unsigned seed = 1) {
    std::vector<double> level = LoopsCoverage(rows, width, height);
    const bool photo = damage == Damage::Gradient || damage == Damage::Grain;
    if (photo) {
        const std::vector<double> grain = damage == Damage::Grain ? Grain(width, height, 6.0, seed)
                                                                  : std::vector<double>(level.size(), 0.0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::size_t i = std::size_t(y) * width + x;
                const double light = damage == Damage::Gradient ? 235 - 85.0 * (x + 0.5) / width : 205;
                level[i] = (1 - level[i]) * (light + grain[i]) + level[i] * (light - 40);
            }
    } else {
        for (double& v : level)
            v = BACKGROUND_LEVEL + v * (FIGURE_LEVEL - BACKGROUND_LEVEL);
    }
    if (damage != Damage::None) {
        Blur(level, width, height, 0.8);
        std::mt19937 random(seed);
        std::normal_distribution<double> noise(0.0, photo ? 4.0 : 3.0);
        for (double& v : level)
            v += noise(random);
    }
    std::vector<std::uint8_t> rgb(level.size() * 3);
    for (std::size_t i = 0; i < level.size(); ++i)
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] =
            std::uint8_t(std::clamp(std::lround(level[i]), 0L, 255L));
    const int quality = photo || damage == Damage::BlurNoiseJpeg70 ? 70 : 85;
    if (damage != Damage::None) rgb = FromJpeg(Jpeg(rgb, width, height, quality), width, height);
    return rgb;
}

struct Properties {
    bool ok = false;
    double area = 0, xC = 0, yC = 0, iMax = 0, iMin = 0;
};

// The section of rows as the calculation integrates it, their coordinates
// written as the table's 8-character cells.
struct Section {
    bool ok = false;
    int32_t segmentCount = 0;
    std::vector<SectionSegment> segments = std::vector<SectionSegment>(OS_MAX_SEGMENTS);
    SectionResults results{};
    InclinedAxisTable table{};
    double operator[](int index) const { return results.values[index]; }
};

inline Section Integrated(const std::vector<TraceRow>& rows) {
    std::vector<SectionInputPoint> inputs(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::memset(&inputs[i], 0, sizeof inputs[i]);
        inputs[i].type = rows[i].type;
        SamplePoint cells = ZeroSamplePoint();
        SetFractionalCoordinate(cells.xText, cells.x, rows[i].x);
        SetFractionalCoordinate(cells.yText, cells.y, rows[i].y);
        std::memcpy(inputs[i].xText, cells.xText, sizeof inputs[i].xText);
        std::memcpy(inputs[i].yText, cells.yText, sizeof inputs[i].yText);
    }
    Section s;
    s.ok = osSectionIntegrate(inputs.data(), s.segments.data(), int32_t(rows.size()), &s.segmentCount,
                              &s.results, &s.table) != 0;
    return s;
}

// The section properties of rows, divided back to picture dots by scale.
inline Properties PropertiesOf(const std::vector<TraceRow>& rows, double scale = 1.0) {
    const Section s = Integrated(rows);
    const double r = scale, r4 = r * r * r * r;
    return {s.ok,
            s[OS_AREA] / (r * r),
            s[OS_CENTROID_X] / r,
            s[OS_CENTROID_Y] / r,
            s[OS_I_MAX] / r4,
            s[OS_I_MIN] / r4};
}

struct Errors {
    double areaPercent = 0, centroid = 0, iMaxPercent = 0, iMinPercent = 0;
};

inline Errors ErrorsOf(const Properties& got, const Properties& want) {
    auto percent = [](double a, double b) { return 100 * std::abs(a - b) / std::abs(b); };
    return {percent(got.area, want.area), std::hypot(got.xC - want.xC, got.yC - want.yC),
            percent(got.iMax, want.iMax), percent(got.iMin, want.iMin)};
}

// The rows a perfect click at whole display dots gives at magnification
// scale: every row's point on the nearest dot, in picture dots.
inline std::vector<TraceRow> ClickedRows(const std::vector<TraceRow>& rows, double scale) {
    std::vector<TraceRow> clicked = rows;
    for (TraceRow& r : clicked) {
        r.x = std::round(r.x * scale) / scale;
        r.y = std::round(r.y * scale) / scale;
    }
    return clicked;
}

}  // namespace figpic
