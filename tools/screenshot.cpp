// Renders a window of the program to a PNG without a display, for the
// README's pictures and for looking at a window while building it:
//
//   screenshot OUT.png [--menu ITEM]... [--set WINDOW/CONTROL.Property=VALUE]...
//              [--tick WINDOW/TIMER[=N]]... [--click WINDOW/BUTTON]... [--wait MS]
//              [--grab WINDOW] [--open-object WINDOW/CONTROL [--grab-object]]
//
// Menu items are chosen and buttons clicked in order, as a user would;
// --grab names the window to picture (default: the main window, with its
// child windows inside). --open-object activates the object in an OLE
// container as a double click does; --grab-object then pictures the
// object's own window.

#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/olecontainer.h"
#include "forms/timer.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "screenshot: " << message << '\n';
    return 2;
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    } while (clock.elapsed() < ms);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivara"));
    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty())
        return fail(QStringLiteral("usage: screenshot OUT.png [--menu ITEM]... [--set W/C.P=V]... "
                                   "[--tick W/T[=N]]... [--click W/B]... [--wait MS] [--grab WINDOW] "
                                   "[--open-object W/C [--grab-object]]"));
    const QString out = args.takeFirst();

    MainWindow main;
    main.show();
    settle(100);
    QWidget *target = &main;
    forms::OleContainer *container = nullptr;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--grab-object")) {
            if (!container || !container->objectWindow())
                return fail(QStringLiteral("--grab-object needs an object opened by --open-object"));
            target = container->objectWindow();
            continue;
        }
        if (args.isEmpty())
            return fail(option + QStringLiteral(" needs a value"));
        const QString value = args.takeFirst();
        if (option == QLatin1String("--menu")) {
            forms::MenuItem *item = main.menuItem(value);
            if (!item || !item->isEnabled())
                return fail(QStringLiteral("no enabled menu item ") + value);
            item->trigger();
        } else if (option == QLatin1String("--set") || option == QLatin1String("--tick")) {
            const QString path = value.section(QLatin1Char('='), 0, 0);
            const QString argument = value.section(QLatin1Char('='), 1);
            const QString windowName = path.section(QLatin1Char('/'), 0, 0);
            QString controlName = path.section(QLatin1Char('/'), 1);
            forms::Form *window = main.form(windowName);
            if (!window)
                return fail(QStringLiteral("no window ") + windowName);
            if (option == QLatin1String("--tick")) {
                auto *timer = window->findChild<forms::Timer *>(controlName);
                if (!timer)
                    return fail(QStringLiteral("no timer ") + path);
                const int count = argument.isEmpty() ? 1 : argument.toInt();
                for (int i = 0; i < count; ++i)
                    timer->fire();
                continue;
            }
            const QString property = controlName.section(QLatin1Char('.'), -1);
            controlName = controlName.section(QLatin1Char('.'), 0, -2);
            QObject *object = controlName.isEmpty() ? window : window->findChild<QObject *>(controlName);
            if (!object)
                return fail(QStringLiteral("no control ") + path);
            QVariant v(argument);
            if (!object->setProperty(property.toLatin1().constData(), v))
                return fail(QStringLiteral("cannot set ") + value);
        } else if (option == QLatin1String("--click")) {
            forms::Form *window = main.form(value.section(QLatin1Char('/'), 0, 0));
            auto *button = window ? window->findChild<forms::CommandButton *>(value.section(QLatin1Char('/'), 1))
                                  : nullptr;
            if (!button || !button->isVisible() || !button->isEnabled())
                return fail(QStringLiteral("no button to click: ") + value);
            button->button()->click();
        } else if (option == QLatin1String("--open-object")) {
            forms::Form *window = main.form(value.section(QLatin1Char('/'), 0, 0));
            container = window ? window->findChild<forms::OleContainer *>(value.section(QLatin1Char('/'), 1))
                               : nullptr;
            if (!container)
                return fail(QStringLiteral("no OLE container ") + value);
            container->DoVerb();
        } else if (option == QLatin1String("--wait")) {
            settle(value.toInt());
        } else if (option == QLatin1String("--grab")) {
            forms::Form *window = main.form(value);
            if (!window)
                return fail(QStringLiteral("no window ") + value);
            target = window->subWindow() ? static_cast<QWidget *>(window->subWindow()) : window;
        } else {
            return fail(QStringLiteral("unknown option ") + option);
        }
    }
    settle(100);
    if (!target->grab().save(out))
        return fail(QStringLiteral("cannot write ") + out);
    return 0;
}
