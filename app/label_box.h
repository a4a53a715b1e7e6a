// Heading label boxes: a filled, outlined box with its text in white,
// centred in the fixed-pitch Gothic face. The main dialog, the data edit
// window and the guidance dialogs use them.
#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

class QPainter;
class QRect;

// Paints a label box over the client rectangle: the fill with a 1-pixel
// black outline, then the text (whole characters, at most 47
// Shift-JIS bytes) in white "ＭＳ ゴシック"
// 9 point, placed by LabelTextPosition.
void DrawLabelBox(QPainter& painter, const QRect& client, const QString& text, const QColor& fill);

// A bordered, centred static control whose text DrawLabelBox paints over.
class CLabelBox : public QFrame {
    Q_OBJECT
public:
    CLabelBox(const QString& text, const QColor& fill, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor fill_;
};
