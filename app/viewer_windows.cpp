#include "app/viewer_windows.h"

#include <QWidget>

#include "app/app_context.h"
#include "app/registry_commands.h"
#include "data/edit_data.h"
#include "platform/message_box.h"
#include "platform/window_placement.h"
#include "res/texts_app.h"
#include "viewer/gazo_view.h"

namespace {

// Where the edit window's client area opens on the screen.
constexpr int kEditWindowX = 100;
constexpr int kEditWindowY = 100;

}  // namespace

int ViewerWindows::EnsureEditWindow() {
    ViewerRegistry& registry = App().registry;
    const bool created = registry.editWindow == nullptr;
    if (created) {
        auto* edit = new CEditData(mainDialog_);
        registry.editWindow = edit;
        registry.editLink = edit;
        // The registry never keeps a window that is gone.
        QObject::connect(edit, &QObject::destroyed, mainDialog_, [edit] {
            ViewerRegistry& current = App().registry;
            if (current.editWindow == edit) {
                current.editWindow = nullptr;
                current.editLink = nullptr;
            }
        });
    } else
        registry.editWindow->update();
    // Every call moves it back, also when the user has moved it.
    CEditData& edit = *registry.editWindow;
    platform::PlaceClientAt(edit, {kEditWindowX, kEditWindowY});
    if (created) edit.show();
    editFrame_ = platform::ExpectedFrameMargins(edit);
    editWindowRect_ = edit.geometry().marginsAdded(editFrame_);
    return 0;
}

int ViewerWindows::AttachViewer(int slot) {
    // The rectangle's right edge is the first pixel beyond the window. The
    // viewer's frame is taken to be like the edit window's: its client area
    // lies as far inside its frame, so both client tops are level.
    return AttachViewer(slot, editWindowRect_.x() + editWindowRect_.width() + 1 + editFrame_.left(),
                        editWindowRect_.y() + editFrame_.top());
}

int ViewerWindows::AttachViewer(int slot, int x, int y) {
    ViewerRegistry& registry = App().registry;
    if (!ViewerRegistry::IsSlot(slot) || registry.viewImages[slot] == nullptr ||
        !registry.viewImages[slot]->image.HasPicture()) {
        platform::MessageBox(mainDialog_, texts::VIEWER_CREATE_FAILED, texts::TITLE_REQUEST);
        return -1;
    }
    auto* viewer = new CGazoView(mainDialog_);
    registry.viewers[slot] = viewer;
    registry.viewerLinks[slot] = viewer;
    QObject::connect(viewer, &QObject::destroyed, mainDialog_, [viewer] {
        ViewerRegistry& current = App().registry;
        for (int i = 0; i < MAX_VIEWERS; ++i)
            if (current.viewers[i] == viewer) {
                current.viewers[i] = nullptr;
                current.viewerLinks[i] = nullptr;
            }
    });
    viewer->OpenInSlot(slot, x, y);
    registry.editViewerSlot = slot;
    viewer->SetDataView(true);
    viewer->show();
    return 0;
}

void ViewerWindows::HideMainDialogAndFocusEditWindow() {
    mainDialog_->hide();
    if (CEditData* edit = App().registry.editWindow) {
        edit->activateWindow();
        edit->setFocus(Qt::ActiveWindowFocusReason);
    }
}

int ViewerWindows::OpenBesideEditWindow(int slot) {
    if (EnsureEditWindow() != 0 || AttachViewer(slot) != 0) return -1;
    HideMainDialogAndFocusEditWindow();
    return 0;
}

void ViewerWindows::DestroyEditWindow() {
    // The window's destructor takes it out of the registry.
    delete App().registry.editWindow;
}

bool ViewerWindows::OnCommand(int id, std::intptr_t value) {
    const RegistryCommandOutcome outcome = HandleRegistryCommand(App().registry, id, value);
    if (!outcome.handled) return false;
    if (CGazoView* viewer = outcome.viewerToDestroy) {
        // Destroyed from outside: no close notice, the edit window stays.
        viewer->hide();
        viewer->deleteLater();
    }
    if (outcome.repaint) mainDialog_->update();
    if (outcome.showMainDialog) mainDialog_->show();
    return true;
}
