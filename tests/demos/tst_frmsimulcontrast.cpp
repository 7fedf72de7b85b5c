// Observed simultaneous contrast: the surround ramps between grey 25 and
// 255 in steps of 10 under a timer while the centre patch stays grey 150;
// Stop freezes the ramp, the window's variables restart at every load, and
// the timer dies with the window.

#include "support/testsupport.h"


using namespace forms;

namespace {
OleColor grey(int level) { return RGB(level, level, level); }
}

class TestFrmSimulContrast : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadState();
    void rampRunsUpAndDownIn46Ticks();
    void stopFreezesAndStartResumes();
    void reopeningStartsAfresh();
    void realTimerRampsAndClosingStopsIt_data();
    void realTimerRampsAndClosingStopsIt();

private:
    void choose() { testsupport::choose(fixture.main(), QStringLiteral("mnuObserveSimConItem")); }
    void open() { fixture.open(QStringLiteral("mnuObserveSimConItem"), QStringLiteral("frmSimulContrast")); }
    void clickStart() { QTest::mouseClick(cmdStart()->button(), Qt::LeftButton); }
    int surroundLevel() const;
    void verifyFresh();

    PictureBox *picSurround() const { return fixture.control<PictureBox>("picSurround"); }
    PictureBox *picCenter() const { return fixture.control<PictureBox>("picCenter"); }
    CommandButton *cmdStart() const { return fixture.control<CommandButton>("cmdStart"); }
    Timer *Timer1() const { return fixture.control<Timer>("Timer1"); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmSimulContrast::init()
{
    fixture.start();
}

void TestFrmSimulContrast::cleanup()
{
    fixture.finish();
}

int TestFrmSimulContrast::surroundLevel() const
{
    // Grey: the three components agree.
    const OleColor c = picSurround()->BackColor();
    return c == grey(c & 0xFF) ? int(c & 0xFF) : -1;
}

void TestFrmSimulContrast::verifyFresh()
{
    QCOMPARE(surroundLevel(), 25);
    QCOMPARE(picCenter()->BackColor(), grey(150));
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(!Timer1()->Enabled());
    QVERIFY(!Timer1()->isRunning());
}

void TestFrmSimulContrast::loadState()
{
    open();
    verifyFresh();
    QCOMPARE(form()->Caption(), QStringLiteral("Simultaneous Constrast"));
    QVERIFY(form()->isMdiChild());
    QCOMPARE(form()->ScaleWidth(), 5460.0);
    QCOMPARE(form()->ScaleHeight(), 5130.0);
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuObserveSimConItem"))->Checked());
    QCOMPARE(Timer1()->Interval(), 2);
    // The patch lies inside the surround and shows on top of it.
    QCOMPARE(picCenter()->parentWidget(), static_cast<QWidget *>(picSurround()));
    const QPoint inPatch(qRound((120 + 2040 + 547.5) / 15), qRound((120 + 1440 + 367.5) / 15));
    const QPoint inSurround(qRound((120 + 500) / 15.0), qRound((120 + 500) / 15.0));
    QCOMPARE(testsupport::oleAt(form(), inPatch), grey(150));
    QCOMPARE(testsupport::oleAt(form(), inSurround), grey(25));
}

void TestFrmSimulContrast::rampRunsUpAndDownIn46Ticks()
{
    open();
    clickStart();
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Stop"));
    QVERIFY(Timer1()->isRunning());
    QList<int> levels;
    for (int tick = 0; tick < 47; ++tick) {
        Timer1()->fire();
        levels << surroundLevel();
        QCOMPARE(picCenter()->BackColor(), grey(150));
    }
    QList<int> expected;
    for (int level = 35; level <= 255; level += 10)
        expected << level;
    for (int level = 245; level >= 25; level -= 10)
        expected << level;
    expected << 35; // and up again
    QCOMPARE(levels, expected);
    QCOMPARE(levels.indexOf(255), 22);
    QCOMPARE(levels.indexOf(25), 45);
}

void TestFrmSimulContrast::stopFreezesAndStartResumes()
{
    open();
    clickStart();
    for (int tick = 0; tick < 25; ++tick)
        Timer1()->fire();
    QCOMPARE(surroundLevel(), 235); // on the way down
    clickStart(); // Stop
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(!Timer1()->Enabled());
    Timer1()->fire();
    QCOMPARE(surroundLevel(), 235);
    clickStart();
    Timer1()->fire();
    QCOMPARE(surroundLevel(), 225); // still down
}

void TestFrmSimulContrast::reopeningStartsAfresh()
{
    open();
    clickStart();
    for (int tick = 0; tick < 30; ++tick)
        Timer1()->fire();
    QCOMPARE(surroundLevel(), 185);
    choose(); // closes
    QVERIFY(!form()->isLoaded());
    QVERIFY(!fixture.main().menuItem(QStringLiteral("mnuObserveSimConItem"))->Checked());
    open();
    verifyFresh();
    // The direction restarts too: the first step goes up.
    clickStart();
    Timer1()->fire();
    QCOMPARE(surroundLevel(), 35);
}

void TestFrmSimulContrast::realTimerRampsAndClosingStopsIt_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("close box") << true;
    QTest::newRow("menu command") << false;
}

void TestFrmSimulContrast::realTimerRampsAndClosingStopsIt()
{
    QFETCH(bool, closeBox);
    open();
    int ticks = 0;
    connect(Timer1(), &Timer::Tick, this, [&] { ++ticks; });
    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 5000);
    QVERIFY(surroundLevel() != 25 || ticks % 46 == 0);
    QPointer<Timer> timer = Timer1();
    QPointer<PictureBox> surround = picSurround();
    if (closeBox)
        form()->subWindow()->close();
    else
        choose();
    QVERIFY(!form()->isLoaded());
    testsupport::settle();
    QVERIFY(!timer && !surround);
    QTest::qWait(20); // ten intervals: no tick may reach the deleted surround
    QVERIFY(!form()->isLoaded());
}

QTEST_MAIN(TestFrmSimulContrast)
#include "tst_frmsimulcontrast.moc"
