// What a curious student can do to a text box: paste a whole document into
// it. Every text box of every window the menu opens gets long texts pasted
// (Ctrl+V), then a typed key, Enter and Tab, each a real key event; the
// longest single event (handling plus the repaint that shows it) is
// reported as max_event_ms. No event should take more than 100 ms.
//
//   bench_textboxes [--benchmark_filter=frmSTDBasic] [Google Benchmark options]

#include "benchmain.h"

#include "forms/forms.h"
#include "shell/menutable.h"
#include "shell/windowtable.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// One key pressed and released, with what it shows painted: milliseconds.
double keyEvent(QWidget *to, int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const auto start = Clock::now();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(to, &press);
    QCoreApplication::sendEvent(to, &release);
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

QString longText(int kind)
{
    switch (kind) {
    case 0: return QString(50000, QLatin1Char('9'));
    case 1: return QString(100000, QLatin1Char('9'));
    case 2: return QString(1000000, QLatin1Char('9'));
    default: {
        QString words;
        for (int i = 0; words.size() < 100000; ++i)
            words += QString::number(i) + (i % 9 == 8 ? QLatin1String("\r\n") : QLatin1String(" "));
        return words;
    }
    }
}

void pasteInto(benchmark::State &state, QString item, QString window, QString boxName, int kind)
{
    forms::Form *form = bench::openByMenu(item, window);
    auto *box = form->findChild<forms::TextBox *>(boxName);
    if (!box || !box->isVisible()) {
        state.SkipWithError("the text box is gone");
        return;
    }
    const QString text = longText(kind);
    double longest = 0;
    for (auto _ : state) {
        QApplication::clipboard()->setText(text);
        QWidget *editor = box->editor();
        editor->setFocus();
        QApplication::processEvents();
        longest = std::max(longest, keyEvent(editor, Qt::Key_A, {}, Qt::ControlModifier));
        longest = std::max(longest, keyEvent(editor, Qt::Key_V, {}, Qt::ControlModifier));
        longest = std::max(longest, keyEvent(editor, Qt::Key_5, QStringLiteral("5")));
        longest = std::max(longest, keyEvent(editor, Qt::Key_Return, QStringLiteral("\r")));
        longest = std::max(longest, keyEvent(editor, Qt::Key_Tab, {}));
        if (!form->isLoaded())
            form = bench::openByMenu(item, window);
    }
    state.counters["max_event_ms"] = longest;
    bench::closeWindow(form);
}

void registerAll()
{
    static const char *const kinds[] = {"50k digits", "100k digits", "1M digits", "100k words"};
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        const shell::WindowEntry *window = entry.window.isEmpty() ? nullptr : shell::findWindow(entry.window);
        if (!window || !window->create)
            continue;
        forms::Form *form = bench::openByMenu(entry.name, entry.window);
        QStringList boxes;
        for (const forms::TextBox *box : form->findChildren<forms::TextBox *>()) {
            if (box->isVisible() && box->isEnabled())
                boxes << box->objectName();
        }
        bench::closeWindow(form);
        for (const QString &box : boxes) {
            for (int kind = 0; kind < 4; ++kind) {
                const QString name = entry.window + QLatin1Char('/') + box + QLatin1Char('/') + QLatin1String(kinds[kind]);
                benchmark::RegisterBenchmark(name.toStdString().c_str(), pasteInto, entry.name, entry.window, box, kind)
                    ->Unit(benchmark::kMillisecond)
                    ->Iterations(3);
            }
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    return bench::run(argc, argv, registerAll);
}
