#include "startupactions.h"

#include "forms/control.h"
#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/msgbox.h"
#include "shell/mainwindow.h"
#include "shell/menutable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

namespace {

// Long enough for a window manager to map the main window on a loaded
// machine; a window that has not shown by then counts as not shown.
constexpr int ShowTimeoutMs = 20000;
// Time given to the chosen windows to show and load what they read.
constexpr int SettleMs = 300;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString windowOf(const QString &item)
{
    for (const shell::MenuEntry &entry : shell::menuTable())
        if (entry.name == item)
            return entry.window;
    return {};
}

class StartupRun : public QObject
{
public:
    StartupRun(MainWindow &window, const StartupActions &actions)
        : QObject(&window)
        , m_window(&window)
        , m_actions(actions)
    {
        if (m_actions.quitWhenShown)
            forms::MessageBoxes::setInterceptor([this](const QString &text, const QString &title) {
                m_failed = true;
                out() << "lumivara: message box \"" << title << "\": " << text << Qt::endl;
            });
        m_clock.start();
        waitForMainWindow();
    }

private:
    void waitForMainWindow()
    {
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->isExposed()) {
            if (m_actions.quitWhenShown)
                out() << "lumivara: main window shown" << Qt::endl;
            chooseCommands();
            return;
        }
        if (m_clock.elapsed() > ShowTimeoutMs) {
            out() << "lumivara: the main window did not show" << Qt::endl;
            m_failed = true;
            finish();
            return;
        }
        QTimer::singleShot(20, this, &StartupRun::waitForMainWindow);
    }

    void chooseCommands()
    {
        for (const QString &name : m_actions.choose) {
            forms::MenuItem *item = m_window->menuItem(name);
            if (!item || !item->isEnabled()) {
                out() << "lumivara: no menu command " << name << " to choose" << Qt::endl;
                m_failed = true;
                continue;
            }
            item->trigger();
        }
        if (m_actions.quitWhenShown)
            QTimer::singleShot(SettleMs, this, &StartupRun::report);
    }

    void report()
    {
        for (const QString &name : m_actions.choose) {
            const QString windowName = windowOf(name);
            if (windowName.isEmpty() || !m_window->menuItem(name))
                continue;
            forms::Form *form = m_window->form(windowName);
            if (!form || !form->isVisible()) {
                out() << "lumivara: " << name << ": window " << windowName << " did not show" << Qt::endl;
                m_failed = true;
                continue;
            }
            QStringList controls;
            for (const forms::Control *control : form->findChildren<forms::Control *>())
                if (!control->objectName().isEmpty())
                    controls << control->objectName();
            out() << "lumivara: " << name << ": window " << windowName << " \"" << form->Caption()
                  << "\" shown, with controls " << controls.join(QStringLiteral(", ")) << Qt::endl;
        }
        finish();
    }

    void finish()
    {
        if (!m_actions.quitWhenShown)
            return;
        forms::MessageBoxes::clearInterceptor();
        QApplication::exit(m_failed ? 1 : 0);
    }

    QPointer<MainWindow> m_window;
    StartupActions m_actions;
    QElapsedTimer m_clock;
    bool m_failed = false;
};

} // namespace

void scheduleStartupActions(MainWindow &window, const StartupActions &actions)
{
    if (actions.choose.isEmpty() && !actions.quitWhenShown)
        return;
    QTimer::singleShot(0, &window, [&window, actions] { new StartupRun(window, actions); });
}
