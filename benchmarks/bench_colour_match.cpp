// What one step of each scroll bar of the colour-matching windows costs:
// the monochromat's two bars, the dichromat's bars with one comparison
// light and with two primaries. Each step is timed as the bar's handler
// alone (the value set, its Change run: captions, patches, the plot
// redrawn into its persistent picture), and again with the repaint of the
// window that follows it on screen.
//
//   bench_colour_match [--benchmark_filter=...] [other Google Benchmark options]
//
// The windows run on Qt's offscreen platform.

#include "forms/forms.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

MainWindow *mainWindow = nullptr;

forms::Form *open(const char *menuItem, const char *windowName, bool twoPrimaries)
{
    mainWindow->menuItem(QString::fromLatin1(menuItem))->trigger();
    forms::Form *form = mainWindow->form(QString::fromLatin1(windowName));
    if (twoPrimaries)
        form->findChild<forms::CommandButton *>(QStringLiteral("cmdAddPrimary"))->button()->click();
    QApplication::processEvents();
    return form;
}

// After the handler: nothing, what changed (as the screen does it), or the
// whole window.
enum class Repaint { None, Changed, Whole };

void step(benchmark::State &state, const char *menuItem, const char *windowName, bool twoPrimaries,
          const char *barName, Repaint repaint)
{
    forms::Form *form = open(menuItem, windowName, twoPrimaries);
    auto *bar = form->findChild<forms::ScrollBar *>(QString::fromLatin1(barName));
    if (!bar || !bar->isVisible())
        qFatal("no scroll bar %s shown", barName);
    // Back and forth between two neighbouring values in the middle of the
    // range, so every step changes the value.
    const int middle = (bar->Min() + bar->Max()) / 2;
    int value = middle;
    for (auto _ : state) {
        value = value == middle ? middle + 1 : middle;
        bar->setValue(value);
        if (repaint == Repaint::Changed)
            QApplication::processEvents();
        else if (repaint == Repaint::Whole)
            form->repaint();
    }
    form->Unload();
    QApplication::processEvents();
}

void registerAll()
{
    struct Case
    {
        const char *name, *menuItem, *window;
        bool twoPrimaries;
        const char *bar;
    };
    const Case cases[] = {
        {"MonoChromat/HScroll1", "mnuMonoChromatItem", "frmMonoChromat", false, "HScroll1"},
        {"MonoChromat/VScroll1", "mnuMonoChromatItem", "frmMonoChromat", false, "VScroll1"},
        {"DiChromat/OneLight/HScroll1", "mnuDichromatsitem", "frmDiChromat", false, "HScroll1"},
        {"DiChromat/OneLight/VScroll1", "mnuDichromatsitem", "frmDiChromat", false, "VScroll1"},
        {"DiChromat/TwoPrimaries/hscStandard", "mnuDichromatsitem", "frmDiChromat", true, "hscStandard"},
        {"DiChromat/TwoPrimaries/VScroll1", "mnuDichromatsitem", "frmDiChromat", true, "VScroll1"},
        {"DiChromat/TwoPrimaries/vscPrim2", "mnuDichromatsitem", "frmDiChromat", true, "vscPrim2"},
    };
    for (const Case &c : cases) {
        for (auto [repaint, suffix] : {std::pair{Repaint::None, "/Handler"}, std::pair{Repaint::Changed, "/HandlerAndRepaint"},
                                       std::pair{Repaint::Whole, "/HandlerAndWholeWindow"}}) {
            const std::string name = std::string(c.name) + suffix;
            benchmark::RegisterBenchmark(name.c_str(), step, c.menuItem, c.window, c.twoPrimaries, c.bar,
                                         repaint)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes about what it cannot do would bury
    // the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });

    QApplication app(argc, argv);
    MainWindow main;
    main.show();
    QApplication::processEvents();
    mainWindow = &main;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
