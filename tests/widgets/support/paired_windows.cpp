#include "paired_windows.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "viewer/gazo_view.h"

PairedWindows::PairedWindows(int width, int height) : world(std::make_unique<ViewerTestWorld>()) {
    viewer = OpenViewer(world->main, 0, width, height);
    if (viewer != nullptr) edit = App().registry.editWindow;
}

PairedWindows::~PairedWindows() {
    if (App().registry.editWindow != nullptr) App().registry.editWindow->close();
    ProcessDeferredDeletes();
    world.reset();
    ProcessDeferredDeletes();
}

void PairedWindows::Click(int x, int y) {
    QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(x, y));
}

void PairedWindows::Press(int id) { qobject_cast<QPushButton*>(edit->Control(id))->click(); }

QAction* PairedWindows::MenuAction(int id, QWidget* window) {
    QWidget* owner = window != nullptr ? window : edit;
    for (QMenu* popup : owner->findChildren<QMenu*>()) {
        for (QAction* action : popup->actions()) {
            if (action->data().toInt() != id) continue;
            emit popup->aboutToShow();
            return action;
        }
    }
    // An item of the bar itself.
    for (QAction* action : owner->findChildren<QAction*>())
        if (action->data().toInt() == id) return action;
    return nullptr;
}
