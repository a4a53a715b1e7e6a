#include "app/image_file_loader.h"

#include "image/image_data.h"

bool LoadImageFileOfType(ImageFileType type, CImageData& image, const std::string& path) {
    (void)type;
    (void)image;
    (void)path;
    return false;  // PENDING: the loaders
}
