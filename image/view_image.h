// One viewer slot's image with the two display values the viewer reads and
// writes: the display scale and the display-mode flag.
#pragma once

#include <string>

#include "image/image_data.h"
#include "plane/plane_setting.h"

class CViewImage {
public:
    CImageData image;
    double displayScale = 1.0;  // 1.0 is 100 %
    int displayMode = 0;
    // The picture file's full path (empty for captures) and its real-unit
    // scale, millimetres per dot of the source image (0: none set).
    std::string sourcePath;
    double mmPerDot = 0;
    // The perspective plane set on the picture (photo points in source
    // dots); while set it replaces mmPerDot.
    plane::PlaneSetting plane;
};
