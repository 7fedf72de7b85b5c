// A long, rough session with the program, to see whether memory stays flat:
// windows opened from the menu and closed again in random order, their
// buttons pressed, scroll bars moved, text typed and pasted into their
// boxes, their plots clicked and dragged, and their timers left running
// in the real event loop. Every 30 seconds it prints the resident memory
// of the process; at the end it closes everything and prints it again.
//
//   QT_QPA_PLATFORM=offscreen build/tests/soak [--minutes=10] [--seed=1]
//
// Run outside CTest: it takes minutes. Message boxes are answered at once.

#include "forms/forms.h"
#include "shell/mainwindow.h"
#include "shell/menutable.h"
#include "shell/windowtable.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace forms;

namespace {

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024) : 0;
}

struct Command
{
    QString item;
    QString window;
};

class Soak
{
public:
    Soak(MainWindow &main, quint32 seed)
        : m_main(main)
        , m_random(seed)
    {
        for (const shell::MenuEntry &entry : shell::menuTable()) {
            if (!entry.window.isEmpty() && shell::findWindow(entry.window)->create)
                m_commands.push_back({entry.name, entry.window});
        }
    }

    // One thing a restless student might do.
    void step()
    {
        ++m_steps;
        const Command &command = m_commands[m_random.bounded(int(m_commands.size()))];
        Form *form = m_main.form(command.window);
        if (!form->isLoaded()) {
            open(command);
            return;
        }
        switch (m_random.bounded(12)) {
        case 0:
            close(command, form);
            break;
        case 1:
        case 2:
            press(form);
            break;
        case 3:
        case 4:
        case 5:
            moveBar(form);
            break;
        case 6:
        case 7:
            type(form);
            break;
        case 8:
            mouseOnPicture(form);
            break;
        default:
            break; // let its timers run
        }
    }

    void closeAll()
    {
        for (const Command &command : m_commands) {
            Form *form = m_main.form(command.window);
            if (form->isLoaded())
                form->Unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    int steps() const { return m_steps; }
    int openWindows() const
    {
        int open = 0;
        for (const Command &command : m_commands)
            open += m_main.form(command.window)->isLoaded();
        return open;
    }

private:
    template <typename T>
    T *anyVisible(Form *form)
    {
        QList<T *> candidates;
        for (T *control : form->findChildren<T *>()) {
            if (control->isVisible() && control->isEnabled())
                candidates << control;
        }
        return candidates.isEmpty() ? nullptr : candidates[m_random.bounded(int(candidates.size()))];
    }

    void open(const Command &command)
    {
        MenuItem *item = m_main.menuItem(command.item);
        if (item->Checked())
            item->trigger(); // a toggle whose window was closed by its close box
        item->trigger();
    }

    void close(const Command &command, Form *form)
    {
        MenuItem *item = m_main.menuItem(command.item);
        if (item->Checked() && m_random.bounded(2))
            item->trigger();
        else if (form->subWindow())
            form->subWindow()->close();
        else
            form->close();
    }

    void press(Form *form)
    {
        if (m_random.bounded(3) == 0) {
            if (auto *option = anyVisible<OptionButton>(form))
                option->button()->click();
            else if (auto *check = anyVisible<CheckBox>(form))
                check->box()->click();
            return;
        }
        if (auto *button = anyVisible<CommandButton>(form))
            button->button()->click();
    }

    void moveBar(Form *form)
    {
        auto *bar = anyVisible<ScrollBar>(form);
        if (!bar)
            return;
        static const QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum,
        };
        if (m_random.bounded(3) == 0) {
            // A drag: the thumb through a few positions, then let go.
            QScrollBar *inner = bar->bar();
            inner->setSliderDown(true);
            for (int i = 0; i < 5; ++i)
                inner->setSliderPosition(inner->minimum() + m_random.bounded(inner->maximum() - inner->minimum() + 1));
            inner->setSliderDown(false);
        } else {
            bar->bar()->triggerAction(actions[m_random.bounded(6)]);
        }
    }

    void key(QWidget *to, int key, const QString &text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(to, &press);
        QCoreApplication::sendEvent(to, &release);
    }

    void type(Form *form)
    {
        auto *box = anyVisible<TextBox>(form);
        if (!box)
            return;
        QWidget *editor = box->editor();
        editor->setFocus();
        static const QStringList texts = {QStringLiteral("0.5"), QStringLiteral("12"), QStringLiteral("-3"),
                                          QStringLiteral("abc"), QStringLiteral("1e400"), QStringLiteral(""),
                                          QStringLiteral("99999"), QStringLiteral(".")};
        key(editor, Qt::Key_A, QString(), Qt::ControlModifier);
        key(editor, Qt::Key_Delete);
        if (m_random.bounded(20) == 0) {
            // Somebody pastes a whole document.
            QApplication::clipboard()->setText(QString(100000 + m_random.bounded(100000), QLatin1Char('7')));
            key(editor, Qt::Key_V, QString(), Qt::ControlModifier);
        } else {
            for (QChar c : texts[m_random.bounded(int(texts.size()))])
                key(editor, Qt::Key_unknown, QString(c));
        }
        key(editor, Qt::Key_Return, QStringLiteral("\r"));
        key(editor, Qt::Key_Tab);
    }

    void mouseOnPicture(Form *form)
    {
        auto *picture = anyVisible<PictureBox>(form);
        if (!picture)
            return;
        const auto at = [&] {
            return QPointF(m_random.bounded(picture->width() * 3) - picture->width(),
                           m_random.bounded(picture->height() * 3) - picture->height());
        };
        const QPointF start(m_random.bounded(std::max(1, picture->width())), m_random.bounded(std::max(1, picture->height())));
        QMouseEvent press(QEvent::MouseButtonPress, start, picture->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &press);
        for (int i = 0; i < 4; ++i) {
            const QPointF to = at();
            QMouseEvent move(QEvent::MouseMove, to, picture->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(picture, &move);
        }
        QMouseEvent release(QEvent::MouseButtonRelease, start, picture->mapToGlobal(start), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &release);
    }

    MainWindow &m_main;
    QRandomGenerator m_random;
    std::vector<Command> m_commands;
    int m_steps = 0;
};

// --name=value, taken out of the arguments.
double option(int argc, char *argv[], const char *name, double fallback)
{
    const size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            return std::atof(argv[i] + length + 1);
    }
    return fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    const double minutes = option(argc, argv, "--minutes", 10);
    const auto seed = quint32(option(argc, argv, "--seed", 1));
    // The offscreen platform's notes about what it cannot do would bury the
    // memory figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    int messages = 0;
    MessageBoxes::setInterceptor([&messages](const QString &, const QString &) { ++messages; });

    QApplication app(argc, argv);
    auto main = std::make_unique<MainWindow>();
    main->show();
    Soak soak(*main, seed);
    QElapsedTimer clock;
    clock.start();
    printf("%8s %10s %8s %8s %10s\n", "seconds", "RSS MB", "steps", "windows", "messages");
    const auto report = [&] {
        printf("%8.0f %10.1f %8d %8d %10d\n", clock.elapsed() / 1000.0, residentMegabytes(), soak.steps(),
               soak.openWindows(), messages);
        fflush(stdout);
    };
    report();

    QTimer steps;
    steps.setTimerType(Qt::PreciseTimer);
    QObject::connect(&steps, &QTimer::timeout, [&] { guarded([&] { soak.step(); }); });
    steps.start(15);
    QTimer reports;
    QObject::connect(&reports, &QTimer::timeout, report);
    reports.start(30000);
    QTimer::singleShot(int(minutes * 60000), [&] {
        steps.stop();
        reports.stop();
        report();
        soak.closeAll();
        printf("everything closed:\n");
        report();
        QApplication::quit();
    });
    const int result = QApplication::exec();
    main.reset();
    return result;
}
