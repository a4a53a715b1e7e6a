// The main dialog's screen-zone controls: the corner buttons with the mouse
// capture, the flash of the zone, the cut into a viewer and the zone line.
// The zone itself lives in the settings record, so it outlasts the program.
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <optional>

#include "app/picked_zone.h"
#include "app/screen_zone.h"
#include "platform/screenshot_portal.h"
#include "platform/zone_flash.h"

class QLabel;
class QWidget;
class ViewerWindows;

class ZoneCommands : public QObject {
    Q_OBJECT
public:
    // dialog: the main dialog, which forwards its mouse and owns the
    // messages; zoneText: its control 159.
    ZoneCommands(QWidget* dialog, QLabel* zoneText, ViewerWindows& windows);

    // Commands 154, 155, 156 and 231; false for any other id.
    bool OnCommand(int id);
    // Timers 158 (end of a flash) and 160 (the delayed capture).
    void OnTimer(int id);

    // The main dialog's left button and mouse, positions on the screen.
    void OnLeftButtonDown();
    void OnMouseMove(const QPoint& screenPosition);
    void OnLeftButtonUp(const QPoint& screenPosition, bool ctrl);

    // Writes the zone line into control 159 (every repaint, every release).
    void UpdateZoneText();

    // Inverts the zone on the screen, or puts it back.
    void FlashZone();

    // Where "始点" and "終点" let the user choose the zone: in a Wayland
    // session the desktop's own tool (platform::PortalPickArea), none
    // elsewhere (the pointer grab). A failed choice falls back to the
    // pointer grab, a cancelled one leaves the zone.
    using AreaPicker = std::function<platform::PortalPicture()>;
    void SetAreaPicker(AreaPicker picker) { areaPicker_ = std::move(picker); }
    // The screen "カット＆View" reads (DesktopScreen unless a test set another).
    void SetScreen(std::function<ScreenSource()> screen) { screen_ = std::move(screen); }

    bool tracking() const { return tracking_ != 0; }
    bool flashOn() const { return flashOn_ != 0; }
    const QPoint& releasePoint() const { return releasePoint_; }
    bool timerActive(int id) const;
    const platform::ZoneFlash& flash() const { return flash_; }

private:
    void BeginCorner(ZoneCorner corner);
    bool PickArea();
    void EndTracking();
    void StartFlash();
    void EndFlash();
    void CutAndView();
    void CaptureAfterDelay();

    QWidget* dialog_;
    QLabel* zoneText_;
    ViewerWindows& windows_;
    int tracking_ = 0;
    int buttonDown_ = 0;
    int endMode_ = 0;
    int flashOn_ = 0;
    QPoint releasePoint_;
    QTimer flashTimer_;    // 158
    QTimer captureTimer_;  // 160
    platform::ZoneFlash flash_;
    AreaPicker areaPicker_;
    std::function<ScreenSource()> screen_;
    // The last choice from the desktop's tool, kept for the next cut of its
    // zone: the zone's position on the screen is not known.
    std::optional<PickedZone> picked_;
};
