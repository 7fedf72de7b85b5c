#include "forms/picture.h"

#include "forms/errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

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

// Sides larger than this are taken for a damaged header, not a picture: no
// window shows anything near it, and a bitmap that size would need
// gigabytes.
constexpr qint64 LargestSide = 32768;

// Why the bytes of a Windows bitmap cannot be a whole picture, or an empty
// string when the header is sane and the file holds every row it promises.
// (The decoder itself would fill missing rows with whatever it found,
// showing a striped picture as if it were the stimulus.)
QString bitmapFault(const QByteArray &data)
{
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
    const auto i32 = [&](int at) { return qFromLittleEndian<qint32>(data.constData() + at); };
    if (data.size() < 26)
        return QStringLiteral("its header is cut short");
    const qint64 pixelsAt = u32(10);
    const quint32 headerSize = u32(14);
    qint64 width, height;
    int bitsPerPixel;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = u16(18);
        height = u16(20);
        bitsPerPixel = u16(24);
    } else if (headerSize >= 40 && data.size() >= 54) {
        width = i32(18);
        height = std::abs(qint64(i32(22)));
        bitsPerPixel = u16(28);
        compression = u32(30);
    } else {
        return QStringLiteral("its header is cut short or unknown");
    }
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide)
        return QStringLiteral("its header claims %1 x %2 pixels").arg(width).arg(height);
    if (compression == 0 || compression == 3) { // rows stored as they are
        const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        const qint64 needed = pixelsAt + rowBytes * height;
        if (needed > data.size())
            return QStringLiteral("it is cut short (%1 of %2 bytes)").arg(data.size()).arg(needed);
    } else if (pixelsAt >= data.size()) {
        return QStringLiteral("it is cut short before its pixels");
    }
    return {};
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
    const auto invalid = [&name](const QString &why) {
        raise(ErrorCode::InvalidPicture, QStringLiteral("'%1' %2").arg(name, why));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        invalid(QStringLiteral("cannot be read"));
    if (file.size() > (qint64(1) << 31))
        invalid(QStringLiteral("is far too large for a picture"));
    QByteArray data = file.readAll();
    if (data.startsWith("BM")) {
        const QString fault = bitmapFault(data);
        if (!fault.isEmpty())
            invalid(QStringLiteral("cannot be loaded: ") + fault);
    }
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    const QImage picture = reader.read();
    if (picture.isNull())
        invalid(QStringLiteral("cannot be loaded: it is not a picture"));
    return picture;
}

} // namespace forms
