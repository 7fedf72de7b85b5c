// Lumivara: a teaching program for a course in sensation and perception.

#include "shell/mainwindow.h"
#include "startupactions.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    // The web page window's browser shares its drawing contexts with the
    // application's, which must be arranged before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setApplicationName(QStringLiteral("Lumivara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMIVARA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A teaching program for a course in sensation and perception."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption choose(
        QStringLiteral("choose"),
        QStringLiteral("Choose the menu command <name> (for example mnuColorMixerItem) once the main window "
                       "shows. May be given more than once."),
        QStringLiteral("name"));
    const QCommandLineOption quitWhenShown(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Quit once the main window and the windows chosen have shown, printing what opened; "
                       "message boxes are printed instead of shown. Exit status 1 if a message box was "
                       "raised or a window did not show."));
    parser.addOption(choose);
    parser.addOption(quitWhenShown);
    // --help and --version answer without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (parser.parse(arguments) && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
                                    || parser.isSet(QStringLiteral("version")))) {
        QCoreApplication app(argc, argv);
        parser.process(app);
    }

    QApplication app(argc, argv);
    // Lets the desktop match the program's windows with its installed
    // desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMIVARA_APP_ID));
    parser.process(app);

    MainWindow window;
    window.show();
    scheduleStartupActions(window, {.choose = parser.values(choose), .quitWhenShown = parser.isSet(quitWhenShown)});
    return QApplication::exec();
}
