#include "app/plus_cursor.h"

#include <QBitmap>
#include <QPainter>

namespace {

constexpr int kSize = 32;
constexpr int kCentre = 15;
constexpr int kArm = 11;  // pixels from the centre to an arm's end

// The plus drawn with lines halfWidth pixels to either side of its axes.
QBitmap Plus(int halfWidth) {
    QBitmap bitmap(kSize, kSize);
    bitmap.clear();
    QPainter painter(&bitmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    const int span = 2 * (kArm + halfWidth) + 1;
    const int thickness = 2 * halfWidth + 1;
    painter.drawRect(kCentre - kArm - halfWidth, kCentre - halfWidth, span, thickness);
    painter.drawRect(kCentre - halfWidth, kCentre - kArm - halfWidth, thickness, span);
    return bitmap;
}

}  // namespace

QCursor PlusCursor() {
    // Set bits of the first bitmap are black; the mask's others are white.
    return QCursor(Plus(0), Plus(1), kCentre, kCentre);
}
