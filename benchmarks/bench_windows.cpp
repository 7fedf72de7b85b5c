// What a student feels while dragging a scroll bar: every window the menu
// opens is opened through its command, and each of its scroll bars is moved
// one value at a time, sweeping its range up and down. Each move is timed
// as the window's handling of the change (its Change handler and whatever
// it draws) and again with the repaint that puts the result on screen. A
// window is measured as soon as its menu command opens it; nothing here
// names a window. Every check box a window shows is ticked first (and
// those the ticks reveal), so every curve it offers is drawn and every bar
// the boxes bring up is measured.
//
// Beside them, the heaviest single drawing: DrawGrating filling the grating
// control's picture (9495 x 4335 twips) at device pixel ratios 1 and 2,
// against the floor for the same pixels measured in the same run (one row
// of greys computed, then copied down the picture).
//
//   bench_windows [--dpr=2] [--generic] [--benchmark_filter=frmFourier] [Google Benchmark options]
//
// (see benchmain.h for the options and the screen the windows run on).

#include "benchmain.h"

#include "forms/forms.h"
#include "plotting/modcorvane.h"
#include "shell/menutable.h"
#include "shell/windowtable.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Clock = std::chrono::steady_clock;

// The values a drag passes through: from one end of the range to the other
// and back, about forty steps each way.
QList<int> sweep(const forms::ScrollBar *bar)
{
    const int lo = std::min(bar->Min(), bar->Max());
    const int hi = std::max(bar->Min(), bar->Max());
    const int steps = std::min(hi - lo, 40);
    QList<int> values;
    for (int i = 0; i <= steps; ++i)
        values << lo + int(std::lround(double(hi - lo) * i / std::max(steps, 1)));
    for (int i = steps - 1; i > 0; --i)
        values << values[i];
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// Ticks every visible check box, then those the ticks brought up.
void tickEveryBox(forms::Form *form)
{
    for (bool ticked = true; ticked;) {
        ticked = false;
        for (forms::CheckBox *box : form->findChildren<forms::CheckBox *>()) {
            if (box->isVisible() && box->isEnabled() && box->Value() != 1) {
                box->setValue(1);
                ticked = true;
            }
        }
    }
    QApplication::processEvents();
}

void moveBar(benchmark::State &state, QString item, QString window, QString barName, bool repaint)
{
    forms::Form *form = bench::openByMenu(item, window);
    tickEveryBox(form);
    auto *bar = form->findChild<forms::ScrollBar *>(barName);
    if (!bar) {
        state.SkipWithError("the scroll bar is gone");
        return;
    }
    const QList<int> values = sweep(bar);
    if (values.size() < 2) {
        state.SkipWithError("the scroll bar has a single value");
        return;
    }
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
    // The median change, beside the mean Google Benchmark reports: a few
    // slow values (a caption growing a line) do not hide the typical one.
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    state.counters["median_us"] = times[times.size() / 2];
    bench::closeWindow(form);
}

// Every visible, enabled scroll bar of every window with a menu command.
void registerWindows()
{
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        const shell::WindowEntry *window = entry.window.isEmpty() ? nullptr : shell::findWindow(entry.window);
        if (!window || !window->create)
            continue;
        forms::Form *form = bench::openByMenu(entry.name, entry.window);
        tickEveryBox(form);
        QStringList bars;
        for (const forms::ScrollBar *bar : form->findChildren<forms::ScrollBar *>()) {
            if (bar->isVisible() && bar->isEnabled() && bar->Min() != bar->Max())
                bars << bar->objectName();
        }
        bench::closeWindow(form);
        for (const QString &bar : bars) {
            for (bool repaint : {false, true}) {
                const QString name = entry.window + QLatin1Char('/') + bar
                                     + (repaint ? QStringLiteral("/HandlerAndRepaint") : QStringLiteral("/Handler"));
                benchmark::RegisterBenchmark(name.toStdString().c_str(), moveBar, entry.name, entry.window, bar,
                                             repaint)
                    ->Unit(benchmark::kMicrosecond)
                    ->MinTime(0.2)
                    ->Repetitions(3)
                    ->ReportAggregatesOnly(true);
            }
        }
    }
}

// The grating control's picture box, alone, at a chosen pixel ratio.
class GratingPicture : public forms::Canvas
{
public:
    explicit GratingPicture(qreal ratio)
        : m_ratio(ratio)
    {
    }
    double Width() const override { return 9495; }
    double Height() const override { return 4335; }
    QString Tag() const override { return {}; }
    // What the window shows: the drawing, complete.
    QImage shown() { return image(); }
    void finish() { flush(); }

protected:
    QSize canvasPixels() const override { return {633, 289}; }
    qreal canvasRatio() const override { return m_ratio; }
    void canvasChanged() override {}

private:
    qreal m_ratio;
};

void drawGrating(benchmark::State &state, qreal ratio)
{
    GratingPicture picture(ratio);
    double contrast = 0;
    for (auto _ : state) {
        modCorvane::DrawGrating(picture, 8, contrast);
        picture.finish();
        contrast = contrast >= 1 ? 0 : contrast + 0.01;
    }
    state.counters["pixels"] = 633 * 289 * ratio * ratio;
}

// The floor: the greys of one row, computed, then copied to every row.
void rowFill(benchmark::State &state, qreal ratio)
{
    QImage image(QSize(633, 289) * ratio, QImage::Format_RGB32);
    double contrast = 0;
    for (auto _ : state) {
        auto *first = reinterpret_cast<QRgb *>(image.scanLine(0));
        for (int x = 0; x < image.width(); ++x) {
            const int g = int(162.5 + 62.5 * contrast * std::sin(6.2831853 * 8 * x / image.width()));
            first[x] = qRgb(g, g, g);
        }
        for (int y = 1; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), first, image.bytesPerLine());
        benchmark::DoNotOptimize(image.constBits());
        contrast = contrast >= 1 ? 0 : contrast + 0.01;
    }
    state.counters["pixels"] = double(image.width()) * image.height();
}

void registerGrating()
{
    for (qreal ratio : {1.0, 2.0}) {
        const std::string suffix = ratio == 1 ? "/dpr1" : "/dpr2";
        benchmark::RegisterBenchmark(("DrawGrating/9495x4335" + suffix).c_str(), drawGrating, ratio)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(("RowFillFloor/9495x4335" + suffix).c_str(), rowFill, ratio)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
}

void registerAll()
{
    registerGrating();
    registerWindows();
}

} // namespace

int main(int argc, char *argv[])
{
    return bench::run(argc, argv, registerAll);
}
