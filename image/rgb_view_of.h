// The image's pixels as the rendering engine reads them. The view is valid
// while the image keeps the same pixels; bytes is null while it has none.
#pragma once

#include <cstddef>

#include "image/image_data.h"
#include "render/rgb_view.h"

inline RgbView RgbViewOf(const CImageData& image) {
    return {image.pixels(), image.width(), image.height(), std::ptrdiff_t(image.width()) * 3};
}
