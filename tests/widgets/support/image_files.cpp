#include "support/image_files.h"

#include <QImage>

#include <cstring>
#include <vector>

#include <gif_lib.h>

namespace {

// Qt reads GIF but does not write it: a one-colour GIF through giflib.
bool WriteGif(const QString& path, int width, int height, const QColor& colour) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif) return false;
    const GifColorType palette[2] = {
        {static_cast<GifByteType>(colour.red()), static_cast<GifByteType>(colour.green()),
         static_cast<GifByteType>(colour.blue())},
        {0, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(2, palette);
    bool written = map && EGifPutScreenDesc(gif, width, height, 1, 0, map) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<std::size_t>(width), 0);
    for (int y = 0; written && y < height; ++y) written = EGifPutLine(gif, row.data(), width) == GIF_OK;
    if (EGifCloseFile(gif, &error) != GIF_OK) written = false;
    GifFreeMapObject(map);
    return written;
}

}  // namespace

bool WriteImageFile(const QString& path, int width, int height, const char* format, const QColor& colour) {
    if (std::strcmp(format, "GIF") == 0) return WriteGif(path, width, height, colour);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format, 100);
}
