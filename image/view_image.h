// One viewer slot's image with the two display values the viewer reads and
// writes: the display scale and the display-mode flag.
#pragma once

#include "image/image_data.h"

class CViewImage {
public:
    CImageData image;
    double displayScale = 1.0;  // 1.0 is 100 %
    int displayMode = 0;
};
