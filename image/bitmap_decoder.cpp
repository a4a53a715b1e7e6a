#include "image/bitmap_decoder.h"

#include <climits>
#include <new>

#include "image/bitmap_rows.h"
#include "image/image_data.h"

namespace {

constexpr std::size_t FILE_HEADER_BYTES = 14;
constexpr std::size_t MIN_INFO_BYTES = 40;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::int32_t I32(const std::uint8_t* p) { return std::int32_t(U32(p)); }
std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

bool IsKnownInfoSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// The information header and what follows it up to the palette's end.
struct InfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    bool masked = false;        // colour masks given
    PixelMasks masks = Masks555();  // 16-bit pixels without masks are 5-5-5
    std::size_t maskBytesAfter = 0;  // masks stored after a 40-byte header
};

// Reads the fields at the standard places of the header at info (available
// bytes from there on). Checks the header size, then the depth against
// takesDepth, then the compression and the size.
template <typename TakesDepth>
BitmapStatus ReadInfoHeader(const std::uint8_t* info, std::size_t available, TakesDepth takesDepth,
                            InfoHeader& h, int& bitsPerPixel) {
    if (available < MIN_INFO_BYTES) return BitmapStatus::TooShort;
    h.size = U32(info);
    h.width = I32(info + 4);
    h.height = I32(info + 8);
    h.bitsPerPixel = U16(info + 14);
    h.compression = U32(info + 16);
    h.coloursUsed = U32(info + 32);
    bitsPerPixel = h.bitsPerPixel;
    if (!IsKnownInfoSize(h.size)) return BitmapStatus::UnsupportedFormat;
    if (h.size > available) return BitmapStatus::TooShort;
    if (!takesDepth(h.bitsPerPixel)) return BitmapStatus::UnsupportedDepth;

    const bool maskable = h.bitsPerPixel == 16 || h.bitsPerPixel == 32;
    if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
        if (!maskable) return BitmapStatus::UnsupportedFormat;
        if (h.size == 40) h.maskBytesAfter = h.compression == BI_BITFIELDS ? 12 : 16;
        if (h.size + h.maskBytesAfter > available) return BitmapStatus::Truncated;
        h.masked = true;
        h.masks = MakePixelMasks(U32(info + 40), U32(info + 44), U32(info + 48));
    } else if (h.compression != BI_RGB) {
        return BitmapStatus::UnsupportedFormat;  // run-length, embedded JPEG or PNG
    }

    if (h.width <= 0 || h.height == 0 || h.height == INT_MIN) return BitmapStatus::BadSize;
    const int rows = h.height < 0 ? -h.height : h.height;
    if (!CImageData::IsAcceptableSize(h.width, rows)) return BitmapStatus::BadSize;
    return BitmapStatus::Ok;
}

BitmapRows RowsOf(const InfoHeader& h) {
    BitmapRows rows;
    rows.width = h.width;
    rows.height = h.height < 0 ? -h.height : h.height;
    rows.bottomUp = h.height > 0;
    rows.bitsPerPixel = h.bitsPerPixel;
    rows.rowBytes = StoredRowBytes(h.bitsPerPixel, h.width);
    rows.masks = h.masks;
    rows.useMasks = h.masked;
    return rows;
}

void Decode(const BitmapRows& rows, DecodedBitmap& out) {
    try {
        out.rgb = PixelBuffer(std::size_t(rows.width) * std::size_t(rows.height) * 3);
    } catch (const std::bad_alloc&) {
        out.status = BitmapStatus::OutOfMemory;
        return;
    }
    DecodeBitmapRows(rows, out.rgb.data());
    out.width = rows.width;
    out.height = rows.height;
    out.status = BitmapStatus::Ok;
}

}  // namespace

BmpFileLayout ReadBmpFileLayout(const std::uint8_t* head, std::size_t headBytes, std::uint64_t fileSize) {
    BmpFileLayout layout;
    if (head == nullptr || headBytes <= FILE_HEADER_BYTES || headBytes > fileSize) return layout;
    InfoHeader h;
    layout.status = ReadInfoHeader(
        head + FILE_HEADER_BYTES, headBytes - FILE_HEADER_BYTES,
        [](int bits) { return bits == 8 || bits == 16 || bits == 24 || bits == 32; }, h, layout.bitsPerPixel);
    if (layout.status != BitmapStatus::Ok) return layout;

    layout.rows = RowsOf(h);
    const std::size_t headersEnd = FILE_HEADER_BYTES + h.size + h.maskBytesAfter;
    std::size_t paletteEnd = headersEnd;
    if (h.bitsPerPixel == 8) {
        const std::uint32_t count = h.coloursUsed == 0 ? 256 : h.coloursUsed;
        if (count > 256) {
            layout.status = BitmapStatus::UnsupportedFormat;
            return layout;
        }
        paletteEnd = headersEnd + 4 * std::size_t(count);
        if (paletteEnd > headBytes) {
            layout.status = BitmapStatus::Truncated;
            return layout;
        }
        layout.rows.palette = head + headersEnd;
        layout.rows.paletteCount = int(count);
    }
    // The file header's pixel-data offset, unless it points into the headers.
    const std::uint64_t declared = U32(head + 10);
    layout.rowsOffset = declared >= headersEnd ? declared : paletteEnd;
    const std::uint64_t rowsBytes = std::uint64_t(layout.rows.rowBytes) * std::uint64_t(layout.rows.height);
    if (layout.rows.rowBytes == 0 || layout.rowsOffset > fileSize || rowsBytes > fileSize - layout.rowsOffset)
        layout.status = BitmapStatus::Truncated;
    return layout;
}

DecodedBitmap DecodeBmpFile(const std::uint8_t* data, std::size_t size) {
    DecodedBitmap out;
    BmpFileLayout layout = ReadBmpFileLayout(data, size, size);
    out.status = layout.status;
    out.bitsPerPixel = layout.bitsPerPixel;
    if (layout.status != BitmapStatus::Ok) return out;
    layout.rows.first = data + layout.rowsOffset;
    Decode(layout.rows, out);
    return out;
}

DecodedBitmap DecodeBitmapBlock(const std::uint8_t* block, std::size_t size) {
    DecodedBitmap out;
    if (block == nullptr) return out;
    InfoHeader h;
    out.status = ReadInfoHeader(
        block, size, [](int bits) { return bits == 16 || bits == 24 || bits == 32; }, h,
        out.bitsPerPixel);
    if (out.status != BitmapStatus::Ok) return out;

    BitmapRows rows = RowsOf(h);
    const std::size_t headersEnd = h.size + h.maskBytesAfter;
    const std::uint64_t rowsBytes = std::uint64_t(rows.rowBytes) * std::uint64_t(rows.height);
    if (rows.rowBytes == 0 || rowsBytes > size - headersEnd) {
        out.status = BitmapStatus::Truncated;
        return out;
    }
    rows.first = block + (size - std::size_t(rowsBytes));
    Decode(rows, out);
    return out;
}
