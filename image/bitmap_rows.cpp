#include "image/bitmap_rows.h"

#include <bit>

#include "render/pixel_swizzle.h"

namespace {

inline std::uint8_t Channel(std::uint32_t word, const ChannelMask& c) {
    std::uint32_t v = (word & c.mask) >> c.shift;
    return c.bits >= 8 ? std::uint8_t(v >> (c.bits - 8)) : std::uint8_t(v << (8 - c.bits));
}

void Row8(const std::uint8_t* src, std::uint8_t* rgb, const BitmapRows& rows) {
    for (int x = 0; x < rows.width; ++x, rgb += 3) {
        const int index = src[x];
        if (index < rows.paletteCount) {
            const std::uint8_t* entry = rows.palette + 4 * index;
            rgb[0] = entry[2];
            rgb[1] = entry[1];
            rgb[2] = entry[0];
        } else {
            rgb[0] = rgb[1] = rgb[2] = 0;
        }
    }
}

void Row16(const std::uint8_t* src, std::uint8_t* rgb, const BitmapRows& rows) {
    const PixelMasks& m = rows.masks;
    for (int x = 0; x < rows.width; ++x, src += 2, rgb += 3) {
        const std::uint32_t word = std::uint32_t(src[0]) | std::uint32_t(src[1]) << 8;
        rgb[0] = Channel(word, m.red);
        rgb[1] = Channel(word, m.green);
        rgb[2] = Channel(word, m.blue);
    }
}

void Row24(const std::uint8_t* src, std::uint8_t* rgb, const BitmapRows& rows) {
    SwapRedBlue(src, rgb, rows.width);
}

void Row32(const std::uint8_t* src, std::uint8_t* rgb, const BitmapRows& rows) {
    if (rows.useMasks) {
        const PixelMasks& m = rows.masks;
        for (int x = 0; x < rows.width; ++x, src += 4, rgb += 3) {
            const std::uint32_t word = std::uint32_t(src[0]) | std::uint32_t(src[1]) << 8 |
                                       std::uint32_t(src[2]) << 16 | std::uint32_t(src[3]) << 24;
            rgb[0] = Channel(word, m.red);
            rgb[1] = Channel(word, m.green);
            rgb[2] = Channel(word, m.blue);
        }
        return;
    }
    BgrxToRgb(src, rgb, rows.width);
}

ChannelMask MakeChannel(std::uint32_t mask) {
    ChannelMask c;
    c.mask = mask;
    if (mask != 0) {
        c.shift = std::countr_zero(mask);
        c.bits = std::popcount(mask);
        // Bits above a gap in the mask are dropped rather than mis-scaled.
        const int run = std::countr_one(mask >> c.shift);
        if (run != c.bits) {
            c.bits = run;
            c.mask = ((run == 32 ? 0u : (1u << run)) - 1u) << c.shift;
        }
    }
    return c;
}

}  // namespace

PixelMasks MakePixelMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return {MakeChannel(red), MakeChannel(green), MakeChannel(blue)};
}

PixelMasks Masks565() { return MakePixelMasks(0xF800, 0x07E0, 0x001F); }
PixelMasks Masks555() { return MakePixelMasks(0x7C00, 0x03E0, 0x001F); }

std::size_t StoredRowBytes(int bitsPerPixel, int width) {
    if (bitsPerPixel <= 0 || width <= 0) return 0;
    const std::uint64_t bits = std::uint64_t(bitsPerPixel) * std::uint64_t(width);
    const std::uint64_t bytes = (bits + 31) / 32 * 4;
    return bytes > 0xFFFFFFFFu ? 0 : std::size_t(bytes);
}

void DecodeStoredRows(const BitmapRows& rows, int firstStored, int count, const std::uint8_t* stored,
                      std::uint8_t* rgb) {
    void (*decode)(const std::uint8_t*, std::uint8_t*, const BitmapRows&) = nullptr;
    switch (rows.bitsPerPixel) {
    case 8: decode = Row8; break;
    case 16: decode = Row16; break;
    case 24: decode = Row24; break;
    case 32: decode = Row32; break;
    default: return;
    }
    const std::size_t outRow = std::size_t(rows.width) * 3;
    for (int k = 0; k < count; ++k) {
        const int s = firstStored + k;
        const int y = rows.bottomUp ? rows.height - 1 - s : s;
        decode(stored + std::size_t(k) * rows.rowBytes, rgb + std::size_t(y) * outRow, rows);
    }
}

void DecodeBitmapRows(const BitmapRows& rows, std::uint8_t* rgb) {
    DecodeStoredRows(rows, 0, rows.height, rows.first, rgb);
}
