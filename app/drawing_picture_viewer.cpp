#include "app/drawing_picture_viewer.h"

#include <cstdint>
#include <vector>

#include "app/image_file_opener.h"
#include "app/viewer_registry.h"
#include "app/viewer_windows.h"
#include "app/window_links.h"
#include "image/image_data.h"
#include "image/image_kind.h"
#include "image/view_image.h"
#include "res/texts_cad.h"

namespace {

constexpr std::uint8_t kWhite = 255;

}  // namespace

int OpenDrawingPicture(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows,
                       DrawingPictureRequest& request) {
    const auto load = [&](CImageData& image) {
        if (!image.SetImageSize(request.width, request.height)) return false;
        const std::vector<std::uint8_t> white(std::size_t(request.width) * std::size_t(request.height) * 3,
                                              kWhite);
        image.SetFileName(request.name);
        return image.StorePixels(white.data(), white.size(), false);
    };
    const auto attach = [&](int slot) {
        if (windows.OpenBesideEditWindow(slot) != 0) return -1;
        // The viewer opens with the scale remembered for a picture's file;
        // this picture has none but its own.
        registry.viewImages[std::size_t(slot)]->mmPerDot = request.mmPerDot;
        if (EditLink* edit = registry.EditWindowLink()) edit->RealScaleChanged();
        return 0;
    };
    request.opened =
        OpenSlotViewer(owner, registry, IMG_CUT, load, texts_cad::MSG_PICTURE_FAILED, attach) == 0;
    return request.opened ? 0 : -1;
}
