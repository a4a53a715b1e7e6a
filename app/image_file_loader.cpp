#include "app/image_file_loader.h"

#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "platform/message_box.h"

bool LoadImageFileOfType(ImageFileType type, CImageData& image, const std::string& path,
                         QWidget* owner) {
    switch (type) {
    case ImageFileType::Bmp: {
        Notice notice;
        const bool loaded = LoadBmpFile(image, path, &notice);
        platform::ShowNotice(owner, notice);
        return loaded;
    }
    case ImageFileType::Jpeg: return LoadJpegFile(image, path);
    case ImageFileType::Gif: return LoadGifFile(image, path);
    case ImageFileType::Png: return LoadPngFile(image, path);
    case ImageFileType::Unsupported: break;
    }
    return false;
}
