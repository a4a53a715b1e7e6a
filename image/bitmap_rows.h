// Pixel rows of device-independent bitmaps (files, clipboard blocks) and of
// screen captures, decoded into the image's red, green, blue triplets, top
// row first.
#pragma once

#include <cstddef>
#include <cstdint>

// One colour channel of a 16- or 32-bit pixel word: the bits of mask,
// scaled to 8 bits by keeping their top 8 (a 5-bit 31 becomes 248, a 6-bit
// 63 becomes 252; the low bits stay 0).
struct ChannelMask {
    std::uint32_t mask = 0;
    int shift = 0;  // position of the lowest bit of mask
    int bits = 0;   // bits in mask
};

struct PixelMasks {
    ChannelMask red, green, blue;
};

PixelMasks MakePixelMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue);
// 16-bit words read as 5-6-5 (a 16-bit screen).
PixelMasks Masks565();
// 16-bit words read as 5-5-5, the top bit unused (a bitmap without masks).
PixelMasks Masks555();

// Bytes of one stored bitmap row, rounded up to a multiple of 4; 0 when it
// would not fit in 32 bits.
std::size_t StoredRowBytes(int bitsPerPixel, int width);

// Where the rows lie and how their pixels read.
struct BitmapRows {
    const std::uint8_t* first = nullptr;  // the first row in memory
    std::size_t rowBytes = 0;             // distance between rows
    int width = 0;
    int height = 0;
    bool bottomUp = true;                 // the first row in memory is the bottom row
    int bitsPerPixel = 24;                // 8, 16, 24 or 32
    // 8 bits: entries of 4 bytes (blue, green, red, reserved); an index at or
    // beyond paletteCount gives black.
    const std::uint8_t* palette = nullptr;
    int paletteCount = 0;
    // 16 bits always, 32 bits when useMasks is set; otherwise 32-bit pixels
    // are blue, green, red and a byte that is ignored.
    PixelMasks masks = Masks565();
    bool useMasks = false;
};

// Fills rgb (width x height x 3 bytes) from rows. The caller guarantees that
// every row lies inside its buffer.
void DecodeBitmapRows(const BitmapRows& rows, std::uint8_t* rgb);

// Decodes count stored rows, starting with stored row firstStored (counted
// in memory order from rows.first, which is not used), from stored, where
// they lie rows.rowBytes apart, into their places in rgb.
void DecodeStoredRows(const BitmapRows& rows, int firstStored, int count, const std::uint8_t* stored,
                      std::uint8_t* rgb);
