#include "forms/menuitem.h"

namespace forms {

MenuItem::MenuItem(const QString &name, const QString &caption, QObject *parent)
    : QAction(caption, parent)
{
    setObjectName(name);
    connect(this, &QAction::triggered, this, [this] {
        // A checkable action flips its own mark when chosen; only code may
        // change it here, so put it back before the handler runs.
        QAction::setChecked(m_checked);
        emit Click();
    });
}

void MenuItem::setChecked(bool checked)
{
    m_checked = checked;
    setCheckable(checked || isCheckable());
    QAction::setChecked(checked);
}

} // namespace forms
