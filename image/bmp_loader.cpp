#include "image/bmp_loader.h"

#include "image/bitmap_decoder.h"
#include "image/file_bytes.h"
#include "image/image_data.h"
#include "platform/message_box.h"
#include "res/texts_image.h"
#include "res/format_text.h"

namespace {
// Files of this length or shorter cannot hold a bitmap.
constexpr std::size_t HEADERS_BYTES = 54;
}  // namespace

bool LoadBmpFile(CImageData& image, const std::string& path, QWidget* owner) {
    image.SetFileNameFromPath(path);
    PixelBuffer file;
    if (ReadWholeFile(path, file) != FileReadStatus::Ok) return false;
    if (file.size() <= HEADERS_BYTES) return false;
    DecodedBitmap bitmap = DecodeBmpFile(file.data(), file.size());
    if (bitmap.status == BitmapStatus::UnsupportedDepth) {
        platform::MessageBox(owner, FormatText(texts::BMP_DEPTH_TEXT, path.c_str(), bitmap.bitsPerPixel),
                             texts::BMP_DEPTH_TITLE, platform::MB_OK);
        return false;
    }
    if (bitmap.status != BitmapStatus::Ok) return false;
    file.Reset();
    return image.SetImageSize(bitmap.width, bitmap.height) && image.AdoptPixels(std::move(bitmap.rgb));
}
