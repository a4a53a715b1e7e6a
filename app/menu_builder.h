// The one menu builder: a window's menu bar from a table of entries. Every
// item calls the window's command entry with its id; the enabled states are
// asked of the window each time a popup opens.
#pragma once

#include <functional>
#include <span>

class QMenu;
class QMenuBar;
class QWidget;

struct MenuEntry {
    enum class Kind {
        Popup,      // a popup of the bar; the items after it go into it
        Item,       // an item of the current popup
        Separator,  // a line in the current popup
        BarItem,    // an item straight on the bar (e.g. "クローズ(&X)")
    };
    Kind kind;
    int id = 0;                  // Item and BarItem
    const char* text = nullptr;  // UTF-8; Popup, Item and BarItem
};

constexpr MenuEntry MenuPopup(const char* text) { return {MenuEntry::Kind::Popup, 0, text}; }
constexpr MenuEntry MenuItem(int id, const char* text) { return {MenuEntry::Kind::Item, id, text}; }
constexpr MenuEntry MenuSeparator() { return {MenuEntry::Kind::Separator, 0, nullptr}; }
constexpr MenuEntry MenuBarItem(int id, const char* text) { return {MenuEntry::Kind::BarItem, id, text}; }

struct MenuHandlers {
    std::function<void(int id)> command;
    // Null: every item is always enabled.
    std::function<bool(int id)> enabled;
};

// A menu bar owned by window with the entries in table order. Each action
// carries its id as its data.
QMenuBar* BuildMenuBar(QWidget* window, std::span<const MenuEntry> entries, MenuHandlers handlers);

// The popup at index (0 = leftmost) of a bar BuildMenuBar made, or null;
// for a window that adds to a popup after building (e.g. an about item).
QMenu* MenuBarPopup(const QMenuBar& bar, int index);

// Sets the enabled state of every action of bar from handlers.enabled.
void UpdateMenuStates(QMenuBar& bar, const std::function<bool(int id)>& enabled);
