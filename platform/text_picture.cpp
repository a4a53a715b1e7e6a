#include "platform/text_picture.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QSize>
#include <QString>

#include <algorithm>

QImage TextPicture(const QString& text, const QFont& font, const QColor& colour, qreal pixelRatio) {
    const QFontMetrics metrics(font);
    // One widest character to spare covers a last glyph reaching past its
    // advance.
    const QSize size(std::max(1, metrics.horizontalAdvance(text) + metrics.maxWidth()),
                     std::max(1, metrics.height()));
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(0, metrics.ascent(), text);
    return image;
}
