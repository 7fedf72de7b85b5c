#include "mainwindow.h"

#include "menutable.h"
#include "programsetup.h"
#include "programicon.h"
#include "windowregistry.h"

#include "forms/events.h"
#include "forms/form.h"
#include "forms/menuitem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QMenuBar>

using namespace shell;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_mdiArea(new QMdiArea(this))
    , m_registry(new WindowRegistry(m_mdiArea, this))
{
    introduceProgram();
    setObjectName(QStringLiteral("mdiLumivara"));
    setWindowTitle(QStringLiteral("Lumivara"));
    setWindowIcon(programIcon());
    QApplication::setWindowIcon(programIcon());
    m_mdiArea->setBackground(forms::toQColor(forms::SystemColor::AppWorkspace));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    buildMenus();
    addWindowKeys();
    // The client area below the menu bar is 11385 x 7815 twips.
    resize(forms::twipsToPixels(11385), forms::twipsToPixels(7815) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow()
{
    // The windows go first: child windows live in the MDI area's frames.
    delete m_registry;
    m_registry = nullptr;
}

forms::Form *MainWindow::form(const QString &name)
{
    return m_registry ? m_registry->form(name) : nullptr;
}

forms::MenuItem *MainWindow::menuItem(const QString &name) const
{
    return findChild<forms::MenuItem *>(name);
}

void MainWindow::addWindowKeys()
{
    // Ctrl+F4 closes the active child window as its close box does (the
    // check mark of its menu command stays, as after the close box);
    // Ctrl+Tab and Ctrl+Shift+Tab go from child window to child window.
    const auto addKey = [this](QKeySequence keys, auto slot) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    addKey(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] {
        if (QMdiSubWindow *active = m_mdiArea->activeSubWindow())
            active->close();
    });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { m_mdiArea->activateNextSubWindow(); });
    addKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { m_mdiArea->activatePreviousSubWindow(); });
}

void MainWindow::buildMenus()
{
    QMenu *menus[4] = {};
    for (const MenuEntry &entry : menuTable()) {
        auto *item = new forms::MenuItem(entry.name, entry.caption, this);
        if (entry.level == 1)
            menuBar()->addAction(item);
        else
            menus[entry.level - 1]->addAction(item);
        if (entry.action == MenuAction::Submenu) {
            auto *menu = new QMenu(this);
            menu->setObjectName(entry.name + QStringLiteral("Menu"));
            item->setMenu(menu);
            menus[entry.level] = menu;
            continue;
        }
        if (!entry.window.isEmpty() && !m_registry->isAvailable(entry.window))
            item->setEnabled(false); // its window has not been built yet
        forms::on(item, &forms::MenuItem::Click, this, [this, &entry, item] { choose(entry, item); });
    }
}

void MainWindow::choose(const MenuEntry &entry, forms::MenuItem *item)
{
    switch (entry.action) {
    case MenuAction::Exit:
        exitProgram();
        break;
    case MenuAction::Toggle:
        if (forms::Form *window = form(entry.window))
            toggle(item, window);
        break;
    case MenuAction::Open:
        if (forms::Form *window = form(entry.window)) {
            window->Load();
            window->Show();
        }
        break;
    case MenuAction::Submenu:
    case MenuAction::Nothing:
        break;
    }
}

void MainWindow::toggle(forms::MenuItem *item, forms::Form *window)
{
    // Only this command changes the mark: after a close with the window's
    // own close box the item stays checked, and the next choice runs the
    // closing branch on an unloaded window (loading and unloading it).
    if (item->Checked()) {
        window->Hide();
        window->Unload();
        item->setChecked(false);
    } else {
        window->Load();
        window->Show();
        item->setChecked(true);
    }
}

void MainWindow::exitProgram()
{
    // Everything ends at once: no window's unload code runs, no timer
    // ticks again, every window disappears.
    for (forms::Form *window : m_registry->forms()) {
        for (forms::Timer *timer : window->timers())
            timer->shutDown();
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Child windows close with the main window; top-level windows stay,
    // and the program ends with the last of them.
    for (forms::Form *window : m_registry->forms()) {
        if (window->isMdiChild())
            window->Unload();
    }
    event->accept();
}
