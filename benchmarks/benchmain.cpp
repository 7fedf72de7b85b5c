#include "benchmain.h"

#include "forms/canvas.h"
#include "forms/menuitem.h"
#include "forms/msgbox.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

#include <cstring>

namespace bench {

namespace {
MainWindow *theMainWindow = nullptr;

// --dpr=N and --generic, taken out of the arguments before Google
// Benchmark sees them.
double takeOptions(int &argc, char *argv[])
{
    double ratio = 1;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--dpr=", 6) == 0)
            ratio = std::max(1.0, std::atof(argv[i] + 6));
        else if (std::strcmp(argv[i], "--generic") == 0)
            forms::Canvas::setFastDrawing(false);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return ratio;
}
} // namespace

MainWindow &mainWindow()
{
    return *theMainWindow;
}

forms::Form *openByMenu(const QString &item, const QString &window)
{
    forms::Form *form = theMainWindow->form(window);
    if (!form->isLoaded()) {
        forms::MenuItem *menuItem = theMainWindow->menuItem(item);
        if (menuItem->Checked())
            menuItem->trigger();
        menuItem->trigger();
    }
    QApplication::processEvents();
    return form;
}

void closeWindow(forms::Form *form)
{
    form->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

int run(int argc, char *argv[], void (*registerAll)())
{
    const double ratio = takeOptions(argc, argv);
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/lumivara_bench_XXXXXX.json"));
    if (!screens.open())
        qFatal("cannot write the screen description");
    screens.write(QStringLiteral(R"({"windowFrameMargins": false,
                      "screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %1}]})")
                      .arg(ratio)
                      .toUtf8());
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    // The offscreen platform's notes about what it cannot do would bury the
    // table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    // A window that reports something mid-measurement must not wait for a click.
    forms::MessageBoxes::setInterceptor([](const QString &, const QString &) {});

    QApplication app(argc, argv);
    if (QGuiApplication::primaryScreen()->size() != QSize(1920, 1080))
        qFatal("the screen is not 1920 x 1080");
    MainWindow main;
    main.show();
    QApplication::processEvents();
    theMainWindow = &main;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theMainWindow = nullptr;
    return 0;
}

} // namespace bench
