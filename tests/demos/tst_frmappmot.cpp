// Apparent motion: squares placed symmetrically, the two time bars keeping
// a cycle of at least 17 ms, strict left/right alternation driven by the
// two one-shot timers, and timers that die with the window.

#include "support/testsupport.h"

#include <random>

using namespace forms;

namespace {
constexpr OleColor Red = 0x0000C0;
}

class TestFrmAppMot : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadState();
    void distanceApartPlacesSquares_data();
    void distanceApartPlacesSquares();
    void draggedDistanceActsOnRelease();
    void timeBarsKeepShortestCycle_data();
    void timeBarsKeepShortestCycle();
    void timeBarsNeverLeaveCycleBelow17();
    void arrowOnTimeBetweenRaisesFlash();
    void flashesAlternateStrictly();
    void stopHidesAndRestartContinuesWithDueSquare_data();
    void stopHidesAndRestartContinuesWithDueSquare();
    void barsRetimeRunningTimerOnly();
    void realTimersAlternate();
    void closingWhileRunningStopsTimers_data();
    void closingWhileRunningStopsTimers();

private:
    void open() { fixture.open(QStringLiteral("mnuApparentMotionItem"), QStringLiteral("frmAppMot")); }
    void start() { QTest::mouseClick(cmdStart()->button(), Qt::LeftButton); }
    // Which square is shown: "L", "R", "" or "LR".
    QString shown() const;
    // One whole flash: the flash ends, the dark interval ends.
    QString nextFlash();

    PictureBox *picLeft() const { return fixture.control<PictureBox>("picLeft"); }
    PictureBox *picRight() const { return fixture.control<PictureBox>("picRight"); }
    ScrollBar *hscDistApart() const { return fixture.control<ScrollBar>("hscDistApart"); }
    ScrollBar *hscTimeBetween() const { return fixture.control<ScrollBar>("hscTimeBetween"); }
    ScrollBar *hscTimeOne() const { return fixture.control<ScrollBar>("hscTimeOne"); }
    Label *label(const char *name) const { return fixture.control<Label>(name); }
    CommandButton *cmdStart() const { return fixture.control<CommandButton>("cmdStart"); }
    Timer *timStimDur() const { return fixture.control<Timer>("timStimDur"); }
    Timer *timISI() const { return fixture.control<Timer>("timISI"); }

    // Bars, their labels and their timers agree, and the cycle is long enough.
    void verifyTimes(int b, int f);
    void verifyFresh();

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmAppMot::init()
{
    fixture.start();
}

void TestFrmAppMot::cleanup()
{
    fixture.finish();
}

QString TestFrmAppMot::shown() const
{
    return QString(picLeft()->Visible() ? "L" : "") + QString(picRight()->Visible() ? "R" : "");
}

QString TestFrmAppMot::nextFlash()
{
    // During the flash (or before the first one) only timStimDur runs.
    if (!timStimDur()->Enabled() || timISI()->Enabled())
        return QStringLiteral("wrong timers before the dark interval");
    timStimDur()->fire();
    if (!shown().isEmpty())
        return QStringLiteral("square still shown in the dark interval");
    if (timStimDur()->Enabled() || !timISI()->Enabled())
        return QStringLiteral("wrong timers in the dark interval");
    timISI()->fire();
    if (!timStimDur()->Enabled() || timISI()->Enabled())
        return QStringLiteral("wrong timers during the flash");
    return shown();
}

void TestFrmAppMot::verifyTimes(int b, int f)
{
    QCOMPARE(hscTimeBetween()->Value(), b);
    QCOMPARE(hscTimeOne()->Value(), f);
    QCOMPARE(label("lblTBValue")->Caption(), QString::number(b));
    QCOMPARE(label("lblFDValue")->Caption(), QString::number(f));
    QCOMPARE(timISI()->Interval(), b);
    QCOMPARE(timStimDur()->Interval(), f);
    QVERIFY(b + f >= 17);
}

void TestFrmAppMot::verifyFresh()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Apparent Motion"));
    QCOMPARE(label("lblDistApatValue")->Caption(), QStringLiteral("500"));
    verifyTimes(16, 1);
    QCOMPARE(hscDistApart()->Value(), 500);
    QCOMPARE(shown(), QString());
    QCOMPARE(picLeft()->Left(), 1895.0);
    QCOMPARE(picRight()->Left(), 3130.0);
    QCOMPARE(picLeft()->Top(), 480.0);
    QCOMPARE(picRight()->Top(), 480.0);
    QCOMPARE(form()->Left(), 0.0);
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(!timStimDur()->Enabled());
    QVERIFY(!timISI()->Enabled());
}

void TestFrmAppMot::loadState()
{
    open();
    verifyFresh();
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuApparentMotionItem"))->Checked());
    QVERIFY(form()->isMdiChild());
    QCOMPARE(form()->ScaleWidth(), 5670.0);
    QCOMPARE(form()->ScaleHeight(), 3195.0);
    QCOMPARE(label("lblDistApart")->Caption(), QStringLiteral("Distance Apart"));
    QCOMPARE(label("lblTimeBetween")->Caption(), QStringLiteral("Time Between"));
    QCOMPARE(label("lblTimeOn")->Caption(), QStringLiteral("Flash Duration"));
    QCOMPARE(picLeft()->BackColor(), Red);
    QCOMPARE(picRight()->BackColor(), Red);
}

void TestFrmAppMot::distanceApartPlacesSquares_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::newRow("closest") << 100 << 2095.0 << 2930.0;
    QTest::newRow("farthest") << 4000 << 145.0 << 4880.0;
    QTest::newRow("odd keeps the half twip") << 101 << 2094.5 << 2930.5;
    QTest::newRow("design value again") << 500 << 1895.0 << 3130.0;
}

void TestFrmAppMot::distanceApartPlacesSquares()
{
    QFETCH(int, d);
    QFETCH(double, left);
    QFETCH(double, right);
    open();
    hscDistApart()->setValue(d == 500 ? 501 : d);
    hscDistApart()->setValue(d);
    QCOMPARE(picLeft()->Left(), left);
    QCOMPARE(picRight()->Left(), right);
    // The gap between the inner edges is exactly d, centred on x = 2880.
    QCOMPARE(picRight()->Left() - (picLeft()->Left() + picLeft()->Width()), double(d));
    QCOMPARE(label("lblDistApatValue")->Caption(), QString::number(d));
    QCOMPARE(picLeft()->Top(), 480.0);
}

void TestFrmAppMot::draggedDistanceActsOnRelease()
{
    open();
    QList<double> leftsWhileDragging;
    connect(hscDistApart(), &ScrollBar::Scroll, this,
            [&] { leftsWhileDragging << picLeft()->Left(); });
    testsupport::dragThumb(hscDistApart(), {1000, 2000, 3000});
    QVERIFY(!leftsWhileDragging.isEmpty());
    for (double left : leftsWhileDragging)
        QCOMPARE(left, 1895.0);
    QCOMPARE(hscDistApart()->Value(), 3000);
    QCOMPARE(picLeft()->Left(), 645.0);
    QCOMPARE(picRight()->Left(), 4380.0);
    QCOMPARE(label("lblDistApatValue")->Caption(), QStringLiteral("3000"));
}

void TestFrmAppMot::timeBarsKeepShortestCycle_data()
{
    // Steps are "B=v" (Time Between) or "F=v" (Flash Duration), applied in
    // order from the load state (16 and 1).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("f");
    QTest::newRow("between 1 raises flash to 16") << QStringList{"B=1"} << 1 << 16;
    QTest::newRow("flash 5 raises between to 12") << QStringList{"B=1", "F=5"} << 12 << 5;
    QTest::newRow("between 15 raises flash to 2") << QStringList{"B=15"} << 15 << 2;
    QTest::newRow("sum of exactly 17 stays") << QStringList{"F=10", "B=7"} << 7 << 10;
    QTest::newRow("flash 1 keeps between 16") << QStringList{"F=2", "F=1"} << 16 << 1;
    QTest::newRow("long times untouched") << QStringList{"B=2000", "F=1000"} << 2000 << 1000;
    QTest::newRow("flash 1 after long between") << QStringList{"B=2000", "F=1"} << 2000 << 1;
    QTest::newRow("flash 15 then between 1") << QStringList{"F=15", "B=1"} << 1 << 16;
}

void TestFrmAppMot::timeBarsKeepShortestCycle()
{
    QFETCH(QStringList, steps);
    QFETCH(int, b);
    QFETCH(int, f);
    open();
    for (const QString &step : steps) {
        ScrollBar *bar = step.startsWith('B') ? hscTimeBetween() : hscTimeOne();
        bar->setValue(step.mid(2).toInt());
    }
    verifyTimes(b, f);
}

void TestFrmAppMot::timeBarsNeverLeaveCycleBelow17()
{
    // Any sequence of settings: the bar just set keeps its value, the other
    // is raised only as far as needed, and labels and timers follow both.
    open();
    std::mt19937 rng(20240611);
    for (int step = 0; step < 400; ++step) {
        const bool between = rng() % 2;
        ScrollBar *bar = between ? hscTimeBetween() : hscTimeOne();
        const int value = rng() % 2 ? 1 + int(rng() % 20) : bar->Min() + int(rng() % (bar->Max() - bar->Min() + 1));
        const int otherBefore = between ? hscTimeOne()->Value() : hscTimeBetween()->Value();
        bar->setValue(value);
        QCOMPARE(bar->Value(), value);
        const int b = hscTimeBetween()->Value();
        const int f = hscTimeOne()->Value();
        verifyTimes(b, f);
        const int other = between ? f : b;
        QCOMPARE(other, std::max(otherBefore, 17 - value));
    }
}

void TestFrmAppMot::arrowOnTimeBetweenRaisesFlash()
{
    open();
    testsupport::clickArrow(hscTimeBetween(), false);
    verifyTimes(15, 2);
    testsupport::clickArrow(hscTimeOne(), false);
    verifyTimes(16, 1);
}

void TestFrmAppMot::flashesAlternateStrictly()
{
    open();
    start();
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Stop"));
    QCOMPARE(shown(), QString());
    const QPoint leftCentre(qRound((1895 + 367.5) / 15), qRound((480 + 367.5) / 15));
    QStringList flashes;
    for (int i = 0; i < 6; ++i) {
        flashes << nextFlash();
        // The window's Left is the flag naming the square due next.
        QCOMPARE(form()->Left(), flashes.last() == "L" ? -1.0 : 0.0);
        QCOMPARE(testsupport::oleAt(form(), leftCentre) == Red, flashes.last() == "L");
    }
    QCOMPARE(flashes, QStringList({"L", "R", "L", "R", "L", "R"}));
}

void TestFrmAppMot::stopHidesAndRestartContinuesWithDueSquare_data()
{
    QTest::addColumn<int>("flashesBefore");
    QTest::addColumn<bool>("inDarkInterval");
    QTest::addColumn<QString>("due");
    QTest::newRow("before the first flash") << 0 << false << "L";
    QTest::newRow("dark before the first flash") << 0 << true << "L";
    QTest::newRow("during the left flash") << 1 << false << "R";
    QTest::newRow("dark after the left flash") << 1 << true << "R";
    QTest::newRow("during the right flash") << 2 << false << "L";
    QTest::newRow("dark after the right flash") << 2 << true << "L";
}

void TestFrmAppMot::stopHidesAndRestartContinuesWithDueSquare()
{
    QFETCH(int, flashesBefore);
    QFETCH(bool, inDarkInterval);
    QFETCH(QString, due);
    open();
    start();
    for (int i = 0; i < flashesBefore; ++i)
        nextFlash();
    if (inDarkInterval)
        timStimDur()->fire();
    start(); // Stop
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QCOMPARE(shown(), QString());
    QVERIFY(!timStimDur()->Enabled());
    QVERIFY(!timISI()->Enabled());
    QVERIFY(!timStimDur()->isRunning());
    QVERIFY(!timISI()->isRunning());
    start();
    // Nothing for a flash duration and a dark interval, then the due square.
    QCOMPARE(shown(), QString());
    QCOMPARE(nextFlash(), due);
}

void TestFrmAppMot::barsRetimeRunningTimerOnly()
{
    open();
    hscTimeOne()->setValue(300);
    start();
    QCOMPARE(timStimDur()->Interval(), 300);
    timStimDur()->fire(); // dark interval: only timISI runs
    hscTimeOne()->setValue(200);
    hscTimeBetween()->setValue(400);
    QCOMPARE(timStimDur()->Interval(), 200);
    QCOMPARE(timISI()->Interval(), 400);
    QVERIFY(!timStimDur()->isRunning());
    QVERIFY(timISI()->isRunning());
    timISI()->fire();
    QCOMPARE(shown(), QStringLiteral("L"));
    QVERIFY(timStimDur()->isRunning());
    QCOMPARE(timStimDur()->Interval(), 200);
}

void TestFrmAppMot::realTimersAlternate()
{
    open();
    hscTimeOne()->setValue(10);
    hscTimeBetween()->setValue(10);
    QStringList flashes;
    // Connected after the window's own handler, so it sees the new square.
    connect(timISI(), &Timer::Tick, this, [&] { flashes << shown(); });
    start();
    QTRY_VERIFY_WITH_TIMEOUT(flashes.size() >= 6, 5000);
    start(); // Stop
    for (int i = 0; i < flashes.size(); ++i)
        QCOMPARE(flashes[i], QString(i % 2 ? "R" : "L"));
}

void TestFrmAppMot::closingWhileRunningStopsTimers_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("close box") << true;
    QTest::newRow("menu command") << false;
}

void TestFrmAppMot::closingWhileRunningStopsTimers()
{
    QFETCH(bool, closeBox);
    open();
    hscTimeOne()->setValue(5);
    hscTimeBetween()->setValue(12);
    int ticks = 0;
    connect(timISI(), &Timer::Tick, this, [&] { ++ticks; });
    start();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 5000);
    QPointer<Timer> stim = timStimDur();
    QPointer<Timer> isi = timISI();
    QPointer<PictureBox> square = picLeft();
    if (closeBox)
        form()->subWindow()->close();
    else
        testsupport::choose(fixture.main(), QStringLiteral("mnuApparentMotionItem"));
    QVERIFY(!form()->isLoaded());
    testsupport::settle();
    QVERIFY(!stim && !isi && !square);
    // Long enough for several cycles: no tick may reach the deleted squares.
    QTest::qWait(60);
    QVERIFY(!form()->isLoaded());

    auto *item = fixture.main().menuItem(QStringLiteral("mnuApparentMotionItem"));
    QCOMPARE(item->Checked(), closeBox);
    if (closeBox) {
        // The stale mark is cleared by one choice that opens nothing.
        testsupport::choose(fixture.main(), QStringLiteral("mnuApparentMotionItem"));
        QVERIFY(!form()->isLoaded());
        QVERIFY(!item->Checked());
    }
    open();
    verifyFresh();
}

QTEST_MAIN(TestFrmAppMot)
#include "tst_frmappmot.moc"
