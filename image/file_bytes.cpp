#include "image/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

FileReadStatus ReadWholeFile(const std::string& path, PixelBuffer& bytes) {
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::is_regular_file(file, error)) return FileReadStatus::CannotOpen;
    const std::uintmax_t length = std::filesystem::file_size(file, error);
    if (error) return FileReadStatus::CannotOpen;
    std::ifstream in(file, std::ios::binary);
    if (!in) return FileReadStatus::CannotOpen;
    PixelBuffer buffer;
    try {
        buffer = PixelBuffer(std::size_t(length));
    } catch (const std::bad_alloc&) {
        return FileReadStatus::ReadFailed;
    }
    if (length > 0 && !in.read(reinterpret_cast<char*>(buffer.data()), std::streamsize(length)))
        return FileReadStatus::ReadFailed;
    bytes = std::move(buffer);
    return FileReadStatus::Ok;
}
