#include "viewer/click_commands.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "app/app_context.h"
#include "data/undo_keys.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_properties.h"
#include "res/texts_trace.h"
#include "res/texts_viewer.h"
#include "viewer/cutout_commands.h"
#include "viewer/image_canvas.h"
#include "viewer/left_click_action.h"
#include "viewer/real_scale_command.h"

namespace {

EditLink* Edit() { return App().registry.EditWindowLink(); }

}  // namespace

ClickCommands::ClickCommands(QWidget* viewer, ImageCanvas& canvas, CutoutCommands& cutout,
                             std::function<CViewImage*()> picture, std::function<void()> repaint)
    : QObject(viewer),
      viewer_(viewer),
      canvas_(canvas),
      cutout_(cutout),
      picture_(std::move(picture)),
      repaint_(std::move(repaint)) {}

bool ClickCommands::OnCommand(int id) {
    switch (id) {
    case ID_CORRECTION_START: StartCorrection(); return true;
    case ID_CORRECTION_END: EndCorrection(); return true;
    case ID_TRACE_FIGURE: StartTracing(); return true;
    case ID_REAL_SCALE: OpenRealScale(0); return true;
    default: return false;
    }
}

bool ClickCommands::IsEnabled(int id) const {
    switch (id) {
    case ID_CORRECTION_START:
    case ID_TRACE_FIGURE: return !correction_.correcting();
    case ID_CORRECTION_END: return correction_.correcting();
    default: return true;
    }
}

void ClickCommands::OnLeftPress(QPoint client, QPoint dot, bool dataView) {
    if (scaleMeasure_.active()) {
        OnScaleClick(dot);
        return;
    }
    LeftClickState state;
    state.trackerShown = cutout_.trackerShown();
    state.dataView = dataView;
    state.tracing = tracing_.armed();
    state.correcting = correction_.correcting();
    state.workState = App().sampleTable.workState;
    switch (LeftClickActionOf(state)) {
    case LeftClickAction::TraceSeed: TraceFigureAt(dot); break;
    case LeftClickAction::Tracker: cutout_.ButtonDown(client); break;
    case LeftClickAction::Pick: PickPointAt(dot); break;
    case LeftClickAction::AddPoint: AddPointAt(dot); break;
    case LeftClickAction::None: break;
    }
}

// ---------------------------------------------------------------------------
// Sampling and coordinate correction
// ---------------------------------------------------------------------------

void ClickCommands::AddPointAt(QPoint dot) {
    Notice notice;
    int result;
    {
        UndoRecord record(App().history, ChangeKind::AddPoint);
        result = App().sampleTable.AddPoint(dot.x(), dot.y(), &notice);
    }
    platform::ShowNotice(viewer_, notice);
    if (EditLink* edit = Edit()) {
        // An appended point is shown as the last row; a filled empty row or
        // a refused point leaves the page where it is.
        if (result == 1)
            edit->RowsAppended();
        else
            edit->RowsChanged();
    }
    repaint_();
}

void ClickCommands::PickPointAt(QPoint dot) {
    const int row = correction_.Pick(App().sampleTable, dot.x(), dot.y());
    if (row < 0) return;  // no point within reach: ignored without a word
    platform::MessageBox(viewer_, FormatText(texts::CORRECTION_PICKED, row + 1),
                         texts::CORRECTION_PICKED_TITLE);
    canvas_.client()->update();
    if (EditLink* edit = Edit()) edit->WorkStateChanged();
}

bool ClickCommands::OnKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (const int undo = UndoKeyCommand(event.key(), mods & Qt::ShiftModifier, mods & Qt::ControlModifier))
        return OnUndoKey(undo);
    if (!correction_.correcting() || !(mods & Qt::ControlModifier)) return false;
    const auto step = ArrowKeyStep(event.key());
    if (!step) return false;
    // Only the integers move; the texts follow when the correction ends.
    // Before a point is picked the keys change nothing and scroll nothing.
    bool moved;
    {
        UndoRecord record(App().history, ChangeKind::Correction, correction_.selectedRow());
        moved = correction_.Move(App().sampleTable, step->dh, step->dv);
    }
    if (moved) canvas_.client()->update();
    return true;
}

bool ClickCommands::OnUndoKey(int id) {
    // The edit window shows the table again and has this viewer repaint.
    const bool done = id == ID_UNDO ? App().history.Undo() : App().history.Redo();
    if (done) repaint_();
    return true;
}

void ClickCommands::StartCorrection() {
    SampleTable& table = App().sampleTable;
    if (table.count == 0) {
        platform::MessageBox(viewer_, texts::CORRECTION_NO_DATA, texts::TITLE_CONFIRM);
        return;
    }
    // Sampling, if on, ends first.
    if (EditLink* edit = Edit()) edit->StopSampling();
    platform::MessageBox(viewer_, texts::CORRECTION_CHOOSE, texts::TITLE_CONFIRM);
    tracing_.Disarm();  // the clicks pick points now
    correction_.Begin(table);
    canvas_.client()->update();
    if (EditLink* edit = Edit()) edit->WorkStateChanged();
}

void ClickCommands::EndCorrection() {
    correction_.End(App().sampleTable);
    canvas_.client()->update();
    if (EditLink* edit = Edit()) edit->RowsChanged();
}

// ---------------------------------------------------------------------------
// Tracing a figure
// ---------------------------------------------------------------------------

void ClickCommands::StartTracing() {
    if (picture_() == nullptr) return;
    // Sampling, if on, ends first: the traced rows replace the table.
    if (EditLink* edit = Edit()) edit->StopSampling();
    platform::MessageBox(viewer_, texts::TRACE_CHOOSE, texts::TITLE_CONFIRM);
    tracing_.Arm();
}

void ClickCommands::TraceFigureAt(QPoint dot) {
    const CViewImage* picture = picture_();
    if (picture == nullptr) return;
    UndoRecord record(App().history, ChangeKind::Trace);
    if (!tracing_.TraceAt(*picture, dot.x(), dot.y(), App().sampleTable, viewer_)) return;
    // The table was replaced as a whole: the edit window shows its first row.
    if (EditLink* edit = Edit()) edit->RowsReplaced();
    canvas_.client()->update();
}

// ---------------------------------------------------------------------------
// The real-unit scale
// ---------------------------------------------------------------------------

void ClickCommands::OpenRealScale(double measuredDots) {
    CViewImage* picture = picture_();
    if (picture == nullptr || !RunRealScaleDialog(viewer_, *picture, measuredDots)) return;
    // Measuring: the next two clicks on the picture are the ends of a known
    // length.
    scaleMeasure_.Start();
    canvas_.client()->setCursor(Qt::CrossCursor);
    platform::MessageBox(viewer_, texts_properties::MSG_SCALE_CLICK, texts::TITLE_CONFIRM);
}

void ClickCommands::OnScaleClick(QPoint dot) {
    if (!scaleMeasure_.Click(dot.x(), dot.y())) return;
    canvas_.client()->unsetCursor();
    const CViewImage* picture = picture_();
    const double distance = scaleMeasure_.SourceDistance(picture != nullptr ? picture->displayScale : 1.0);
    // The dialog opens once the click has been handled.
    QTimer::singleShot(0, this, [this, distance] { OpenRealScale(distance); });
}
