#include "platform/screen_grabber.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstring>

#include "kivra/kivra.h"

namespace platform {

std::int32_t GrabScreenRectangle(std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height, std::uint8_t* rgb) {
    if (rgb == nullptr || width <= 0 || height <= 0) return -1;
    QScreen* screen = QGuiApplication::screenAt(QPoint(left, top));
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return -1;
    const QRect area = screen->geometry();
    const QPixmap pixmap = screen->grabWindow(0, left - area.x(), top - area.y(), width, height);
    if (pixmap.isNull()) return -1;
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB888);
    // A screen with a device pixel ratio gives more pixels than asked for.
    if (image.width() != width || image.height() != height)
        image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image.width() != width || image.height() != height) return -1;
    const std::size_t rowBytes = std::size_t(width) * 3;
    for (int y = 0; y < height; ++y) std::memcpy(rgb + std::size_t(y) * rowBytes, image.constScanLine(y), rowBytes);
    return 0;
}

void InstallScreenGrabber() {
    kvSetGrabber(
        [](void*, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
           std::uint8_t* rgb) { return GrabScreenRectangle(left, top, width, height, rgb); },
        nullptr);
}

}  // namespace platform
