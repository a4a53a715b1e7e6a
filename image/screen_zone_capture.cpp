#include "image/screen_zone_capture.h"

#include <algorithm>
#include <new>

#include "image/bitmap_rows.h"
#include "image/image_data.h"
#include "image/pixel_buffer.h"
#include "render/display_raster.h"
#include "res/texts_app.h"
#include "res/texts_capture.h"
#include "res/texts_image.h"
#include "res/translation.h"

namespace {

bool IsScreenDepth(int depth) { return depth == 16 || depth == 24 || depth == 32; }

// Rows enough for its size, and a size an image may have.
bool IsWholePicture(const ScreenPicture& picture) {
    const std::size_t bytes = CImageData::BufferBytes(picture.width, picture.height);
    return bytes != 0 && picture.rgb.size() >= bytes;
}

bool IsAllBlack(const ScreenPicture& picture) {
    return std::all_of(picture.rgb.begin(), picture.rgb.end(), [](std::uint8_t byte) { return byte == 0; });
}

bool Refuse(Notice* notice, const char* text, const char* title) {
    Tell(notice, {text, title});
    return false;
}

}  // namespace

bool DecodeScreenRows(const std::uint8_t* rows, std::size_t size, int depth, int width, int height,
                      std::uint8_t* rgb) {
    if (!IsScreenDepth(depth) || rows == nullptr || rgb == nullptr || width <= 0 || height <= 0) return false;
    const int rowBytes = DeviceRowBytes(depth, width);
    if (rowBytes == 0 || size / std::size_t(rowBytes) < std::size_t(height)) return false;
    BitmapRows layout;
    layout.first = rows;
    layout.rowBytes = std::size_t(rowBytes);
    layout.width = width;
    layout.height = height;
    layout.bottomUp = false;
    layout.bitsPerPixel = depth;
    DecodeBitmapRows(layout, rgb);
    return true;
}

bool CaptureScreenZone(CImageData& image, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, const ScreenSource& screen, Notice* notice) {
    const std::int64_t width = std::int64_t(right) - left + 1;
    const std::int64_t height = std::int64_t(bottom) - top + 1;
    if (width <= 0 || height <= 0) return Refuse(notice, texts::ZONE_BAD, texts::TITLE_CONFIRM);

    image.SetFileName(Tr(texts::CUT_IMAGE_NAME));
    const int depth = screen.depth ? screen.depth() : 0;
    // The zone's size is checked before the screen is read.
    if (!image.SetImageSize(int(std::min<std::int64_t>(width, CImageData::MAX_SIDE + 1)),
                            int(std::min<std::int64_t>(height, CImageData::MAX_SIDE + 1))))
        return Refuse(notice, texts::ZONE_BITMAP_CREATE_FAILED, texts::ZONE_BITMAP_CREATE_TITLE);

    ScreenPicture picture;
    try {
        if (!screen.grab || !screen.grab(left, top, image.width(), image.height(), picture))
            return Refuse(notice, texts::ZONE_BITMAP_COPY_FAILED, texts::TITLE_CONFIRM);
    } catch (const std::bad_alloc&) {
        return Refuse(notice, texts::ZONE_BITMAP_CREATE_FAILED, texts::ZONE_BITMAP_CREATE_TITLE);
    }
    if (!IsWholePicture(picture) || (screen.blackMeansUnseen && IsAllBlack(picture)))
        return Refuse(notice, texts::ZONE_BITMAP_COPY_FAILED, texts::TITLE_CONFIRM);

    // The grab in the screen's own layout, as its depth keeps it.
    if (!IsScreenDepth(depth))
        return Refuse(notice, texts::ZONE_SCREEN_DEPTH_UNSUPPORTED, texts::TITLE_CONFIRM);
    PixelBuffer rgb;
    DeviceRaster device;
    try {
        if (!image.SetImageSize(picture.width, picture.height)) throw std::bad_alloc();
        rgb = PixelBuffer(CImageData::BufferBytes(picture.width, picture.height));
        DisplayRaster grabbed{picture.width, picture.height, std::move(picture.rgb)};
        if (!BuildDeviceRaster(grabbed, depth, device)) throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
        return Refuse(notice, texts::ZONE_BITMAP_CREATE_FAILED, texts::ZONE_BITMAP_CREATE_TITLE);
    }
    if (!DecodeScreenRows(device.pixels.data(), device.pixels.size(), depth, device.width, device.rows,
                          rgb.data()))
        return false;
    return image.AdoptPixels(std::move(rgb));
}
