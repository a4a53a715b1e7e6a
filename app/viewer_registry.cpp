#include "app/viewer_registry.h"

#include "platform/message_box.h"
#include "res/texts_app.h"

int ViewerRegistry::FindFreeSlot(QWidget* owner) const {
    for (int i = 0; i < MAX_VIEWERS; ++i)
        if (viewers[i] == nullptr) return i;
    platform::MessageBox(owner, texts::VIEWERS_FULL, texts::TITLE_CONFIRM, platform::MB_OK);
    return -1;
}

CViewImage* ViewerRegistry::PrepareSlotImage(int slot) {
    if (!IsSlot(slot)) return nullptr;
    viewImages[slot] = std::make_unique<CViewImage>();
    return viewImages[slot].get();
}

bool ViewerRegistry::ReleaseSlot(std::intptr_t slot) {
    if (!IsSlot(slot)) return false;
    viewImages[slot].reset();
    viewers[slot] = nullptr;
    viewerLinks[slot] = nullptr;
    if (editWindow != nullptr) editViewerSlot = -1;
    return true;
}

void ViewerRegistry::DestroyImages() {
    for (auto& image : viewImages) image.reset();
}
