#include "app/preview_painter.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "viewer/display_raster.h"

namespace {

QImage::Format FormatOfDepth(int depth) {
    switch (depth) {
    case 16: return QImage::Format_RGB16;
    case 24: return QImage::Format_BGR888;
    case 32: return QImage::Format_RGB32;
    default: return QImage::Format_Invalid;
    }
}

}  // namespace

void DrawPreview(QPainter& painter, const QRect& box, const DisplayRaster* picture, int depth) {
    if (!picture) {
        painter.fillRect(box, Qt::white);
        return;
    }
    // The display copy is rebuilt at every paint, for the screen seen now.
    DeviceRaster device;
    const QImage::Format format = FormatOfDepth(depth);
    if (format == QImage::Format_Invalid || !BuildDeviceRaster(*picture, depth, device)) return;
    if (device.width <= 0 || device.rows <= 0) return;
    const QImage image(device.pixels.data(), device.width, device.rows, device.rowBytes, format);
    painter.drawImage(box.topLeft(), image);
}
