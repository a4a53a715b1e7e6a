// JPEG through TurboJPEG: the open reads the file and its header, the fetch
// decodes straight into the caller's buffer, at full size or reduced by the
// JPEG's own scaled decoding; four-colour (CMYK and YCCK) pictures go through
// a CMYK buffer of their own and are turned into RGB.
#include <turbojpeg.h>

#include <cstring>
#include <memory>
#include <vector>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"

namespace {

// The open JPEG: the file's bytes and the size the fetch delivers (held),
// the picture's full size and its colour space.
struct OpenPhoto {
    kivra::HeldPicture held;
    std::int32_t fullWidth = 0;
    std::int32_t fullHeight = 0;
    int colourSpace = 0;
};

OpenPhoto& Photo() {
    static OpenPhoto photo;
    return photo;
}

// The reductions that the JPEG's scaled decoding does by whole blocks,
// largest first.
constexpr std::int32_t kReductions[] = {8, 4, 2};

std::int32_t Reduced(std::int32_t length, std::int32_t denominator) {
    return (length + denominator - 1) / denominator;
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

// True when the segments before the first scan hold Adobe's APP14 marker,
// whose writers store CMYK inverted (0 for full ink). Every read is checked
// against the end of the bytes.
bool HasAdobeMarker(const kivra::Bytes& bytes) {
    static constexpr std::uint8_t ADOBE[] = {'A', 'd', 'o', 'b', 'e'};
    std::size_t at = 2;  // after SOI
    while (at + 4 <= bytes.size()) {
        if (bytes[at] != 0xFF) return false;
        const std::uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return false;  // scan or end: no more headers
        const std::size_t length = std::size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length < 2 || at + 2 + length > bytes.size()) return false;
        if (marker == 0xEE && length >= 2 + sizeof ADOBE &&
            std::memcmp(&bytes[at + 4], ADOBE, sizeof ADOBE) == 0)
            return true;
        at += 2 + length;
    }
    return false;
}

// One ink and black to one light value: an inverted pair multiplies as it
// stands, a plain one is inverted first.
std::uint8_t LightOf(unsigned ink, unsigned black, bool inverted) {
    if (!inverted) {
        ink = 255 - ink;
        black = 255 - black;
    }
    return static_cast<std::uint8_t>((ink * black + 127) / 255);
}

// Decodes a four-colour picture as CMYK and writes it as RGB into rgb
// (width * height * 3 bytes).
int DecodeFourColour(tjhandle tj, const kivra::Bytes& bytes, std::uint8_t* rgb, int width, int height) {
    const std::size_t dots = std::size_t(width) * std::size_t(height);
    std::vector<std::uint8_t> cmyk(dots * 4);
    const int status = tjDecompress2(tj, bytes.data(), static_cast<unsigned long>(bytes.size()), cmyk.data(),
                                     width, width * 4, height, TJPF_CMYK, TJFLAG_LIMITSCANS);
    const bool inverted = HasAdobeMarker(bytes);
    for (std::size_t i = 0; i < dots; ++i) {
        const std::uint8_t* in = &cmyk[i * 4];
        for (int c = 0; c < 3; ++c)
            rgb[i * 3 + c] = LightOf(in[c], in[3], inverted);
    }
    return status;
}

}  // namespace

extern "C" int32_t kvPhotoOpen(const char* path, int32_t mode, void* info) {
    OpenPhoto& photo = Photo();
    if (mode != 1) {
        photo.held.Reset();
        return KV_ERR_ARGUMENT;
    }
    kivra::HeldPicture& held = photo.held;
    return kivra::RunOpen(held, path, info, KV_PHOTO_INFO_BYTES, [&]() -> std::int32_t {
        const std::int32_t read = kivra::ReadFileBytes(path, held.bytes);
        if (read < 0) return read;
        const Decompressor tj(tjInitDecompress());
        if (!tj.get()) return KV_ERR_MEMORY;
        int width = 0, height = 0, subsampling = 0, colourSpace = 0;
        if (held.bytes.empty() ||
            tjDecompressHeader3(tj.get(), held.bytes.data(), static_cast<unsigned long>(held.bytes.size()),
                                &width, &height, &subsampling, &colourSpace) != 0)
            return KV_ERR_FORMAT;
        if (!kivra::AcceptableSize(width, height)) return KV_ERR_TOO_LARGE;
        kivra::PutInt32(info, 0, KV_PHOTO_INFO_BYTES);
        kivra::PutInt32(info, 4, Components(colourSpace));
        kivra::PutInt32(info, 8, subsampling);
        kivra::PutInt32(info, 12, colourSpace);
        kivra::PutInt32(info, 16, width);
        kivra::PutInt32(info, 20, height);
        held.width = photo.fullWidth = width;
        held.height = photo.fullHeight = height;
        photo.colourSpace = colourSpace;
        held.held = true;
        return KV_OK;
    });
}

extern "C" int32_t kvPhotoReduce(int32_t minWidth, int32_t minHeight, void* info) {
    OpenPhoto& photo = Photo();
    if (!photo.held.held || info == nullptr) return KV_ERR_ARGUMENT;
    std::int32_t chosen = 1;
    for (const std::int32_t denominator : kReductions)
        if (Reduced(photo.fullWidth, denominator) >= minWidth &&
            Reduced(photo.fullHeight, denominator) >= minHeight) {
            chosen = denominator;
            break;
        }
    photo.held.width = Reduced(photo.fullWidth, chosen);
    photo.held.height = Reduced(photo.fullHeight, chosen);
    kivra::PutInt32(info, 24, photo.held.width);
    kivra::PutInt32(info, 28, photo.held.height);
    kivra::PutInt32(info, 32, chosen);
    return chosen;
}

extern "C" int32_t kvPhotoFetch(uint8_t* buffer, int32_t width, int32_t height) {
    OpenPhoto& photo = Photo();
    kivra::HeldPicture& held = photo.held;
    const std::int32_t check = held.CheckFetch(buffer, width, height);
    if (check < 0) {
        held.Reset();
        return check;
    }
    // Asked for a reduced size, TurboJPEG picks the scaled decoding that
    // gives exactly that size (kvPhotoReduce chose one that does).
    const Decompressor tj(tjInitDecompress());
    std::int32_t result = KV_OK;
    if (!tj.get()) {
        result = KV_ERR_MEMORY;
    } else {
        const int status =
            Components(photo.colourSpace) == 4
                ? DecodeFourColour(tj.get(), held.bytes, buffer, width, height)
                : tjDecompress2(tj.get(), held.bytes.data(), static_cast<unsigned long>(held.bytes.size()),
                                buffer, width, width * 3, height, TJPF_RGB, TJFLAG_LIMITSCANS);
        if (status != 0 && !AcceptableWarning(tj.get())) result = KV_ERR_FORMAT;
    }
    held.Reset();
    return result;
}
