// JPEG through TurboJPEG: the open reads the file and its header, the fetch
// decodes straight into the caller's buffer.
#include <turbojpeg.h>

#include <cstring>
#include <new>
#include <vector>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"

namespace {

struct OpenPhoto {
    std::vector<std::uint8_t> file;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool opened = false;

    void Reset() {
        std::vector<std::uint8_t>().swap(file);
        width = height = 0;
        opened = false;
    }
};

OpenPhoto& Photo() {
    static OpenPhoto photo;
    return photo;
}

class Decompressor {
public:
    Decompressor() : handle_(tjInitDecompress()) {}
    ~Decompressor() {
        if (handle_) tjDestroy(handle_);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    tjhandle get() const { return handle_; }

private:
    tjhandle handle_;
};

int Components(int colourSpace) {
    switch (colourSpace) {
    case TJCS_GRAY: return 1;
    case TJCS_CMYK:
    case TJCS_YCCK: return 4;
    default: return 3;
    }
}

// A warning leaves a usable picture, except the one for data that ends too
// soon: the rest of that picture is made up.
bool AcceptableWarning(tjhandle handle) {
    return tjGetErrorCode(handle) == TJERR_WARNING &&
           std::strstr(tjGetErrorStr2(handle), "Premature end") == nullptr;
}

}  // namespace

extern "C" int32_t kvPhotoOpen(const char* path, int32_t mode, void* info) {
    OpenPhoto& photo = Photo();
    photo.Reset();
    if (path == nullptr || info == nullptr || mode != 1) return KV_ERR_ARGUMENT;
    std::memset(info, 0, KV_PHOTO_INFO_BYTES);
    try {
        const std::int32_t read = kivra::ReadFileBytes(path, photo.file);
        if (read < 0) {
            photo.Reset();
            return read;
        }
        Decompressor tj;
        if (!tj.get()) {
            photo.Reset();
            return KV_ERR_MEMORY;
        }
        int width = 0, height = 0, subsampling = 0, colourSpace = 0;
        if (photo.file.empty() ||
            tjDecompressHeader3(tj.get(), photo.file.data(), static_cast<unsigned long>(photo.file.size()),
                                &width, &height, &subsampling, &colourSpace) != 0) {
            photo.Reset();
            return KV_ERR_FORMAT;
        }
        if (!kivra::AcceptableSize(width, height)) {
            photo.Reset();
            return KV_ERR_TOO_LARGE;
        }
        kivra::PutInt32(info, 0, KV_PHOTO_INFO_BYTES);
        kivra::PutInt32(info, 4, Components(colourSpace));
        kivra::PutInt32(info, 8, subsampling);
        kivra::PutInt32(info, 12, colourSpace);
        kivra::PutInt32(info, 16, width);
        kivra::PutInt32(info, 20, height);
        photo.width = width;
        photo.height = height;
        photo.opened = true;
        return KV_OK;
    } catch (const std::bad_alloc&) {
        photo.Reset();
        return KV_ERR_MEMORY;
    }
}

extern "C" int32_t kvPhotoFetch(uint8_t* buffer, int32_t width, int32_t height) {
    OpenPhoto& photo = Photo();
    const std::int32_t check =
        kivra::CheckFetch(buffer, width, height, photo.opened, photo.width, photo.height);
    if (check < 0) {
        photo.Reset();
        return check;
    }
    Decompressor tj;
    std::int32_t result = KV_OK;
    if (!tj.get()) {
        result = KV_ERR_MEMORY;
    } else if (tjDecompress2(tj.get(), photo.file.data(), static_cast<unsigned long>(photo.file.size()),
                             buffer, width, width * 3, height, TJPF_RGB, TJFLAG_LIMITSCANS) != 0 &&
               !AcceptableWarning(tj.get())) {
        result = KV_ERR_FORMAT;
    }
    photo.Reset();
    return result;
}
