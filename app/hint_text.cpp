#include "app/hint_text.h"

#include <QPainter>

CHintText::CHintText(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

TextFit CHintText::Fit() const {
    FitKey key{text(), font(), contentsRect().size(), devicePixelRatioF()};
    if (fitKey_ != key) {
        fit_ = FitText(key.text, key.font, key.size, const_cast<CHintText*>(this));
        fitKey_ = std::move(key);
    }
    return fit_;
}

void CHintText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    DrawFittedText(painter, contentsRect(), text(), Fit());
}
