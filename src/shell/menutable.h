#pragma once
// The main window's menu tree, top to bottom, as one table: level, name,
// caption, what choosing it does, and the window it opens.

#include <QString>
#include <vector>

namespace shell {

enum class MenuAction {
    Submenu, // opens its sub-items
    Exit,    // ends the program
    Toggle,  // opens its window and checks the item; chosen again, closes it
    Open,    // opens its window or brings it to the front
    Nothing, // no sub-items and no handler
};

struct MenuEntry
{
    int level;
    QString name;
    QString caption;
    MenuAction action;
    QString window;
};

const std::vector<MenuEntry> &menuTable();

} // namespace shell
