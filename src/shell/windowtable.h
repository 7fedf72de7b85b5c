#pragma once
// Every window the menu can open: its name and how to make its one
// instance. A window that has not been built yet has no factory; its menu
// command stays disabled until it lands.

#include <QString>
#include <functional>
#include <vector>

namespace forms {
class Form;
}

namespace shell {

struct WindowEntry
{
    QString name;
    std::function<forms::Form *()> create; // empty: not built yet
};

const std::vector<WindowEntry> &windowTable();
const WindowEntry *findWindow(const QString &name);

} // namespace shell
