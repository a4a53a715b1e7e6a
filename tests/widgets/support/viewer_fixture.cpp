#include "viewer_fixture.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/app_context.h"
#include "image/view_image.h"

std::uint8_t TestRed(int x, int /*y*/) { return std::uint8_t(x); }
std::uint8_t TestGreen(int /*x*/, int y) { return std::uint8_t(y); }
std::uint8_t TestBlue(int x, int y) { return std::uint8_t(x + y); }

CViewImage* PutTestImage(int slot, int width, int height, const char* name) {
    CViewImage* view = App().registry.PrepareSlotImage(slot);
    view->image.SetKind(IMG_JPEG);
    view->image.SetFileName(name);
    view->image.SetImageSize(width, height);
    std::vector<std::uint8_t> pixels;
    pixels.reserve(std::size_t(width) * std::size_t(height) * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.insert(pixels.end(), {TestRed(x, y), TestGreen(x, y), TestBlue(x, y)});
    view->image.StorePixels(pixels.data(), pixels.size(), false);
    return view;
}

CGazoView* OpenViewer(FakeMainDialog& main, int slot, int width, int height) {
    if (main.windows.EnsureEditWindow() != 0) return nullptr;
    PutTestImage(slot, width, height);
    if (main.windows.AttachViewer(slot) != 0) return nullptr;
    main.windows.HideMainDialogAndFocusEditWindow();
    return App().registry.viewers[slot];
}

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
