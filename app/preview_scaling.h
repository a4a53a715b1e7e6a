// The main dialog's preview picture: the scale that fits an image into the
// preview box, and the point-sampled picture at that scale.
#pragma once

#include <cstdint>

#include "render/display_raster.h"

// The smaller of boxWidth / imageWidth and boxHeight / imageHeight (double
// precision); a picture smaller than the box is enlarged. 0 for an empty
// image or box.
double PreviewFitScale(int boxWidth, int boxHeight, int imageWidth, int imageHeight);

// Output length for a source length at scale s: length x s truncated toward
// zero.
int ScaledLength(int sourceLength, double s);

// Source index that output position `index` (of `outLength`) copies, for a
// source of `sourceLength` at scale s: the output's centre lands on the
// source's centre, (index - outLength/2 + s (sourceLength - 1)/2) / s
// truncated toward zero, kept inside the source.
int PreviewSourceIndex(int index, int outLength, int sourceLength, double s);

// Point-sampled picture of a width x height RGB image at scale s: each
// output pixel copies one image pixel. The result is laid out like the
// viewer's display raster (red first, rows top-down, no padding), ready for
// the same conversion to the screen.
DisplayRaster BuildPreviewPixels(const std::uint8_t* rgb, int width, int height, double s);

// Where the preview takes its dots: the image itself (reduction 1) or a copy
// of it reduced by `reduction`, each of its dots (x, y) standing for the
// reduction x reduction block of image dots that begins at
// (x * reduction, y * reduction).
struct PreviewSource {
    const std::uint8_t* rgb = nullptr;
    int width = 0;
    int height = 0;
    int reduction = 1;
};

// The same picture for an image of imageWidth x imageHeight dots at scale s,
// its size and sampled places computed from the image's full size; each
// output pixel copies the source dot that stands for the image dot the rule
// picks (kept inside the source).
DisplayRaster BuildPreviewPixels(const PreviewSource& source, int imageWidth, int imageHeight, double s);
