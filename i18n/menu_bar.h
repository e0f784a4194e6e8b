#pragma once
// The main window's menu bar in order, by objectName: the window builds its menus from this
// table, menuTexts captions every named row of it and the tests find the items by it. What
// changes at run time (the recent projects' entries, the step named by undo and redo) is not in it.
#include <span>

namespace tv {

enum class MenuRow {
    Menu,      // a menu on the bar; the rows after it, up to the next Menu or BarItem, are its items
    Item,      // a command in the current menu
    Submenu,   // a menu inside the current menu, filled by the window unless SubItems follow
    SubItem,   // a command in the last Submenu
    Separator, // a line in the current menu (no objectName)
    BarItem,   // a command on the bar itself
};

struct MenuEntry {
    MenuRow row;
    const char* objectName; // nullptr for a separator
    const char* unitKey = nullptr; // the unit an item of the units menu chooses (model/units.h keys)
};

/// Every row of the menu bar, menus and their items in the order they are shown.
std::span<const MenuEntry> menuBarEntries();

} // namespace tv
