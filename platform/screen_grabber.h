// Reading the screen: the grabber the image-conversion library captures
// screen rectangles with, the screen-zone capture and the zone flash.
#pragma once

#include <cstdint>

class QImage;
class QRect;

namespace platform {

// Copies the screen rectangle (left, top, width x height, in screen
// coordinates of the desktop) into rgb (width x height x 3 bytes, red, green,
// blue, top row first). Parts outside every screen read black. In a Wayland
// session the desktop's screenshot portal is asked first. Returns 0, or -1
// when the screen cannot be read or the rectangle lies outside every screen.
std::int32_t GrabScreenRectangle(std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height, std::uint8_t* rgb);

// The same rectangle as an image; null when the screen cannot be read.
QImage GrabScreenImage(const QRect& rectangle);

// Bits per pixel of the primary screen (32 when there is none).
int ScreenDepth();

// Registers GrabScreenRectangle with the library; called once at start-up.
void InstallScreenGrabber();

}  // namespace platform
