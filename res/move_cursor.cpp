#include "res/move_cursor.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace {

constexpr int kSize = 32;
constexpr int kHotSpot = 1;

void DrawArrow(QPainter& painter) {
    const QPolygon arrow({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10, 19}, {7, 12}, {12, 12}});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

// Four arrows from (cx, cy), each arm reach dots long.
void DrawMoveSign(QPainter& painter, int cx, int cy, int reach) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(cx - reach, cy, cx + reach, cy);
    painter.drawLine(cx, cy - reach, cx, cy + reach);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    constexpr int head = 3;
    painter.drawPolygon(QPolygon({{cx - reach - 1, cy}, {cx - reach + head, cy - head}, {cx - reach + head, cy + head}}));
    painter.drawPolygon(QPolygon({{cx + reach + 1, cy}, {cx + reach - head, cy - head}, {cx + reach - head, cy + head}}));
    painter.drawPolygon(QPolygon({{cx, cy - reach - 1}, {cx - head, cy - reach + head}, {cx + head, cy - reach + head}}));
    painter.drawPolygon(QPolygon({{cx, cy + reach + 1}, {cx - head, cy + reach - head}, {cx + head, cy + reach - head}}));
}

}  // namespace

QCursor MoveCursor() {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        DrawArrow(painter);
        DrawMoveSign(painter, 21, 21, 8);
    }
    return QCursor(QPixmap::fromImage(image), kHotSpot, kHotSpot);
}
