#include "app/clipboard_capture.h"

#include <QApplication>
#include <QWidget>

#include "app/image_file_opener.h"
#include "app/viewer_registry.h"
#include "app/viewer_windows.h"
#include "image/clipboard_dib.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "res/texts_app.h"
#include "res/texts_capture.h"

int CaptureClipboard(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows) {
    // Everything after this works on the copy.
    const platform::ClipboardBitmap clip = platform::GetClipboardBitmap();
    if (clip.state == platform::ClipboardState::Unreachable) {
        platform::MessageBox(owner, texts::CLIP_CANNOT_OPEN, texts::TITLE_CONFIRM, platform::MB_OK);
        return -1;
    }
    if (clip.state != platform::ClipboardState::Bitmap || clip.block.empty()) {
        platform::MessageBox(owner, texts::CLIP_NO_PICTURE, texts::TITLE_CONFIRM, platform::MB_OK);
        return -1;
    }

    const auto load = [&](CImageData& image) {
        // The depth message belongs to the window that has the focus.
        Notice notice;
        const bool loaded = LoadClipboardDib(image, clip.block.data(), clip.block.size(), &notice);
        QWidget* focused = QApplication::activeWindow();
        platform::ShowNotice(focused ? focused : owner, notice);
        return loaded;
    };
    const auto attach = [&](int slot) { return windows.OpenBesideEditWindow(slot); };
    return OpenSlotViewer(owner, registry, IMG_CLIP, load, texts::CLIP_CONVERT_FAILED, attach);
}
