#include "app/image_file_opener.h"

#include "app/image_file_loader.h"
#include "app/image_file_type.h"
#include "app/viewer_registry.h"
#include "image/image_kind.h"
#include "platform/message_box.h"
#include "res/texts_app.h"

int OpenSlotViewer(QWidget* owner, ViewerRegistry& registry, int kind, const SlotImageLoader& load,
                   const char* failureText, const AttachSlotViewer& attach) {
    Notice full;
    const int slot = registry.FindFreeSlot(&full);
    if (slot < 0) {
        platform::ShowNotice(owner, full);
        return -1;
    }
    CViewImage* viewImage = registry.PrepareSlotImage(slot);
    if (!viewImage) return -1;
    viewImage->image.SetKind(kind);
    if (!load || !load(viewImage->image) || !viewImage->image.HasPicture()) {
        platform::MessageBox(owner, failureText, texts::TITLE_ABANDON, platform::MB_OK);
        return -1;
    }
    return attach ? attach(slot) : -1;
}

namespace {

int OpenViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
               const AttachSlotViewer& attach, ImageFileType type, int kind, const char* failureText) {
    return OpenSlotViewer(
        owner, registry, kind,
        [&](CImageData& image) { return LoadImageFileOfType(type, image, path, owner); }, failureText,
        [&](int slot) {
            // The viewer looks up the picture's real-unit scale by its path.
            if (CViewImage* viewImage = registry.viewImages[slot].get()) viewImage->sourcePath = path;
            return attach ? attach(slot) : -1;
        });
}

}  // namespace

int OpenBmpViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach) {
    return OpenViewer(owner, registry, path, attach, ImageFileType::Bmp, IMG_BMP, texts::BMP_LOAD_FAILED);
}

int OpenJpegViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                   const AttachSlotViewer& attach) {
    return OpenViewer(owner, registry, path, attach, ImageFileType::Jpeg, IMG_JPEG, texts::JPEG_LOAD_FAILED);
}

int OpenGifViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach) {
    return OpenViewer(owner, registry, path, attach, ImageFileType::Gif, IMG_GIF, texts::GIF_LOAD_FAILED);
}

int OpenImageFile(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach) {
    switch (ImageFileTypeOf(path)) {
    case ImageFileType::Bmp: return OpenBmpViewer(owner, registry, path, attach);
    case ImageFileType::Jpeg: return OpenJpegViewer(owner, registry, path, attach);
    case ImageFileType::Gif: return OpenGifViewer(owner, registry, path, attach);
    case ImageFileType::Png:
    case ImageFileType::Unsupported: break;
    }
    platform::MessageBox(owner, texts::OPEN_EXTENSION_REFUSED, path, platform::MB_OK);
    return -1;
}
