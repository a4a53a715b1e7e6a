#include "platform/screen_grabber.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cstring>

#include "kivra/kivra.h"
#include "platform/display_session.h"
#include "platform/screenshot_portal.h"

namespace platform {

namespace {

// Draws source, which shows the desktop area sourceArea, into canvas, which
// shows rectangle; a source of another size than its area is scaled.
void DrawPart(QImage& canvas, const QRect& rectangle, const QImage& source, const QRect& sourceArea) {
    QPainter painter(&canvas);
    painter.drawImage(QRect(sourceArea.topLeft() - rectangle.topLeft(), sourceArea.size()), source);
}

// The desktop through the portal, cut to rectangle.
bool GrabThroughPortal(QImage& canvas, const QRect& rectangle) {
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return false;
    const QImage desktop = PortalScreenshot();
    if (desktop.isNull()) return false;
    DrawPart(canvas, rectangle, desktop, primary->virtualGeometry());
    return true;
}

// Each screen's share of rectangle through the window system.
bool GrabFromScreens(QImage& canvas, const QRect& rectangle) {
    bool any = false;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const QRect part = rectangle.intersected(area);
        if (part.isEmpty()) continue;
        const QPixmap pixmap = screen->grabWindow(0, part.x() - area.x(), part.y() - area.y(), part.width(),
                                                  part.height());
        if (pixmap.isNull()) return false;
        // A screen with a device pixel ratio gives more pixels than asked for.
        DrawPart(canvas, rectangle, pixmap.toImage(), part);
        any = true;
    }
    return any;
}

}  // namespace

QImage GrabScreenImage(const QRect& rectangle) {
    if (rectangle.isEmpty()) return {};
    QImage canvas(rectangle.size(), QImage::Format_RGB32);
    if (canvas.isNull()) return {};
    canvas.fill(Qt::black);
    if (IsWaylandSession() && GrabThroughPortal(canvas, rectangle)) return canvas;
    if (GrabFromScreens(canvas, rectangle)) return canvas;
    return {};
}

std::int32_t GrabScreenRectangle(std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height, std::uint8_t* rgb) {
    if (rgb == nullptr || width <= 0 || height <= 0) return -1;
    const QImage grabbed = GrabScreenImage(QRect(left, top, width, height));
    if (grabbed.isNull()) return -1;
    const QImage image = grabbed.convertToFormat(QImage::Format_RGB888);
    if (image.width() != width || image.height() != height) return -1;
    const std::size_t rowBytes = std::size_t(width) * 3;
    for (int y = 0; y < height; ++y) std::memcpy(rgb + std::size_t(y) * rowBytes, image.constScanLine(y), rowBytes);
    return 0;
}

int ScreenDepth() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->depth() : 32;
}

void InstallScreenGrabber() {
    kvSetGrabber(
        [](void*, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
           std::uint8_t* rgb) { return GrabScreenRectangle(left, top, width, height, rgb); },
        nullptr);
}

}  // namespace platform
