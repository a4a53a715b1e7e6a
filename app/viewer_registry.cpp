#include "app/viewer_registry.h"

#include "res/texts_app.h"

int ViewerRegistry::FindFreeSlot(Notice* notice) const {
    for (int i = 0; i < MAX_VIEWERS; ++i)
        if (viewers[i] == nullptr) return i;
    Tell(notice, {texts::VIEWERS_FULL, texts::TITLE_CONFIRM});
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
