#include "viewer/device_image.h"

#include "render/display_raster.h"

int DeviceLayoutDepth(int screenDepth) {
    if (screenDepth <= 16) return 16;
    if (screenDepth <= 24) return 24;
    return 32;
}

QImage DeviceImage(const DeviceRaster& device) {
    QImage::Format format;
    switch (device.depth) {
    case 16: format = QImage::Format_RGB16; break;
    case 24: format = QImage::Format_BGR888; break;
    case 32: format = QImage::Format_RGB32; break;
    default: return {};
    }
    if (device.width <= 0 || device.rows <= 0 ||
        device.pixels.size() < std::size_t(device.rowBytes) * std::size_t(device.rows))
        return {};
    return QImage(device.pixels.data(), device.width, device.rows, device.rowBytes, format);
}
