#include "platform/clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace platform {
namespace {

// The file header before the information header of a BMP file.
constexpr qsizetype kBmpFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

ClipboardHook& Hook() {
    static ClipboardHook hook;
    return hook;
}

void PutLittleEndian(std::vector<std::uint8_t>& block, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) block[at + i] = std::uint8_t(value >> (8 * i));
}

ClipboardBitmap ReadSystemClipboard() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    QClipboard* clipboard = app ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard) return {ClipboardState::Unreachable, {}};
    const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
    if (!data) return {ClipboardState::NoBitmap, {}};

    ClipboardBitmap result;
    if (data->hasFormat(QStringLiteral("image/bmp")))
        result.block = BitmapBlockOfBmpFile(data->data(QStringLiteral("image/bmp")));
    if (result.block.empty() && data->hasImage())
        result.block = BitmapBlockOfImage(qvariant_cast<QImage>(data->imageData()));
    result.state = result.block.empty() ? ClipboardState::NoBitmap : ClipboardState::Bitmap;
    return result;
}

}  // namespace

ClipboardBitmap GetClipboardBitmap() {
    if (Hook()) return Hook()();
    return ReadSystemClipboard();
}

void SetClipboardHook(ClipboardHook hook) { Hook() = std::move(hook); }

std::vector<std::uint8_t> BitmapBlockOfBmpFile(const QByteArray& file) {
    if (file.size() <= kBmpFileHeaderBytes || !file.startsWith("BM")) return {};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.constData());
    return std::vector<std::uint8_t>(bytes + kBmpFileHeaderBytes, bytes + file.size());
}

std::vector<std::uint8_t> BitmapBlockOfImage(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::size_t width = std::size_t(rgb.width());
    const std::size_t height = std::size_t(rgb.height());
    const std::size_t rowBytes = 4 * width;

    std::vector<std::uint8_t> block(kInfoHeaderBytes + rowBytes * height, 0);
    PutLittleEndian(block, 0, kInfoHeaderBytes, 4);
    PutLittleEndian(block, 4, std::uint32_t(width), 4);
    PutLittleEndian(block, 8, std::uint32_t(height), 4);  // positive: bottom row first
    PutLittleEndian(block, 12, 1, 2);                      // planes
    PutLittleEndian(block, 14, 32, 2);                     // bits per pixel
    PutLittleEndian(block, 20, std::uint32_t(rowBytes * height), 4);

    std::uint8_t* out = block.data() + kInfoHeaderBytes;
    for (std::size_t row = height; row-- > 0;) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(row)));
        for (std::size_t x = 0; x < width; ++x) {
            *out++ = std::uint8_t(qBlue(line[x]));
            *out++ = std::uint8_t(qGreen(line[x]));
            *out++ = std::uint8_t(qRed(line[x]));
            *out++ = 0;
        }
    }
    return block;
}

}  // namespace platform
