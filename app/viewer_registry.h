// The registry of the windows that show images: up to 20 image viewers, each
// with the image of its slot, and the one data edit window. Only the slot
// rules live here; creating and destroying the windows is the windows' work.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "app/window_links.h"
#include "image/view_image.h"
#include "res/notice.h"

class CGazoView;
class CEditData;

constexpr int MAX_VIEWERS = 20;

class ViewerRegistry {
public:
    // Slot i's viewer; empty = free slot. Not owned: the windows own
    // themselves and the registry only points at them while they live.
    std::array<CGazoView*, MAX_VIEWERS> viewers{};
    // Slot i's image, owned; may stay after a failed open until the slot is
    // used again.
    std::array<std::unique_ptr<CViewImage>, MAX_VIEWERS> viewImages;
    // The one data edit window, or null. Not owned.
    CEditData* editWindow = nullptr;
    // The same windows seen through the links the other window uses; set
    // and cleared with viewers and editWindow by the file that pairs them.
    std::array<ViewerLink*, MAX_VIEWERS> viewerLinks{};
    EditLink* editLink = nullptr;

    // The edit window's link, or null.
    EditLink* EditWindowLink() const { return editLink; }
    // The link of the viewer the edit window works with, or null.
    ViewerLink* PairedViewerLink() const { return IsSlot(editViewerSlot) ? viewerLinks[editViewerSlot] : nullptr; }
    // The slot of the viewer the edit window works with, -1 for none. Set
    // when a viewer opens beside the edit window, -1 when that viewer's slot
    // is released.
    int editViewerSlot = -1;

    static bool IsSlot(std::intptr_t slot) { return slot >= 0 && slot < MAX_VIEWERS; }

    // The lowest slot without a viewer. With none free: -1, and the notice
    // "画像Viewer がいっぱいです。..." in *notice (when given).
    int FindFreeSlot(Notice* notice = nullptr) const;

    // Replaces the slot's image with a fresh, empty one and returns it (null
    // for a slot outside 0..19).
    CViewImage* PrepareSlotImage(int slot);

    // The handling of a viewer's close notification: the slot's image is
    // destroyed, both entries emptied, and the edit window no longer works
    // with a viewer. The main dialog then repaints itself. False for a slot
    // outside 0..19 (nothing changes).
    bool ReleaseSlot(std::intptr_t slot);

    // Empties the 20 viewer entries (start-up); images stay.
    void ClearViewers() {
        viewers.fill(nullptr);
        viewerLinks.fill(nullptr);
    }
    // Destroys every slot's image (end of the program).
    void DestroyImages();
};
