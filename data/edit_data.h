// The data edit window: works beside the viewer opened last, shows the
// sample table ten rows at a time in a grid of cells that can be typed in,
// pages through it, inserts, deletes, copies and pastes rows, starts and
// stops sampling, runs the calculation and shows its results, and prints
// and exports them. There is at most one; closing it closes its viewer and
// brings the main dialog back.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "app/window_links.h"
#include "data/edit_grid.h"
#include "data/grid_layout.h"
#include "data/my_edit_control.h"

class CViewImage;
class QMenuBar;
class QLabel;
class QPainter;

class CEditData : public QWidget, public CellHost, public EditLink {
    Q_OBJECT
public:
    // owner: the main dialog, which is told when the window closes. A new
    // window starts with an empty table.
    explicit CEditData(QWidget* owner);
    ~CEditData() override;

    // Buttons, menu items, the cells' keys and commands sent by other windows.
    bool OnCommand(int id, std::intptr_t value) override;

    // Used by the viewer after it changed the table. RefreshPage: row count
    // and the ten lines from the top row again, then a repaint.
    // ShowLastRow: the same, first scrolling so that the last row is shown.
    // RefreshFromTable: after a change of magnification or the end of a
    // correction, the same as RefreshPage.
    void RefreshPage();
    void ShowLastRow();
    void RefreshFromTable() { RefreshPage(); }
    // The line under the explanations: the paired viewer's real-unit scale.
    void RefreshScale();

    // What the viewer asks of its edit window.
    void RowsAppended() override { ShowLastRow(); }
    void RowsChanged() override { RefreshPage(); }
    void RowsReplaced() override { RefreshPage(); }
    void WorkStateChanged() override { update(); }
    void MagnificationChanged() override { RefreshMagnification(); }
    void RealScaleChanged() override { RefreshScale(); }
    void StopSampling() override;
    void CloseEditWindow() override { close(); }

    // What the window shows, for the viewer and for tests.
    const EditGrid& grid() const { return grid_; }
    CMyEditControl* cell(int line, int column) const { return cells_[line][column]; }
    bool CaretMode() const override { return caretMode_; }
    // A control of the window's template by id (buttons, texts, boxes).
    QWidget* Control(int id) const;
    QString rowCountText() const;
    QString magnificationText() const;
    QString scaleText() const;
    // Places of the painted boxes, in the client area's coordinates.
    QRect ResultBoxRect() const;
    QRect StatusBoxRect() const;
    const GridLayout& gridLayout() const { return layout_; }
    // The area below the menu that holds the controls.
    QWidget* client() const { return client_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window passes the focus on to its current cell.
    void focusInEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // The cells report here.
    void OnCellFocusIn(int line, int column) override;
    void OnCellFocusOut(int line, int column) override;
    void OnCellPressed(int line, int column) override;
    void OnCellReleased(int line, int column, bool insidePressedCell) override;

private:
    void BuildMenu();
    void BuildCells();
    void StyleExplanations();

    // The viewer the window works with, or null.
    ViewerLink* PairedViewer() const;
    void RepaintViewer() const;
    // The paired viewer's picture, or null.
    const CViewImage* PairedImage() const;
    // Its display magnification; 1 without one (the table's dots are taken as they are).
    double PairedMagnification() const;
    // Millimetres per source dot of the paired viewer's picture; 0 when none is set.
    double PairedMmPerDot() const;

    // Stores a cell that was typed in; Refused keeps the cell as it was.
    StoreResult StoreCell(int line, int column);
    StoreResult StoreCurrentCell() { return StoreCell(grid_.focusLine, grid_.focusColumn); }
    // Cell texts from the grid.
    void SyncCells();
    // The current cell takes the focus with its text selected.
    void FocusCurrentCell();
    void RefreshRowCount();
    void RefreshMagnification();
    void UpdateSamplingButtons();

    void OnMoveKey(int id);
    void OnRowCommand(int id);
    void OnPaging(int id);
    void OnSamplingStart();
    void OnSamplingStop();
    void OnCalculate();
    void OnClear();
    void OnPrint(int id);
    void OnExportCsv();
    void OnReopenOutline();
    void OpenGuide(int id);
    void WriteTrace() const;

    // A click into the window while the viewer corrects a point: the
    // message, and the viewer gets the focus back. True when refused.
    bool RefuseWhileCorrecting();

    void PaintClient();

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QLabel* rowCount_ = nullptr;
    QLabel* magnification_ = nullptr;
    QLabel* scaleText_ = nullptr;
    std::array<std::array<CMyEditControl*, GRID_COLUMNS>, GRID_LINES> cells_{};

    EditGrid grid_;
    GridLayout layout_{0, 0, {}};
    bool caretMode_ = false;
    int pressedLine_ = -1;
    int pressedColumn_ = -1;
    bool storing_ = false;
    bool refusing_ = false;
    bool closing_ = false;
    bool destroying_ = false;
};
