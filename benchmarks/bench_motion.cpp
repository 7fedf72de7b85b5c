// The per-tick work of the motion windows: the spiral's frame tick (the
// next of its 36 pictures, stretched into its frame), the rolling wheel's
// 25 ms tick (the strip cleared, the wheel and its dot drawn), and the
// structure-from-motion square's 5 ms step, and the Mach bands animation's
// 40 ms sweep step (over the staircase and over the ramp). Each is timed as
// the tick's handler alone, and again with the repaint that puts it on
// screen.
//
//   bench_motion [--benchmark_filter=...] [other Google Benchmark options]
//
// The windows run on Qt's offscreen platform with one 1920 x 1080 screen.

#include "demos/spatial/machbandsanimation.h"
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

// Opens a window from its menu and presses its start button.
forms::Form *openRunning(const char *menuItem, const char *windowName, const char *startButton)
{
    bench::mainWindow().menuItem(QString::fromLatin1(menuItem))->trigger();
    forms::Form *form = bench::mainWindow().form(QString::fromLatin1(windowName));
    control<forms::CommandButton>(form, QString::fromLatin1(startButton))->button()->click();
    QApplication::processEvents();
    return form;
}

void closeWindow(forms::Form *form)
{
    form->Unload();
    QApplication::processEvents();
}

void spiralFrame(benchmark::State &state, bool repaint)
{
    forms::Form *form = openRunning("mnuSpiralitem", "frmMotAfter", "cmdStart");
    auto *frameTimer = control<forms::Timer>(form, QStringLiteral("tim1"));
    auto *spiral = control<forms::Image>(form, QStringLiteral("imgSpiral"));
    for (auto _ : state) {
        frameTimer->fire();
        if (repaint)
            spiral->repaint();
    }
    closeWindow(form);
}

void wheelTick(benchmark::State &state, bool repaint)
{
    forms::Form *form = openRunning("mnuFrameitem", "frmFrame", "cmdStart");
    auto *timer = control<forms::Timer>(form, QStringLiteral("timFrame"));
    auto *strip = control<forms::PictureBox>(form, QStringLiteral("picFrame"));
    for (auto _ : state) {
        timer->fire();
        if (repaint)
            strip->repaint();
    }
    closeWindow(form);
}

void squareStep(benchmark::State &state, bool repaint)
{
    forms::Form *form = openRunning("frmStructMotionitem", "frmStructFromMotion", "cmdMove");
    auto *move = control<forms::Timer>(form, QStringLiteral("timMove"));
    auto *pause = control<forms::Timer>(form, QStringLiteral("timPause"));
    auto *field = control<forms::PictureBox>(form, QStringLiteral("picStruct"));
    for (auto _ : state) {
        // The rest between moves is skipped: the next move starts at once.
        if (!move->Enabled())
            pause->fire();
        move->fire();
        if (repaint)
            field->repaint();
    }
    closeWindow(form);
}

// The animation the Mach bands window's object opens, on the given pattern.
void machBandsStep(benchmark::State &state, bool repaint, MachBandsAnimation::Pattern pattern)
{
    bench::mainWindow().menuItem(QStringLiteral("mnuMachBandsItem"))->trigger();
    forms::Form *form = bench::mainWindow().form(QStringLiteral("frmMachBands"));
    auto *object = control<forms::OleContainer>(form, QStringLiteral("oleMachBands"));
    object->DoVerb();
    auto *animation = qobject_cast<MachBandsAnimation *>(object->objectWindow());
    QApplication::processEvents();
    forms::Timer *timer = animation->timer();
    while (animation->pattern() != pattern)
        timer->fire();
    for (auto _ : state) {
        timer->fire();
        if (repaint)
            animation->repaint();
        if (animation->pattern() != pattern) {
            // Measured on one pattern: the sweep goes on across it again.
            state.PauseTiming();
            while (animation->pattern() != pattern)
                timer->fire();
            state.ResumeTiming();
        }
    }
    bench::mainWindow().menuItem(QStringLiteral("mnuMachBandsItem"))->trigger();
    QApplication::processEvents();
}

void machBandsStaircase(benchmark::State &state, bool repaint)
{
    machBandsStep(state, repaint, MachBandsAnimation::Pattern::Staircase);
}

void machBandsRamp(benchmark::State &state, bool repaint)
{
    machBandsStep(state, repaint, MachBandsAnimation::Pattern::Ramp);
}

void registerAll()
{
    struct Case
    {
        const char *name;
        void (*run)(benchmark::State &, bool);
    };
    const Case cases[] = {
        {"MotAfter/SpiralFrame", spiralFrame},
        {"Frame/WheelTick", wheelTick},
        {"StructFromMotion/SquareStep", squareStep},
        {"MachBands/StaircaseStep", machBandsStaircase},
        {"MachBands/RampStep", machBandsRamp},
    };
    for (const Case &c : cases) {
        for (bool repaint : {false, true}) {
            const std::string name = std::string(c.name) + (repaint ? "/TickAndRepaint" : "/Tick");
            benchmark::RegisterBenchmark(name.c_str(), c.run, repaint)
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
