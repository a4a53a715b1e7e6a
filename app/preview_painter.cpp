#include "app/preview_painter.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "viewer/device_image.h"
#include "render/display_raster.h"

void DrawPreview(QPainter& painter, const QRect& box, const DisplayRaster* picture, int depth) {
    if (!picture) {
        painter.fillRect(box, Qt::white);
        return;
    }
    // The display copy is rebuilt at every paint, for the screen seen now,
    // in the same layouts as the viewers' device rasters.
    DeviceRaster device;
    if (!BuildDeviceRaster(*picture, DeviceLayoutDepth(depth), device)) return;
    const QImage image = DeviceImage(device);
    if (!image.isNull()) painter.drawImage(box.topLeft(), image);
}
