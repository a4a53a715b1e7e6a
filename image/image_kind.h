// Where an image came from, and the line the image-properties box shows for it.
#pragma once

constexpr int IMG_UNKNOWN = -1;
constexpr int IMG_JPEG = 0;
constexpr int IMG_GIF = 1;
constexpr int IMG_BMP = 2;
constexpr int IMG_CUT = 10;
constexpr int IMG_CLIP = 11;

// The kind's line, newline included; unknown codes get the "unknown" line.
const char* ImageKindLabel(int kind);
