// Dragging the contrast scroll bar of the grating control in the
// contrast-sensitivity window: each step of the thumb redraws the whole
// 9495 x 4335 twip grating. Timed as the control's handler alone (the
// readout and the drawing into the persistent picture), and again with the
// repaint of the picture box that follows it on screen.
//
//   bench_gratingctl [--benchmark_filter=...] [other Google Benchmark options]
//
// The window runs on Qt's offscreen platform with one 1920 x 1080 screen.

#include "forms/forms.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

namespace {

MainWindow *mainWindow = nullptr;

template <typename T>
T *control(forms::Form *form, const QString &name)
{
    T *found = form->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void drag(benchmark::State &state, int button, bool repaint)
{
    mainWindow->menuItem(QStringLiteral("mnuMeasureConItem"))->trigger();
    forms::Form *form = mainWindow->form(QStringLiteral("frmContrast"));
    if (!form->findChild<forms::Control *>(QStringLiteral("uctCorvane1")))
        qFatal("the grating control could not be created");
    control<forms::OptionButton>(form, QStringLiteral("optSF(%1)").arg(button))->button()->click();
    auto *bar = control<forms::ScrollBar>(form, QStringLiteral("vscContrastRatio"))->bar();
    auto *picture = control<forms::PictureBox>(form, QStringLiteral("picGrating"));
    QApplication::processEvents();

    // The thumb held down and moved one value at a time, up and down the bar.
    bar->setSliderDown(true);
    int value = bar->value();
    int step = 1;
    for (auto _ : state) {
        if (value + step > bar->maximum() || value + step < bar->minimum())
            step = -step;
        value += step;
        bar->setSliderPosition(value);
        if (repaint)
            picture->repaint();
    }
    bar->setSliderDown(false);
    form->Unload();
    QApplication::processEvents();
}

void registerAll()
{
    struct Case
    {
        const char *name;
        int button;
    };
    // Half a cycle (as the window opens) and the most cycles: the drawing
    // is the same number of lines whatever the frequency.
    const Case cases[] = {{"Grating/HalfCycle", 0}, {"Grating/128Cycles", 8}};
    for (const Case &c : cases) {
        for (bool repaint : {false, true}) {
            const std::string name = std::string(c.name) + (repaint ? "/DragAndRepaint" : "/Drag");
            benchmark::RegisterBenchmark(name.c_str(), drag, c.button, repaint)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // One 1920 x 1080 screen at 96 dpi, no window frames.
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/bench_gratingctl_XXXXXX.json"));
    if (!screens.open())
        qFatal("cannot write the screen description");
    screens.write(R"({"windowFrameMargins": false,
                      "screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    // The offscreen platform's notes about what it cannot do would bury
    // the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });

    QApplication app(argc, argv);
    if (QGuiApplication::primaryScreen()->size() != QSize(1920, 1080))
        qFatal("the screen is not 1920 x 1080");
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
