#pragma once
// In-process components: a shared library that supplies visual controls to
// hosts that know them only by a class name ("Corvane.uctCorvane"). The
// library exports four entry points with C linkage, and each one passes the
// request, with the library's description of itself, to the toolkit:
//
//   DllRegisterServer    -> ComponentLibrary::registerServer
//   DllUnregisterServer  -> ComponentLibrary::unregisterServer
//   DllGetClassObject    -> ComponentLibrary::getClassObject
//   DllCanUnloadNow      -> ComponentLibrary::canUnloadNow
//
// Registration lives in the running program: nothing is written to disk,
// so a program lets a library register each time it runs. Hosts find,
// load and create through componenthost.h.

#include "forms/control.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace forms {

// The entry points' results, with the values component libraries
// conventionally use.
namespace ComponentResult {
inline constexpr qint32 Ok = 0;
inline constexpr qint32 False = 1; // DllCanUnloadNow: an object is still alive
inline constexpr qint32 NoInterface = qint32(0x80004002u);
inline constexpr qint32 Pointer = qint32(0x80004003u); // no place given for the result
inline constexpr qint32 Fail = qint32(0x80004005u);
inline constexpr qint32 ClassNotAvailable = qint32(0x80040111u);
} // namespace ComponentResult

// The interface a host asks DllGetClassObject for: a ClassFactory.
inline constexpr char ClassFactoryInterface[] = "{00000001-0000-0000-C000-000000000046}";

// Makes the controls of one class. Handed out by DllGetClassObject and
// owned by the library.
class ClassFactory
{
public:
    // A new control in parent, or nullptr when it cannot be made.
    virtual Control *CreateInstance(QWidget *parent) = 0;
    // While locked, the library cannot be unloaded even with no object alive.
    virtual void LockServer(bool lock) = 0;

protected:
    ~ClassFactory() = default;
};

// One class a component library supplies.
struct ComponentClass
{
    QString name;             // "uctCorvane"
    QString progId;           // "Corvane.uctCorvane": what hosts create it by
    QString classId;          // "{...}"
    QString defaultInterface; // "_uctCorvane"
    QString eventInterface;   // "__uctCorvane"
    std::function<Control *(QWidget *parent)> create;
};

// A component library's description of itself: one instance, kept by the
// library for as long as it is loaded. It counts the library's live objects.
class ComponentLibrary
{
public:
    // anchor is an address inside the library (one of its entry points):
    // it tells which file the library was loaded from.
    ComponentLibrary(QString name, QString version, std::vector<ComponentClass> classes,
                     const void *anchor);
    ~ComponentLibrary();
    ComponentLibrary(const ComponentLibrary &) = delete;
    ComponentLibrary &operator=(const ComponentLibrary &) = delete;

    QString name() const { return m_name; }
    QString version() const { return m_version; }
    // The file the library was loaded from (empty if that cannot be told).
    QString file() const;

    // Makes every class creatable by its programmatic name in this program.
    qint32 registerServer();
    qint32 unregisterServer();
    // The factory of the class classId, when interfaceId asks for a factory.
    qint32 getClassObject(const char *classId, const char *interfaceId, void **object);
    // Ok when no object is alive and no factory is locked, else False.
    qint32 canUnloadNow() const;

private:
    class Factory;
    QString m_name;
    QString m_version;
    const void *m_anchor;
    std::vector<std::unique_ptr<Factory>> m_factories;
    int m_liveObjects = 0;
    int m_locks = 0;
};

// What the running program knows about a registered class.
struct ComponentRegistration
{
    QString progId;
    QString classId;
    QString library; // the library's name ("Corvane") and version
    QString version;
    QString file;    // the library file that supplies it
};
std::optional<ComponentRegistration> findRegistration(const QString &progId);

} // namespace forms
