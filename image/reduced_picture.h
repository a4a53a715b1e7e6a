// A picture held at a reduced size for a small view of it, with the size of
// the picture it stands for.
#pragma once

#include "image/pixel_buffer.h"

struct ReducedPicture {
    // The picture's own size.
    int fullWidth = 0;
    int fullHeight = 0;
    // Each held dot (x, y) stands for the reduction x reduction block of the
    // picture's dots whose top-left dot is (x * reduction, y * reduction);
    // 1 when the picture is held whole.
    int reduction = 1;
    // The held dots: width x height x 3 bytes, red first, rows top-down.
    int width = 0;
    int height = 0;
    PixelBuffer rgb;
};
