// GIF through giflib: the open reads the first frame's colour indexes; the
// fetch paints them onto a white canvas of the logical screen's size in the
// caller's buffer, so that the picture is never held twice.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"

namespace {

// The open GIF: the canvas size (held) and its first frame: the colour
// indexes (held.bytes, frameWidth x frameHeight), where the frame lies, its
// colour map and its transparent index.
struct OpenIndexed {
    kivra::HeldPicture held;
    int frameLeft = 0;
    int frameTop = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int colourCount = 0;
    std::uint8_t colours[256][3] = {};
    int transparent = -1;
};

OpenIndexed& Indexed() {
    static OpenIndexed indexed;
    return indexed;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

GifFile OpenGif(const char* path) {
    int error = 0;
    return GifFile(DGifOpenFileName(path, &error));
}

// Skips an extension, noting the transparent index of a graphic control
// block.
bool ReadExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* data = nullptr;
    if (DGifGetExtension(gif, &code, &data) == GIF_ERROR) return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && data != nullptr && data[0] >= 4)
        transparent = (data[1] & 1) ? data[4] : -1;
    while (data != nullptr) {
        if (DGifGetExtensionNext(gif, &data) == GIF_ERROR) return false;
    }
    return true;
}

// The frame's colour indexes, rows in picture order (interlaced frames are
// stored in four passes).
bool ReadFrameIndexes(GifFileType* gif, kivra::Bytes& indexes) {
    const int width = gif->Image.Width;
    const int height = gif->Image.Height;
    indexes.resize(std::size_t(width) * std::size_t(height));
    auto readRow = [&](int y) {
        return DGifGetLine(gif, indexes.data() + std::size_t(y) * std::size_t(width), width) != GIF_ERROR;
    };
    if (gif->Image.Interlace) {
        static const int start[] = {0, 4, 2, 1};
        static const int step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < height; y += step[pass])
                if (!readRow(y)) return false;
    } else {
        for (int y = 0; y < height; ++y)
            if (!readRow(y)) return false;
    }
    return true;
}

void FillInfo(void* info, const kivra::HeldPicture& picture, const ColorMapObject* map, int transparent,
              bool interlaced) {
    kivra::PutInt32(info, 0, KV_INDEXED_INFO_BYTES);
    kivra::PutInt32(info, 4, picture.width);
    kivra::PutInt32(info, 8, picture.height);
    const int colours = std::min(map->ColorCount, 256);
    kivra::PutInt32(info, 12, colours);
    kivra::PutInt32(info, 16, transparent);
    kivra::PutInt32(info, 20, interlaced ? 1 : 0);
    auto* palette = static_cast<std::uint8_t*>(info) + 64;
    for (int i = 0; i < colours; ++i) {
        palette[3 * i] = map->Colors[i].Red;
        palette[3 * i + 1] = map->Colors[i].Green;
        palette[3 * i + 2] = map->Colors[i].Blue;
    }
}

std::int32_t ReadFirstFrame(GifFileType* gif, OpenIndexed& open, void* info) {
    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return KV_ERR_FORMAT;
        if (type == EXTENSION_RECORD_TYPE) {
            if (!ReadExtension(gif, transparent)) return KV_ERR_FORMAT;
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) return KV_ERR_FORMAT;  // ended before any frame
        break;
    }
    if (DGifGetImageDesc(gif) == GIF_ERROR) return KV_ERR_FORMAT;
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (map == nullptr || map->Colors == nullptr || frame.Width <= 0 || frame.Height <= 0)
        return KV_ERR_FORMAT;
    // A logical screen of size 0 takes the frame's extent.
    const std::int64_t width = gif->SWidth > 0 ? gif->SWidth : std::int64_t(frame.Left) + frame.Width;
    const std::int64_t height = gif->SHeight > 0 ? gif->SHeight : std::int64_t(frame.Top) + frame.Height;
    if (!kivra::AcceptableSize(width, height) || !kivra::AcceptableSize(frame.Width, frame.Height))
        return KV_ERR_TOO_LARGE;

    kivra::HeldPicture& picture = open.held;
    if (!ReadFrameIndexes(gif, picture.bytes)) return KV_ERR_FORMAT;
    picture.width = std::int32_t(width);
    picture.height = std::int32_t(height);
    open.frameLeft = frame.Left;
    open.frameTop = frame.Top;
    open.frameWidth = frame.Width;
    open.frameHeight = frame.Height;
    open.colourCount = std::min(map->ColorCount, 256);
    for (int i = 0; i < open.colourCount; ++i) {
        open.colours[i][0] = map->Colors[i].Red;
        open.colours[i][1] = map->Colors[i].Green;
        open.colours[i][2] = map->Colors[i].Blue;
    }
    open.transparent = transparent;
    FillInfo(info, picture, map, transparent, frame.Interlace);
    picture.held = true;
    return KV_OK;
}

// The open frame on a white canvas of the held size: transparent dots stay
// white, indexes beyond the colour map are black. The frame is clipped to
// the canvas.
void PaintFrame(const OpenIndexed& open, std::uint8_t* rgb) {
    const std::int64_t width = open.held.width, height = open.held.height;
    std::memset(rgb, 255, std::size_t(width) * std::size_t(height) * 3);
    const int left = std::max(open.frameLeft, 0), top = std::max(open.frameTop, 0);
    const int right = int(std::min<std::int64_t>(width, std::int64_t(open.frameLeft) + open.frameWidth));
    const int bottom = int(std::min<std::int64_t>(height, std::int64_t(open.frameTop) + open.frameHeight));
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* row =
            open.held.bytes.data() + std::size_t(y - open.frameTop) * std::size_t(open.frameWidth);
        std::uint8_t* out = rgb + (std::size_t(y) * std::size_t(width) + std::size_t(left)) * 3;
        for (int x = left; x < right; ++x, out += 3) {
            const int index = row[x - open.frameLeft];
            if (index == open.transparent) continue;
            if (index < open.colourCount) {
                std::memcpy(out, open.colours[index], 3);
            } else {
                out[0] = out[1] = out[2] = 0;
            }
        }
    }
}

}  // namespace

extern "C" int32_t kvIndexedOpen(const char* path, void* info) {
    OpenIndexed& open = Indexed();
    return kivra::RunOpen(open.held, path, info, KV_INDEXED_INFO_BYTES, [&]() -> std::int32_t {
        const GifFile gif = OpenGif(path);
        if (!gif) return KV_ERR_OPEN;
        return ReadFirstFrame(gif.get(), open, info);
    });
}

extern "C" int32_t kvIndexedFetch(uint8_t* buffer, int32_t width, int32_t height) {
    OpenIndexed& open = Indexed();
    const std::int32_t result = open.held.CheckFetch(buffer, width, height);
    if (result == KV_OK) PaintFrame(open, buffer);
    open.held.Reset();
    return result;
}
