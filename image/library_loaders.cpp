#include "image/library_loaders.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "image/image_data.h"
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

bool LoadThroughLibrary(CImageData& image, const std::string& path, const LibraryFormat& format) {
    image.SetFileNameFromPath(path);
    std::vector<std::uint8_t> info(format.infoBytes, 0);
    if (format.open(path.c_str(), info.data()) < 0) return false;
    const std::int32_t width = Word(info, format.widthAt);
    const std::int32_t height = Word(info, format.heightAt);
    PixelBuffer buffer;
    if (image.SetImageSize(width, height)) {
        try {
            buffer = PixelBuffer(CImageData::BufferBytes(width, height));
        } catch (const std::bad_alloc&) {
        }
    }
    if (buffer.empty()) {
        format.fetch(nullptr, 0, 0);  // lets the library drop the open picture
        return false;
    }
    if (format.fetch(buffer.data(), width, height) < 0) return false;
    return image.AdoptPixels(std::move(buffer));
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
