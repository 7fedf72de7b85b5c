// Ballistic saccades: the fixation/target sequence of one timer whose
// Interval is reset inside its own tick, the random choice of short or
// long target flashes, Stop and restart, and the timer dying with the
// window.

#include "support/testsupport.h"


using namespace forms;

class TestFrmBallistic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadState();
    void sequenceFollowsDraws_data();
    void sequenceFollowsDraws();
    void shortDurationReadAfreshAtEachRun();
    void stopDuringTargetHidesAtOnce();
    void realTimerRunsSequence();
    void closingWhileRunningStopsTimer();

private:
    void open() { fixture.open(QStringLiteral("mnuBallisticItem"), QStringLiteral("frmBallistic")); }
    void clickStart() { QTest::mouseClick(cmdStart()->button(), Qt::LeftButton); }
    QString shown() const;
    void verifyIdle();

    PictureBox *picLeft() const { return fixture.control<PictureBox>("picLeft"); }
    PictureBox *picRight() const { return fixture.control<PictureBox>("picRight"); }
    Label *lblDuration() const { return fixture.control<Label>("lblDuration"); }
    ScrollBar *hscStimDur() const { return fixture.control<ScrollBar>("hscStimDur"); }
    CommandButton *cmdStart() const { return fixture.control<CommandButton>("cmdStart"); }
    Timer *timStimDur() const { return fixture.control<Timer>("timStimDur"); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmBallistic::init()
{
    fixture.start();
}

void TestFrmBallistic::cleanup()
{
    fixture.finish();
}

QString TestFrmBallistic::shown() const
{
    return QString(picLeft()->Visible() ? "L" : "") + QString(picRight()->Visible() ? "R" : "");
}

void TestFrmBallistic::verifyIdle()
{
    QCOMPARE(shown(), QString());
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(lblDuration()->Visible());
    QVERIFY(hscStimDur()->Visible());
    QVERIFY(!timStimDur()->Enabled());
    QVERIFY(!timStimDur()->isRunning());
}

void TestFrmBallistic::loadState()
{
    open();
    verifyIdle();
    QCOMPARE(form()->Caption(), QStringLiteral("Ballistic Saccades"));
    QVERIFY(form()->isMdiChild());
    QCOMPARE(form()->ScaleWidth(), 5745.0);
    QCOMPARE(form()->ScaleHeight(), 2505.0);
    QCOMPARE(lblDuration()->Caption(), QStringLiteral("Short Stimuls Duration"));
    QCOMPARE(hscStimDur()->Value(), 100);
    QCOMPARE(hscStimDur()->Min(), 50);
    QCOMPARE(hscStimDur()->Max(), 500);
    QCOMPARE(picLeft()->BackColor(), OleColor(0x0000C0));
    QCOMPARE(picRight()->BackColor(), OleColor(0x0000C0));
    // A plain command: choosing it again keeps the one open window.
    testsupport::choose(fixture.main(), QStringLiteral("mnuBallisticItem"));
    QVERIFY(form()->isShown());
    QVERIFY(!fixture.main().menuItem(QStringLiteral("mnuBallisticItem"))->Checked());
}

void TestFrmBallistic::sequenceFollowsDraws_data()
{
    // Each tick draws one value; ticks alternate target (0.7 threshold:
    // short duration or 500 ms) and fixation (0.5 threshold: 1500 or 2000).
    QTest::addColumn<int>("shortDuration");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QList<int>>("intervals");
    QTest::newRow("short, then 1500")
            << 100 << QList<float>{0.0f, 0.0f} << QList<int>{100, 1500};
    QTest::newRow("just below both thresholds")
            << 100 << QList<float>{0.69999f, 0.49999f} << QList<int>{100, 1500};
    QTest::newRow("at both thresholds")
            << 100 << QList<float>{0.7f, 0.5f} << QList<int>{500, 2000};
    QTest::newRow("highest draws")
            << 100 << QList<float>{0.99999994f, 0.99999994f} << QList<int>{500, 2000};
    QTest::newRow("shortest duration")
            << 50 << QList<float>{0.3f, 0.6f, 0.8f, 0.1f} << QList<int>{50, 2000, 500, 1500};
    QTest::newRow("duration 500 whatever the draw")
            << 500 << QList<float>{0.1f, 0.2f, 0.9f, 0.2f} << QList<int>{500, 1500, 500, 1500};
}

void TestFrmBallistic::sequenceFollowsDraws()
{
    QFETCH(int, shortDuration);
    QFETCH(QList<float>, draws);
    QFETCH(QList<int>, intervals);
    open();
    hscStimDur()->setValue(shortDuration);
    clickStart();
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Stop"));
    QVERIFY(!lblDuration()->Visible());
    QVERIFY(!hscStimDur()->Visible());
    QCOMPARE(shown(), QStringLiteral("L"));
    QCOMPARE(timStimDur()->Interval(), 1000);
    QVERIFY(timStimDur()->isRunning());
    Random::script(draws);
    for (int i = 0; i < intervals.size(); ++i) {
        timStimDur()->fire();
        QCOMPARE(shown(), QString(i % 2 ? "L" : "R"));
        QCOMPARE(timStimDur()->Interval(), intervals[i]);
        // The timer stays on: the new interval times the phase just begun.
        QVERIFY(timStimDur()->Enabled());
        QVERIFY(timStimDur()->isRunning());
    }
}

void TestFrmBallistic::shortDurationReadAfreshAtEachRun()
{
    open();
    testsupport::dragThumb(hscStimDur(), {200, 300});
    QCOMPARE(hscStimDur()->Value(), 300);
    clickStart();
    Random::script({0.1f});
    timStimDur()->fire();
    QCOMPARE(timStimDur()->Interval(), 300);
    clickStart(); // Stop
    testsupport::clickArrow(hscStimDur(), false);
    clickStart();
    Random::script({0.1f});
    timStimDur()->fire();
    QCOMPARE(timStimDur()->Interval(), 299);
}

void TestFrmBallistic::stopDuringTargetHidesAtOnce()
{
    open();
    clickStart();
    Random::script({0.1f});
    timStimDur()->fire();
    QCOMPARE(shown(), QStringLiteral("R"));
    clickStart(); // Stop
    verifyIdle();
    timStimDur()->fire(); // a stopped timer delivers nothing
    QCOMPARE(shown(), QString());
    // A new run starts again with the fixation square for a second.
    clickStart();
    QCOMPARE(shown(), QStringLiteral("L"));
    QCOMPARE(timStimDur()->Interval(), 1000);
    Random::script({0.9f});
    timStimDur()->fire();
    QCOMPARE(shown(), QStringLiteral("R"));
    QCOMPARE(timStimDur()->Interval(), 500);
}

void TestFrmBallistic::realTimerRunsSequence()
{
    open();
    QStringList phases;
    connect(timStimDur(), &Timer::Tick, this, [&] { phases << shown(); });
    Random::script({0.1f});
    clickStart();
    // The fixation square lasts a second; then the short target appears.
    QTRY_VERIFY_WITH_TIMEOUT(!phases.isEmpty(), 5000);
    QCOMPARE(phases.first(), QStringLiteral("R"));
    QCOMPARE(timStimDur()->Interval(), 100);
    clickStart();
    verifyIdle();
}

void TestFrmBallistic::closingWhileRunningStopsTimer()
{
    open();
    clickStart();
    QPointer<Timer> timer = timStimDur();
    QPointer<PictureBox> square = picRight();
    form()->subWindow()->close();
    QVERIFY(!form()->isLoaded());
    testsupport::settle();
    QVERIFY(!timer && !square);
    QTest::qWait(20);
    // Reopened, the window starts idle again.
    open();
    verifyIdle();
    QCOMPARE(hscStimDur()->Value(), 100);
}

QTEST_MAIN(TestFrmBallistic)
#include "tst_frmballistic.moc"
