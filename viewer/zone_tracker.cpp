#include "viewer/zone_tracker.h"

#include <QBrush>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include "platform/pointer_pixel.h"
#include "res/move_cursor.h"

namespace {

QRect ToQRect(const TrackerZone& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

}  // namespace

ZoneTracker::ZoneTracker(QWidget* client, std::function<bool()> shown,
                         std::function<void(const TrackerZone&)> tracked)
    : QObject(client), client_(client), shown_(std::move(shown)), tracked_(std::move(tracked)),
      moveCursor_(MoveCursor()) {
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    // Escape reaches the viewer window, which has the keyboard.
    client_->window()->installEventFilter(this);
}

void ZoneTracker::Paint(QPainter& painter, const TrackerZone& rect) {
    if (!tracker_.dragging()) tracker_.SetRect(rect);
    lastDrawn_ = tracker_.rect();
    painter.save();
    const QRegion band =
        QRegion(ToQRect(tracker_.BorderOuter())).subtracted(QRegion(ToQRect(tracker_.BorderInner())));
    painter.setClipRegion(band);
    painter.fillRect(ToQRect(tracker_.BorderOuter()), QBrush(Qt::black, Qt::BDiagPattern));
    painter.setClipping(false);
    for (const TrackerZone& square : tracker_.HandleSquares()) painter.fillRect(ToQRect(square), Qt::black);
    painter.restore();
}

bool ZoneTracker::ButtonDown(QPoint point, const TrackerZone& rect) {
    tracker_.SetRect(rect);
    return tracker_.Begin(point.x(), point.y());
}

void ZoneTracker::Hover(QPoint point) {
    if (!shown_()) return;
    overHandle_ = HandleWithinReach(lastDrawn_, point.x(), point.y()) ? 1 : 2;
    if (overHandle_ == 1)
        client_->setCursor(moveCursor_);
    else
        client_->unsetCursor();
}

void ZoneTracker::Release() {
    if (tracker_.End()) tracked_(tracker_.rect());
    client_->update();
}

bool ZoneTracker::eventFilter(QObject* watched, QEvent* event) {
    const bool onClient = watched == client_;
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (!onClient) break;
        const QPoint p = platform::PointerPixel(*client_, *static_cast<QMouseEvent*>(event));
        if (tracker_.dragging()) {
            tracker_.MoveTo(p.x(), p.y());
            client_->update();
            return true;
        }
        Hover(p);
        break;
    }
    case QEvent::MouseButtonRelease:
        if (onClient && tracker_.dragging() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Release();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        // Another button during a drag cancels it.
        if (onClient && tracker_.dragging()) {
            tracker_.Cancel();
            client_->update();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (tracker_.dragging() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            tracker_.Cancel();
            client_->update();
            return true;
        }
        break;
    default: break;
    }
    return false;
}
