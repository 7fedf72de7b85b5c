#include "programsetup.h"

#include "forms/componenthost.h"
#include "forms/picture.h"
#include "forms/program.h"

#include <QCoreApplication>
#include <QDir>

namespace shell {

void introduceProgram()
{
    forms::setProgramName(QStringLiteral("Lumivara"));
    QStringList folders;
    // Installed: share/lumivara beside the program's bin, wherever the
    // program was installed to, then the prefix it was built for.
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../") + QStringLiteral(LUMIVARA_INSTALL_DATADIR);
    folders << QStringLiteral(LUMIVARA_INSTALLED_DATADIR)
            // A build that runs from its build tree finds the source's assets.
            << QStringLiteral(LUMIVARA_SOURCE_DATADIR);
    forms::setProgramDataFolders(folders);

    // Component libraries (the grating control): beside the program, which
    // is where the build tree puts them; for the tests and tools that run
    // from elsewhere in the build tree, where the build put them; then the
    // lib folder beside the program's bin, and the one it was built for.
    QStringList libraries;
    if (QCoreApplication::instance()) {
        const QString programDir = QCoreApplication::applicationDirPath();
        libraries << programDir;
        const QString buildDir = QDir(QStringLiteral(LUMIVARA_BUILD_DIR)).canonicalPath();
        if (!buildDir.isEmpty() && QDir(programDir).canonicalPath().startsWith(buildDir + QLatin1Char('/')))
            libraries << QStringLiteral(LUMIVARA_BUILD_LIBRARYDIR);
        libraries << QDir::cleanPath(programDir + QStringLiteral("/../") + QStringLiteral(LUMIVARA_INSTALL_LIBDIR));
    }
    libraries << QStringLiteral(LUMIVARA_INSTALLED_LIBDIR);
    forms::setComponentFolders(libraries);
}

} // namespace shell
