// A pinhole camera looking at the plane z = 0 (millimetres) from above,
// tilted about its horizontal axis: where a plane point lands in the photo,
// in dots. Lines of the plane stay lines in the photo; circles become
// ellipses.
#pragma once

#include <cmath>
#include <numbers>

#include "plane/homography.h"

struct TiltedCamera {
    double tiltDeg = 25;
    double distanceMm = 400;  // from the plane's centre point
    double focalDots = 900;
    double centreXMm = 120;  // the plane point the camera aims at
    double centreYMm = 90;
    double photoCentreX = 320;  // where that point lands
    double photoCentreY = 240;

    plane::Point Photo(plane::Point p) const {
        const double a = tiltDeg * std::numbers::pi / 180;
        const double x = p.x - centreXMm, y = p.y - centreYMm;
        // Turned about the camera's x axis, then moved distanceMm away.
        const double cx = x, cy = std::cos(a) * y, cz = std::sin(a) * y + distanceMm;
        return {photoCentreX + focalDots * cx / cz, photoCentreY + focalDots * cy / cz};
    }
};
