// The edit window's grid as a widget: the 30 cells (10 lines of type, X and
// Y) over the rows of the sample table, with the painted frame, captions and
// row numbers. It keeps the cells' texts in step with the plain grid logic
// (EditGrid), stores a typed cell into the table, moves the current cell
// with the keys, pages, and keeps the caret mode of a clicked cell. It lies
// over the window's whole client area, below the other controls, so that
// its cells and frame are placed in the client's coordinates.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "data/edit_grid.h"
#include "data/grid_layout.h"
#include "data/my_edit_control.h"

// What the grid needs of the window it lies in.
class CellGridOwner {
public:
    // A key command of a cell that the grid does not handle (the row keys),
    // with the cell's id.
    virtual bool OnCommand(int id, std::intptr_t value) = 0;
    // A typed cell completed its row: the table changed.
    virtual void CellCompletedRow() = 0;
    // The left button went down on a cell.
    virtual void CellPressed() = 0;

protected:
    ~CellGridOwner() = default;
};

class CellGrid : public QWidget, public CellHost {
    Q_OBJECT
public:
    // client: the window's client area, which the grid covers.
    CellGrid(CellGridOwner& owner, const GridLayout& layout, QWidget* client);
    ~CellGrid() override;

    const EditGrid& grid() const { return grid_; }
    CMyEditControl* cell(int line, int column) const { return cells_[line][column]; }
    bool CaretMode() const override { return caretMode_; }

    // The cells' key commands: the grid's own keys, any other (the row
    // keys) goes to the owner.
    bool OnCommand(int id, std::intptr_t value) override { return OnKey(id) || owner_.OnCommand(id, value); }
    // The moves, Escape and the page keys; false for any other id.
    bool OnKey(int id);
    // The page buttons and keys (IDC_PAGE_FIRST, _UP, _DOWN, _LAST): what
    // was typed in the current cell is kept first.
    void Page(int id);

    // Stores the current cell if it was typed in.
    StoreResult StoreCurrentCell() { return StoreCell(grid_.focusLine, grid_.focusColumn); }
    // Typing not yet stored in the current cell is taken back, as Escape
    // does; false when there was none.
    bool TakeBackTyping();
    // The current cell takes the focus with its text selected.
    void FocusCurrentCell();
    // The ten lines again from the table.
    void Refill();
    // Scrolls so that the table's last row is shown, when it is below the page.
    void ScrollToLastRow();
    // The page from the table's first row.
    void ScrollToTop() { grid_.topRow = 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

    void OnCellFocusIn(int line, int column) override;
    void OnCellFocusOut(int line, int column) override;
    void OnCellPressed(int line, int column) override;
    void OnCellReleased(int line, int column, bool insidePressedCell) override;

private:
    void BuildCells();
    StoreResult StoreCell(int line, int column);
    void OnMoveKey(int id);
    // Cell texts from the grid logic.
    void SyncCells();

    CellGridOwner& owner_;
    const GridLayout layout_;
    std::array<std::array<CMyEditControl*, GRID_COLUMNS>, GRID_LINES> cells_{};
    EditGrid grid_;
    bool caretMode_ = false;
    int pressedLine_ = -1;
    int pressedColumn_ = -1;
    bool storing_ = false;
    bool destroying_ = false;
};
