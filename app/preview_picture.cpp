#include "app/preview_picture.h"

#include "app/image_file_loader.h"
#include "app/image_file_type.h"
#include "app/preview_scaling.h"
#include "image/reduced_picture.h"

bool PreviewPicture::Load(const std::string& path, int boxWidth, int boxHeight, QWidget* owner) {
    loaded_ = false;
    pixels_ = DisplayRaster{};
    image_.image = CImageData{};
    if (path.empty()) return false;
    const ImageFileType type = ImageFileTypeOf(path);
    if (type == ImageFileType::Unsupported) return false;

    // The preview needs only as many dots as it shows: the picture is taken
    // at the largest reduction that still has that many, and dropped once
    // the preview's pixels are built.
    ReducedPicture picture;
    const auto wanted = [&](int width, int height, int& minWidth, int& minHeight) {
        const double scale = PreviewFitScale(boxWidth, boxHeight, width, height);
        minWidth = ScaledLength(width, scale);
        minHeight = ScaledLength(height, scale);
    };
    if (!LoadReducedImageFile(type, path, owner, wanted, picture)) return false;

    // Size, scale and sampled places come from the picture's full size.
    const double scale = PreviewFitScale(boxWidth, boxHeight, picture.fullWidth, picture.fullHeight);
    if (!(scale > 0.0)) return false;
    image_.image.SetFileNameFromPath(path);
    image_.image.SetImageSize(picture.fullWidth, picture.fullHeight);
    image_.displayScale = scale;
    image_.displayMode = 0;
    const PreviewSource source{picture.rgb.data(), picture.width, picture.height, picture.reduction};
    pixels_ = BuildPreviewPixels(source, picture.fullWidth, picture.fullHeight, scale);
    loaded_ = true;
    return true;
}
