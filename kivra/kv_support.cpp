#include "kivra/kv_support.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <memory>

#include "kivra/kivra.h"

namespace kivra {

bool AcceptableSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= MAX_SIDE && height <= MAX_SIDE &&
           width * height <= MAX_DOTS;
}

void PutInt32(void* record, std::size_t at, std::int32_t value) {
    auto* p = static_cast<std::uint8_t*>(record) + at;
    const auto v = std::uint32_t(value);
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
    p[3] = std::uint8_t(v >> 24);
}

std::int32_t GetInt32(const void* record, std::size_t at) {
    const auto* p = static_cast<const std::uint8_t*>(record) + at;
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

std::int32_t RunOpen(HeldPicture& picture, const char* path, void* info, std::size_t infoBytes,
                     const std::function<std::int32_t()>& open) {
    picture.Reset();
    if (path == nullptr || info == nullptr) return KV_ERR_ARGUMENT;
    std::memset(info, 0, infoBytes);
    std::int32_t result = KV_ERR_MEMORY;
    try {
        result = open();
    } catch (const std::bad_alloc&) {
    }
    if (result < 0) picture.Reset();
    return result;
}

std::int32_t ReadFileBytes(const char* path, Bytes& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return KV_ERR_OPEN;
    const long length = std::ftell(file.get());
    if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return KV_ERR_OPEN;
    bytes.resize(std::size_t(length));
    if (length > 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return KV_ERR_OPEN;
    return KV_OK;
}

void HeldPicture::Reset() {
    Bytes().swap(bytes);
    width = height = 0;
    held = false;
}

std::int32_t HeldPicture::CheckFetch(const std::uint8_t* buffer, std::int32_t fetchWidth,
                                     std::int32_t fetchHeight) const {
    if (buffer == nullptr || !held || fetchWidth != width || fetchHeight != height) return KV_ERR_ARGUMENT;
    return KV_OK;
}

}  // namespace kivra
