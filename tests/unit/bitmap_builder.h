// Builds BMP files and clipboard bitmap blocks byte by byte for the tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "image/image_data.h"

namespace testbmp {

using Bytes = std::vector<std::uint8_t>;

// An image's pixels as bytes.
inline Bytes Pixels(const CImageData& image) {
    return Bytes(image.pixels(), image.pixels() + image.pixelBytes());
}

inline void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    if (b.size() < at + 2) b.resize(at + 2);
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
inline void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

struct Bitmap {
    std::int32_t width = 1;
    std::int32_t height = 1;  // negative: rows top-down
    int bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t infoSize = 40;
    std::vector<std::uint32_t> masks{};    // written after a 40-byte header, inside a larger one
    Bytes palette{};                        // 4 bytes per entry
    Bytes rows{};                           // stored rows, padding included
    std::size_t gapBeforeRows = 0;          // bytes between palette and rows
};

// Information header (+ masks after a 40-byte header) + palette.
inline Bytes InfoAndPalette(const Bitmap& bmp) {
    Bytes b(bmp.infoSize, 0);
    Put32(b, 0, bmp.infoSize);
    Put32(b, 4, std::uint32_t(bmp.width));
    Put32(b, 8, std::uint32_t(bmp.height));
    Put16(b, 12, 1);
    Put16(b, 14, std::uint32_t(bmp.bitsPerPixel));
    Put32(b, 16, bmp.compression);
    Put32(b, 20, std::uint32_t(bmp.rows.size()));
    Put32(b, 32, bmp.coloursUsed);
    for (std::size_t i = 0; i < bmp.masks.size(); ++i) Put32(b, 40 + 4 * i, bmp.masks[i]);
    b.resize(std::max<std::size_t>(b.size(), bmp.infoSize));
    b.insert(b.end(), bmp.palette.begin(), bmp.palette.end());
    return b;
}

inline Bytes File(const Bitmap& bmp) {
    const Bytes info = InfoAndPalette(bmp);
    const std::size_t offset = 14 + info.size() + bmp.gapBeforeRows;
    Bytes b(offset + bmp.rows.size(), 0xEE);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, std::uint32_t(b.size()));
    Put32(b, 6, 0);
    Put32(b, 10, std::uint32_t(offset));
    std::copy(info.begin(), info.end(), b.begin() + 14);
    std::copy(bmp.rows.begin(), bmp.rows.end(), b.begin() + std::ptrdiff_t(offset));
    return b;
}

inline Bytes Block(const Bitmap& bmp) {
    const Bytes info = InfoAndPalette(bmp);
    Bytes b(info.size() + bmp.gapBeforeRows + bmp.rows.size(), 0xEE);
    std::copy(info.begin(), info.end(), b.begin());
    std::copy(bmp.rows.begin(), bmp.rows.end(), b.end() - std::ptrdiff_t(bmp.rows.size()));
    return b;
}

// A file in a fresh folder under the system's temporary folder.
class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/veldrio-test-XXXXXX";
        path_ = mkdtemp(name) ? name : "/tmp";
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Write(const std::string& name, const Bytes& bytes) const {
        std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    std::streamsize(bytes.size()));
        return file;
    }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace testbmp
