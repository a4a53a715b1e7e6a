// JPEG through TurboJPEG: the open reads the file and its header, the fetch
// decodes straight into the caller's buffer.
#include <turbojpeg.h>

#include <cstring>
#include <memory>
#include <vector>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"

namespace {

// The open JPEG: the file's bytes, decoded by the fetch.
kivra::HeldPicture& Photo() {
    static kivra::HeldPicture photo;
    return photo;
}

struct HandleDestroyer {
    void operator()(void* handle) const { tjDestroy(handle); }
};
// A TurboJPEG decompressor, destroyed with its owner.
using Decompressor = std::unique_ptr<void, HandleDestroyer>;

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
    kivra::HeldPicture& photo = Photo();
    if (mode != 1) {
        photo.Reset();
        return KV_ERR_ARGUMENT;
    }
    return kivra::RunOpen(photo, path, info, KV_PHOTO_INFO_BYTES, [&]() -> std::int32_t {
        const std::int32_t read = kivra::ReadFileBytes(path, photo.bytes);
        if (read < 0) return read;
        const Decompressor tj(tjInitDecompress());
        if (!tj.get()) return KV_ERR_MEMORY;
        int width = 0, height = 0, subsampling = 0, colourSpace = 0;
        if (photo.bytes.empty() ||
            tjDecompressHeader3(tj.get(), photo.bytes.data(), static_cast<unsigned long>(photo.bytes.size()),
                                &width, &height, &subsampling, &colourSpace) != 0)
            return KV_ERR_FORMAT;
        if (!kivra::AcceptableSize(width, height)) return KV_ERR_TOO_LARGE;
        kivra::PutInt32(info, 0, KV_PHOTO_INFO_BYTES);
        kivra::PutInt32(info, 4, Components(colourSpace));
        kivra::PutInt32(info, 8, subsampling);
        kivra::PutInt32(info, 12, colourSpace);
        kivra::PutInt32(info, 16, width);
        kivra::PutInt32(info, 20, height);
        photo.width = width;
        photo.height = height;
        photo.held = true;
        return KV_OK;
    });
}

extern "C" int32_t kvPhotoFetch(uint8_t* buffer, int32_t width, int32_t height) {
    kivra::HeldPicture& photo = Photo();
    const std::int32_t check = photo.CheckFetch(buffer, width, height);
    if (check < 0) {
        photo.Reset();
        return check;
    }
    const Decompressor tj(tjInitDecompress());
    std::int32_t result = KV_OK;
    if (!tj.get()) {
        result = KV_ERR_MEMORY;
    } else if (tjDecompress2(tj.get(), photo.bytes.data(), static_cast<unsigned long>(photo.bytes.size()),
                             buffer, width, width * 3, height, TJPF_RGB, TJFLAG_LIMITSCANS) != 0 &&
               !AcceptableWarning(tj.get())) {
        result = KV_ERR_FORMAT;
    }
    photo.Reset();
    return result;
}
