// Helpers shared by the library's decoders and writers (internal).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "render/raster_bytes.h"

namespace kivra {

// A byte vector whose resize does not clear what it adds.
using Bytes = RasterBytes;

constexpr std::int64_t MAX_SIDE = 65535;
constexpr std::int64_t MAX_DOTS = std::int64_t(1) << 28;

// True for a picture of positive size within the limits.
bool AcceptableSize(std::int64_t width, std::int64_t height);

// Writes value little-endian at byte offset at of record.
void PutInt32(void* record, std::size_t at, std::int32_t value);
std::int32_t GetInt32(const void* record, std::size_t at);

// What an open keeps for the fetch that follows it (or a grab for its save):
// the bytes it needs and the picture's size.
struct HeldPicture {
    Bytes bytes;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool held = false;

    // Frees the bytes and forgets the picture.
    void Reset();
    // Checks the arguments of a fetch against the held picture; KV_OK or
    // KV_ERR_ARGUMENT.
    std::int32_t CheckFetch(const std::uint8_t* buffer, std::int32_t fetchWidth,
                            std::int32_t fetchHeight) const;
};

// Runs an open: forgets the picture held so far, checks path and info,
// clears infoBytes of info and calls open, which fills picture and the
// record. The picture is forgotten again when open fails or memory runs out.
std::int32_t RunOpen(HeldPicture& picture, const char* path, void* info, std::size_t infoBytes,
                     const std::function<std::int32_t()>& open);

// Reads the whole file at path; KV_OK or KV_ERR_OPEN.
std::int32_t ReadFileBytes(const char* path, Bytes& bytes);

}  // namespace kivra
