// PNG through libpng's simplified reader: the open reads the header, the
// fetch decodes into the caller's buffer, composing transparency over white.
#include <png.h>

#include <cstring>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"

namespace {

struct OpenLossless {
    png_image image{};
    bool opened = false;

    void Reset() {
        png_image_free(&image);
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        opened = false;
    }
};

OpenLossless& Lossless() {
    static OpenLossless lossless;
    return lossless;
}

// The file's colour type in PNG's own numbering.
int ColourType(png_uint_32 format) {
    if (format & PNG_FORMAT_FLAG_COLORMAP) return 3;
    const int colour = (format & PNG_FORMAT_FLAG_COLOR) ? 2 : 0;
    return colour | ((format & PNG_FORMAT_FLAG_ALPHA) ? 4 : 0);
}

}  // namespace

extern "C" int32_t kvLosslessOpen(const char* path, void* info) {
    OpenLossless& png = Lossless();
    png.Reset();
    if (path == nullptr || info == nullptr) return KV_ERR_ARGUMENT;
    std::memset(info, 0, KV_LOSSLESS_INFO_BYTES);
    if (!png_image_begin_read_from_file(&png.image, path)) {
        png.Reset();
        return KV_ERR_FORMAT;
    }
    if (!kivra::AcceptableSize(png.image.width, png.image.height)) {
        png.Reset();
        return KV_ERR_TOO_LARGE;
    }
    kivra::PutInt32(info, 0, KV_LOSSLESS_INFO_BYTES);
    kivra::PutInt32(info, 4, std::int32_t(png.image.width));
    kivra::PutInt32(info, 8, std::int32_t(png.image.height));
    kivra::PutInt32(info, 12, (png.image.format & PNG_FORMAT_FLAG_LINEAR) ? 16 : 8);
    kivra::PutInt32(info, 16, ColourType(png.image.format));
    png.opened = true;
    return KV_OK;
}

extern "C" int32_t kvLosslessFetch(uint8_t* buffer, int32_t width, int32_t height) {
    OpenLossless& png = Lossless();
    std::int32_t result = KV_ERR_ARGUMENT;
    if (buffer != nullptr && png.opened && std::uint32_t(width) == png.image.width &&
        std::uint32_t(height) == png.image.height)
        result = KV_OK;
    if (result == KV_OK) {
        png.image.format = PNG_FORMAT_RGB;
        const png_color white = {255, 255, 255};
        if (!png_image_finish_read(&png.image, &white, buffer, width * 3, nullptr) ||
            PNG_IMAGE_FAILED(png.image))
            result = KV_ERR_FORMAT;
    }
    png.Reset();
    return result;
}
