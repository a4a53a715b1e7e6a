#include "data/edit_data.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/app_context.h"
#include "app/command_target.h"
#include "app/dialog_template.h"
#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/edit_data_painter.h"
#include "res/format_text.h"
#include "data/measurement_sheet.h"
#include "data/outline_reopen.h"
#include "data/report_printing.h"
#include "data/row_command.h"
#include "dialogs/open_guide.h"
#include "image/view_image.h"
#include "platform/dialog_units.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/shared_memory_trace.h"
#include "res/ids.h"
#include "res/texts_data.h"
#include "res/texts_edit.h"
#include "res/texts_edit_window.h"
#include "res/texts_properties.h"
#include "res/texts_viewer.h"
#include "viewer/display_scale.h"

namespace {

// Template 135: 228 x 333 dialog units in the dialog font, grey background.
constexpr int kWindowWidthDlu = 228;
constexpr int kWindowHeightDlu = 333;
constexpr int kDialogFontPoints = 9;
constexpr QRgb kBackground = qRgb(192, 192, 192);
constexpr QRgb kHeading = qRgb(0, 48, 48);
constexpr QRgb kExplanationBackground = qRgb(208, 208, 208);

constexpr ControlTemplate kControls[] = {
    {IDC_LABEL_RESULTS, ControlKind::LabelBox, texts_edit::HEADING_RESULTS, 8, 4, 52, 14, kHeading},
    {IDC_CALCULATE, ControlKind::Button, texts_edit::BUTTON_CALCULATE, 120, 3, 48, 16},
    {IDC_CLEAR, ControlKind::Button, texts_edit::BUTTON_CLEAR, 172, 3, 48, 16},
    {IDC_RESULT_BOX, ControlKind::HiddenBox, "", 6, 20, 218, 90},
    {IDC_LABEL_WORK_STATE, ControlKind::LabelBox, texts_edit::HEADING_WORK_STATE, 8, 114, 52, 14, kHeading},
    {IDC_STATUS_BOX, ControlKind::HiddenBox, "", 64, 114, 112, 14},
    {IDC_MAGNIFICATION_TEXT, ControlKind::Text, "", 182, 116, 38, 10},
    {IDC_LABEL_SAMPLING_DATA, ControlKind::LabelBox, texts_edit::HEADING_SAMPLING_DATA, 8, 132, 80, 14,
     kHeading},
    {IDC_ROW_COUNT, ControlKind::Text, "", 94, 134, 48, 10},
    {IDC_SAMPLING_START, ControlKind::Button, texts_edit::BUTTON_SAMPLING_START, 134, 150, 86, 24},
    {IDC_SAMPLING_STOP, ControlKind::Button, texts_edit::BUTTON_SAMPLING_STOP, 134, 178, 86, 16},
    {IDC_PAGE_FIRST, ControlKind::Button, texts_edit::BUTTON_PAGE_FIRST, 134, 200, 41, 16},
    {IDC_PAGE_LAST, ControlKind::Button, texts_edit::BUTTON_PAGE_LAST, 179, 200, 41, 16},
    {IDC_PAGE_UP, ControlKind::Button, texts_edit::BUTTON_PAGE_UP, 134, 220, 41, 16},
    {IDC_PAGE_DOWN, ControlKind::Button, texts_edit::BUTTON_PAGE_DOWN, 179, 220, 41, 16},
    {IDC_EXPLAIN_LAST, ControlKind::Text, texts_edit::EXPLAIN_TYPES, 134, 242, 86, 22},
    {IDC_EXPLAIN_FIRST, ControlKind::Text, texts_edit::EXPLAIN_INSERT, 8, 272, 212, 16},
    {IDC_EXPLAIN_FIRST + 1, ControlKind::Text, texts_edit::EXPLAIN_FINE_TUNE, 8, 290, 212, 9},
    {IDC_EXPLAIN_FIRST + 2, ControlKind::Text, texts_edit::EXPLAIN_UNITS, 8, 301, 212, 9},
    {IDC_EXPLAIN_FIRST + 3, ControlKind::Text, texts_edit::EXPLAIN_PRINT_SCALE, 8, 312, 212, 9},
    // Below the explanations: the real-unit scale of the paired viewer's picture, when one is set.
    {IDC_SCALE_TEXT, ControlKind::Text, "", 8, 323, 212, 9},
};

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

bool IsCorrecting(int32_t workState) {
    return workState == WS_VIEWER_SEARCH || workState == WS_VIEWER_EDIT;
}

// The file dialogs of the CSV export (save) and of reading an outline back (open).
std::string ChooseCsvPath(QWidget* owner, const std::string& startFolder, bool save) {
    platform::FileDialogRequest request;
    request.save = save;
    request.defaultExt = texts_data::CSV_DEFAULT_EXTENSION;
    request.fileName = texts_data::CSV_INITIAL_NAME;
    request.filter = std::string(texts_data::CSV_FILTER_CSV) + "|*.csv|" + texts_data::CSV_FILTER_DAT +
                     "|*.dat|" + texts_data::CSV_FILTER_ALL + "|*.*||";
    request.initialDir = startFolder;
    request.options = platform::OFN_HIDEREADONLY;  // an existing file is replaced without asking
    if (!save) return platform::GetOpenFileName(owner, request).value_or(std::string());
    return platform::GetSaveFileName(owner, request).value_or(std::string());
}

// The grey background, given to the class rather than to each window: the
// style keeps its pictures of buttons keyed by the palette they were drawn
// with, and a palette set on a window is a new one every time, so each edit
// window opened would leave a set of pictures behind that no later window
// can use. Every edit window, and every control in it, shares this one.
void ShareWindowPalette() {
    const char* className = CEditData::staticMetaObject.className();
    if (QApplication::palette(className).color(QPalette::Window) == QColor(kBackground)) return;
    QPalette background = QApplication::palette();
    background.setColor(QPalette::Window, QColor(kBackground));
    // As if nothing were set: the windows take the palette as it is,
    // without making a copy of their own.
    background.setResolveMask(0);
    QApplication::setPalette(background, className);
}

ReportKind ReportOf(int id) {
    switch (id) {
    case ID_PRINT_INCLINED: return ReportKind::InclinedAxes;
    case ID_PRINT_DETAIL: return ReportKind::Details;
    case ID_PRINT_PROPERTIES: return ReportKind::Properties;
    default: return ReportKind::Results;
    }
}

}  // namespace

CEditData::CEditData(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(texts::EDIT_TITLE));
    setFont(platform::MakeFont(platform::kDialogFace, kDialogFontPoints));
    ShareWindowPalette();
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenu();
    layout->setMenuBar(menuBar_);

    const platform::DialogBaseUnits units = platform::BaseUnitsOf(font());
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(platform::DluToPixelsX(kWindowWidthDlu, units),
                          platform::DluToPixelsY(kWindowHeightDlu, units));
    layout->addWidget(client_);
    BuildControls(*client_, kControls, units, [this](int id) { OnCommand(id, 0); });
    rowCount_ = qobject_cast<QLabel*>(Control(IDC_ROW_COUNT));
    magnification_ = qobject_cast<QLabel*>(Control(IDC_MAGNIFICATION_TEXT));
    scaleText_ = qobject_cast<QLabel*>(Control(IDC_SCALE_TEXT));
    StyleExplanations();
    client_->installEventFilter(this);

    // The unit width and line height of the grid: a 12-point fixed Gothic.
    const QFont unitFont = platform::MakeFont(platform::kFixedGothic, 12);
    const QRect heading = Control(IDC_LABEL_SAMPLING_DATA)->geometry();
    layout_ = GridLayout(platform::AverageCharWidth(unitFont), QFontMetrics(unitFont).lineSpacing(),
                         GridBox{heading.x(), heading.y(), heading.width(), heading.height()});
    BuildCells();

    // Clicks anywhere in the window are looked at first, for the refusal
    // while the viewer corrects a point.
    qApp->installEventFilter(this);

    // A fresh start: empty table, idle, fresh calculation buffers.
    StartEditSession(App().sampleTable, App().calc);
    grid_.FillPage(App().sampleTable);
    SyncCells();
    RefreshRowCount();
    UpdateSamplingButtons();
    grid_.SetCurrent(0, 0);
    FocusCurrentCell();
}

CEditData::~CEditData() {
    // The cells report to this window: they go first, while it is whole,
    // and nothing they report on their way out is acted on.
    destroying_ = true;
    qApp->removeEventFilter(this);
    for (auto& line : cells_)
        for (CMyEditControl*& cell : line) {
            delete cell;
            cell = nullptr;
        }
}

void CEditData::BuildMenu() {
    menuBar_ = new QMenuBar(this);
    auto item = [this](QMenu* popup, int id, const char* text) {
        QAction* action = popup->addAction(Text(text));
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id, 0); });
    };
    QMenu* file = menuBar_->addMenu(Text(texts::EDIT_MENU_FILE));
    item(file, ID_EXPORT_CSV, texts::EDIT_MENU_EXPORT_CSV);
    item(file, ID_REOPEN_OUTLINE, texts_properties::MENU_REOPEN_OUTLINE);
    QMenu* print = menuBar_->addMenu(Text(texts::EDIT_MENU_PRINT));
    item(print, ID_PRINT_RESULTS, texts::EDIT_MENU_PRINT_RESULTS);
    item(print, ID_PRINT_INCLINED, texts::EDIT_MENU_PRINT_INCLINED);
    item(print, ID_PRINT_DETAIL, texts::EDIT_MENU_PRINT_DETAIL);
    item(print, ID_PRINT_PROPERTIES, texts_properties::MENU_PRINT_PROPERTIES);
    item(print, ID_PRINT_SHEET, texts_properties::MENU_PRINT_SHEET);
    QMenu* view = menuBar_->addMenu(Text(texts::EDIT_MENU_VIEW));
    item(view, ID_PROC_GUIDE, texts::EDIT_MENU_PROC_GUIDE);
    item(view, ID_EDIT_GUIDE, texts::EDIT_MENU_EDIT_GUIDE);
    item(view, ID_DATA_EXPLAIN, texts::EDIT_MENU_DATA_EXPLAIN);
    QAction* close = menuBar_->addAction(Text(texts::MENU_CLOSE));
    connect(close, &QAction::triggered, this, [this] { OnCommand(ID_WINDOW_CLOSE, 0); });
}

void CEditData::StyleExplanations() {
    const QFont font = platform::MakeFont(platform::kFixedGothic, 9);
    for (int id = IDC_EXPLAIN_FIRST; id <= IDC_EXPLAIN_LAST; ++id) {
        auto* label = qobject_cast<QLabel*>(Control(id));
        if (label == nullptr) continue;
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, QColor(kExplanationBackground));
        colours.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(colours);
        label->setAutoFillBackground(true);
        // The text may need more lines in this font than its place holds.
        QRect place = label->geometry();
        place.setHeight(std::max(place.height(), label->heightForWidth(place.width())));
        label->setGeometry(place);
    }
}

void CEditData::BuildCells() {
    const QFont font = platform::MakeFont(platform::kProportionalGothic, 11);
    for (int line = 0; line < GRID_LINES; ++line) {
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            auto* cell = new CMyEditControl(*this, line, column, client_);
            cell->setObjectName(QString::number(cell->cellId()));
            cell->setFont(font);
            const GridBox box = layout_.Cell(line, column);
            cell->setGeometry(box.x, box.y, box.width, box.height);
            cells_[line][column] = cell;
        }
    }
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

double CEditData::PairedMmPerDot() const {
    const CViewImage* image = PairedImage();
    return image != nullptr ? image->mmPerDot : 0.0;
}

void CEditData::RepaintViewer() const {
    if (ViewerLink* viewer = PairedViewer()) viewer->TableChanged();
}

// ---------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------

bool CEditData::OnCommand(int id, std::intptr_t /*value*/) {
    if (destroying_) return false;
    switch (id) {
    case ID_WINDOW_CLOSE:
        close();
        return true;
    case ID_KEY_ENTER:
    case ID_KEY_TAB:
    case ID_KEY_RIGHT:
    case ID_KEY_UP:
    case ID_KEY_DOWN:
    case ID_KEY_SHIFT_TAB:
    case ID_KEY_LEFT:
        OnMoveKey(id);
        return true;
    case ID_KEY_ESCAPE:
        cells_[grid_.focusLine][grid_.focusColumn]->undo();
        return true;
    case ID_KEY_PAGE_UP:
        OnPaging(IDC_PAGE_UP);
        return true;
    case ID_KEY_PAGE_DOWN:
        OnPaging(IDC_PAGE_DOWN);
        return true;
    case ID_ROW_INSERT:
    case ID_ROW_DELETE:
    case ID_ROW_PASTE:
    case ID_ROW_COPY:
        OnRowCommand(id);
        return true;
    case IDC_PAGE_UP:
    case IDC_PAGE_DOWN:
    case IDC_PAGE_FIRST:
    case IDC_PAGE_LAST:
        OnPaging(id);
        return true;
    case IDC_SAMPLING_START:
        OnSamplingStart();
        return true;
    case IDC_SAMPLING_STOP:
        OnSamplingStop();
        return true;
    case IDC_CALCULATE:
        OnCalculate();
        return true;
    case IDC_CLEAR:
        OnClear();
        return true;
    case ID_PRINT_RESULTS:
    case ID_PRINT_INCLINED:
    case ID_PRINT_DETAIL:
    case ID_PRINT_PROPERTIES:
    case ID_PRINT_SHEET:
        OnPrint(id);
        return true;
    case ID_EXPORT_CSV:
        OnExportCsv();
        return true;
    case ID_REOPEN_OUTLINE:
        OnReopenOutline();
        return true;
    case ID_PROC_GUIDE:
    case ID_EDIT_GUIDE:
    case ID_DATA_EXPLAIN:
        OpenGuide(id);
        return true;
    case ID_DIAGNOSTIC_TRACE:
        WriteTrace();
        return true;
    default:
        return false;
    }
}

void CEditData::StopSampling() { OnCommand(IDC_SAMPLING_STOP, 0); }

void CEditData::OnMoveKey(int id) {
    if (StoreCurrentCell() != StoreResult::Refused) {
        SampleTable& table = App().sampleTable;
        bool scrolled = false;
        switch (id) {
        case ID_KEY_UP: scrolled = grid_.MoveUp(table); break;
        case ID_KEY_DOWN: scrolled = grid_.MoveDown(table); break;
        case ID_KEY_SHIFT_TAB:
        case ID_KEY_LEFT: scrolled = grid_.PreviousColumn(table); break;
        default: scrolled = grid_.NextColumn(table); break;
        }
        SyncCells();
        if (scrolled) client_->update();
    }
    FocusCurrentCell();
}

void CEditData::OnRowCommand(int id) {
    SampleTable& table = App().sampleTable;
    if (StoreCurrentCell() != StoreResult::Refused) {
        Notice notice;
        ApplyRowCommand(table, id, grid_.CurrentRow(), &notice);
        platform::ShowNotice(this, notice);
        if (id != ID_ROW_COPY) {
            grid_.FillPage(table);
            SyncCells();
            RefreshRowCount();
        }
        update();
        RepaintViewer();
    }
    FocusCurrentCell();
}

void CEditData::OnPaging(int id) {
    // What was typed in the current cell is kept before the page changes.
    StoreCurrentCell();
    SampleTable& table = App().sampleTable;
    switch (id) {
    case IDC_PAGE_FIRST: grid_.PageFirst(table); break;
    case IDC_PAGE_UP: grid_.PageUp(table); break;
    case IDC_PAGE_DOWN: grid_.PageDown(table); break;
    default: grid_.PageLast(table); break;
    }
    SyncCells();
    client_->update();
    FocusCurrentCell();
}

void CEditData::OnSamplingStart() {
    StoreCurrentCell();
    SampleTable& table = App().sampleTable;
    if (table.workState != WS_SAMPLING) {
        table.workState = WS_SAMPLING;
        if (ViewerLink* viewer = PairedViewer()) viewer->SamplingChanged(true);
    }
    App().calc.ZeroSectionResults();
    RepaintViewer();
    UpdateSamplingButtons();
    update();
}

void CEditData::OnSamplingStop() {
    StoreCurrentCell();
    SampleTable& table = App().sampleTable;
    if (table.workState == WS_SAMPLING) {
        table.workState = WS_IDLE;
        if (ViewerLink* viewer = PairedViewer()) viewer->SamplingChanged(false);
    }
    UpdateSamplingButtons();
    RefreshRowCount();
    update();
}

void CEditData::OnCalculate() {
    StoreCurrentCell();
    if (Calculate(App().sampleTable, App().calc, PairedMagnification(), this)) RepaintViewer();
    UpdateSamplingButtons();
    update();
}

void CEditData::OnClear() {
    StoreCurrentCell();
    if (ClearSampleData(App().sampleTable, App().calc, this)) {
        grid_.FillPage(App().sampleTable);
        SyncCells();
        RefreshRowCount();
        UpdateSamplingButtons();
        update();
        RepaintViewer();
    }
}

void CEditData::OnPrint(int id) {
    App().calc.mmPerDot = PairedMmPerDot();
    if (id == ID_PRINT_SHEET) {
        static const CImageData noPicture;
        const CViewImage* paired = PairedImage();
        const CImageData& image = paired != nullptr ? paired->image : noPicture;
        PrintMeasurementSheet(App().sampleTable, App().calc, image, App().DataFolder(), App().programDir, this);
        return;
    }
    PrintReport(ReportOf(id), App().sampleTable, App().calc, App().DataFolder(), App().programDir, this);
}

void CEditData::OnExportCsv() {
    AppContext& app = App();
    ExportCsv(app.sampleTable, app.calc.results, app.DataFolder(), app.lastCsvDir,
              [this](const std::string& folder) { return ChooseCsvPath(this, folder, true); }, this);
}

void CEditData::OnReopenOutline() {
    StoreCurrentCell();
    AppContext& app = App();
    const std::string path = ChooseCsvPath(this, CsvStartFolder(app.lastCsvDir, app.DataFolder()), false);
    if (path.empty()) return;
    if (!ReopenOutline(path, PairedMagnification(), app.sampleTable, this)) return;
    grid_.PageFirst(app.sampleTable);
    RefreshPage();
    UpdateSamplingButtons();
    RepaintViewer();
    FocusCurrentCell();
}

void CEditData::OpenGuide(int id) {
    ::OpenGuide(id, this);
}

void CEditData::WriteTrace() const {
    for (int k = 1; k <= 3; ++k)
        platform::WriteTraceLine(FormatText(texts_edit::TRACE_LINE, k, grid_.focusLine, grid_.focusColumn));
}

// ---------------------------------------------------------------------------
// Cells
// ---------------------------------------------------------------------------

StoreResult CEditData::StoreCell(int line, int column) {
    if (storing_) return StoreResult::Unchanged;
    storing_ = true;
    CMyEditControl* cell = cells_[line][column];
    Notice notice;
    const StoreResult result =
        grid_.StoreCell(App().sampleTable, line, column, cell->text().toStdString(), &notice);
    platform::ShowNotice(this, notice);
    switch (result) {
    case StoreResult::Refused:
    case StoreResult::Incomplete:
        SyncCells();
        break;
    case StoreResult::Completed:
        RefreshRowCount();
        update();
        RepaintViewer();
        break;
    case StoreResult::Unchanged:
        break;
    }
    storing_ = false;
    return result;
}

void CEditData::SyncCells() {
    for (int line = 0; line < GRID_LINES; ++line)
        for (int column = 0; column < GRID_COLUMNS; ++column)
            cells_[line][column]->SetCellText(QString::fromStdString(grid_.Cell(line, column)));
}

void CEditData::FocusCurrentCell() {
    caretMode_ = false;
    CMyEditControl* cell = cells_[grid_.focusLine][grid_.focusColumn];
    cell->setFocus(Qt::OtherFocusReason);
    cell->selectAll();
}

void CEditData::OnCellFocusIn(int line, int column) {
    if (!destroying_) grid_.SetCurrent(line, column);
}

void CEditData::OnCellFocusOut(int line, int column) {
    if (!destroying_) StoreCell(line, column);
}

void CEditData::OnCellPressed(int line, int column) {
    pressedLine_ = line;
    pressedColumn_ = column;
    // A click into a cell ends sampling as the stop button does: the user
    // turns to editing the data.
    if (App().sampleTable.workState == WS_SAMPLING) OnSamplingStop();
}

void CEditData::OnCellReleased(int line, int column, bool insidePressedCell) {
    if (destroying_) return;
    CMyEditControl* cell = cells_[line][column];
    const bool onPressedCell = insidePressedCell && line == pressedLine_ && column == pressedColumn_;
    if (!caretMode_ && onPressedCell) {
        caretMode_ = true;
        cell->setFocus(Qt::MouseFocusReason);
    } else {
        cell->selectAll();
        caretMode_ = false;
    }
    grid_.SetCurrent(line, column);
}

// ---------------------------------------------------------------------------
// Refreshing and painting
// ---------------------------------------------------------------------------

void CEditData::RefreshPage() {
    RefreshRowCount();
    grid_.FillPage(App().sampleTable);
    SyncCells();
    update();
}

void CEditData::ShowLastRow() {
    const SampleTable& table = App().sampleTable;
    if (grid_.topRow + GRID_LINES - 1 < table.count - 1) grid_.topRow = table.count - GRID_LINES;
    RefreshPage();
}

void CEditData::RefreshRowCount() {
    const SampleTable& table = App().sampleTable;
    rowCount_->setText(QString::fromStdString(FormatText(texts_edit::ROW_COUNT, table.count, table.capacity)));
    RefreshMagnification();
}

void CEditData::RefreshMagnification() {
    const CViewImage* image = PairedImage();
    QString text;
    if (image != nullptr)
        text = QString::fromStdString(FormatText(texts_edit::MAGNIFICATION, ScalePercent(image->displayScale)));
    if (text != magnification_->text()) magnification_->setText(text);
}

void CEditData::RefreshScale() {
    const double mmPerDot = PairedMmPerDot();
    const QString text =
        mmPerDot > 0 ? QString::fromStdString(FormatText(texts_properties::EDIT_SCALE_LINE, mmPerDot)) : QString();
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
    PaintGridFrame(painter, layout_, grid_.topRow);
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
    if (!destroying_) FocusCurrentCell();
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
