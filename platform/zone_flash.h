// The flash of the screen zone. The screen cannot be inverted in place: a
// frameless, top-most window that takes no input covers the zone and shows
// the inverted pixels of a fresh grab. Showing it twice leaves the screen as
// it was.
#pragma once

#include <QImage>
#include <QRect>

#include <memory>

class QLabel;

namespace platform {

class ZoneFlash {
public:
    ZoneFlash();
    ~ZoneFlash();
    ZoneFlash(const ZoneFlash&) = delete;
    ZoneFlash& operator=(const ZoneFlash&) = delete;

    // Shows zone (either corner first) inverted, or takes a shown flash
    // away.
    void Toggle(const QRect& zone);
    // Shows zone inverted; a flash already shown moves there, and where the
    // two overlap the pixels it covered count as the screen's.
    void Show(const QRect& zone);
    bool shown() const { return shown_; }
    // Whether the last Show could read the screen under the zone (in a
    // Wayland session only the portal can, and it may be missing or mute).
    bool sawScreen() const { return sawScreen_; }
    // The window over the zone while shown (null when the zone lies outside
    // every screen).
    QWidget* window() const;

private:
    void Hide();

    std::unique_ptr<QLabel> window_;
    QImage original_;  // the screen under the window, as grabbed
    QRect area_;       // where the window lies
    bool shown_ = false;
    bool sawScreen_ = true;
};

}  // namespace platform
