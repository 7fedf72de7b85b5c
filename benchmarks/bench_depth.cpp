// The per-tick work of the depth windows on a 1920 x 1080 screen: one
// timer tick of the motion-in-depth sweep (a full redraw of a picture the
// size of the screen, both modes) and of the random-dot stereogram's sweep
// (a full composition in the LCD and anaglyph views). Each is timed as the
// tick's own drawing into the persistent picture, and again with the
// repaint of the window's display that follows it on screen.
//
//   bench_depth [--benchmark_filter=...] [other Google Benchmark options]
//
// The windows run on Qt's offscreen platform with one 1920 x 1080 screen.

#include "forms/forms.h"
#include "benchmain.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

namespace {


template <typename T>
T *control(forms::Form *form, const QString &name)
{
    T *found = form->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Opens a window from its menu, chooses a mode and starts its sweep.
forms::Form *openRunning(const char *menuItem, const char *windowName, int mode, const char *startButton)
{
    bench::mainWindow().menuItem(QString::fromLatin1(menuItem))->trigger();
    forms::Form *form = bench::mainWindow().form(QString::fromLatin1(windowName));
    control<forms::OptionButton>(form, QStringLiteral("optAnaglyph(%1)").arg(mode))->setValue(true);
    control<forms::CommandButton>(form, QString::fromLatin1(startButton))->button()->click();
    QApplication::processEvents();
    return form;
}

void tick(benchmark::State &state, const char *menuItem, const char *windowName, int mode,
          const char *startButton, const char *display, bool repaint)
{
    forms::Form *form = openRunning(menuItem, windowName, mode, startButton);
    auto *timer = control<forms::Timer>(form, QStringLiteral("Timer1"));
    auto *picture = control<forms::PictureBox>(form, QString::fromLatin1(display));
    state.counters["pixels"] = double(picture->image().width()) * picture->image().height();
    for (auto _ : state) {
        timer->fire();
        if (repaint)
            picture->repaint();
    }
    form->Unload();
    QApplication::processEvents();
}

void registerAll()
{
    struct Case
    {
        const char *name, *menuItem, *window;
        int mode;
        const char *startButton, *display;
    };
    const Case cases[] = {
        {"MotionInDepth/StereoPairs", "mnuMotioninDepthitem", "frmMotionInDepth", 0, "cmdStart", "picDepth"},
        {"MotionInDepth/Anaglyph", "mnuMotioninDepthitem", "frmMotionInDepth", 1, "cmdStart", "picDepth"},
        {"RDS/LcdView", "mnuRDSitem", "frmRDS", 0, "cmdContinuous", "picBothEyes"},
        {"RDS/Anaglyph", "mnuRDSitem", "frmRDS", 1, "cmdContinuous", "picBothEyes"},
    };
    for (const Case &c : cases) {
        for (bool repaint : {false, true}) {
            const std::string name = std::string(c.name) + (repaint ? "/TickAndRepaint" : "/Tick");
            benchmark::RegisterBenchmark(name.c_str(), tick, c.menuItem, c.window, c.mode, c.startButton,
                                         c.display, repaint)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    return bench::run(argc, argv, registerAll);
}
