// One cell of the edit window's grid: a right-aligned, bordered edit box
// that keeps only the characters of a number, hands navigation and row keys
// to its window as commands, and tells the window when it gains or loses the
// focus and when it is clicked.
#pragma once

#include <QLineEdit>
#include <cstdint>

// The window that owns the cells.
class CellHost {
public:
    // A key command (124..139) with the cell's identifier (0 for the page keys).
    virtual bool OnCommand(int id, std::intptr_t value) = 0;
    // While on, Left and Right stay in the cell.
    virtual bool CaretMode() const = 0;
    virtual void OnCellFocusIn(int line, int column) = 0;
    virtual void OnCellFocusOut(int line, int column) = 0;
    virtual void OnCellPressed(int line, int column) = 0;
    // insidePressedCell: the button went up over the cell it went down on.
    virtual void OnCellReleased(int line, int column, bool insidePressedCell) = 0;

protected:
    ~CellHost() = default;
};

class CMyEditControl : public QLineEdit {
    Q_OBJECT
public:
    CMyEditControl(CellHost& host, int line, int column, QWidget* parent);

    int line() const { return line_; }
    int column() const { return column_; }
    // 10000 + 100 x line + column.
    int cellId() const;

    // Sets the text without a trace of typing: the undo history starts afresh.
    void SetCellText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The command a key stands for, CELL_KEY_TO_CELL or CELL_KEY_SWALLOW.
    int CommandFor(const QKeyEvent* event) const;

    CellHost& host_;
    const int line_;
    const int column_;
};
