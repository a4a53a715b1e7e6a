#include "app/label_box.h"

#include <algorithm>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>

#include "app/label_text_layout.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"

namespace {

// The text in white on a transparent 32-bit picture, its top-left corner at
// the text's origin. Painted straight onto a 16-bit screen, unsmoothed glyphs
// come out garbled; drawn through this picture they look the same at every
// depth.
QImage WhiteTextImage(const QString& text, const QFont& font, qreal pixelRatio) {
    const QFontMetrics metrics(font);
    const QSize size(std::max(1, metrics.horizontalAdvance(text) + metrics.maxWidth()),
                     std::max(1, metrics.height()));
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(0, metrics.ascent(), text);
    return image;
}

}  // namespace

void DrawLabelBox(QPainter& painter, const QRect& client, const QString& text, const QColor& fill) {
    const std::string label = platform::FitCp932Bytes(text.toStdString(), kLabelTextMaxBytes);

    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawRect(client.adjusted(0, 0, -1, -1));

    QFont font = platform::MakeFont(platform::kFixedGothic, 9);
    font.setStyleStrategy(QFont::NoAntialias);  // crisp white on the fill
    const QFontMetrics metrics(font);
    // Edges as the box's own window sees them: right and bottom exclusive.
    const LabelTextOrigin origin = LabelTextPosition(
        client.left(), client.top(), client.left() + client.width(), client.top() + client.height(),
        static_cast<int>(platform::Cp932Length(label)), platform::AverageCharWidth(font), metrics.height());
    painter.drawImage(origin.x, origin.y, WhiteTextImage(QString::fromStdString(label), font,
                                                         painter.device()->devicePixelRatioF()));
    painter.restore();
}

CLabelBox::CLabelBox(const QString& text, const QColor& fill, QWidget* parent)
    : QFrame(parent), text_(text), fill_(fill) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void CLabelBox::setText(const QString& text) {
    text_ = text;
    update();
}

void CLabelBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the control's own border
    QPainter painter(this);
    DrawLabelBox(painter, contentsRect(), text_, fill_);
}
