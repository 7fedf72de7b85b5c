// Every window the menu opens, handled roughly: junk typed into every text
// box, every scroll bar pushed to both ends, every button pressed, every
// timer run, then closed. Nothing may crash, hang or leave a timer running.

#include "support/testsupport.h"

#include "shell/menutable.h"
#include "shell/windowtable.h"

using namespace forms;

class TestAllWindows : public QObject
{
    Q_OBJECT

private slots:
    void survivesRoughHandling_data();
    void survivesRoughHandling();
};

void TestAllWindows::survivesRoughHandling_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        if (entry.window.isEmpty() || !shell::findWindow(entry.window)->create)
            continue;
        QTest::newRow(qPrintable(entry.window)) << entry.name << entry.window;
    }
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
    QVERIFY(form && form->isLoaded());

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
