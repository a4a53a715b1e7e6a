// What the clicks on the viewer's picture do besides the cut-out tracker:
// adding sample points, coordinate correction (the menu's start and end,
// the pick, the moves with Ctrl and the arrow keys), tracing a figure from
// a seed click, and the two clicks that measure a known length for the
// real-unit scale. The window forwards its commands, presses and keys here.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

#include "viewer/figure_tracing.h"
#include "viewer/point_correction.h"
#include "viewer/scale_measure.h"

class CViewImage;
class CutoutCommands;
class ImageCanvas;
class QKeyEvent;
class QWidget;

class ClickCommands : public QObject {
public:
    // viewer: the window, owner of the messages and dialogs; canvas: the
    // area clicked; cutout: takes the presses while its tracker is shown;
    // picture: the viewer's picture, null while it holds none; repaint: the
    // table changed, the picture and the overlay are shown again.
    ClickCommands(QWidget* viewer, ImageCanvas& canvas, CutoutCommands& cutout,
                  std::function<CViewImage*()> picture, std::function<void()> repaint);

    // ID_CORRECTION_START, ID_CORRECTION_END, ID_TRACE_FIGURE and
    // ID_REAL_SCALE; false for any other id.
    bool OnCommand(int id);
    // Correction's start and tracing while not correcting, its end while
    // correcting; every other id is enabled.
    bool IsEnabled(int id) const;
    // Sampling began: the clicks are sampling clicks now.
    void SamplingStarted() { tracing_.Disarm(); }

    // A left press at a client position with the display dot under it;
    // dataView: whether the viewer takes clicks on the picture.
    void OnLeftPress(QPoint client, QPoint dot, bool dataView);
    // Ctrl with an arrow key while correcting moves the picked point; true
    // when the key was taken.
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z undo and redo the table's changes.
    bool OnKey(const QKeyEvent& event);

    bool correcting() const { return correction_.correcting(); }
    int selectedRow() const { return correction_.selectedRow(); }
    bool tracingArmed() const { return tracing_.armed(); }
    bool measuringScale() const { return scaleMeasure_.active(); }

private:
    void AddPointAt(QPoint dot);
    void PickPointAt(QPoint dot);
    bool OnUndoKey(int id);
    void StartCorrection();
    void EndCorrection();
    // The menu item arms the tracing; the next click is the seed.
    void StartTracing();
    void TraceFigureAt(QPoint dot);
    // The real-unit scale: the dialog, and the two clicks that measure a
    // length.
    void OpenRealScale(double measuredDots);
    void OnScaleClick(QPoint dot);

    QWidget* viewer_;
    ImageCanvas& canvas_;
    CutoutCommands& cutout_;
    std::function<CViewImage*()> picture_;
    std::function<void()> repaint_;
    PointCorrection correction_;
    FigureTracing tracing_;
    ScaleMeasure scaleMeasure_;
};
