#include "app/menu_builder.h"

#include <QMenu>
#include <QMenuBar>

#include "res/ui_text.h"

namespace {

QAction* AddAction(QWidget* parent, QAction* action, int id, const std::function<void(int)>& command) {
    action->setData(id);
    QObject::connect(action, &QAction::triggered, parent, [command, id] {
        if (command) command(id);
    });
    return action;
}

}  // namespace

QMenuBar* BuildMenuBar(QWidget* window, std::span<const MenuEntry> entries, MenuHandlers handlers) {
    auto* bar = new QMenuBar(window);
    QMenu* popup = nullptr;
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Popup:
            popup = bar->addMenu(Text(entry.text));
            if (handlers.enabled)
                QObject::connect(popup, &QMenu::aboutToShow, window,
                                 [bar, enabled = handlers.enabled] { UpdateMenuStates(*bar, enabled); });
            break;
        case MenuEntry::Kind::Item:
            if (popup != nullptr)
                AddAction(window, popup->addAction(Text(entry.text)), entry.id, handlers.command);
            break;
        case MenuEntry::Kind::Separator:
            if (popup != nullptr) popup->addSeparator();
            break;
        case MenuEntry::Kind::BarItem:
            AddAction(window, bar->addAction(Text(entry.text)), entry.id, handlers.command);
            break;
        }
    }
    return bar;
}

QMenu* MenuBarPopup(const QMenuBar& bar, int index) {
    int popups = 0;
    for (QAction* action : bar.actions())
        if (QMenu* popup = action->menu()) {
            if (popups == index) return popup;
            ++popups;
        }
    return nullptr;
}

void UpdateMenuStates(QMenuBar& bar, const std::function<bool(int id)>& enabled) {
    if (!enabled) return;
    for (QAction* action : bar.findChildren<QAction*>())
        if (action->data().isValid() && !action->isSeparator())
            action->setEnabled(enabled(action->data().toInt()));
}
