#include "dialogs/hidden_caption.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include "app/label_text_layout.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"

void PaintHiddenCaption(QPainter& painter, const QRect& rect, const QString& text, const QColor& fill) {
    const std::string caption = platform::FitCp932Bytes(text.toStdString(), kHiddenCaptionMaxBytes);

    painter.save();
    painter.fillRect(rect, fill);
    QFont font = platform::MakeFont(platform::kFixedGothic, 10);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const LabelTextOrigin origin = LabelTextPosition(
        rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height(),
        static_cast<int>(platform::Cp932Length(caption)), platform::AverageCharWidth(font),
        metrics.height() + metrics.leading());
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(origin.x, origin.y + metrics.ascent(), QString::fromStdString(caption));
    painter.restore();
}
