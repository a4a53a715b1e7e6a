// Reading a whole file into memory.
#pragma once

#include <string>

#include "image/pixel_buffer.h"

enum class FileReadStatus {
    Ok,
    CannotOpen,  // missing, not a regular file, or not readable
    ReadFailed,  // fewer bytes arrived than the file's length
};

// Reads every byte of the regular file at path (UTF-8) into bytes.
FileReadStatus ReadWholeFile(const std::string& path, PixelBuffer& bytes);
