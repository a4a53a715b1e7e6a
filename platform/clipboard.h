// The picture on the clipboard as a device-independent bitmap block
// (information header first, pixel rows at the end). Tests install a hook
// that supplies a block, an empty clipboard or an unreachable one.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class QByteArray;
class QImage;

namespace platform {

enum class ClipboardState {
    Bitmap,       // block holds the picture
    NoBitmap,     // the clipboard holds no picture (or an empty one)
    Unreachable,  // there is no clipboard to ask
};

struct ClipboardBitmap {
    ClipboardState state = ClipboardState::NoBitmap;
    std::vector<std::uint8_t> block;
};

using ClipboardHook = std::function<ClipboardBitmap()>;

// A copy of the clipboard's bitmap: the "image/bmp" bytes after their file
// header when they are offered, otherwise the clipboard image turned into a
// block. The clipboard itself is left as it is.
ClipboardBitmap GetClipboardBitmap();

// Replaces the real clipboard with hook; an empty hook restores it.
void SetClipboardHook(ClipboardHook hook);

// The block inside the bytes of a BMP file: what follows the 14-byte file
// header. Empty when the bytes are no BMP file or hold nothing after it.
std::vector<std::uint8_t> BitmapBlockOfBmpFile(const QByteArray& file);

// image as a block: a 40-byte information header (32 bits per pixel, no
// compression) and its rows bottom-up, blue, green, red and an unused byte
// per pixel. Empty for a null image.
std::vector<std::uint8_t> BitmapBlockOfImage(const QImage& image);

}  // namespace platform
