// What the main dialog does with the commands the other windows send it:
// 110 (close the viewer of a slot), 111 (a viewer closed) and 146 (the edit
// window closed). The registry is brought up to date here; the outcome tells
// the main dialog what is left for the window to do.
#pragma once

#include <cstdint>

#include "app/viewer_registry.h"

struct RegistryCommandOutcome {
    bool handled = false;          // the command is one of 110, 111, 146
    bool repaint = false;          // repaint the whole main dialog with erase
    bool showMainDialog = false;   // the edit window is gone: show the main dialog
    // 110: the viewer whose window is to be destroyed now; its slot is
    // already released.
    CGazoView* viewerToDestroy = nullptr;
};

RegistryCommandOutcome HandleRegistryCommand(ViewerRegistry& registry, int id,
                                             std::intptr_t value);
