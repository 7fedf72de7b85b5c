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

QStringList searchFolders()
{
    QStringList folders{QDir::currentPath()};
    folders += extraFolders();
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
    for (const QString &folder : searchFolders()) {
        const QFileInfo candidate(QDir(folder).filePath(relative));
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
