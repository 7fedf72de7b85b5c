#include "forms/picture.h"

#include "forms/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace forms {

namespace {
QStringList &extraFolders()
{
    static QStringList folders;
    return folders;
}

QStringList &programFolders()
{
    static QStringList folders;
    return folders;
}

bool &programFoldersSearched()
{
    static bool searched = true;
    return searched;
}

// The folders searched after the working folder.
QStringList dataFolders()
{
    QStringList folders = extraFolders();
    if (programFoldersSearched())
        folders += programFolders();
    return folders;
}
} // namespace

void addDataFolder(const QString &folder)
{
    if (!extraFolders().contains(folder))
        extraFolders() << folder;
}

void setProgramDataFolders(const QStringList &folders)
{
    programFolders() = folders;
}

void searchProgramDataFolders(bool searched)
{
    programFoldersSearched() = searched;
}

QString findDataFile(const QString &name)
{
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.isEmpty())
        return {};
    if (QFileInfo(relative).isAbsolute())
        return QFileInfo(relative).isFile() ? relative : QString();
    const QFileInfo own(QDir::current().filePath(relative));
    if (own.isFile())
        return own.absoluteFilePath();
    // A data folder holds the program's files as they were shipped around
    // its working folder, so a name that climbs out of the working folder
    // ("../page.html") is found at the data folder's top: ".." stays there,
    // as it stays at the root of a file system.
    QStringList inside;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!inside.isEmpty())
                inside.removeLast();
        } else if (part != QLatin1String(".")) {
            inside << part;
        }
    }
    const QString shipped = inside.join(QLatin1Char('/'));
    for (const QString &folder : dataFolders()) {
        const QFileInfo candidate(QDir(folder).filePath(shipped));
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QImage LoadPicture(const QString &name)
{
    const QString path = findDataFile(name);
    if (path.isEmpty())
        raise(ErrorCode::FileNotFound, QStringLiteral("'%1'").arg(name));
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        raise(ErrorCode::InvalidPicture, QStringLiteral("'%1'").arg(name));
    return picture;
}

} // namespace forms
