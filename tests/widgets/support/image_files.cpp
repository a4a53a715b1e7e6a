#include "support/image_files.h"

#include <QImage>

bool WriteImageFile(const QString& path, int width, int height, const char* format, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format, 100);
}
