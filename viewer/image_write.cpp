#include "viewer/image_write.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "kivra/kivra.h"
#include "res/texts_cutout.h"

std::optional<CaptureRect> ZoneCaptureRect(const TrackerZone& clientRect, int clientScreenX,
                                           int clientScreenY) {
    const TrackerZone n = NormalizedTrackerZone(clientRect);
    return NonEmptyRect(clientScreenX + n.left + 1, clientScreenY + n.top + 1, n.right - n.left - 2,
                        n.bottom - n.top - 2);
}

std::optional<CaptureRect> NonEmptyRect(int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    return CaptureRect{left, top, width, height};
}

platform::FileDialogRequest WriteFileRequest(WriteFormat format, const std::string& lastWriteDir,
                                             const std::string& programDir) {
    const bool png = format == WriteFormat::Png;
    platform::FileDialogRequest request;
    request.save = true;
    request.defaultExt = png ? texts::CUT_PNG_EXTENSION : texts::CUT_BMP_EXTENSION;
    request.fileName = png ? texts::CUT_PNG_INITIAL_NAME : texts::CUT_BMP_INITIAL_NAME;
    request.filter = std::string(png ? texts::CUT_PNG_FILTER : texts::CUT_BMP_FILTER) + "|" +
                     request.fileName + "|" + texts::CUT_FILTER_ALL + "|*.*||";
    request.initialDir = lastWriteDir.empty() ? programDir : lastWriteDir;
    // An existing file is replaced without a question.
    request.options = platform::OFN_HIDEREADONLY | platform::OFN_CREATEPROMPT;
    return request;
}

WriteOutcome GrabAndSave(WriteFormat format, const std::optional<CaptureRect>& rect,
                         const std::string& path) {
    if (!rect) return WriteOutcome::GrabFailed;
    std::array<std::uint8_t, KV_BLOCK_BYTES> block{};
    const std::int32_t words[4] = {rect->left, rect->top, rect->width, rect->height};
    std::memcpy(block.data(), words, sizeof words);
    const bool png = format == WriteFormat::Png;
    if ((png ? kvLosslessGrab(block.data()) : kvRasterGrab(block.data())) < 0) return WriteOutcome::GrabFailed;
    const std::int32_t saved =
        png ? kvLosslessSave(path.c_str(), block.data()) : kvRasterSave(path.c_str(), block.data());
    return saved >= 0 ? WriteOutcome::Written : WriteOutcome::SaveFailed;
}
