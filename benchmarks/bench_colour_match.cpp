// The dichromat window's scroll bars with two primaries: the standard's
// wavelength and the two primaries' intensities. They show only after
// "Add Primary" is pressed, so the every-window benchmark, which measures
// the bars a window shows when it opens, never reaches them. Each bar is
// moved one value at a time through its range and back, and each move is
// timed as the handler alone (captions, patches, the standard's plot
// redrawn) and again with the repaint that puts the result on screen.
//
//   bench_colour_match [--benchmark_filter=...] [other Google Benchmark options]
//
// The window runs on Qt's offscreen platform.

#include "forms/forms.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

MainWindow *mainWindow = nullptr;
using Clock = std::chrono::steady_clock;

void moveBar(benchmark::State &state, const char *barName, bool repaint)
{
    mainWindow->menuItem(QStringLiteral("mnuDichromatsitem"))->trigger();
    forms::Form *form = mainWindow->form(QStringLiteral("frmDiChromat"));
    form->findChild<forms::CommandButton *>(QStringLiteral("cmdAddPrimary"))->button()->click();
    QApplication::processEvents();
    auto *bar = form->findChild<forms::ScrollBar *>(QString::fromLatin1(barName));
    if (!bar || !bar->isVisible()) {
        state.SkipWithError("the scroll bar is not shown");
        return;
    }
    // One end to the other and back, about forty values each way.
    const int lo = std::min(bar->Min(), bar->Max());
    const int hi = std::max(bar->Min(), bar->Max());
    QList<int> values;
    for (int i = 0; i <= 40; ++i)
        values << lo + (hi - lo) * i / 40;
    for (int i = 39; i > 0; --i)
        values << values[i];
    bar->setValue(values.first());
    QApplication::processEvents();
    qsizetype next = 1;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        bar->setValue(values[next]);
        if (repaint)
            QApplication::processEvents(); // the repaint that shows the change
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        next = (next + 1) % values.size();
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    state.counters["median_us"] = times[times.size() / 2];
    form->Unload();
    QApplication::processEvents();
}

void registerAll()
{
    for (const char *bar : {"hscStandard", "VScroll1", "vscPrim2"}) {
        for (bool repaint : {false, true}) {
            const std::string name = std::string("frmDiChromat/TwoPrimaries/") + bar
                                     + (repaint ? "/HandlerAndRepaint" : "/Handler");
            benchmark::RegisterBenchmark(name.c_str(), moveBar, bar, repaint)
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(0.2)
                ->Repetitions(3)
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
