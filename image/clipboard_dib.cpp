#include "image/clipboard_dib.h"

#include "image/bitmap_decoder.h"
#include "image/image_data.h"
#include "res/format_text.h"
#include "res/texts_app.h"
#include "res/texts_image.h"
#include "res/translation.h"

bool LoadClipboardDib(CImageData& image, const std::uint8_t* block, std::size_t blockSize,
                      Notice* notice) {
    image.SetFileName(Tr(texts::CLIP_IMAGE_NAME));
    DecodedBitmap bitmap = DecodeBitmapBlock(block, blockSize);
    if (bitmap.status == BitmapStatus::UnsupportedDepth) {
        Tell(notice, {FormatText(texts::CLIP_DEPTH_TEXT, bitmap.bitsPerPixel), texts::TITLE_CONFIRM});
        return false;
    }
    if (bitmap.status != BitmapStatus::Ok) return false;
    return image.SetImageSize(bitmap.width, bitmap.height) && image.AdoptPixels(std::move(bitmap.rgb));
}
