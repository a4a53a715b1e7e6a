#include "app/zone_capture.h"

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QWidget>

#include "app/image_file_opener.h"
#include "app/viewer_windows.h"
#include "image/image_data.h"
#include "platform/display_session.h"
#include "platform/message_box.h"
#include "platform/screen_grabber.h"
#include "res/texts_capture.h"

bool PictureFromImage(const QImage& image, ScreenPicture& picture) {
    if (image.isNull()) return false;
    picture.width = image.width();
    picture.height = image.height();
    picture.rgb.resize(std::size_t(image.width()) * image.height() * 3);
    return platform::CopyRgbRows(image, picture.rgb.data());
}

ScreenSource DesktopScreen() {
    ScreenSource screen;
    screen.depth = platform::ScreenDepth;
    screen.grab = [](int left, int top, int width, int height, ScreenPicture& picture) {
        return PictureFromImage(platform::GrabScreenImage(QRect(left, top, width, height)), picture);
    };
    screen.blackMeansUnseen = platform::IsWaylandSession();
    return screen;
}

int CaptureZoneViewer(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows, const ZoneRect& zone,
                      const ScreenSource& screen) {
    const auto load = [&](CImageData& image) {
        Notice notice;
        const bool captured =
            CaptureScreenZone(image, zone.left, zone.top, zone.right, zone.bottom, screen, &notice);
        QWidget* focused = QApplication::activeWindow();
        platform::ShowNotice(focused ? focused : owner, notice);
        return captured;
    };
    const auto attach = [&](int slot) { return windows.OpenBesideEditWindow(slot); };
    return OpenSlotViewer(owner, registry, IMG_CUT, load, texts::ZONE_CONVERT_FAILED, attach);
}
