#include "image/image_data.h"

#include <cstring>
#include <utility>

#include "render/pixel_swizzle.h"

void CImageData::SetFileName(std::string_view name) { fileName_.assign(name); }

void CImageData::SetFileNameFromPath(std::string_view path) {
    std::size_t slash = path.find_last_of('/');
    SetFileName(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool CImageData::IsAcceptableSize(int width, int height) {
    return width > 0 && height > 0 && width <= MAX_SIDE && height <= MAX_SIDE &&
           std::int64_t(width) * height <= MAX_PIXELS;
}

std::size_t CImageData::BufferBytes(int width, int height) {
    return IsAcceptableSize(width, height) ? std::size_t(width) * std::size_t(height) * 3 : 0;
}

bool CImageData::SetImageSize(int width, int height) {
    pixels_.Reset();
    if (!IsAcceptableSize(width, height)) {
        width_ = height_ = 0;
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

bool CImageData::StorePixels(const std::uint8_t* source, std::size_t sourceBytes,
                             bool sourceIsBgr) {
    const std::size_t bytes = BufferBytes(width_, height_);
    if (bytes == 0 || source == nullptr || sourceBytes < bytes) return false;
    pixels_.Reset();
    PixelBuffer copy(bytes);
    std::uint8_t* p = copy.data();
    if (sourceIsBgr) {
        for (int y = 0; y < height_; ++y) {
            const std::size_t at = std::size_t(y) * std::size_t(width_) * 3;
            SwapRedBlue(source + at, p + at, width_);
        }
    } else {
        std::memcpy(p, source, bytes);
    }
    pixels_ = std::move(copy);
    return true;
}

bool CImageData::AdoptPixels(PixelBuffer&& buffer) {
    const std::size_t bytes = BufferBytes(width_, height_);
    if (bytes == 0 || buffer.size() != bytes) return false;
    pixels_ = std::move(buffer);
    return true;
}

PixelBuffer CImageData::TakePixels() { return std::move(pixels_); }
