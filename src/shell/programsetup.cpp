#include "programsetup.h"

#include "forms/picture.h"
#include "forms/program.h"

#include <QCoreApplication>

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
}

} // namespace shell
