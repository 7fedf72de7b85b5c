#include "forms/component.h"

#include "forms/events.h"

#include <QFileInfo>
#include <QHash>
#include <dlfcn.h>

namespace forms {

namespace {
// Every class registered in this program, by programmatic name.
QHash<QString, ComponentRegistration> &registry()
{
    static QHash<QString, ComponentRegistration> entries;
    return entries;
}

bool sameId(const QString &a, const char *b)
{
    return b && a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}
} // namespace

class ComponentLibrary::Factory final : public ClassFactory
{
public:
    Factory(ComponentLibrary &library, ComponentClass cls)
        : m_library(library)
        , m_class(std::move(cls))
    {
    }

    const ComponentClass &componentClass() const { return m_class; }

    Control *CreateInstance(QWidget *parent) override
    {
        Control *control = nullptr;
        // A control that fails while it is being made is reported like a
        // handler's error; the host only learns that there is no control.
        guarded([&] { control = m_class.create ? m_class.create(parent) : nullptr; });
        if (!control)
            return nullptr;
        ++m_library.m_liveObjects;
        QObject::connect(control, &QObject::destroyed, [library = &m_library] { --library->m_liveObjects; });
        return control;
    }

    void LockServer(bool lock) override
    {
        if (lock)
            ++m_library.m_locks;
        else if (m_library.m_locks > 0)
            --m_library.m_locks;
    }

private:
    ComponentLibrary &m_library;
    ComponentClass m_class;
};

ComponentLibrary::ComponentLibrary(QString name, QString version, std::vector<ComponentClass> classes,
                                   const void *anchor)
    : m_name(std::move(name))
    , m_version(std::move(version))
    , m_anchor(anchor)
{
    for (ComponentClass &cls : classes)
        m_factories.push_back(std::make_unique<Factory>(*this, std::move(cls)));
}

ComponentLibrary::~ComponentLibrary() = default;

QString ComponentLibrary::file() const
{
    Dl_info info{};
    if (!m_anchor || dladdr(m_anchor, &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

qint32 ComponentLibrary::registerServer()
{
    const QString path = file();
    if (path.isEmpty() || m_factories.empty())
        return ComponentResult::Fail;
    for (const auto &factory : m_factories) {
        const ComponentClass &cls = factory->componentClass();
        registry().insert(cls.progId, {cls.progId, cls.classId, m_name, m_version, path});
    }
    return ComponentResult::Ok;
}

qint32 ComponentLibrary::unregisterServer()
{
    for (const auto &factory : m_factories) {
        const ComponentClass &cls = factory->componentClass();
        const auto it = registry().constFind(cls.progId);
        if (it != registry().constEnd() && it->classId == cls.classId)
            registry().erase(it);
    }
    return ComponentResult::Ok;
}

qint32 ComponentLibrary::getClassObject(const char *classId, const char *interfaceId, void **object)
{
    if (!object)
        return ComponentResult::Pointer;
    *object = nullptr;
    for (const auto &factory : m_factories) {
        if (!sameId(factory->componentClass().classId, classId))
            continue;
        if (!sameId(QString::fromLatin1(ClassFactoryInterface), interfaceId))
            return ComponentResult::NoInterface;
        *object = static_cast<ClassFactory *>(factory.get());
        return ComponentResult::Ok;
    }
    return ComponentResult::ClassNotAvailable;
}

qint32 ComponentLibrary::canUnloadNow() const
{
    return m_liveObjects == 0 && m_locks == 0 ? ComponentResult::Ok : ComponentResult::False;
}

std::optional<ComponentRegistration> findRegistration(const QString &progId)
{
    const auto it = registry().constFind(progId);
    if (it == registry().constEnd())
        return std::nullopt;
    return *it;
}

} // namespace forms
