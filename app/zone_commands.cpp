#include "app/zone_commands.h"

#include <QLabel>
#include <QWidget>

#include "app/app_context.h"
#include "app/plus_cursor.h"
#include "app/viewer_windows.h"
#include "app/zone_capture.h"
#include "platform/display_session.h"
#include "platform/message_box.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_capture.h"
#include "res/ui_text.h"

namespace {

ZoneRect& Zone() { return App().settings.zoneRect; }

QRect ZoneArea(const ZoneRect& zone) {
    return QRect(QPoint(zone.left, zone.top), QPoint(zone.right, zone.bottom));
}

bool SameZone(const ZoneRect& a, const ZoneRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

ZoneCommands::ZoneCommands(QWidget* dialog, QLabel* zoneText, ViewerWindows& windows)
    : QObject(dialog), dialog_(dialog), zoneText_(zoneText), windows_(windows) {
    flashTimer_.setSingleShot(true);
    flashTimer_.setInterval(ZONE_FLASH_TIMER_MS);
    connect(&flashTimer_, &QTimer::timeout, this, [this] { OnTimer(ZONE_FLASH_TIMER); });
    captureTimer_.setSingleShot(true);
    captureTimer_.setInterval(CAPTURE_DELAY_TIMER_MS);
    connect(&captureTimer_, &QTimer::timeout, this, [this] { OnTimer(CAPTURE_DELAY_TIMER); });
    if (platform::IsWaylandSession()) areaPicker_ = [] { return platform::PortalPickArea(); };
}

bool ZoneCommands::OnCommand(int id) {
    switch (id) {
    case IDC_ZONE_START: BeginCorner(ZoneCorner::Start); return true;
    case IDC_ZONE_END: BeginCorner(ZoneCorner::End); return true;
    case IDC_ZONE_FLASH: StartFlash(); return true;
    case IDC_CUT_AND_VIEW: CutAndView(); return true;
    default: return false;
    }
}

void ZoneCommands::OnTimer(int id) {
    if (id == ZONE_FLASH_TIMER) {
        flashTimer_.stop();
        EndFlash();
        dialog_->update();
    } else if (id == CAPTURE_DELAY_TIMER) {
        captureTimer_.stop();
        CaptureAfterDelay();
    }
}

bool ZoneCommands::timerActive(int id) const {
    if (id == ZONE_FLASH_TIMER) return flashTimer_.isActive();
    if (id == CAPTURE_DELAY_TIMER) return captureTimer_.isActive();
    return false;
}

void ZoneCommands::BeginCorner(ZoneCorner corner) {
    if (PickArea()) return;
    tracking_ = 1;
    endMode_ = corner == ZoneCorner::End ? 1 : 0;
    dialog_->setMouseTracking(true);
    dialog_->grabMouse(PlusCursor());
}

bool ZoneCommands::PickArea() {
    if (!areaPicker_) return false;
    const platform::PortalPicture choice = areaPicker_();
    if (choice.outcome == platform::PortalOutcome::Cancelled) return true;
    ScreenPicture picture;
    if (choice.outcome != platform::PortalOutcome::Taken || !PictureFromImage(choice.picture, picture))
        return false;
    // The tool chose the whole zone: both corners at once. Nothing shows
    // where it lay, so no flash marks it. Its size in desktop pixels takes
    // Qt's pixel ratio, which is 1 on XWayland even where the compositor
    // scales: there the zone has the picture's device size.
    const ZoneRect zone = ZoneOfPicture(Zone(), picture.width, picture.height, dialog_->devicePixelRatioF());
    picked_ = PickedZone{zone, std::move(picture)};
    Zone() = zone;
    dialog_->update();
    UpdateZoneText();
    return true;
}

void ZoneCommands::EndTracking() {
    tracking_ = 0;
    buttonDown_ = 0;
    dialog_->setMouseTracking(false);
    dialog_->releaseMouse();
}

void ZoneCommands::OnLeftButtonDown() {
    buttonDown_ = 1;
    dialog_->update();
}

void ZoneCommands::OnMouseMove(const QPoint& screenPosition) {
    if (!tracking_) return;
    const ZoneCorner corner = endMode_ ? ZoneCorner::End : ZoneCorner::Start;
    dialog_->setWindowTitle(QString::fromStdString(
        ZoneSearchTitle(Zone(), corner, screenPosition.x(), WrapScreenCoordinate(screenPosition.y()))));
}

void ZoneCommands::OnLeftButtonUp(const QPoint& screenPosition, bool ctrl) {
    const bool placing = tracking_ && buttonDown_;
    // The mouse goes back before any message, which needs it.
    if (tracking_) EndTracking();
    buttonDown_ = 0;
    if (placing) {
        releasePoint_ =
            QPoint(WrapScreenCoordinate(screenPosition.x()), WrapScreenCoordinate(screenPosition.y()));
        const ZoneRelease release = ReleaseZoneCorner(Zone(), endMode_ ? ZoneCorner::End : ZoneCorner::Start,
                                                      releasePoint_.x(), releasePoint_.y(), ctrl);
        if (release.message != nullptr)
            platform::MessageBox(dialog_, release.message, texts::ZONE_CORNERS_TITLE, platform::MB_OK);
        Zone() = release.zone;
        picked_.reset();
        StartFlash();
    }
    dialog_->update();
    UpdateZoneText();
}

void ZoneCommands::UpdateZoneText() {
    const QString text = QString::fromStdString(ZoneText(Zone()));
    if (zoneText_ != nullptr && zoneText_->text() != text) zoneText_->setText(text);
}

void ZoneCommands::FlashZone() { flash_.Toggle(ZoneArea(Zone())); }

void ZoneCommands::StartFlash() {
    // A flash that still runs moves to the zone rather than cancelling out,
    // so that the end of the timer always leaves the screen as it was.
    if (flashOn_ && flash_.shown())
        flash_.Show(ZoneArea(Zone()));
    else
        FlashZone();
    flashOn_ = 1;
    if (flash_.sawScreen()) {
        flashTimer_.start();
        return;
    }
    // Nothing to invert: say so, as the capture would, rather than flash a
    // blank box.
    flashTimer_.stop();
    EndFlash();
    platform::MessageBox(dialog_, texts::ZONE_BITMAP_COPY_FAILED, texts::TITLE_CONFIRM, platform::MB_OK);
}

void ZoneCommands::EndFlash() {
    if (flashOn_) {
        if (flash_.shown()) FlashZone();
        flashOn_ = 0;
    }
}

void ZoneCommands::CutAndView() {
    // The picture is the screen's, not the flash's.
    flashTimer_.stop();
    EndFlash();
    // Out of the zone's pixels on every desktop: minimising is up to a
    // window manager, and without one the dialog would stay in the grab.
    // Hidden, its window is unmapped; the delay lets the screen under it
    // repaint before the grab.
    dialog_->setWindowTitle(Text(texts::CAPTION_CAPTURE_PENDING));
    dialog_->hide();
    captureTimer_.start();
}

void ZoneCommands::CaptureAfterDelay() {
    ScreenSource screen = screen_ ? screen_() : DesktopScreen();
    // A zone chosen in the desktop's tool is cut once from what the tool took.
    if (picked_ && SameZone(picked_->zone, Zone()))
        screen = PickedZoneScreen(std::move(*picked_), screen.depth);
    picked_.reset();
    const int opened = CaptureZoneViewer(dialog_, App().registry, windows_, Zone(), screen);
    // Top-most from now on, and still hidden: the edit window's closing
    // shows it again. Qt gives the dialog a new native window for the new
    // hint; set while unmapped, the old one goes unseen and no state change
    // reaches a mapped window.
    dialog_->hide();
    dialog_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Without an edit window nothing would ever show it again.
    if (opened != 0 && App().registry.editWindow == nullptr) {
        dialog_->show();
        dialog_->activateWindow();
    }
}
