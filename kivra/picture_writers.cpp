#include "kivra/picture_writers.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"
#include "platform/atomic_write.h"

namespace kivra {

namespace {

constexpr std::int32_t PIXELS_PER_METRE = 2835;  // 72 dots per inch

// The BMP's two headers.
std::vector<std::uint8_t> BmpHeaders(std::int32_t width, std::int32_t height, std::uint32_t rowBytes) {
    std::vector<std::uint8_t> h(54, 0);
    const std::uint32_t imageBytes = rowBytes * std::uint32_t(height);
    h[0] = 'B';
    h[1] = 'M';
    PutInt32(h.data(), 2, std::int32_t(54 + imageBytes));
    PutInt32(h.data(), 10, 54);
    PutInt32(h.data(), 14, 40);
    PutInt32(h.data(), 18, width);
    PutInt32(h.data(), 22, height);
    h[26] = 1;   // planes
    h[28] = 24;  // bits per pixel
    PutInt32(h.data(), 34, std::int32_t(imageBytes));
    PutInt32(h.data(), 38, PIXELS_PER_METRE);
    PutInt32(h.data(), 42, PIXELS_PER_METRE);
    return h;
}

// Writes through a temporary file that replaces path only when complete:
// a failed or interrupted write leaves whatever stood at path as it was.
std::int32_t WriteReplacing(const char* path, const std::function<bool(std::FILE*)>& write) {
    return platform::WriteFileAtomically(path, write) ? KV_OK : KV_ERR_WRITE;
}

}  // namespace

std::int32_t WriteBmp(const char* path, const std::uint8_t* rgb, std::int32_t width, std::int32_t height) {
    if (path == nullptr || rgb == nullptr || !AcceptableSize(width, height)) return KV_ERR_ARGUMENT;
    const std::uint32_t rowBytes = (std::uint32_t(width) * 3 + 3) & ~3u;
    return WriteReplacing(path, [&](std::FILE* file) {
        const std::vector<std::uint8_t> headers = BmpHeaders(width, height, rowBytes);
        bool ok = std::fwrite(headers.data(), 1, headers.size(), file) == headers.size();
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (std::int32_t y = height - 1; ok && y >= 0; --y) {
            const std::uint8_t* src = rgb + std::size_t(y) * std::size_t(width) * 3;
            for (std::int32_t x = 0; x < width; ++x, src += 3) {
                row[3 * std::size_t(x)] = src[2];
                row[3 * std::size_t(x) + 1] = src[1];
                row[3 * std::size_t(x) + 2] = src[0];
            }
            ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
        }
        return ok;
    });
}

std::int32_t WritePng(const char* path, const std::uint8_t* rgb, std::int32_t width, std::int32_t height) {
    if (path == nullptr || rgb == nullptr || !AcceptableSize(width, height)) return KV_ERR_ARGUMENT;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGB;
    return WriteReplacing(path, [&](std::FILE* file) {
        const bool ok = png_image_write_to_stdio(&image, file, 0, rgb, width * 3, nullptr) != 0;
        png_image_free(&image);
        return ok;
    });
}

}  // namespace kivra
