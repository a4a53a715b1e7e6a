// The capture behind the main dialog's button "カット＆View": the screen
// zone opened in a new viewer beside the data edit window.
#pragma once

#include "app/settings_record.h"
#include "image/screen_zone_capture.h"

class QWidget;
class ViewerRegistry;
class ViewerWindows;

class QImage;

// The desktop the program runs on, read through the platform layer; in a
// Wayland session a grab that reads all black counts as unseen.
ScreenSource DesktopScreen();

// image's pixels as a capture takes them; false for a null image.
bool PictureFromImage(const QImage& image, ScreenPicture& picture);

// Captures zone from screen as the image "カット画像" of kind IMG_CUT in a
// free slot and opens it as a captured picture's viewer. The slot search
// and the conversion failure show their messages over owner, the capture's
// own over the window that has the focus. 0 when the viewer opened, -1
// otherwise.
int CaptureZoneViewer(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows, const ZoneRect& zone,
                      const ScreenSource& screen = DesktopScreen());
