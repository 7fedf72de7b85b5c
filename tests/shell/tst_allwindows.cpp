// Every window the menu opens. Opened again after closing it (by its
// command or its close box) it shows exactly what it showed the first time.
// Handled roughly (junk typed into every text box, every scroll bar pushed
// to both ends, every button pressed, every timer run, then closed),
// nothing may crash, hang or leave a timer running.

#include "support/testsupport.h"

#include "shell/menutable.h"
#include "shell/windowtable.h"

using namespace forms;

class TestAllWindows : public QObject
{
    Q_OBJECT

private slots:
    // A blinking caret would make two pictures of the same window differ.
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void reopensWhole_data();
    void reopensWhole();
    void survivesRoughHandling_data();
    void survivesRoughHandling();
};

namespace {
// One row per window that a menu command opens.
void addWindowRows()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("toggles");
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        if (entry.window.isEmpty() || !shell::findWindow(entry.window)->create)
            continue;
        QTest::newRow(qPrintable(entry.window))
            << entry.name << entry.window << (entry.action == shell::MenuAction::Toggle);
    }
}

// The same "random" values for every opening: enough for the largest
// number a window draws when it loads (a square of 86 x 86 random dots).
const QList<float> SameDraws(8192, 0.5f);

// The close box of the window's frame, as a user clicks it.
void closeBox(Form *form)
{
    if (form->subWindow())
        form->subWindow()->close();
    else
        form->close();
    testsupport::settle();
}
} // namespace

void TestAllWindows::reopensWhole_data()
{
    addWindowRows();
}

void TestAllWindows::reopensWhole()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(bool, toggles);
    testsupport::MessageRecorder boxes;
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    Form *form = nullptr;
    // Each opening draws the same "random" values, so what is random by
    // design looks the same every time.
    const auto open = [&] {
        Random::script(SameDraws);
        testsupport::choose(main, item);
        Random::clearScript();
        form = main.form(window);
        return testsupport::shownImage(form);
    };

    const QImage first = open();
    QVERIFY2(testsupport::insideShown(form), "first opening");
    QVERIFY(!first.isNull());

    // Closed by its command (a toggle) or its close box, then opened again.
    if (toggles)
        testsupport::choose(main, item);
    else
        closeBox(form);
    QVERIFY(!form->isLoaded());
    const QImage second = open();
    QVERIFY2(testsupport::insideShown(form), "second opening");
    QCOMPARE(second, first);

    // Closed by its close box; a toggle's mark is then still set, so its
    // next choice only clears it.
    closeBox(form);
    QVERIFY(!form->isLoaded());
    if (toggles) {
        testsupport::choose(main, item);
        QVERIFY(!form->isLoaded());
    }
    const QImage third = open();
    QVERIFY2(testsupport::insideShown(form), "third opening");
    QCOMPARE(third, first);

    // Hide on an unloaded window loads it without showing it; Show then
    // shows it whole.
    form->Unload();
    testsupport::settle();
    Random::script(SameDraws);
    form->Hide();
    Random::clearScript();
    QVERIFY(form->isLoaded());
    QVERIFY(testsupport::shownImage(form).isNull());
    form->Show();
    QVERIFY2(testsupport::insideShown(form), "shown after Hide");
    QCOMPARE(testsupport::shownImage(form), first);
    form->Unload();
    testsupport::settle();
}

void TestAllWindows::survivesRoughHandling_data()
{
    addWindowRows();
}

void TestAllWindows::survivesRoughHandling()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    testsupport::MessageRecorder boxes;
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    testsupport::choose(main, item);
    Form *form = main.form(window);
    QVERIFY(testsupport::insideShown(form));

    const QStringList junk = {QString(), QStringLiteral("abc"), QStringLiteral("1e400"), QStringLiteral("-"),
                              QStringLiteral("."), QStringLiteral("-0"), QString(1000, QLatin1Char('9')),
                              QStringLiteral("1,5"), QStringLiteral("\t ")};
    for (int round = 0; round < 2; ++round) {
        for (TextBox *box : form->findChildren<TextBox *>()) {
            if (!box->isVisible() || !box->isEnabled())
                continue;
            for (const QString &text : junk) {
                box->editor()->setFocus();
                QTest::keyClick(box->editor(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box->editor(), Qt::Key_Delete);
                QTest::keyClicks(box->editor(), text);
                QTest::keyClick(box->editor(), Qt::Key_Return);
                QTest::keyClick(box->editor(), Qt::Key_Tab);
            }
        }
        for (ScrollBar *bar : form->findChildren<ScrollBar *>()) {
            if (!bar->isVisible() || !bar->isEnabled())
                continue;
            bar->bar()->triggerAction(QAbstractSlider::SliderToMinimum);
            bar->bar()->triggerAction(QAbstractSlider::SliderToMaximum);
            bar->bar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        }
        for (CommandButton *button : form->findChildren<CommandButton *>()) {
            if (button->isVisible() && button->isEnabled() && form->isLoaded())
                QTest::mouseClick(button->button(), Qt::LeftButton);
        }
        for (OptionButton *option : form->findChildren<OptionButton *>()) {
            if (option->isVisible() && option->isEnabled() && form->isLoaded())
                QTest::mouseClick(option->button(), Qt::LeftButton);
        }
        for (CheckBox *check : form->findChildren<CheckBox *>()) {
            if (check->isVisible() && check->isEnabled() && form->isLoaded())
                QTest::mouseClick(check->box(), Qt::LeftButton);
        }
        for (int tick = 0; tick < 60 && form->isLoaded(); ++tick) {
            for (Timer *timer : form->timers())
                timer->fire();
        }
        if (!form->isLoaded())
            testsupport::choose(main, item); // a button closed it: open it again
    }
    QVERIFY(form->isLoaded());
    // An error a user can cause is reported, but not in an endless stream.
    QVERIFY2(boxes.boxes.size() < 200, qPrintable(boxes.texts().join(QLatin1Char('\n'))));

    const QList<Timer *> timers = form->timers();
    form->Unload();
    for (Timer *timer : timers)
        QVERIFY2(!timer->isRunning(), qPrintable(timer->objectName()));
    testsupport::settle();
    QVERIFY(!form->isLoaded());
    QVERIFY(form->timers().isEmpty());
}

QTEST_MAIN(TestAllWindows)
#include "tst_allwindows.moc"
