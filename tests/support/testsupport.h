#pragma once
// What window tests share: the main window as a user sees it, message
// boxes recorded instead of shown, scroll bars driven with the mouse, and
// pixels read back from what is on screen.

#include "forms/forms.h"
#include "shell/mainwindow.h"

#include <QPair>
#include <QScrollBar>
#include <QtTest>

namespace testsupport {

// Records message boxes (text, title) while it lives.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    QList<QPair<QString, QString>> boxes;
    QStringList texts() const;
};

// A fresh main window for each test function and the window under test,
// opened through its menu command. start() goes in init(), finish() in
// cleanup(): it unloads the window and checks that nothing is left open.
class WindowFixture
{
public:
    void start();
    // Chooses the command and checks that the window is then shown.
    void open(const QString &menuItem, const QString &window);
    void finish();

    MainWindow &main() const { return *m_main; }
    forms::Form *form() const { return m_form; }
    // A control of the window under test, by name.
    template <typename T = QObject>
    T *control(const QString &name) const
    {
        return m_form ? m_form->findChild<T *>(name) : nullptr;
    }

private:
    std::unique_ptr<MainWindow> m_main;
    forms::Form *m_form = nullptr;
};

// Chooses a menu command as a user would; fails the test if it is missing
// or disabled.
void choose(MainWindow &main, const QString &itemName);

// The named child of a window, of type T (nullptr if there is none).
template <typename T = QObject>
T *child(const QObject *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}

// Lets deferred deletions and pending paints happen.
void settle();

// Mouse on a scroll bar: one click on an arrow (the one nearer the Max end
// when towardMax), and a drag of the thumb through the given values.
void clickArrow(forms::ScrollBar *bar, bool towardMax);
void clickTrough(forms::ScrollBar *bar, bool towardMax);
void dragThumb(forms::ScrollBar *bar, const QList<int> &values);

// What the user sees of a window's inside: the part of its top-level
// window's picture where the window sits (a child window is cropped from
// the main window), once the pages of its web browsers have loaded and
// been drawn. Null when the window's inside is not on screen.
QImage shownImage(forms::Form *form);
// Waits until no web browser inside the widget is busy and each shows its
// page's final picture (the engine delivers the last frames of a page
// shortly after it reports the page loaded).
void waitForPages(QWidget *widget);
// The window's inside is on screen and shows what the window draws (not an
// empty frame, nothing covering it).
bool insideShown(forms::Form *form);

// The colour shown at a point of a widget (logical pixels).
QColor pixel(QWidget *widget, QPoint at);
forms::OleColor oleAt(QWidget *widget, QPoint at);

// Top-level widgets still visible (should be none between tests).
QWidgetList visibleTopLevels();

} // namespace testsupport
