// Lumivara: a teaching program for a course in sensation and perception.

#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The web page window's browser shares its drawing contexts with the
    // application's, which must be arranged before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivara"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
