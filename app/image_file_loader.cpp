#include "app/image_file_loader.h"

#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "image/reduced_picture.h"
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

bool LoadReducedImageFile(ImageFileType type, const std::string& path, QWidget* owner,
                          const ReducedSizeWanted& wanted, ReducedPicture& picture) {
    if (type == ImageFileType::Jpeg) return LoadReducedJpegFile(path, wanted, picture);
    picture = ReducedPicture{};
    CImageData whole;
    if (!LoadImageFileOfType(type, whole, path, owner) || !whole.HasPicture()) return false;
    picture.fullWidth = picture.width = whole.width();
    picture.fullHeight = picture.height = whole.height();
    picture.rgb = whole.TakePixels();
    return true;
}
