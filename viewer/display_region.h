// Any rectangle of the display image (the image resampled to the display
// scale), made by the one routine that the full-frame RenderDisplay also
// runs: every dot is the same whatever the rectangle's offset. The viewer
// renders what it shows this way and never holds the whole display image.
#pragma once

#include <cstddef>
#include <cstdint>

class CImageData;
struct DisplayRaster;

// A rectangle of display dots: left, top, width, height.
struct DisplayRegion {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Width and height of the display image, in display dots.
struct DisplaySize {
    int width = 0;
    int height = 0;
};

// The most dots one side of the display image may have: what a coordinate
// cell holds. The viewer's scroll ranges (three times a side) stay within
// int below it.
constexpr int MAX_DISPLAY_SIDE = 99999999;

// Size of the display image of an imageWidth x imageHeight image at scale:
// each side multiplied and truncated toward zero (the image's own size at
// exactly 1.0). False when the scale is not above 0 or a side would exceed
// MAX_DISPLAY_SIDE.
bool DisplayImageSize(int imageWidth, int imageHeight, double scale, int& width, int& height);

// Makes raster the dots of region of the display image at scale. False, with
// raster unchanged, when the image has no picture, the scale is refused by
// DisplayImageSize, the region does not lie within the display image or the
// raster cannot be allocated. Runs on the caller's thread.
bool RenderDisplayRegion(const CImageData& image, double scale, const DisplayRegion& region,
                         DisplayRaster& raster);

// The routine both share, unchecked: region of the displayWidth x
// displayHeight display image of image at scale into out, region.height rows
// of region.width dots (3 bytes each), rowBytes apart. The image must hold
// its picture and the region must lie within the display image. Does not
// throw but std::bad_alloc for its few working buffers.
void ResampleRegion(const CImageData& image, double scale, int displayWidth, int displayHeight,
                    const DisplayRegion& region, std::uint8_t* out, std::size_t rowBytes);
