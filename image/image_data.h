// The in-memory image: whatever the source, 24-bit pixels in the order red,
// green, blue, rows from the top of the picture down, each row exactly
// width x 3 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/image_kind.h"
#include "image/pixel_buffer.h"

class CImageData {
public:
    // Largest side and largest pixel count an image may have; anything
    // larger is refused before a buffer is allocated.
    static constexpr int MAX_SIDE = 65535;
    static constexpr std::int64_t MAX_PIXELS = std::int64_t(1) << 28;

    CImageData() = default;
    CImageData(CImageData&&) = default;
    CImageData& operator=(CImageData&&) = default;

    // Where the image came from (IMG_JPEG ... IMG_CLIP); set before loading.
    int kind() const { return kind_; }
    void SetKind(int kind) { kind_ = kind; }

    // Last component of the source path (UTF-8), or the fixed name of a
    // capture.
    const std::string& fileName() const { return fileName_; }
    void SetFileName(std::string_view name);
    // Keeps only what follows the last '/' of path.
    void SetFileNameFromPath(std::string_view path);

    int width() const { return width_; }
    int height() const { return height_; }

    // Records the size that the next StorePixels fills and drops the pixels
    // held so far. A size that is not positive or exceeds the limits is
    // refused: the image becomes 0 x 0 and the result is false.
    bool SetImageSize(int width, int height);

    // Copies width x height pixels (3 bytes each, top row first, no row
    // padding) from source, replacing the previous buffer. With sourceIsBgr
    // each triplet's first and third bytes are exchanged. Returns false and
    // stores nothing when no size is recorded or sourceBytes is too short.
    bool StorePixels(const std::uint8_t* source, std::size_t sourceBytes, bool sourceIsBgr);

    // Takes buffer, already in red, green, blue order, as the pixels without
    // copying it. Returns false, keeping nothing, when its size is not
    // exactly that of the recorded size.
    bool AdoptPixels(PixelBuffer&& buffer);

    // Hands the pixels over without a copy; the image keeps its size and
    // holds no picture afterwards.
    PixelBuffer TakePixels();

    // True once the recorded size has been filled with pixels.
    bool HasPicture() const { return !pixels_.empty(); }
    // The pixels (width x height x 3 bytes) or null when there are none.
    const std::uint8_t* pixels() const { return pixels_.data(); }
    std::size_t pixelBytes() const { return pixels_.size(); }

    // Bytes of a width x height RGB buffer, or 0 when the size is refused.
    static std::size_t BufferBytes(int width, int height);
    static bool IsAcceptableSize(int width, int height);

private:
    int kind_ = IMG_UNKNOWN;
    std::string fileName_;
    int width_ = 0;
    int height_ = 0;
    PixelBuffer pixels_;
};
