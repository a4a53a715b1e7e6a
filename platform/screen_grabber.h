// The screen grabber the image-conversion library captures screen
// rectangles with.
#pragma once

#include <cstdint>

namespace platform {

// Copies the screen rectangle (left, top, width x height, in screen
// coordinates of the desktop) into rgb (width x height x 3 bytes, red, green,
// blue, top row first). Returns 0, or -1 when the screen cannot be read.
std::int32_t GrabScreenRectangle(std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height, std::uint8_t* rgb);

// Registers GrabScreenRectangle with the library; called once at start-up.
void InstallScreenGrabber();

}  // namespace platform
