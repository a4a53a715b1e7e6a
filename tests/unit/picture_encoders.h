// Writes small JPEG, GIF and PNG files with the same libraries the program
// decodes them with, so that the tests know what the files hold.
#pragma once

#include <gif_lib.h>
#include <png.h>
#include <turbojpeg.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace testpic {

using Bytes = std::vector<std::uint8_t>;

// A test pattern: distinct, smooth enough for JPEG to keep it close.
inline Bytes Pattern(int width, int height) {
    Bytes rgb(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
            p[0] = std::uint8_t(x * 255 / (width > 1 ? width - 1 : 1));
            p[1] = std::uint8_t(y * 255 / (height > 1 ? height - 1 : 1));
            p[2] = std::uint8_t(128);
        }
    return rgb;
}

inline Bytes EncodeJpeg(const Bytes& rgb, int width, int height, int pixelFormat = TJPF_RGB,
                        int subsampling = TJSAMP_444) {
    tjhandle tj = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int pixelBytes = tjPixelSize[pixelFormat];
    tjCompress2(tj, rgb.data(), width, width * pixelBytes, height, pixelFormat, &out, &size,
                pixelFormat == TJPF_GRAY ? TJSAMP_GRAY : subsampling, 100, 0);
    Bytes jpeg(out, out + size);
    tjFree(out);
    tjDestroy(tj);
    return jpeg;
}

// Decodes with TurboJPEG directly: what the library must give.
inline Bytes DecodeJpeg(const Bytes& jpeg, int& width, int& height) {
    tjhandle tj = tjInitDecompress();
    int subsampling = 0, colourSpace = 0;
    tjDecompressHeader3(tj, jpeg.data(), jpeg.size(), &width, &height, &subsampling, &colourSpace);
    Bytes rgb(std::size_t(width) * height * 3);
    tjDecompress2(tj, jpeg.data(), jpeg.size(), rgb.data(), width, width * 3, height, TJPF_RGB, 0);
    tjDestroy(tj);
    return rgb;
}

// rgba: 4 bytes per dot; format: PNG_FORMAT_RGB or PNG_FORMAT_RGBA etc.
inline bool WritePng(const std::string& path, const Bytes& pixels, int width, int height,
                     png_uint_32 format) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = format;
    const int ok = png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr);
    png_image_free(&image);
    return ok != 0;
}

struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    int transparent = -1;
    Bytes indexes;  // width x height, rows in picture order
};

// A GIF with a global colour map and the given frames.
inline bool WriteGif(const std::string& path, int screenWidth, int screenHeight,
                     const std::vector<GifColorType>& colours, const std::vector<GifFrame>& frames) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif) return false;
    int bits = 1;
    while ((1 << bits) < int(colours.size())) ++bits;
    std::vector<GifColorType> padded(colours);
    padded.resize(std::size_t(1) << bits, GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(1 << bits, padded.data());
    bool ok = EGifPutScreenDesc(gif, screenWidth, screenHeight, bits, 0, map) != GIF_ERROR;
    for (const GifFrame& frame : frames) {
        if (frame.transparent >= 0) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
            gcb.TransparentColor = frame.transparent;
            GifByteType ext[4];
            EGifGCBToExtension(&gcb, ext);
            ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) != GIF_ERROR;
        }
        ok = ok && EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                                    frame.interlaced, nullptr) != GIF_ERROR;
        // Interlaced frames are written in their four passes.
        std::vector<int> order;
        if (frame.interlaced) {
            const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < frame.height; y += step[pass]) order.push_back(y);
        } else {
            for (int y = 0; y < frame.height; ++y) order.push_back(y);
        }
        for (int y : order) {
            Bytes row(frame.indexes.begin() + std::ptrdiff_t(y) * frame.width,
                      frame.indexes.begin() + std::ptrdiff_t(y + 1) * frame.width);
            ok = ok && EGifPutLine(gif, row.data(), frame.width) != GIF_ERROR;
        }
    }
    GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) != GIF_ERROR && ok;
    return ok;
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace testpic
