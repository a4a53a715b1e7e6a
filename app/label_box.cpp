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
#include "platform/text_picture.h"

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
    painter.drawImage(origin.x, origin.y, TextPicture(QString::fromStdString(label), font, Qt::white,
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
