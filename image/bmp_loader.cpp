#include "image/bmp_loader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>
#include <vector>

#include "image/bitmap_decoder.h"
#include "image/image_data.h"
#include "render/parallel_rows.h"
#include "res/format_text.h"
#include "res/texts_image.h"

namespace {

// Files of this length or shorter cannot hold a bitmap.
constexpr std::uint64_t HEADERS_BYTES = 54;
// Each reader streams its rows through a buffer of about this size.
constexpr std::size_t CHUNK_BYTES = std::size_t(1) << 20;

// Reads stored rows [first, end) from the file and decodes them into rgb.
bool ReadStoredRows(const std::filesystem::path& path, const BmpFileLayout& layout, int first, int end,
                    std::uint8_t* rgb) {
    const BitmapRows& rows = layout.rows;
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in.seekg(std::streamoff(layout.rowsOffset + std::uint64_t(first) * rows.rowBytes))) return false;
        const int chunkRows = int(std::max<std::size_t>(1, CHUNK_BYTES / rows.rowBytes));
        std::vector<std::uint8_t> chunk(std::size_t(std::min(chunkRows, end - first)) * rows.rowBytes);
        for (int row = first; row < end; row += chunkRows) {
            const int count = std::min(chunkRows, end - row);
            if (!in.read(reinterpret_cast<char*>(chunk.data()), std::streamsize(std::size_t(count) * rows.rowBytes)))
                return false;  // the file is shorter than when its length was taken
            DecodeStoredRows(rows, row, count, chunk.data(), rgb);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// All the rows, split over the cores for a large picture.
bool ReadAllRows(const std::filesystem::path& path, const BmpFileLayout& layout, std::uint8_t* rgb) {
    const int height = layout.rows.height;
    const int parts = RowPartsFor(std::int64_t(layout.rows.width) * height, height);
    std::vector<char> done(std::size_t(parts), 0);
    RunRowParts(height, parts, [&](int part, int first, int end) {
        done[std::size_t(part)] = ReadStoredRows(path, layout, first, end, rgb) ? 1 : 0;
    });
    return std::all_of(done.begin(), done.end(), [](char ok) { return ok != 0; });
}

}  // namespace

bool LoadBmpFile(CImageData& image, const std::string& path, Notice* notice) {
    image.SetFileNameFromPath(path);
    const std::filesystem::path file(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    const std::uint64_t length = std::filesystem::file_size(file, error);
    if (error || length <= HEADERS_BYTES) return false;

    std::vector<std::uint8_t> head(std::size_t(std::min<std::uint64_t>(length, BMP_HEAD_BYTES)));
    {
        std::ifstream in(file, std::ios::binary);
        if (!in.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()))) return false;
    }
    const BmpFileLayout layout = ReadBmpFileLayout(head.data(), head.size(), length);
    if (layout.status == BitmapStatus::UnsupportedDepth) {
        Tell(notice, {FormatText(texts::BMP_DEPTH_TEXT, path.c_str(), layout.bitsPerPixel), texts::BMP_DEPTH_TITLE});
        return false;
    }
    if (layout.status != BitmapStatus::Ok) return false;

    PixelBuffer rgb;
    try {
        rgb = PixelBuffer(std::size_t(layout.rows.width) * std::size_t(layout.rows.height) * 3);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!ReadAllRows(file, layout, rgb.data())) return false;
    return image.SetImageSize(layout.rows.width, layout.rows.height) && image.AdoptPixels(std::move(rgb));
}
