#include "data/journal_pixels.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "image/image_data.h"
#include "platform/atomic_write.h"

bool WriteJournalPixels(const std::string& path, const CImageData& image) {
    if (!image.HasPicture()) return false;
    return platform::WriteFileAtomically(path, [&](std::FILE* file) {
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        png.width = static_cast<png_uint_32>(image.width());
        png.height = static_cast<png_uint_32>(image.height());
        png.format = PNG_FORMAT_RGB;
        const bool ok =
            png_image_write_to_stdio(&png, file, 0, image.pixels(), image.width() * 3, nullptr) != 0;
        png_image_free(&png);
        return ok;
    });
}

bool ReadJournalPixels(const std::string& path, CImageData& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return false;
    png.format = PNG_FORMAT_RGB;
    const int width = static_cast<int>(png.width);
    const int height = static_cast<int>(png.height);
    if (png.width > 0x7fffffffu || png.height > 0x7fffffffu || !CImageData::IsAcceptableSize(width, height)) {
        png_image_free(&png);
        return false;
    }
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr) == 0) {
        png_image_free(&png);
        return false;
    }
    return image.SetImageSize(width, height) && image.StorePixels(pixels.data(), pixels.size(), false);
}
