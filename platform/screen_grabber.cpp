#include "platform/screen_grabber.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cmath>
#include <cstring>

#include "kivra/kivra.h"
#include "platform/display_session.h"
#include "platform/screenshot_portal.h"

namespace platform {

namespace {

// Rounding error tolerated before a device pixel counts as a further one.
constexpr qreal kPixelSlack = 1e-6;

// A black picture of size; null when it cannot be held.
QImage BlackCanvas(const QSize& size) {
    QImage canvas(size, QImage::Format_RGB32);
    if (!canvas.isNull()) canvas.fill(Qt::black);
    return canvas;
}

// Draws source, which shows the desktop area sourceArea, into canvas, which
// shows rectangle; a source of another size than its area is scaled.
void DrawPart(QImage& canvas, const QRect& rectangle, const QImage& source, const QRect& sourceArea) {
    QPainter painter(&canvas);
    painter.drawImage(QRect(sourceArea.topLeft() - rectangle.topLeft(), sourceArea.size()), source);
}

// The desktop through the portal, cut to rectangle in the picture's own
// pixels; null when the portal gives no picture.
QImage GrabThroughPortal(const QRect& rectangle) {
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return {};
    const QImage desktop = PortalScreenshot();
    if (desktop.isNull()) return {};
    const QRect area = primary->virtualGeometry();
    const qreal ratio = PortalPixelRatio(desktop.size(), area.size());
    const QRect device = DevicePixelRect(rectangle, area, ratio);
    QImage canvas = BlackCanvas(device.size());
    if (canvas.isNull()) return {};
    // The picture's own pixels are the device pixels.
    DrawPart(canvas, device, desktop, desktop.rect());
    canvas.setDevicePixelRatio(ratio);
    return canvas;
}

// Each screen's share of rectangle through the window system.
bool GrabFromScreens(QImage& canvas, const QRect& rectangle) {
    bool any = false;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const QRect part = rectangle.intersected(area);
        if (part.isEmpty()) continue;
        const QPixmap pixmap =
            screen->grabWindow(0, part.x() - area.x(), part.y() - area.y(), part.width(), part.height());
        if (pixmap.isNull()) return false;
        // A screen with a device pixel ratio gives more pixels than asked for.
        DrawPart(canvas, rectangle, pixmap.toImage(), part);
        any = true;
    }
    return any;
}

}  // namespace

qreal PortalPixelRatio(const QSize& picture, const QSize& desktop) {
    if (picture.isEmpty() || desktop.isEmpty() || picture.width() <= desktop.width()) return 1.0;
    return qreal(picture.width()) / desktop.width();
}

QRect DevicePixelRect(const QRect& rectangle, const QRect& desktop, qreal ratio) {
    const auto device = [ratio](int from, int to, bool last) {
        const qreal value = (qint64(to) - from) * ratio;
        return int(last ? std::ceil(value - kPixelSlack) : std::floor(value + kPixelSlack));
    };
    const int left = device(desktop.x(), rectangle.x(), false);
    const int top = device(desktop.y(), rectangle.y(), false);
    const int right = device(desktop.x(), rectangle.x() + rectangle.width(), true);
    const int bottom = device(desktop.y(), rectangle.y() + rectangle.height(), true);
    return QRect(left, top, right - left, bottom - top);
}

QImage GrabScreenImage(const QRect& rectangle) {
    if (rectangle.isEmpty()) return {};
    // In a Wayland session the X server reads what it does not own as
    // black: only the portal sees the screen.
    if (IsWaylandSession()) return GrabThroughPortal(rectangle);
    QImage canvas = BlackCanvas(rectangle.size());
    if (canvas.isNull() || !GrabFromScreens(canvas, rectangle)) return {};
    return canvas;
}

bool CopyRgbRows(const QImage& image, std::uint8_t* rgb) {
    const QImage rows = image.convertToFormat(QImage::Format_RGB888);
    if (rows.isNull()) return false;
    const std::size_t rowBytes = std::size_t(rows.width()) * 3;
    for (int y = 0; y < rows.height(); ++y)
        std::memcpy(rgb + std::size_t(y) * rowBytes, rows.constScanLine(y), rowBytes);
    return true;
}

std::int32_t GrabScreenRectangle(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                                 std::uint8_t* rgb) {
    if (rgb == nullptr || width <= 0 || height <= 0) return -1;
    QImage grabbed = GrabScreenImage(QRect(left, top, width, height));
    if (grabbed.isNull()) return -1;
    // The library takes the rectangle's own size.
    if (grabbed.size() != QSize(width, height))
        grabbed = grabbed.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (grabbed.size() != QSize(width, height)) return -1;
    return CopyRgbRows(grabbed, rgb) ? 0 : -1;
}

int ScreenDepth() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->depth() : 32;
}

void InstallScreenGrabber() {
    kvSetGrabber([](void*, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                    std::uint8_t* rgb) { return GrabScreenRectangle(left, top, width, height, rgb); },
                 nullptr);
}

}  // namespace platform
