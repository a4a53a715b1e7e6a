// The viewer's menu "遠近補正": the clicks that give a known rectangle's
// corners (or a grid's points), the dialog that sizes it, clearing the
// plane, and the picture corrected onto the plane opened in a new viewer.
// The window forwards its commands and left presses here; the plane is
// kept with the picture and remembered by its path like the real-unit
// scale.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

#include "plane/plane_setting.h"

class CViewImage;
class QPainter;
class QWidget;

class PlaneCommands : public QObject {
public:
    // viewer: the window, owner of the messages and dialogs (and, through
    // its owner, of a new viewer); picture: the viewer's picture, null
    // while it holds none; repaint: the viewer is shown again.
    PlaneCommands(QWidget* viewer, std::function<CViewImage*()> picture, std::function<void()> repaint);

    // ID_PLANE_SET, ID_PLANE_FINISH, ID_PLANE_CLEAR, ID_PLANE_RECTIFY; false
    // for any other id.
    bool OnCommand(int id);
    // Finishing only while points are being clicked; clearing and the
    // corrected picture only with a plane set; every other id is enabled.
    bool IsEnabled(int id) const;

    // A left press on the display dot while points are being clicked takes
    // it as the next point (true); otherwise false.
    bool OnLeftPress(QPoint dot);
    // While points are being clicked, marks them over the image whose
    // top-left corner is at (originX, originY) of the client.
    void Paint(QPainter& painter, int originX, int originY) const;
    bool collecting() const { return collecting_; }
    // Gives up the corners clicked so far: sampling started takes the
    // clicks back.
    void Abandon();
    // The points clicked so far, in source dots.
    const std::vector<plane::Point>& points() const { return points_; }

private:
    void Start();
    void Finish();
    void Clear();
    void OpenRectified();
    // Set as one step of the undo history.
    void Apply(CViewImage& picture, const plane::PlaneSetting& setting);
    // Sets (or, unset, clears) the picture's plane, remembers it and lets
    // the edit window show it.
    void Set(CViewImage& picture, const plane::PlaneSetting& setting);

    QWidget* viewer_;
    std::function<CViewImage*()> picture_;
    std::function<void()> repaint_;
    bool collecting_ = false;
    std::vector<plane::Point> points_;
};
