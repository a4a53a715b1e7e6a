#include "image/clipboard_dib.h"

#include "image/bitmap_decoder.h"
#include "image/image_data.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/texts_app.h"
#include "res/texts_image.h"

bool LoadClipboardDib(CImageData& image, const std::uint8_t* block, std::size_t blockSize,
                      QWidget* owner) {
    image.SetFileName(texts::CLIP_IMAGE_NAME);
    DecodedBitmap bitmap = DecodeBitmapBlock(block, blockSize);
    if (bitmap.status == BitmapStatus::UnsupportedDepth) {
        platform::MessageBox(owner, FormatText(texts::CLIP_DEPTH_TEXT, bitmap.bitsPerPixel),
                             texts::TITLE_CONFIRM, platform::MB_OK);
        return false;
    }
    if (bitmap.status != BitmapStatus::Ok) return false;
    return image.SetImageSize(bitmap.width, bitmap.height) && image.AdoptPixels(std::move(bitmap.rgb));
}
