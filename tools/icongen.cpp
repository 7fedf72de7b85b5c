// Renders the program's icon as the PNGs installed beside its SVG, in the
// hicolor theme's layout:
//
//   icongen OUTDIR     writes OUTDIR/hicolor/NxN/apps/<application id>.png
//
// for every size the window icon carries, from the same drawing and with
// the same code as the window icon.

#include "shell/programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: icongen OUTDIR\n";
        return 2;
    }
    for (int size : shell::programIconSizes()) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(args[0]).arg(size);
        const QString file = folder + QStringLiteral("/" LUMIVARA_APP_ID ".png");
        const QImage image = shell::programIconImage(size);
        if (!QDir().mkpath(folder) || image.isNull() || !image.save(file)) {
            QTextStream(stderr) << "icongen: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
