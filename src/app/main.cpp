// Lumivara: a teaching program for a course in sensation and perception.

#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivara"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
