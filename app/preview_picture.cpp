#include "app/preview_picture.h"

#include "app/image_file_loader.h"
#include "app/image_file_type.h"
#include "app/preview_scaling.h"

bool PreviewPicture::Load(const std::string& path, int boxWidth, int boxHeight, QWidget* owner) {
    loaded_ = false;
    pixels_ = DisplayRaster{};
    if (path.empty()) return false;
    const ImageFileType type = ImageFileTypeOf(path);
    if (type == ImageFileType::Unsupported) return false;
    if (!LoadImageFileOfType(type, image_.image, path, owner) || !image_.image.HasPicture()) return false;

    const CImageData& image = image_.image;
    const double scale = PreviewFitScale(boxWidth, boxHeight, image.width(), image.height());
    if (!(scale > 0.0)) return false;
    image_.displayScale = scale;
    image_.displayMode = 0;
    pixels_ = BuildPreviewPixels(image.pixels(), image.width(), image.height(), scale);
    loaded_ = true;
    return true;
}
