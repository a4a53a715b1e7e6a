#include "platform/window_placement.h"

#include <QApplication>
#include <QLayout>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "platform/screen_fit.h"

namespace platform {
namespace {

QMargins OwnFrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect AvailableAreaAt(const QWidget& window, QPoint point) {
    QScreen* screen = QApplication::screenAt(point);
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) screen = QApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

QMargins ExpectedFrameMargins(const QWidget& window) {
    const QMargins own = OwnFrameMargins(window);
    if (!own.isNull()) return own;
    if (window.parentWidget() != nullptr) return OwnFrameMargins(*window.parentWidget()->window());
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        const QMargins margins = other->isVisible() ? OwnFrameMargins(*other) : QMargins();
        if (!margins.isNull()) return margins;
    }
    return own;
}

void PlaceClientAt(QWidget& window, QPoint clientTopLeft) {
    // A window not shown yet takes the size its layout gives it first.
    if (!window.isVisible() && window.layout() != nullptr) window.layout()->activate();
    const QMargins margins = ExpectedFrameMargins(window);
    const QRect client(clientTopLeft, window.size());
    const QRect fitted = FitToScreen(client.marginsAdded(margins), AvailableAreaAt(window, clientTopLeft));
    // setGeometry places the client area, whether or not the window is framed yet.
    window.setGeometry(fitted.marginsRemoved(margins));
}

void PlaceFrameAt(QWidget& window, QPoint frameTopLeft) {
    const QMargins margins = ExpectedFrameMargins(window);
    PlaceClientAt(window, frameTopLeft + QPoint(margins.left(), margins.top()));
}

}  // namespace platform
