#include "app/hint_text.h"

#include <QPainter>

CHintText::CHintText(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

TextFit CHintText::Fit() const {
    return FitText(text(), font(), contentsRect().size(), const_cast<CHintText*>(this));
}

void CHintText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    DrawFittedText(painter, contentsRect(), text(), Fit());
}
