#include "app/registry_commands.h"

#include "res/ids.h"

RegistryCommandOutcome HandleRegistryCommand(ViewerRegistry& registry, int id,
                                             std::intptr_t value) {
    RegistryCommandOutcome outcome;
    switch (id) {
    case ID_VIEWER_CLOSE_REQUEST: {
        outcome.handled = true;
        if (!ViewerRegistry::IsSlot(value) || registry.viewers[value] == nullptr) break;
        // The main dialog tells itself that the viewer closed, then destroys it.
        CGazoView* viewer = registry.viewers[value];
        RegistryCommandOutcome closed = HandleRegistryCommand(registry, ID_VIEWER_CLOSED, value);
        outcome.repaint = closed.repaint;
        outcome.viewerToDestroy = viewer;
        break;
    }
    case ID_VIEWER_CLOSED:
        outcome.handled = true;
        outcome.repaint = registry.ReleaseSlot(value);
        break;
    case ID_EDITWND_CLOSED:
        outcome.handled = true;
        registry.editWindow = nullptr;
        registry.editLink = nullptr;
        registry.editViewerSlot = -1;
        outcome.showMainDialog = true;
        break;
    default:
        break;
    }
    return outcome;
}
