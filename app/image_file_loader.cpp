#include "app/image_file_loader.h"

#include "image/bmp_loader.h"
#include "image/image_data.h"

bool LoadImageFileOfType(ImageFileType type, CImageData& image, const std::string& path,
                         QWidget* owner) {
    switch (type) {
    case ImageFileType::Bmp: return LoadBmpFile(image, path, owner);
    case ImageFileType::Jpeg:  // PENDING: the library loaders
    case ImageFileType::Gif:
    case ImageFileType::Png:
    case ImageFileType::Unsupported: break;
    }
    return false;
}
