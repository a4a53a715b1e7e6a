#include "app/zone_capture.h"

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstring>

#include "app/image_file_opener.h"
#include "app/viewer_windows.h"
#include "image/image_data.h"
#include "platform/display_session.h"
#include "platform/message_box.h"
#include "platform/screen_grabber.h"
#include "res/texts_capture.h"

bool PictureFromImage(const QImage& image, ScreenPicture& picture) {
    if (image.isNull()) return false;
    const QImage rows = image.convertToFormat(QImage::Format_RGB888);
    const std::size_t rowBytes = std::size_t(rows.width()) * 3;
    picture.width = rows.width();
    picture.height = rows.height();
    picture.rgb.resize(rowBytes * std::size_t(rows.height()));
    for (int y = 0; y < rows.height(); ++y)
        std::memcpy(picture.rgb.data() + rowBytes * std::size_t(y), rows.constScanLine(y), rowBytes);
    return true;
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
