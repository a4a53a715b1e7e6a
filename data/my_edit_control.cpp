#include "data/my_edit_control.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include "data/cell_input.h"
#include "res/ids.h"

namespace {

// Anything that would put a character outside the number set into the cell
// (typing, pasting, dropping, an input method) is refused as a whole.
class CellCharValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return IsCellTextAllowed(input.toStdString()) ? Acceptable : Invalid;
    }
};

// Cells hold what fits the program's 256-byte text buffers.
constexpr int kMaxCellLength = 255;

// The blank the edit box keeps between its content rectangle and the text
// on either side, and the column its caret takes after the text.
constexpr int kTextSideMargin = 2;
constexpr int kCaretWidth = 1;
// The smallest size a long text is shrunk to; beyond it the box scrolls.
constexpr int kMinFitPixelSize = 6;

}  // namespace

CMyEditControl::CMyEditControl(CellHost& host, int line, int column, QWidget* parent)
    : QLineEdit(parent), host_(host), line_(line), column_(column) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrame(true);
    setFocusPolicy(Qt::StrongFocus);
    setMaxLength(kMaxCellLength);
    setValidator(new CellCharValidator(this));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    textFont_ = font();
    connect(this, &QLineEdit::textChanged, this, [this] { FitText(); });
}

int CMyEditControl::cellId() const { return EditCellId(line_, column_); }

void CMyEditControl::SetCellText(const QString& text) {
    // The validator does not look at programmatic texts; setText also clears
    // the undo history.
    if (text != this->text()) setText(text);
    setModified(false);
}

QRect CMyEditControl::TextRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).adjusted(kTextSideMargin, 0, -kTextSideMargin, 0);
}

bool CMyEditControl::Fits(const QString& text, const QFont& font) const {
    return QFontMetrics(font).horizontalAdvance(text) + kCaretWidth <= TextRect().width();
}

void CMyEditControl::FitText() {
    if (fitting_) return;
    fitting_ = true;
    QFont fitted = textFont_;
    const QString shown = text();
    if (!Fits(shown, fitted)) {
        for (int size = QFontInfo(textFont_).pixelSize() - 1; size >= kMinFitPixelSize; --size) {
            fitted.setPixelSize(size);
            if (Fits(shown, fitted)) break;
        }
    }
    if (fitted != font()) setFont(fitted);
    fitting_ = false;
}

void CMyEditControl::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // A font set from outside is the one texts are shown in when they fit.
    if (event->type() == QEvent::FontChange && !fitting_) {
        textFont_ = font();
        FitText();
    }
}

void CMyEditControl::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FitText();
}

int CMyEditControl::CommandFor(const QKeyEvent* event) const {
    const Qt::KeyboardModifiers mods = event->modifiers();
    // Alt keys belong to the menu.
    if (mods & Qt::AltModifier) return CELL_KEY_TO_CELL;
    const int command = CellKeyCommand(event->key(), mods & Qt::ShiftModifier, mods & Qt::ControlModifier,
                                       host_.CaretMode());
    // Pasting by Shift+Insert is as unwanted as by Ctrl+V.
    if (command == CELL_KEY_TO_CELL && event->matches(QKeySequence::Paste)) return CELL_KEY_SWALLOW;
    return command;
}

bool CMyEditControl::event(QEvent* event) {
    // Tab and Shift+Tab would move the focus before the key reaches the
    // cell, and shortcuts would take Ctrl keys: the cell decides first.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int command = CommandFor(key);
        if (command != CELL_KEY_TO_CELL) {
            key->accept();
            if (type == QEvent::KeyPress && command != CELL_KEY_SWALLOW) {
                const bool pageKey = command == ID_KEY_PAGE_UP || command == ID_KEY_PAGE_DOWN;
                host_.OnCommand(command, pageKey ? 0 : cellId());
            }
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CMyEditControl::mousePressEvent(QMouseEvent* event) {
    // The middle button would paste the X selection.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) host_.OnCellPressed(line_, column_);
}

void CMyEditControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        host_.OnCellReleased(line_, column_, rect().contains(event->position().toPoint()));
}

void CMyEditControl::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    host_.OnCellFocusIn(line_, column_);
}

void CMyEditControl::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    host_.OnCellFocusOut(line_, column_);
}
