#include "windowregistry.h"

#include "windowtable.h"

#include "forms/form.h"

namespace shell {

WindowRegistry::WindowRegistry(QMdiArea *mdiArea, QObject *parent)
    : QObject(parent)
    , m_mdiArea(mdiArea)
{
}

WindowRegistry::~WindowRegistry()
{
    qDeleteAll(m_forms);
}

bool WindowRegistry::isAvailable(const QString &name) const
{
    const WindowEntry *entry = findWindow(name);
    return entry && entry->create;
}

forms::Form *WindowRegistry::form(const QString &name)
{
    if (forms::Form *existing = m_forms.value(name))
        return existing;
    const WindowEntry *entry = findWindow(name);
    if (!entry || !entry->create)
        return nullptr;
    forms::Form *created = entry->create();
    created->setMdiArea(m_mdiArea);
    m_forms.insert(name, created);
    return created;
}

} // namespace shell
