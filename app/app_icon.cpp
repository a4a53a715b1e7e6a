#include "app/app_icon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // A plate with a rounded corner: the kind of figure the program measures.
    QPainterPath figure;
    figure.moveTo(4, 6);
    figure.lineTo(20, 6);
    figure.arcTo(12, 6, 16, 16, 90, -90);
    figure.lineTo(28, 27);
    figure.lineTo(4, 27);
    figure.closeSubpath();
    painter.setPen(QPen(QColor(0, 48, 48), 1.5));
    painter.setBrush(QColor(200, 225, 225));
    painter.drawPath(figure);

    // Principal axes through the centroid.
    painter.setPen(QPen(QColor(200, 0, 0), 1.2));
    painter.drawLine(QPointF(5, 20), QPointF(27, 12));
    painter.setPen(QPen(QColor(0, 0, 200), 1.2));
    painter.drawLine(QPointF(13, 8), QPointF(19, 25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(16, 16.5), 1.8, 1.8);
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}
