// The viewer's cut-out tracker on the screen: draws the tracker's rectangle
// with its hatched border and handles, follows a drag from a handle or the
// inside until the button is released, and shows the move cursor while the
// mouse is within reach of a handle. It watches the client area's mouse
// moves and releases; the viewer hands it the presses.
#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <functional>

#include "viewer/rect_tracker.h"

class QPainter;
class QWidget;

class ZoneTracker : public QObject {
public:
    // shown: whether the viewer shows the zone; tracked: receives the
    // rectangle, in client coordinates, of a drag that changed it.
    ZoneTracker(QWidget* client, std::function<bool()> shown,
                std::function<void(const TrackerZone&)> tracked);

    // Draws the tracker over rect (client coordinates), or over the
    // rectangle being dragged.
    void Paint(QPainter& painter, const TrackerZone& rect);

    // A left press at point with the tracker drawn over rect: false when the
    // press is outside the tracker; otherwise the drag begins.
    bool ButtonDown(QPoint point, const TrackerZone& rect);

    bool dragging() const { return tracker_.dragging(); }
    // 1 while the mouse is within reach of a handle, 2 otherwise.
    int overHandle() const { return overHandle_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Hover(QPoint point);
    void Release();

    QWidget* client_;
    std::function<bool()> shown_;
    std::function<void(const TrackerZone&)> tracked_;
    RectTracker tracker_;
    TrackerZone lastDrawn_;
    int overHandle_ = 2;
    QCursor moveCursor_;
};
