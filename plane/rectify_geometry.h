// Where the corrected picture lies in the plane: output dot (X, Y) shows
// the plane point (originX + X / D, originY + Y / D) mm. It covers what the
// photo shows of the plane, but no further than kReach rectangle sizes on
// each side of the rectangle (a photo reaching the horizon would have no
// end).
#pragma once

#include <cstdint>

#include "plane/homography.h"

namespace plane {

struct RectifyGeometry {
    int width = 0;
    int height = 0;
    double dotsPerMm = 0;
    double originXMm = 0;
    double originYMm = 0;
    Homography outToSource;  // output dots -> photo source dots
    Homography sourceToOut;  // photo source dots -> output dots
};

enum class RectifyPlan { Ok, NoPlane, TooLarge };

// toPlane: photo source dots -> plane mm (PlaneFit::toPlane); the photo is
// sourceWidth x sourceHeight dots. dotsPerMm 0 chooses as many dots as the
// photo has. More than mostDots output dots is TooLarge.
RectifyPlan PlanRectify(const Homography& toPlane, double widthMm, double heightMm, int sourceWidth,
                        int sourceHeight, double dotsPerMm, std::int64_t mostDots, RectifyGeometry& geometry);

}  // namespace plane
