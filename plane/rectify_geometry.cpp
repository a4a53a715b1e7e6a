#include "plane/rectify_geometry.h"

#include <algorithm>
#include <cmath>

namespace plane {

namespace {

// The corrected picture reaches at most this many rectangle widths
// (heights) beyond the rectangle on each side.
constexpr double kReach = 2;
// Dots by which a computed size may exceed a whole number and still count as it.
constexpr double kHair = 1e-6;

}  // namespace

RectifyPlan PlanRectify(const Homography& toPlane, double widthMm, double heightMm, int sourceWidth,
                        int sourceHeight, double dotsPerMm, std::int64_t mostDots,
                        RectifyGeometry& geometry) {
    if (!(widthMm > 0) || !(heightMm > 0) || sourceWidth <= 0 || sourceHeight <= 0)
        return RectifyPlan::NoPlane;
    double left = -kReach * widthMm, right = (1 + kReach) * widthMm;
    double top = -kReach * heightMm, bottom = (1 + kReach) * heightMm;
    // The photo's own corners bound it more closely when all lie before
    // the horizon.
    const Point corners[4] = {{0, 0},
                              {double(sourceWidth - 1), 0},
                              {double(sourceWidth - 1), double(sourceHeight - 1)},
                              {0, double(sourceHeight - 1)}};
    if (std::all_of(std::begin(corners), std::end(corners), [&](Point p) { return toPlane.W(p) > 0; })) {
        double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
        for (const Point& c : corners) {
            const Point p = toPlane.Map(c);
            x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
        }
        left = std::max(left, x0), right = std::min(right, x1), top = std::max(top, y0),
        bottom = std::min(bottom, y1);
    }
    if (!(right > left) || !(bottom > top)) return RectifyPlan::NoPlane;
    if (!(dotsPerMm > 0) || !std::isfinite(dotsPerMm))
        dotsPerMm = std::sqrt(double(sourceWidth) * sourceHeight / ((right - left) * (bottom - top)));
    // Whole dots, a size a hair over a whole number (rounding) not counted.
    const double w = std::ceil((right - left) * dotsPerMm - kHair),
                 h = std::ceil((bottom - top) * dotsPerMm - kHair);
    if (!(w * h <= double(mostDots)) || w > 65535 || h > 65535) return RectifyPlan::TooLarge;
    Homography planeToSource;
    if (!toPlane.Inverse(planeToSource)) return RectifyPlan::NoPlane;
    geometry.width = std::max(1, int(w));
    geometry.height = std::max(1, int(h));
    geometry.dotsPerMm = dotsPerMm;
    geometry.originXMm = left;
    geometry.originYMm = top;
    const Homography outToPlane({1 / dotsPerMm, 0, left, 0, 1 / dotsPerMm, top, 0, 0, 1});
    const Homography planeToOut({dotsPerMm, 0, -left * dotsPerMm, 0, dotsPerMm, -top * dotsPerMm, 0, 0, 1});
    geometry.outToSource = outToPlane.Then(planeToSource);
    geometry.sourceToOut = toPlane.Then(planeToOut);
    return RectifyPlan::Ok;
}

}  // namespace plane
