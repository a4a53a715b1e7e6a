#include "platform/pointer_pixel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointF>
#include <QWidget>
#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

namespace platform {
namespace {

// The pointer over the native window of top, in device pixels.
std::optional<QPointF> DevicePointer(const QWidget& top) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto window = static_cast<xcb_window_t>(top.winId());
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr), &std::free);
    if (!reply || !reply->same_screen) return std::nullopt;
    return QPointF(reply->win_x, reply->win_y);
}

}  // namespace

QPoint PointerPixel(const QWidget& widget, const QMouseEvent& event) {
    QPointF local = event.position();
    const QWidget* top = widget.window();
    const double ratio = top->devicePixelRatioF();
    if (ratio > 1) {
        if (const std::optional<QPointF> device = DevicePointer(*top)) {
            const QPointF precise = widget.mapFrom(top, *device / ratio);
            if (std::abs(precise.x() - local.x()) <= 1 && std::abs(precise.y() - local.y()) <= 1) local = precise;
        }
    }
    return {static_cast<int>(std::floor(local.x())), static_cast<int>(std::floor(local.y()))};
}

}  // namespace platform
