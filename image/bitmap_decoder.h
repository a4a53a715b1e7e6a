// Device-independent bitmaps in memory, decoded into red, green, blue
// triplets: whole BMP files and clipboard bitmap blocks. Nothing outside
// the given bytes is ever read, whatever the headers say.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/bitmap_rows.h"
#include "image/pixel_buffer.h"

enum class BitmapStatus {
    Ok,
    TooShort,           // not even the headers fit
    UnsupportedDepth,   // bits per pixel not taken (see bitsPerPixel)
    UnsupportedFormat,  // compressed rows, an unknown header, a palette above 256
    BadSize,            // width or height zero, negative width, or beyond the image limits
    Truncated,          // fewer bytes than the rows (or palette) the header declares
    OutOfMemory,
};

struct DecodedBitmap {
    BitmapStatus status = BitmapStatus::TooShort;
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;     // always positive; top-down files are turned the right way up
    PixelBuffer rgb;    // width x height x 3 bytes, top row first, when status is Ok
};

// Where the pixel rows of a BMP file lie and how they read, worked out from
// the file's first bytes (head) and its length; the rows themselves are not
// read. head must hold the first BMP_HEAD_BYTES bytes of the file, or all of
// it when it is shorter; the palette of rows points into head.
constexpr std::size_t BMP_HEAD_BYTES = 2048;

struct BmpFileLayout {
    BitmapStatus status = BitmapStatus::TooShort;
    int bitsPerPixel = 0;
    BitmapRows rows;               // rows.first is not set
    std::uint64_t rowsOffset = 0;  // where the first stored row begins in the file
};

BmpFileLayout ReadBmpFileLayout(const std::uint8_t* head, std::size_t headBytes, std::uint64_t fileSize);

// A whole BMP file in memory: file header, information header (40, 52, 56, 108 or 124
// bytes), colour masks, palette, rows. Takes 8, 16, 24 and 32 bits per
// pixel, uncompressed or with colour masks; rows start at the file header's
// pixel-data offset.
DecodedBitmap DecodeBmpFile(const std::uint8_t* data, std::size_t size);

// A clipboard bitmap block: information header first, pixel rows at the end
// of the block (found from the end, so whatever lies between is skipped).
// Takes 16, 24 and 32 bits per pixel.
DecodedBitmap DecodeBitmapBlock(const std::uint8_t* block, std::size_t size);
