#include "data/edit_data.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/command_target.h"
#include "app/menu_builder.h"
#include "data/calc_driver.h"
#include "data/edit_data_painter.h"
#include "data/edit_data_template.h"
#include "data/notice_display.h"
#include "data/plane_measure.h"
#include "data/row_command.h"
#include "data/sampling_transitions.h"
#include "data/undo_menu.h"
#include "dialogs/open_guide.h"
#include "image/view_image.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/shared_memory_trace.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_cad.h"
#include "res/texts_data.h"
#include "res/texts_edit.h"
#include "res/texts_edit_window.h"
#include "res/texts_properties.h"
#include "res/texts_undo.h"
#include "res/texts_viewer.h"
#include "res/ui_text.h"
#include "viewer/display_scale.h"

namespace {

constexpr MenuEntry kMenu[] = {
    MenuPopup(texts::EDIT_MENU_FILE),
    MenuItem(ID_EXPORT_CSV, texts::EDIT_MENU_EXPORT_CSV),
    MenuItem(ID_REOPEN_OUTLINE, texts_properties::MENU_REOPEN_OUTLINE),
    MenuItem(ID_EXPORT_CAD, texts_cad::MENU_EXPORT_CAD),
    MenuItem(ID_IMPORT_DXF, texts_cad::MENU_IMPORT_DXF),
    MenuPopup(texts::EDIT_MENU_PRINT),
    MenuItem(ID_PRINT_RESULTS, texts::EDIT_MENU_PRINT_RESULTS),
    MenuItem(ID_PRINT_INCLINED, texts::EDIT_MENU_PRINT_INCLINED),
    MenuItem(ID_PRINT_DETAIL, texts::EDIT_MENU_PRINT_DETAIL),
    MenuItem(ID_PRINT_PROPERTIES, texts_properties::MENU_PRINT_PROPERTIES),
    MenuItem(ID_PRINT_SHEET, texts_properties::MENU_PRINT_SHEET),
    MenuPopup(texts::EDIT_MENU_VIEW),
    MenuItem(ID_PROC_GUIDE, texts::EDIT_MENU_PROC_GUIDE),
    MenuItem(ID_EDIT_GUIDE, texts::EDIT_MENU_EDIT_GUIDE),
    MenuItem(ID_DATA_EXPLAIN, texts::EDIT_MENU_DATA_EXPLAIN),
    MenuPopup(texts_undo::MENU_EDIT),
    MenuItem(ID_UNDO, texts_undo::MENU_UNDO),
    MenuItem(ID_REDO, texts_undo::MENU_REDO),
    MenuSeparator(),
    MenuItem(ID_ADD_LOOP, texts_edit::MENU_ADD_LOOP),
    MenuBarItem(ID_WINDOW_CLOSE, texts::MENU_CLOSE),
};

// The popup of undo and redo, the fourth on the bar.
constexpr int kEditPopup = 3;

bool IsCorrecting(int32_t workState) { return workState == WS_VIEWER_SEARCH || workState == WS_VIEWER_EDIT; }

SamplingTransitions Transitions() {
    return SamplingTransitions(App().sampleTable, App().calc, &App().history);
}

}  // namespace

CEditData::CEditData(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(texts::EDIT_TITLE));
    setFont(platform::MakeFont(platform::kDialogFace, kEditDialogFontPoints));
    ShareEditWindowPalette(staticMetaObject.className());
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = BuildMenuBar(this, kMenu, {[this](int id) { OnCommand(id, 0); }, nullptr});
    layout->setMenuBar(menuBar_);

    const platform::DialogBaseUnits units = platform::BaseUnitsOf(font());
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(platform::DluToPixelsX(kEditWindowWidthDlu, units),
                          platform::DluToPixelsY(kEditWindowHeightDlu, units));
    layout->addWidget(client_);
    BuildControls(*client_, EditDataControls(), units, [this](int id) { OnCommand(id, 0); });
    rowCount_ = qobject_cast<QLabel*>(Control(IDC_ROW_COUNT));
    magnification_ = qobject_cast<QLabel*>(Control(IDC_MAGNIFICATION_TEXT));
    scaleText_ = qobject_cast<QLabel*>(Control(IDC_SCALE_TEXT));
    StyleExplanations(*client_);
    client_->installEventFilter(this);

    // The unit width and line height of the grid: a 12-point fixed Gothic.
    const QFont unitFont = platform::MakeFont(platform::kFixedGothic, 12);
    const QRect heading = Control(IDC_LABEL_SAMPLING_DATA)->geometry();
    layout_ = GridLayout(platform::AverageCharWidth(unitFont), QFontMetrics(unitFont).lineSpacing(),
                         GridBox{heading.x(), heading.y(), heading.width(), heading.height()});
    grid_ = new CellGrid(*this, layout_, client_);

    // Clicks anywhere in the window are looked at first, for the refusal
    // while the viewer corrects a point.
    qApp->installEventFilter(this);

    // A fresh start: empty table, idle, fresh calculation buffers, no steps
    // to undo.
    StartEditSession(App().sampleTable, App().calc);
    App().history.Clear();
    App().history.NoteChange();
    undoMenu_ = std::make_unique<UndoMenu>(this, MenuBarPopup(*menuBar_, kEditPopup),
                                           [this](int id) { OnCommand(id, 0); });
    undoMenu_->Update(App().history);
    historyListener_ = App().history.AddListener([this](bool restored) { OnHistoryChanged(restored); });
    grid_->Refill();
    RefreshRowCount();
    UpdateSamplingButtons();
    grid_->FocusCurrentCell();
}

CEditData::~CEditData() {
    // The grid and its cells go first, while the window is whole, and
    // nothing they report on their way out is acted on.
    destroying_ = true;
    qApp->removeEventFilter(this);
    App().history.RemoveListener(historyListener_);
    // The steps belong to this session's table and picture; the journal
    // hears that the session ended.
    App().history.Clear();
    App().history.NoteChange();
    delete grid_;
    grid_ = nullptr;
}

QWidget* CEditData::Control(int id) const { return FindControl(*client_, id); }

QString CEditData::rowCountText() const { return rowCount_->text(); }
QString CEditData::magnificationText() const { return magnification_->text(); }
QString CEditData::scaleText() const { return scaleText_->text(); }
QRect CEditData::ResultBoxRect() const { return Control(IDC_RESULT_BOX)->geometry(); }
QRect CEditData::StatusBoxRect() const { return Control(IDC_STATUS_BOX)->geometry(); }

ViewerLink* CEditData::PairedViewer() const { return App().registry.PairedViewerLink(); }

const CViewImage* CEditData::PairedImage() const {
    const ViewerLink* viewer = PairedViewer();
    return viewer != nullptr ? viewer->Picture() : nullptr;
}

double CEditData::PairedMagnification() const {
    const CViewImage* image = PairedImage();
    return image != nullptr ? image->displayScale : 1.0;
}

void CEditData::RepaintViewer() const {
    if (ViewerLink* viewer = PairedViewer()) viewer->TableChanged();
}

bool CEditData::OnCommand(int id, std::intptr_t /*value*/) {
    if (destroying_) return false;
    switch (id) {
    case ID_WINDOW_CLOSE: close(); return true;
    case ID_ROW_INSERT:
    case ID_ROW_DELETE:
    case ID_ROW_PASTE:
    case ID_ROW_COPY:
    case ID_ADD_LOOP: OnRowCommand(id); return true;
    case IDC_PAGE_UP:
    case IDC_PAGE_DOWN:
    case IDC_PAGE_FIRST:
    case IDC_PAGE_LAST: grid_->Page(id); return true;
    case IDC_SAMPLING_START:
    case IDC_SAMPLING_STOP:
    case IDC_CALCULATE:
    case IDC_CLEAR: OnSamplingCommand(id); return true;
    case ID_PRINT_RESULTS:
    case ID_PRINT_INCLINED:
    case ID_PRINT_DETAIL:
    case ID_PRINT_PROPERTIES:
    case ID_PRINT_SHEET: files_.Print(id, PairedImage()); return true;
    case ID_EXPORT_CSV: files_.ExportCsv(); return true;
    case ID_REOPEN_OUTLINE:
        OnReopenOutline([this] { return files_.ReopenOutline(PairedMagnification()); });
        return true;
    case ID_EXPORT_CAD: cadFiles_.Export(PairedImage()); return true;
    case ID_IMPORT_DXF:
        OnReopenOutline([this] { return cadFiles_.Import([this] { return PairedMagnification(); }); });
        return true;
    case ID_PROC_GUIDE:
    case ID_EDIT_GUIDE:
    case ID_DATA_EXPLAIN: OpenGuide(id, this); return true;
    case ID_DIAGNOSTIC_TRACE: WriteTrace(); return true;
    case ID_UNDO:
    case ID_REDO: OnUndoCommand(id); return true;
    default: return grid_->OnKey(id);
    }
}

void CEditData::StopSampling() { OnCommand(IDC_SAMPLING_STOP, 0); }

void CEditData::OnRowCommand(int id) {
    SampleTable& table = App().sampleTable;
    if (grid_->StoreCurrentCell() != StoreResult::Refused) {
        Notice notice;
        ApplyRowCommand(table, id, grid_->grid().CurrentRow(), &notice, &App().history);
        platform::ShowNotice(this, notice);
        if (id != ID_ROW_COPY) {
            grid_->Refill();
            RefreshRowCount();
        }
        update();
        RepaintViewer();
    }
    grid_->FocusCurrentCell();
}

void CEditData::OnSamplingCommand(int id) {
    grid_->StoreCurrentCell();
    switch (id) {
    case IDC_SAMPLING_START: Apply(Transitions().Start()); break;
    case IDC_SAMPLING_STOP: Apply(Transitions().Stop()); break;
    case IDC_CALCULATE: Apply(Transitions().Calculate(PairedMagnification())); break;
    default: Apply(Transitions().Clear(AskOver(this))); break;
    }
}

void CEditData::Apply(const TransitionEffects& effects) {
    platform::ShowNotice(this, effects.notice);
    if (effects.samplingChanged)
        if (ViewerLink* viewer = PairedViewer()) viewer->SamplingChanged(*effects.samplingChanged);
    if (effects.refillGrid) grid_->Refill();
    if (effects.refreshRowCount) RefreshRowCount();
    if (effects.updateButtons) UpdateSamplingButtons();
    if (effects.repaintWindow) update();
    if (effects.repaintViewer) RepaintViewer();
}

void CEditData::OnReopenOutline(const std::function<bool()>& load) {
    grid_->StoreCurrentCell();
    if (!load()) return;
    RowsReplaced();
    UpdateSamplingButtons();
    RepaintViewer();
    grid_->FocusCurrentCell();
}

void CEditData::OnUndoCommand(int id) {
    if (RefuseWhileCorrecting()) return;
    // Typing not yet stored is what an undo takes back first.
    if (grid_->TakeBackTyping() && id == ID_UNDO) return;
    if (id == ID_UNDO)
        App().history.Undo();
    else
        App().history.Redo();
    grid_->FocusCurrentCell();
}

void CEditData::OnHistoryChanged(bool restored) {
    undoMenu_->Update(App().history);
    if (!restored || destroying_) return;
    RefreshPage();
    RefreshScale();
    UpdateSamplingButtons();
    RepaintViewer();
}

void CEditData::WriteTrace() const {
    const EditGrid& grid = grid_->grid();
    for (int k = 1; k <= 3; ++k)
        platform::WriteTraceLine(FormatText(texts_edit::TRACE_LINE, k, grid.focusLine, grid.focusColumn));
}

void CEditData::CellCompletedRow() {
    RefreshRowCount();
    update();
    RepaintViewer();
}

void CEditData::CellPressed() {
    // A click into a cell ends sampling as the stop button does: the user
    // turns to editing the data.
    if (App().sampleTable.workState == WS_SAMPLING) OnCommand(IDC_SAMPLING_STOP, 0);
}

void CEditData::RefreshPage() {
    RefreshRowCount();
    grid_->Refill();
    update();
}

void CEditData::ShowLastRow() {
    grid_->ScrollToLastRow();
    RefreshPage();
}

void CEditData::RowsReplaced() {
    grid_->ScrollToTop();
    RefreshPage();
}

void CEditData::RefreshRowCount() {
    const SampleTable& table = App().sampleTable;
    rowCount_->setText(Text(FormatText(texts_edit::ROW_COUNT, table.count, table.capacity).c_str()));
    RefreshMagnification();
}

void CEditData::RefreshMagnification() {
    const CViewImage* image = PairedImage();
    QString text;
    if (image != nullptr)
        text = Text(FormatText(texts_edit::MAGNIFICATION, ScalePercent(image->displayScale)).c_str());
    if (text != magnification_->text()) magnification_->setText(text);
}

void CEditData::RefreshScale() {
    const CViewImage* image = PairedImage();
    const QString text =
        image != nullptr ? Text(ScaleLineText(image->mmPerDot, image->plane).c_str()) : QString();
    if (text != scaleText_->text()) scaleText_->setText(text);
}

void CEditData::UpdateSamplingButtons() {
    const bool sampling = App().sampleTable.workState == WS_SAMPLING;
    Control(IDC_SAMPLING_START)->setEnabled(!sampling);
    Control(IDC_SAMPLING_STOP)->setEnabled(sampling);
}

void CEditData::PaintClient() {
    // The viewer may have been paired or magnified since the last paint.
    RefreshMagnification();
    RefreshScale();
    QPainter painter(client_);
    const SampleTable& table = App().sampleTable;
    PaintResultBox(painter, ResultBoxRect(), ResultBoxLines(App().calc.results, table.workState));
    PaintStatusBox(painter, StatusBoxRect(), table.workState);
}

bool CEditData::RefuseWhileCorrecting() {
    if (refusing_ || !IsCorrecting(App().sampleTable.workState)) return false;
    refusing_ = true;
    platform::MessageBox(this, texts_edit::MSG_VIEWER_CORRECTING, texts_data::TITLE_CONFIRM);
    if (ViewerLink* viewer = PairedViewer()) viewer->TakeFocus();
    refusing_ = false;
    return true;
}

bool CEditData::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == client_ && type == QEvent::Paint) {
        PaintClient();
        return true;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && (widget == this || isAncestorOf(widget)) && RefuseWhileCorrecting())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CEditData::focusInEvent(QFocusEvent* /*event*/) {
    if (!destroying_) grid_->FocusCurrentCell();
}

void CEditData::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    // The main dialog forgets this window and shows itself; then the viewer
    // this window works with closes too.
    ViewerLink* viewer = PairedViewer();
    SendCommand(parentWidget(), ID_EDITWND_CLOSED, 0);
    if (viewer != nullptr) viewer->CloseViewer();
}
