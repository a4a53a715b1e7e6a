// The main dialog's preview: the image chosen last, loaded and scaled to
// fit the preview box. No window here; the dialog draws it.
#pragma once

#include <string>

#include "image/view_image.h"
#include "render/display_raster.h"

class QWidget;

class PreviewPicture {
public:
    // Loads path with the loader its ending names, fits it into a box of
    // boxWidth x boxHeight pixels and builds the point-sampled picture.
    // An empty path, another ending, a failed load or an empty image leave
    // no picture: the result is false.
    // A loader's own message boxes are owned by owner.
    bool Load(const std::string& path, int boxWidth, int boxHeight, QWidget* owner = nullptr);

    // True while a picture is shown (only then does a double click open it).
    bool loaded() const { return loaded_; }
    // The image's name and full size (its pixels are not kept: the preview
    // is built from a reduced decode where the format has one) with the fit
    // scale as display scale.
    const CViewImage& image() const { return image_; }
    // The picture as drawn: (image size x fit scale) pixels.
    const DisplayRaster& pixels() const { return pixels_; }

private:
    CViewImage image_;
    DisplayRaster pixels_;
    bool loaded_ = false;
};
