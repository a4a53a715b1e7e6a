#include "image/library_loaders.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "image/image_data.h"
#include "image/reduced_picture.h"
#include "kivra/kivra.h"

namespace {

// One format of the library: its open and fetch functions and where the
// open's information record holds the picture's width and height.
struct LibraryFormat {
    std::size_t infoBytes;
    std::size_t widthAt;
    std::size_t heightAt;
    std::int32_t (*open)(const char* path, void* info);
    std::int32_t (*fetch)(std::uint8_t* buffer, std::int32_t width, std::int32_t height);
};

std::int32_t OpenPhoto(const char* path, void* info) { return kvPhotoOpen(path, 1, info); }

constexpr LibraryFormat PHOTO{KV_PHOTO_INFO_BYTES, 16, 20, OpenPhoto, kvPhotoFetch};
constexpr LibraryFormat INDEXED{KV_INDEXED_INFO_BYTES, 4, 8, kvIndexedOpen, kvIndexedFetch};
constexpr LibraryFormat LOSSLESS{KV_LOSSLESS_INFO_BYTES, 4, 8, kvLosslessOpen, kvLosslessFetch};

std::int32_t Word(const std::vector<std::uint8_t>& info, std::size_t at) {
    std::int32_t value = 0;
    std::memcpy(&value, info.data() + at, sizeof value);
    return value;
}

// Fetches the open picture at width x height into a new buffer; an empty
// buffer when it is refused, cannot be allocated or the fetch fails (the
// library has dropped the open picture either way).
PixelBuffer FetchInto(const LibraryFormat& format, std::int32_t width, std::int32_t height) {
    PixelBuffer buffer;
    if (CImageData::IsAcceptableSize(width, height)) {
        try {
            buffer = PixelBuffer(CImageData::BufferBytes(width, height));
        } catch (const std::bad_alloc&) {
        }
    }
    if (buffer.empty()) {
        format.fetch(nullptr, 0, 0);  // lets the library drop the open picture
        return buffer;
    }
    if (format.fetch(buffer.data(), width, height) < 0) return PixelBuffer{};
    return buffer;
}

bool LoadThroughLibrary(CImageData& image, const std::string& path, const LibraryFormat& format) {
    image.SetFileNameFromPath(path);
    std::vector<std::uint8_t> info(format.infoBytes, 0);
    if (format.open(path.c_str(), info.data()) < 0) return false;
    const std::int32_t width = Word(info, format.widthAt);
    const std::int32_t height = Word(info, format.heightAt);
    if (!image.SetImageSize(width, height)) {
        format.fetch(nullptr, 0, 0);
        return false;
    }
    // The decode fills the buffer that the image then keeps: one copy.
    PixelBuffer buffer = FetchInto(format, width, height);
    return !buffer.empty() && image.AdoptPixels(std::move(buffer));
}

}  // namespace

bool LoadJpegFile(CImageData& image, const std::string& path) {
    return LoadThroughLibrary(image, path, PHOTO);
}

bool LoadGifFile(CImageData& image, const std::string& path) {
    return LoadThroughLibrary(image, path, INDEXED);
}

bool LoadPngFile(CImageData& image, const std::string& path) {
    return LoadThroughLibrary(image, path, LOSSLESS);
}

bool LoadReducedJpegFile(const std::string& path, const ReducedSizeWanted& wanted, ReducedPicture& picture) {
    picture = ReducedPicture{};
    std::vector<std::uint8_t> info(PHOTO.infoBytes, 0);
    if (PHOTO.open(path.c_str(), info.data()) < 0) return false;
    const std::int32_t fullWidth = Word(info, PHOTO.widthAt);
    const std::int32_t fullHeight = Word(info, PHOTO.heightAt);
    int minWidth = fullWidth, minHeight = fullHeight;
    if (wanted) wanted(fullWidth, fullHeight, minWidth, minHeight);
    const std::int32_t reduction = kvPhotoReduce(minWidth, minHeight, info.data());
    if (reduction < 1) {
        PHOTO.fetch(nullptr, 0, 0);
        return false;
    }
    const std::int32_t width = Word(info, 24);
    const std::int32_t height = Word(info, 28);
    PixelBuffer rgb = FetchInto(PHOTO, width, height);
    if (rgb.empty()) return false;
    picture.fullWidth = fullWidth;
    picture.fullHeight = fullHeight;
    picture.reduction = reduction;
    picture.width = width;
    picture.height = height;
    picture.rgb = std::move(rgb);
    return true;
}
