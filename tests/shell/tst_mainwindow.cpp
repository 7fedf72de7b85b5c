// The main window as a user meets it: the menu tree, toggle and plain
// commands with their check marks, the About window, closing and exiting.

#include "support/testsupport.h"

#include "shell/menutable.h"
#include "shell/windowtable.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSet>

using namespace forms;
using testsupport::choose;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithMenuOnly();
    void menuTreeFollowsTheTable();
    void commandsAreEnabledExactlyWhenTheirWindowExists();
    void leafMenusWithoutHandlersDoNothing_data();
    void leafMenusWithoutHandlersDoNothing();
    void toggleOpensClosesAndReopensFresh();
    void toggleAfterCloseBoxClearsMarkFirst();
    void plainCommandBringsTheOpenWindowForward();
    void ctrlTabCyclesAndCtrlF4ClosesChildWindows();
    void aboutWindowIsTopLevelAndClosesItself();
    void closingMainWindowKeepsTopLevelWindows();
    void exitEndsEverythingAtOnce();

private:
    std::unique_ptr<MainWindow> main;
};

void TestMainWindow::init()
{
    main = std::make_unique<MainWindow>();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
}

void TestMainWindow::cleanup()
{
    main.reset();
    testsupport::settle();
    QVERIFY(testsupport::visibleTopLevels().isEmpty());
}

void TestMainWindow::startsWithMenuOnly()
{
    QCOMPARE(main->objectName(), QStringLiteral("mdiLumivara"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Lumivara"));
    // Client area 11385 x 7815 twips below the menu bar.
    QCOMPARE(main->mdiArea()->size(), QSize(759, 521));
    QCOMPARE(main->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(main->mdiArea()->background().color(), toQColor(SystemColor::AppWorkspace));
    for (auto *item : main->findChildren<MenuItem *>())
        QVERIFY2(!item->Checked(), qPrintable(item->objectName()));
}

void TestMainWindow::menuTreeFollowsTheTable()
{
    // Walk the real menus depth-first and compare with the table, row by row.
    QList<QPair<int, QAction *>> walked;
    std::function<void(const QList<QAction *> &, int)> walk = [&](const QList<QAction *> &actions, int level) {
        for (QAction *action : actions) {
            walked.append({level, action});
            if (action->menu())
                walk(action->menu()->actions(), level + 1);
        }
    };
    walk(main->menuBar()->actions(), 1);
    const auto &table = shell::menuTable();
    QCOMPARE(walked.size(), int(table.size()));
    for (int i = 0; i < walked.size(); ++i) {
        const shell::MenuEntry &entry = table[i];
        auto *item = qobject_cast<MenuItem *>(walked[i].second);
        QVERIFY(item);
        QCOMPARE(walked[i].first, entry.level);
        QCOMPARE(item->objectName(), entry.name);
        QCOMPARE(item->property("Caption").toString(), entry.caption);
        QCOMPARE(item->menu() != nullptr, entry.action == shell::MenuAction::Submenu);
        QVERIFY(item->isVisible());
        QVERIFY(item->shortcut().isEmpty());
    }
    // Spot checks on names and captions as a user reads them.
    QCOMPARE(main->menuItem("frmStructMotionitem")->Caption(), QStringLiteral("S&tructure from Motion"));
    QCOMPARE(main->menuItem("mnuApparentMotionItem")->Caption(), QStringLiteral("&Apparant Motion"));
    QCOMPARE(main->menuItem("mnuThirdDim")->Caption(), QStringLiteral("The &Third Dimention"));
    QCOMPARE(main->menuItem("mnuAudition")->menu(), nullptr);
}

void TestMainWindow::commandsAreEnabledExactlyWhenTheirWindowExists()
{
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        MenuItem *item = main->menuItem(entry.name);
        const bool available = entry.window.isEmpty() || shell::findWindow(entry.window)->create;
        QVERIFY2(shell::findWindow(entry.window) || entry.window.isEmpty(), qPrintable(entry.window));
        QCOMPARE(item->isEnabled(), available);
    }
    QVERIFY(main->menuItem("mnuColorMixerItem")->isEnabled());
    QVERIFY(main->menuItem("mnuAboutItem")->isEnabled());
    QVERIFY(main->menuItem("mnuExitItem")->isEnabled());
}

void TestMainWindow::leafMenusWithoutHandlersDoNothing_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("Audition") << "mnuAudition";
    QTest::newRow("Other Senses") << "mnuOtherSenses";
    QTest::newRow("Interaction of Senses") << "mnuInteraction";
    QTest::newRow("Perceptual Development") << "mnuDevelopment";
    QTest::newRow("Constancy and Illusions") << "mnuConstancy";
}

void TestMainWindow::leafMenusWithoutHandlersDoNothing()
{
    QFETCH(QString, item);
    testsupport::MessageRecorder boxes;
    choose(*main, item);
    testsupport::settle();
    QCOMPARE(main->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(testsupport::visibleTopLevels(), QWidgetList{main.get()});
    QVERIFY(boxes.boxes.isEmpty());
    QVERIFY(!main->menuItem(item)->Checked());
}

void TestMainWindow::toggleOpensClosesAndReopensFresh()
{
    MenuItem *item = main->menuItem("mnuColorMixerItem");
    choose(*main, "mnuColorMixerItem");
    Form *mixer = main->form("frmColorMixer");
    QVERIFY(mixer->isShown());
    QVERIFY(item->Checked());
    QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(main->mdiArea()->activeSubWindow(), mixer->subWindow());
    testsupport::child<ScrollBar>(mixer, "scrRed")->setValue(0);

    choose(*main, "mnuColorMixerItem");
    testsupport::settle();
    QVERIFY(!mixer->isLoaded());
    QVERIFY(!item->Checked());
    QCOMPARE(main->mdiArea()->subWindowList().size(), 0);

    choose(*main, "mnuColorMixerItem");
    QVERIFY(mixer->isShown());
    QVERIFY(item->Checked());
    QCOMPARE(main->form("frmColorMixer"), mixer); // the one instance
    QCOMPARE(testsupport::child<ScrollBar>(mixer, "scrRed")->Value(), 255);
}

void TestMainWindow::toggleAfterCloseBoxClearsMarkFirst()
{
    MenuItem *item = main->menuItem("mnuColorMixerItem");
    choose(*main, "mnuColorMixerItem");
    Form *mixer = main->form("frmColorMixer");
    QVERIFY(mixer->subWindow()->close());
    testsupport::settle();
    QVERIFY(!mixer->isLoaded());
    QVERIFY(item->Checked()); // the window does not touch the menu

    choose(*main, "mnuColorMixerItem"); // opens nothing, clears the mark
    testsupport::settle();
    QVERIFY(!mixer->isLoaded());
    QVERIFY(!item->Checked());
    QCOMPARE(main->mdiArea()->subWindowList().size(), 0);

    choose(*main, "mnuColorMixerItem");
    QVERIFY(mixer->isShown());
    QVERIFY(item->Checked());
}

void TestMainWindow::ctrlTabCyclesAndCtrlF4ClosesChildWindows()
{
    const QStringList items = {"mnuColorMixerItem", "mnuSTDBasicItem", "mnuLinInterpItem"};
    for (const QString &item : items)
        choose(*main, item);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    QMdiArea *area = main->mdiArea();
    const auto active = [area] { return area->activeSubWindow() ? area->activeSubWindow()->widget() : nullptr; };
    QCOMPARE(active(), main->form("frmLinInterp"));

    // The keys go to whatever control has the focus inside the window.
    const auto press = [this](QKeyCombination keys) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : main.get(), keys.key(), keys.keyboardModifiers());
        testsupport::settle();
    };
    press(Qt::CTRL | Qt::Key_Tab);
    QCOMPARE(active(), main->form("frmColorMixer")); // one step, in the order opened
    QSet<QWidget *> visited;
    for (int i = 0; i < 3; ++i) {
        press(Qt::CTRL | Qt::Key_Tab);
        visited.insert(active());
    }
    QCOMPARE(visited.size(), 3); // every child window once, then back
    QCOMPARE(active(), main->form("frmColorMixer"));
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);
    QCOMPARE(active(), main->form("frmLinInterp"));

    // Ctrl+F4 is the close box: the window unloads, its mark stays.
    press(Qt::CTRL | Qt::Key_F4);
    QVERIFY(!main->form("frmLinInterp")->isLoaded());
    QVERIFY(main->menuItem("mnuLinInterpItem")->Checked());
    QCOMPARE(area->subWindowList().size(), 2);
    press(Qt::CTRL | Qt::Key_F4);
    press(Qt::CTRL | Qt::Key_F4);
    QCOMPARE(area->subWindowList().size(), 0);
    press(Qt::CTRL | Qt::Key_F4); // nothing left to close
    QVERIFY(main->isVisible());
}

void TestMainWindow::plainCommandBringsTheOpenWindowForward()
{
    choose(*main, "mnuAboutItem");
    Form *about = main->form("frmAbout");
    QVERIFY(about->isShown());
    about->setTag(QStringLiteral("kept"));
    choose(*main, "mnuAboutItem");
    QVERIFY(about->isShown());
    QCOMPARE(about->Tag(), QStringLiteral("kept")); // not reloaded
    QCOMPARE(testsupport::visibleTopLevels().size(), 2);
    QVERIFY(!main->menuItem("mnuAboutItem")->Checked());
}

void TestMainWindow::aboutWindowIsTopLevelAndClosesItself()
{
    choose(*main, "mnuAboutItem");
    Form *about = main->form("frmAbout");
    QVERIFY(about->isWindow());
    QVERIFY(!about->subWindow());
    QVERIFY(!main->isAncestorOf(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(about->size(), QSize(361, 213));
    QCOMPARE(testsupport::child<Label>(about, "Label1")->Caption(), QStringLiteral("Lumivara"));
    QCOMPARE(testsupport::child<Frame>(about, "Frame1")->Caption(), QStringLiteral("Sensation and Perception"));
    QCOMPARE(testsupport::child<Frame>(about, "Frame2")->Caption(), QStringLiteral("Version 0.1"));
    QVERIFY(testsupport::child<Frame>(about, "Frame3")->Caption().startsWith(QStringLiteral("by ")));
    auto *close = testsupport::child<CommandButton>(about, "Command1");
    QCOMPARE(close->Caption(), QStringLiteral("Close"));
    QTest::mouseClick(close->button(), Qt::LeftButton);
    testsupport::settle();
    QVERIFY(!about->isLoaded());
    QVERIFY(!about->isVisible());

    choose(*main, "mnuAboutItem");
    QVERIFY(about->isShown());
    QVERIFY(testsupport::child<CommandButton>(about, "Command1"));
    about->Unload();
}

void TestMainWindow::closingMainWindowKeepsTopLevelWindows()
{
    choose(*main, "mnuColorMixerItem");
    choose(*main, "mnuAboutItem");
    Form *mixer = main->form("frmColorMixer");
    Form *about = main->form("frmAbout");
    QVERIFY(main->close());
    testsupport::settle();
    QVERIFY(!mixer->isLoaded());
    QVERIFY(about->isShown());
    // The About window keeps the program alive; closing it ends the run.
    QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(about->close());
    QVERIFY(!about->isLoaded());
}

void TestMainWindow::exitEndsEverythingAtOnce()
{
    choose(*main, "mnuColorMixerItem");
    choose(*main, "mnuAboutItem");
    choose(*main, "mnuExitItem");
    QVERIFY(testsupport::visibleTopLevels().isEmpty());
    for (Form *window : {main->form("frmColorMixer"), main->form("frmAbout")}) {
        for (Timer *timer : window->timers())
            QVERIFY(!timer->isRunning());
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
