// Reading the screen: the grabber the image-conversion library captures
// screen rectangles with, the screen-zone capture and the zone flash.
#pragma once

#include <cstdint>

#include <QtGlobal>

class QImage;
class QRect;
class QSize;

namespace platform {

// Copies the screen rectangle (left, top, width x height, in screen
// coordinates of the desktop) into rgb (width x height x 3 bytes, red, green,
// blue, top row first). Parts outside every screen read black. In a Wayland
// session only the desktop's screenshot portal is asked, and its device
// pixels are scaled to the rectangle. Returns 0, or -1 when the screen
// cannot be read or the rectangle lies outside every screen.
std::int32_t GrabScreenRectangle(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                                 std::uint8_t* rgb);

// The same rectangle as an image; null when the screen cannot be read. In a
// Wayland session it holds the portal's device pixels (twice each side at a
// scale of 2), with the image's device pixel ratio set to match.
QImage GrabScreenImage(const QRect& rectangle);

// Writes image's pixels into rgb (width x height x 3 bytes, red, green,
// blue, top row first); false when it cannot be converted.
bool CopyRgbRows(const QImage& image, std::uint8_t* rgb);

// Device pixels per desktop pixel of a portal picture of the whole desktop:
// the screen's device pixel ratio as the compositor applies it (Qt on
// XWayland sees a ratio of 1 there). 1 for a picture no wider than the
// desktop.
qreal PortalPixelRatio(const QSize& picture, const QSize& desktop);

// The pixels of a full-desktop picture taken at ratio that show rectangle
// (desktop coordinates; desktop: the desktop's area): every device pixel
// the rectangle touches.
QRect DevicePixelRect(const QRect& rectangle, const QRect& desktop, qreal ratio);

// Bits per pixel of the primary screen (32 when there is none).
int ScreenDepth();

// Registers GrabScreenRectangle with the library; called once at start-up.
void InstallScreenGrabber();

}  // namespace platform
