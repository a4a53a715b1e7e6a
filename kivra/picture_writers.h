// Writing red, green, blue pictures (top row first, rows of width x 3 bytes)
// to files (internal). Each file is written under a temporary name in its
// folder and takes the target's place only when complete: on failure the
// target is left as it was and no partial file remains.
#pragma once

#include <cstdint>

namespace kivra {

// A 24-bit BMP: 14-byte file header, 40-byte information header, rows
// bottom-up padded to a multiple of 4 bytes. KV_OK or KV_ERR_WRITE.
std::int32_t WriteBmp(const char* path, const std::uint8_t* rgb, std::int32_t width, std::int32_t height);

// An 8-bit RGB PNG. KV_OK or KV_ERR_WRITE.
std::int32_t WritePng(const char* path, const std::uint8_t* rgb, std::int32_t width, std::int32_t height);

}  // namespace kivra
