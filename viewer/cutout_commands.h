// The viewer's cut-out zone and its image writes: the tracker the menu
// shows, its drag, the zone following a change of magnification, and the
// writes of the zone or of the whole window as PNG or BMP.
#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

#include "viewer/image_write.h"
#include "viewer/tracker_zone.h"

class ImageCanvas;
class QPainter;
class QWidget;
class ViewWriter;
class ZoneTracker;

class CutoutCommands : public QObject {
public:
    // viewer: the window, whose frame a window write takes and which owns
    // the messages; canvas: the area the zone is shown over.
    CutoutCommands(QWidget* viewer, ImageCanvas& canvas);

    // ID_TRACKER_ZONE and the four writes; false for any other id.
    bool OnCommand(int id);
    // The zone writes are greyed out while no zone is shown.
    bool IsEnabled(int id) const;

    // Shows the tracker over zone (display dots of the image).
    void ShowTrackerZone(const TrackerZone& zone);
    // Draws the tracker, when shown, with the image's top-left corner at
    // the client position (originX, originY).
    void Paint(QPainter& painter, int originX, int originY);
    // A left press while the tracker is shown: a press outside it hides it.
    void ButtonDown(QPoint client);
    // The zone after the magnification changed by factor (new / old).
    void FollowScale(double factor);

    bool trackerShown() const { return trackerShown_; }
    // In display dots of the image, whatever the scroll.
    const TrackerZone& cutZone() const { return cutZone_; }
    // 1 while the mouse is within reach of a handle of the zone, 2 otherwise.
    int overHandle() const;
    // The viewer's image write; pending until its pause is over.
    ViewWriter* writer() const { return writer_; }

private:
    // The zone in client coordinates, from the current scroll positions:
    // drawn, dragged and captured at the same place.
    TrackerZone ZoneOnClient() const;
    // The screen rectangle a write of area takes now.
    std::optional<CaptureRect> WriteRectangle(WriteArea area) const;

    QWidget* viewer_;
    ImageCanvas& canvas_;
    bool trackerShown_ = false;
    TrackerZone cutZone_;
    ZoneTracker* zoneTracker_ = nullptr;
    ViewWriter* writer_ = nullptr;
};
