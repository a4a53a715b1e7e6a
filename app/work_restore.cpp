#include "app/work_restore.h"

#include <QWidget>
#include <filesystem>
#include <vector>

#include "app/app_context.h"
#include "app/image_file_opener.h"
#include "app/viewer_windows.h"
#include "data/journal_pixels.h"
#include "data/text_file.h"
#include "image/image_kind.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/texts_app.h"
#include "res/texts_capture.h"
#include "res/texts_undo.h"

namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool LoadBlank(CImageData& image, const TableSnapshot& table) {
    const PictureSize size = BlankPictureSize(table);
    if (!image.SetImageSize(size.width, size.height)) return false;
    const std::vector<std::uint8_t> white(CImageData::BufferBytes(size.width, size.height), 0xff);
    return image.StorePixels(white.data(), white.size(), false);
}

}  // namespace

bool RestoreWork(QWidget* owner, ViewerWindows& windows, const JournalRecord& record,
                 const std::string& folder) {
    AppContext& app = App();
    int slot = -1;
    const auto attach = [&](int opened) {
        slot = opened;
        return windows.OpenBesideEditWindow(opened);
    };
    int result = -1;
    bool pictureGone = false;
    const std::string pixels =
        record.pixelsFile.empty() ? std::string() : JoinPath(folder, record.pixelsFile);
    if (IsFile(record.picturePath)) {
        result = OpenImageFile(owner, app.registry, record.picturePath, attach);
    } else if (IsFile(pixels)) {
        result = OpenSlotViewer(
            owner, app.registry, IMG_CLIP,
            [&](CImageData& image) { return ReadJournalPixels(pixels, image); }, texts::CLIP_CONVERT_FAILED,
            attach);
    } else {
        pictureGone = true;
    }
    if (result != 0) {
        // The rows at least, on a blank picture.
        pictureGone = true;
        result = OpenSlotViewer(
            owner, app.registry, IMG_CLIP, [&](CImageData& image) { return LoadBlank(image, record.table); },
            texts::CLIP_CONVERT_FAILED, attach);
    }
    if (result != 0 || slot < 0) return false;

    CViewImage* picture = app.registry.viewImages[slot].get();
    const double magnification = picture != nullptr ? picture->displayScale : 1.0;
    if (picture != nullptr && record.mmPerDot > 0) picture->mmPerDot = record.mmPerDot;
    // A plane that does not read is passed over: the rows matter more.
    if (picture != nullptr && !record.plane.empty())
        plane::PlaneSetting::FromText(record.plane, picture->plane);
    RestoreSnapshot(app.sampleTable, record.table, magnification);
    app.history.Clear();
    if (EditLink* edit = app.registry.EditWindowLink()) {
        edit->RowsReplaced();
        edit->RealScaleChanged();
    }
    if (ViewerLink* viewer = app.registry.PairedViewerLink()) viewer->TableChanged();
    app.history.NoteChange();
    if (pictureGone) {
        const std::string shown = record.picturePath.empty() ? record.pixelsFile : record.picturePath;
        platform::MessageBox(owner, FormatText(texts_undo::MSG_PICTURE_GONE, shown.c_str()),
                             texts_undo::TITLE_RESTORE);
    }
    return true;
}
