#include "viewer/cutout_commands.h"

#include <QPainter>
#include <QWidget>

#include "res/ids.h"
#include "viewer/image_canvas.h"
#include "viewer/view_writer.h"
#include "viewer/zone_tracker.h"

CutoutCommands::CutoutCommands(QWidget* viewer, ImageCanvas& canvas)
    : QObject(viewer), viewer_(viewer), canvas_(canvas) {
    zoneTracker_ = new ZoneTracker(
        canvas_.client(), [this] { return trackerShown_; },
        [this](const TrackerZone& rect) {
            const ViewerScroll& scroll = canvas_.scroll();
            cutZone_ = OffsetTrackerZone(rect, -scroll.OriginX(), -scroll.OriginY());
        });
    writer_ = new ViewWriter(viewer_, [this](WriteArea area) { return WriteRectangle(area); });
}

bool CutoutCommands::OnCommand(int id) {
    const bool zone = id == ID_WRITE_ZONE_PNG || id == ID_WRITE_ZONE_BMP;
    const bool png = id == ID_WRITE_ZONE_PNG || id == ID_WRITE_WINDOW_PNG;
    switch (id) {
    case ID_TRACKER_ZONE: ShowTrackerZone(kDefaultTrackerZone); return true;
    case ID_WRITE_ZONE_PNG:
    case ID_WRITE_ZONE_BMP:
    case ID_WRITE_WINDOW_PNG:
    case ID_WRITE_WINDOW_BMP:
        writer_->Start(zone ? WriteArea::Zone : WriteArea::Window, png ? WriteFormat::Png : WriteFormat::Bmp);
        return true;
    default: return false;
    }
}

bool CutoutCommands::IsEnabled(int id) const {
    return (id != ID_WRITE_ZONE_PNG && id != ID_WRITE_ZONE_BMP) || trackerShown_;
}

void CutoutCommands::ShowTrackerZone(const TrackerZone& zone) {
    trackerShown_ = true;
    cutZone_ = zone;
    canvas_.client()->update();
}

void CutoutCommands::Paint(QPainter& painter, int originX, int originY) {
    if (trackerShown_) zoneTracker_->Paint(painter, OffsetTrackerZone(cutZone_, originX, originY));
}

void CutoutCommands::ButtonDown(QPoint client) {
    if (!zoneTracker_->ButtonDown(client, ZoneOnClient())) trackerShown_ = false;
    canvas_.client()->update();
}

void CutoutCommands::FollowScale(double factor) {
    if (trackerShown_) cutZone_ = ScaleTrackerZone(cutZone_, factor);
}

int CutoutCommands::overHandle() const { return zoneTracker_->overHandle(); }

TrackerZone CutoutCommands::ZoneOnClient() const {
    return OffsetTrackerZone(cutZone_, canvas_.scroll().OriginX(), canvas_.scroll().OriginY());
}

std::optional<CaptureRect> CutoutCommands::WriteRectangle(WriteArea area) const {
    if (area == WriteArea::Window) {
        const QRect frame = viewer_->frameGeometry();
        return NonEmptyRect(frame.x(), frame.y(), frame.width(), frame.height());
    }
    const QPoint screen = canvas_.client()->mapToGlobal(QPoint(0, 0));
    return ZoneCaptureRect(ZoneOnClient(), screen.x(), screen.y());
}
