#include "platform/window_placement.h"

#include <QApplication>
#include <QLayout>
#include <QRect>
#include <QScreen>
#include <QTimer>
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

QRect FittedClient(const QWidget& window, QPoint clientTopLeft, const QMargins& margins) {
    const QRect client(clientTopLeft, window.size());
    const QRect fitted = FitToScreen(client.marginsAdded(margins), AvailableAreaAt(window, clientTopLeft));
    return fitted.marginsRemoved(margins);
}

// A window placed before any window of the program was framed was fitted to
// the screen without its frame. This looks for the frame for a short while
// after the window shows and, once the frame is there, fits the window again
// with it, then goes.
class FitWhenFramed : public QObject {
public:
    FitWhenFramed(QWidget& window, QPoint clientTopLeft)
        : QObject(&window), window_(window), asked_(clientTopLeft) {
        setObjectName(QString::fromLatin1(kName));
        timer_.setInterval(kLookEveryMs);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
        timer_.start();
    }

    static void Drop(QWidget& window) {
        delete window.findChild<QObject*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly);
    }

private:
    static constexpr char kName[] = "fitWhenFramed";
    static constexpr int kLookEveryMs = 50;
    static constexpr int kLooks = 60;

    void Look() {
        const QMargins margins = OwnFrameMargins(window_);
        if (window_.isVisible() && !margins.isNull()) {
            const QRect client = FittedClient(window_, asked_, margins);
            if (window_.geometry() != client) window_.setGeometry(client);
        } else if (++looks_ < kLooks) {
            return;
        }
        timer_.stop();
        deleteLater();
    }

    QWidget& window_;
    QPoint asked_;
    QTimer timer_;
    int looks_ = 0;
};

// Puts the client area at clientTopLeft, fitted with margins as its frame.
void Place(QWidget& window, QPoint clientTopLeft, const QMargins& margins) {
    // A window not shown yet takes the size its layout gives it first.
    if (!window.isVisible() && window.layout() != nullptr) window.layout()->activate();
    FitWhenFramed::Drop(window);
    // setGeometry places the client area, whether or not the window is framed yet.
    window.setGeometry(FittedClient(window, clientTopLeft, margins));
    if (OwnFrameMargins(window).isNull()) new FitWhenFramed(window, clientTopLeft);
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
    Place(window, clientTopLeft, ExpectedFrameMargins(window));
}

void PlaceFrameAt(QWidget& window, QPoint frameTopLeft) {
    const QMargins margins = ExpectedFrameMargins(window);
    Place(window, frameTopLeft + QPoint(margins.left(), margins.top()), margins);
}

}  // namespace platform
