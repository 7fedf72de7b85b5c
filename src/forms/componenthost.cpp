#include "forms/componenthost.h"

#include "forms/component.h"
#include "forms/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <memory>
#include <optional>
#include <vector>

namespace forms {

namespace {
QStringList &programFolders()
{
    static QStringList folders;
    return folders;
}

std::optional<QStringList> &folderOverride()
{
    static std::optional<QStringList> folders;
    return folders;
}

using EntryPoint = qint32 (*)();
using GetClassObject = qint32 (*)(const char *, const char *, void **);

QString resultText(qint32 result)
{
    return QStringLiteral("0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
}

// Loads a library file and keeps it loaded for the run (never unloaded:
// its classes' code may still be in use by objects made from it).
QLibrary &loaded(const QString &path)
{
    static std::vector<std::unique_ptr<QLibrary>> libraries;
    for (const auto &library : libraries) {
        if (library->fileName() == path)
            return *library;
    }
    libraries.push_back(std::make_unique<QLibrary>(path));
    return *libraries.back();
}
} // namespace

void setComponentFolders(const QStringList &folders)
{
    programFolders() = folders;
}

QStringList componentFolders()
{
    return folderOverride() ? *folderOverride() : programFolders();
}

void overrideComponentFolders(const QStringList &folders)
{
    folderOverride() = folders;
}

void clearComponentFolderOverride()
{
    folderOverride().reset();
}

QString componentLibraryFile(const QString &name)
{
#if defined(Q_OS_WIN)
    return name + QStringLiteral(".dll");
#elif defined(Q_OS_DARWIN)
    return QStringLiteral("lib") + name + QStringLiteral(".dylib");
#else
    return QStringLiteral("lib") + name + QStringLiteral(".so");
#endif
}

QString RegisterComponentLibrary(const QString &name)
{
    const QString file = componentLibraryFile(name);
    const QStringList folders = componentFolders();
    QString path;
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(file));
        if (candidate.isFile()) {
            path = candidate.absoluteFilePath();
            break;
        }
    }
    if (path.isEmpty()) {
        const QString searched = folders.isEmpty()
                                     ? QStringLiteral("no folder to look in")
                                     : QStringLiteral("looked in ")
                                           + QDir::toNativeSeparators(folders.join(QStringLiteral(", ")));
        raise(ErrorCode::FileNotFound, QStringLiteral("%1 (%2)").arg(file, searched));
    }

    QLibrary &library = loaded(path);
    if (!library.load())
        raise(ErrorCode::LibraryLoadError, library.errorString());
    const auto registerServer = reinterpret_cast<EntryPoint>(library.resolve("DllRegisterServer"));
    if (!registerServer || !library.resolve("DllGetClassObject"))
        raise(ErrorCode::LibraryLoadError,
              QStringLiteral("%1 is not a component library: it has no DllRegisterServer and DllGetClassObject")
                  .arg(QDir::toNativeSeparators(path)));
    if (const qint32 result = registerServer(); result != ComponentResult::Ok)
        raise(ErrorCode::CannotCreateObject, QStringLiteral("%1 could not register its classes (%2)")
                                                 .arg(QDir::toNativeSeparators(path), resultText(result)));
    return path;
}

Control *CreateObject(const QString &progId, QWidget *parent)
{
    const std::optional<ComponentRegistration> registration = findRegistration(progId);
    if (!registration)
        raise(ErrorCode::CannotCreateObject, QStringLiteral("%1 is not registered").arg(progId));
    QLibrary &library = loaded(registration->file);
    if (!library.load())
        raise(ErrorCode::LibraryLoadError, library.errorString());
    const auto getClassObject = reinterpret_cast<GetClassObject>(library.resolve("DllGetClassObject"));
    if (!getClassObject)
        raise(ErrorCode::CannotCreateObject, QStringLiteral("%1 has no DllGetClassObject")
                                                 .arg(QDir::toNativeSeparators(registration->file)));
    void *object = nullptr;
    const QByteArray classId = registration->classId.toLatin1();
    if (const qint32 result = getClassObject(classId.constData(), ClassFactoryInterface, &object);
        result != ComponentResult::Ok || !object)
        raise(ErrorCode::CannotCreateObject, QStringLiteral("%1 has no factory for %2 (%3)")
                                                 .arg(QDir::toNativeSeparators(registration->file), progId,
                                                      resultText(result)));
    Control *control = static_cast<ClassFactory *>(object)->CreateInstance(parent);
    if (!control)
        raise(ErrorCode::CannotCreateObject, QStringLiteral("%1 could not make a %2")
                                                 .arg(QDir::toNativeSeparators(registration->file), progId));
    return control;
}

} // namespace forms
