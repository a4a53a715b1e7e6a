#include "platform/zone_flash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "platform/screen_grabber.h"

namespace platform {

ZoneFlash::ZoneFlash() = default;
ZoneFlash::~ZoneFlash() = default;

QWidget* ZoneFlash::window() const { return shown_ ? window_.get() : nullptr; }

void ZoneFlash::Toggle(const QRect& zone) {
    if (shown_)
        Hide();
    else
        Show(zone);
}

void ZoneFlash::Show(const QRect& zone) {
    QScreen* primary = QGuiApplication::primaryScreen();
    // Only what lies on a screen can be seen.
    const QRect area = primary != nullptr ? zone.normalized().intersected(primary->virtualGeometry()) : QRect();
    QImage original = area.isEmpty() ? QImage() : GrabScreenImage(area);
    sawScreen_ = area.isEmpty() || !original.isNull();
    if (!area.isEmpty() && original.isNull()) {
        original = QImage(area.size(), QImage::Format_RGB32);
        original.fill(Qt::black);
    }
    // A shown flash was grabbed with the rest of the screen.
    if (window() != nullptr && !original.isNull() && area.intersects(area_)) {
        QPainter painter(&original);
        painter.drawImage(area_.topLeft() - area.topLeft(), original_);
    }
    shown_ = true;
    area_ = area;
    original_ = original;
    if (area_.isEmpty()) {
        if (window_) window_->hide();
        return;
    }
    QImage inverted = original_;
    inverted.invertPixels();

    if (!window_) {
        window_ = std::make_unique<QLabel>(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                                        Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                                                        Qt::X11BypassWindowManagerHint | Qt::Tool);
        window_->setObjectName(QStringLiteral("zoneFlash"));
        window_->setAttribute(Qt::WA_ShowWithoutActivating);
        window_->setAttribute(Qt::WA_TransparentForMouseEvents);
        window_->setContentsMargins(0, 0, 0, 0);
    }
    window_->setPixmap(QPixmap::fromImage(inverted));
    window_->setGeometry(area_);
    window_->show();
    window_->raise();
}

void ZoneFlash::Hide() {
    shown_ = false;
    if (window_) window_->hide();
}

}  // namespace platform
