// One cell of the edit window's grid: a right-aligned, bordered edit box
// that keeps only the characters of a number, hands navigation and row keys
// to its window as commands, and tells the window when it gains or loses the
// focus and when it is clicked. A text too long for the cell in its font is
// shown in a smaller size of the font, so that it is always seen whole.
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

    // Where the text is laid out: the content rectangle less the margins
    // the edit box keeps on either side.
    QRect TextRect() const;
    // The font set on the cell; font() is smaller while the text would not fit.
    const QFont& TextFont() const { return textFont_; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The command a key stands for, CELL_KEY_TO_CELL or CELL_KEY_SWALLOW.
    int CommandFor(const QKeyEvent* event) const;
    // True when text in font takes no more than the text rectangle.
    bool Fits(const QString& text, const QFont& font) const;
    // The text font, or the largest smaller size of it in which the text fits.
    void FitText();

    CellHost& host_;
    QFont textFont_;
    bool fitting_ = false;
    const int line_;
    const int column_;
};
