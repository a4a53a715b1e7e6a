#include "viewer/viewer_caption.h"

#include "res/format_text.h"
#include "data/work_state.h"
#include "image/image_kind.h"
#include "platform/text_codec.h"
#include "res/texts_viewer.h"
#include "res/translation.h"
#include "viewer/display_scale.h"

namespace {

// Texts are formatted in UTF-8 without a limit here and then cut to what the
// fixed buffer of the given size holds in CP932.
template <typename... Args>
std::string Format(std::size_t bufferBytes, const char* format, Args... args) {
    return platform::FitCp932Bytes(FormatText(format, args...), bufferBytes - 1);
}

constexpr std::size_t kCaptionBytes = 256;

const char* WorkStateCaption(int workState) {
    switch (workState) {
    case WS_SAMPLING: return texts::CAPTION_SAMPLING;
    case WS_CALCULATED: return texts::CAPTION_CALCULATED;
    case WS_MODIFIED: return texts::CAPTION_MODIFIED;
    case WS_VIEWER_SEARCH: return texts::CAPTION_VIEWER_SEARCH;
    case WS_VIEWER_EDIT: return texts::CAPTION_VIEWER_EDIT;
    default: return texts::CAPTION_WAITING;
    }
}

}  // namespace

std::string ViewerCaption(const ViewerCaptionState& state) {
    if (state.correcting && state.selectedRow == -1) return Tr(texts::CAPTION_CORRECTION_WAITING);
    if (state.correcting)
        return Format(kCaptionBytes, texts::CAPTION_CORRECTING_ROW, state.selectedRow + 1);
    if (!state.dataView || state.workState == WS_IDLE)
        return Format(kCaptionBytes, texts::CAPTION_IMAGE, state.slotIndex, state.fileName.c_str(),
                      state.width, state.height, ScalePercent(state.scale));
    return Tr(WorkStateCaption(state.workState));
}

std::string ImagePropertiesText(const std::string& fileName, int kind, int width, int height) {
    // The size line fits 64 bytes, the whole text 512.
    std::string text = Format(512, texts::PROPERTIES_NAME_LINE, fileName.c_str());
    text += Tr(ImageKindLabel(kind));
    text += Format(64, texts::PROPERTIES_SIZE_LINE, width, height);
    return platform::FitCp932Bytes(text, 511);
}
