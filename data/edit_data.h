// The data edit window: works beside the viewer opened last, shows the
// sample table ten rows at a time in a grid of cells that can be typed in,
// pages through it, inserts, deletes, copies and pastes rows, starts and
// stops sampling, runs the calculation and shows its results, and prints
// and exports them. There is at most one; closing it closes its viewer and
// brings the main dialog back. The grid, the files and the sampling
// transitions are their own classes; the window forwards to them.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/window_links.h"
#include "data/cad_file_commands.h"
#include "data/cell_grid.h"
#include "data/edit_file_commands.h"
#include "data/grid_layout.h"

class CViewImage;
class QMenuBar;
class QLabel;
class UndoMenu;
struct TransitionEffects;

class CEditData : public QWidget, public CellGridOwner, public EditLink {
    Q_OBJECT
public:
    // owner: the main dialog, which is told when the window closes. A new
    // window starts with an empty table.
    explicit CEditData(QWidget* owner);
    ~CEditData() override;

    // Buttons, menu items, the cells' row keys and commands sent by other windows.
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
    void RowsReplaced() override;
    void WorkStateChanged() override { update(); }
    void MagnificationChanged() override { RefreshMagnification(); }
    void RealScaleChanged() override { RefreshScale(); }
    void StopSampling() override;
    void CloseEditWindow() override { close(); }

    // What the window shows, for the viewer and for tests.
    const EditGrid& grid() const { return grid_->grid(); }
    CMyEditControl* cell(int line, int column) const { return grid_->cell(line, column); }
    bool CaretMode() const { return grid_->CaretMode(); }
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

    // The grid reports here.
    void CellCompletedRow() override;
    void CellPressed() override;

private:
    // The viewer the window works with, or null.
    ViewerLink* PairedViewer() const;
    void RepaintViewer() const;
    // The paired viewer's picture, or null.
    const CViewImage* PairedImage() const;
    // Its display magnification; 1 without one (the table's dots are taken as they are).
    double PairedMagnification() const;

    void RefreshRowCount();
    void RefreshMagnification();
    void UpdateSamplingButtons();

    void OnRowCommand(int id);
    // Start, stop, calculate and clear, each after the current cell is stored.
    void OnSamplingCommand(int id);
    void Apply(const TransitionEffects& effects);
    // Undo and redo; the window shows the table again after either.
    void OnUndoCommand(int id);
    void OnHistoryChanged(bool restored);
    // The rows read by load (true when it replaced them) shown in the grid
    // and the viewer.
    void OnReopenOutline(const std::function<bool()>& load);
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
    CellGrid* grid_ = nullptr;
    EditFileCommands files_{this};
    CadFileCommands cadFiles_{this};

    GridLayout layout_{0, 0, {}};
    std::unique_ptr<UndoMenu> undoMenu_;
    int historyListener_ = 0;
    bool refusing_ = false;
    bool closing_ = false;
    bool destroying_ = false;
};
