// A viewer's image write: the save dialog, a pause that lets the screen
// repaint without the dialog, then the capture and save, the question and
// the picture viewer. Each write keeps the path chosen for it, so writes
// started from two viewers at nearly the same time do not share a file.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "viewer/image_write.h"

class QWidget;

class ViewWriter : public QObject {
public:
    // rectOf: the screen rectangle of an area at the moment of the capture.
    using RectOf = std::function<std::optional<CaptureRect>(WriteArea)>;
    ViewWriter(QWidget* owner, RectOf rectOf);

    // Asks for the path; when one is chosen it becomes the program's last
    // written path and the capture follows after the pause. False when the
    // dialog was cancelled.
    bool Start(WriteArea area, WriteFormat format);

    bool pending() const { return writeTimer_.isActive(); }
    const std::string& pendingPath() const { return path_; }

    // The capture and save, as the pause's end does it.
    void Write();

private:
    QWidget* owner_;
    RectOf rectOf_;
    QTimer writeTimer_;  // WRITE_TIMER
    WriteArea writeArea_ = WriteArea::Zone;
    WriteFormat writeFormat_ = WriteFormat::Png;
    std::string path_;
};
