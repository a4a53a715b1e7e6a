#include "data/cell_grid.h"

#include <QPainter>

#include "app/app_context.h"
#include "data/edit_data_painter.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "res/ids.h"

namespace {

// The cells' font: an 11-point proportional Gothic.
constexpr int kCellFontPoints = 11;

}  // namespace

CellGrid::CellGrid(CellGridOwner& owner, const GridLayout& layout, QWidget* client)
    : QWidget(client), owner_(owner), layout_(layout) {
    setGeometry(client->rect());
    BuildCells();
    // Below the buttons and texts of the window, which keep their clicks.
    lower();
    SyncCells();
}

CellGrid::~CellGrid() {
    // The cells report to the grid: they go first, while it is whole, and
    // nothing they report on their way out is acted on.
    destroying_ = true;
    for (auto& line : cells_)
        for (CMyEditControl*& cell : line) {
            delete cell;
            cell = nullptr;
        }
}

void CellGrid::BuildCells() {
    const QFont font = platform::MakeFont(platform::kProportionalGothic, kCellFontPoints);
    for (int line = 0; line < GRID_LINES; ++line) {
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            auto* cell = new CMyEditControl(*this, line, column, this);
            cell->setObjectName(QString::number(cell->cellId()));
            cell->setFont(font);
            const GridBox box = layout_.Cell(line, column);
            cell->setGeometry(box.x, box.y, box.width, box.height);
            cells_[line][column] = cell;
        }
    }
}

bool CellGrid::OnKey(int id) {
    if (destroying_) return false;
    switch (id) {
    case ID_KEY_ENTER:
    case ID_KEY_TAB:
    case ID_KEY_RIGHT:
    case ID_KEY_UP:
    case ID_KEY_DOWN:
    case ID_KEY_SHIFT_TAB:
    case ID_KEY_LEFT: OnMoveKey(id); return true;
    case ID_KEY_ESCAPE: cells_[grid_.focusLine][grid_.focusColumn]->undo(); return true;
    case ID_KEY_PAGE_UP: Page(IDC_PAGE_UP); return true;
    case ID_KEY_PAGE_DOWN: Page(IDC_PAGE_DOWN); return true;
    default: return false;
    }
}

bool CellGrid::TakeBackTyping() {
    CMyEditControl* current = cells_[grid_.focusLine][grid_.focusColumn];
    if (current->text() == QString::fromStdString(grid_.Cell(grid_.focusLine, grid_.focusColumn)))
        return false;
    current->undo();
    return true;
}

void CellGrid::OnMoveKey(int id) {
    if (StoreCurrentCell() != StoreResult::Refused) {
        const SampleTable& table = App().sampleTable;
        bool scrolled = false;
        switch (id) {
        case ID_KEY_UP: scrolled = grid_.MoveUp(table); break;
        case ID_KEY_DOWN: scrolled = grid_.MoveDown(table); break;
        case ID_KEY_SHIFT_TAB:
        case ID_KEY_LEFT: scrolled = grid_.PreviousColumn(table); break;
        default: scrolled = grid_.NextColumn(table); break;
        }
        SyncCells();
        if (scrolled) update();
    }
    FocusCurrentCell();
}

void CellGrid::Page(int id) {
    StoreCurrentCell();
    const SampleTable& table = App().sampleTable;
    switch (id) {
    case IDC_PAGE_FIRST: grid_.PageFirst(table); break;
    case IDC_PAGE_UP: grid_.PageUp(table); break;
    case IDC_PAGE_DOWN: grid_.PageDown(table); break;
    default: grid_.PageLast(table); break;
    }
    SyncCells();
    update();
    FocusCurrentCell();
}

StoreResult CellGrid::StoreCell(int line, int column) {
    if (storing_) return StoreResult::Unchanged;
    storing_ = true;
    Notice notice;
    StoreResult result;
    {
        UndoRecord record(App().history, ChangeKind::Cell);
        result = grid_.StoreCell(App().sampleTable, line, column, cells_[line][column]->text().toStdString(),
                                 &notice);
    }
    platform::ShowNotice(window(), notice);
    switch (result) {
    case StoreResult::Refused:
    case StoreResult::Incomplete: SyncCells(); break;
    case StoreResult::Completed:
        // A loop break typed: its coordinates show blank.
        if (App().sampleTable.rows[grid_.topRow + line].type == kLoopBreakType) SyncCells();
        owner_.CellCompletedRow();
        break;
    case StoreResult::Unchanged: break;
    }
    storing_ = false;
    return result;
}

void CellGrid::SyncCells() {
    for (int line = 0; line < GRID_LINES; ++line)
        for (int column = 0; column < GRID_COLUMNS; ++column)
            cells_[line][column]->SetCellText(QString::fromStdString(grid_.Cell(line, column)));
}

void CellGrid::FocusCurrentCell() {
    caretMode_ = false;
    CMyEditControl* cell = cells_[grid_.focusLine][grid_.focusColumn];
    cell->setFocus(Qt::OtherFocusReason);
    cell->selectAll();
}

void CellGrid::Refill() {
    grid_.FillPage(App().sampleTable);
    SyncCells();
    update();
}

void CellGrid::ScrollToLastRow() {
    const int count = App().sampleTable.count;
    if (grid_.topRow + GRID_LINES - 1 < count - 1) grid_.topRow = count - GRID_LINES;
}

void CellGrid::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintGridFrame(painter, layout_, grid_.topRow);
}

void CellGrid::OnCellFocusIn(int line, int column) {
    if (!destroying_) grid_.SetCurrent(line, column);
}

void CellGrid::OnCellFocusOut(int line, int column) {
    if (!destroying_) StoreCell(line, column);
}

void CellGrid::OnCellPressed(int line, int column) {
    pressedLine_ = line;
    pressedColumn_ = column;
    owner_.CellPressed();
}

void CellGrid::OnCellReleased(int line, int column, bool insidePressedCell) {
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
