#include "app/zone_capture.h"

#include <QApplication>
#include <QWidget>

#include "app/image_file_opener.h"
#include "app/viewer_windows.h"
#include "image/image_data.h"
#include "platform/message_box.h"
#include "platform/screen_grabber.h"
#include "res/texts_capture.h"

ScreenSource DesktopScreen() {
    return {platform::ScreenDepth, [](int left, int top, int width, int height, std::uint8_t* rgb) {
                return platform::GrabScreenRectangle(left, top, width, height, rgb) == 0;
            }};
}

int CaptureZoneViewer(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows, const ZoneRect& zone,
                      const ScreenSource& screen) {
    const auto load = [&](CImageData& image) {
        Notice notice;
        const bool captured = CaptureScreenZone(image, zone.left, zone.top, zone.right, zone.bottom, screen, &notice);
        QWidget* focused = QApplication::activeWindow();
        platform::ShowNotice(focused ? focused : owner, notice);
        return captured;
    };
    const auto attach = [&](int slot) { return windows.OpenBesideEditWindow(slot); };
    return OpenSlotViewer(owner, registry, IMG_CUT, load, texts::ZONE_CONVERT_FAILED, attach);
}
