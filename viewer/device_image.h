// The device raster as the paint draws it: a QImage that wraps its bytes in
// place (no copy, no resampling), and the screen layout chosen for a depth.
#pragma once

#include <QImage>

struct DeviceRaster;

// The layout of the device raster for a screen of screenDepth bits per
// pixel: 16 and 24 as they are, 32 for deeper screens; shallower screens
// take the 16-bit layout.
int DeviceLayoutDepth(int screenDepth);

// An image over device.pixels with the format and row length of its layout.
// Valid while device is neither changed nor destroyed. Null when the raster
// is empty or its layout is not one of 16, 24 and 32 bits.
QImage DeviceImage(const DeviceRaster& device);
