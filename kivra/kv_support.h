// Helpers shared by the library's decoders and writers (internal).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kivra {

constexpr std::int64_t MAX_SIDE = 65535;
constexpr std::int64_t MAX_DOTS = std::int64_t(1) << 28;

// True for a picture of positive size within the limits.
bool AcceptableSize(std::int64_t width, std::int64_t height);

// Writes value little-endian at byte offset at of record.
void PutInt32(void* record, std::size_t at, std::int32_t value);
std::int32_t GetInt32(const void* record, std::size_t at);

// Reads the whole file at path; KV_OK or KV_ERR_OPEN.
std::int32_t ReadFileBytes(const char* path, std::vector<std::uint8_t>& bytes);

// Checks the arguments of a fetch against the picture that was opened.
std::int32_t CheckFetch(const std::uint8_t* buffer, std::int32_t width, std::int32_t height,
                        bool opened, std::int32_t openWidth, std::int32_t openHeight);

}  // namespace kivra
