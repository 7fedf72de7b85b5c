// Tried simultaneous contrast: the right patch starts at a random grey,
// follows its scroll bar (while dragging too), and slides beside the left
// patch when the backgrounds are cleared; restoring slides it back.

#include "support/testsupport.h"


using namespace forms;

namespace {
OleColor grey(int level) { return RGB(level, level, level); }
// A point inside the right patch once it stands beside the left one, and
// a point of the right surround left free when it does (logical pixels).
const QPoint besideLeftPatch(qRound((2295 + 547.5) / 15), qRound((1200 + 427.5) / 15));
const QPoint rightHome(qRound((4560 + 547.5) / 15), qRound((1200 + 427.5) / 15));
} // namespace

class TestFrmSimCon1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadState();
    void randomGreyAtLoadAndReset_data();
    void randomGreyAtLoadAndReset();
    void scrollBarSetsRightPatch();
    void clearAndRestoreBackgrounds();
    void whileClearedResetIsOffAndBarStillWorks();
    void reopeningStartsAfresh();

private:
    void choose() { testsupport::choose(fixture.main(), QStringLiteral("mnuTrySimConItem")); }
    void open() { fixture.open(QStringLiteral("mnuTrySimConItem"), QStringLiteral("frmSimCon1")); }
    void click(CommandButton *b) { QTest::mouseClick(b->button(), Qt::LeftButton); }

    PictureBox *picSurround(int i) const { return fixture.control<PictureBox>(QStringLiteral("picSurround(%1)").arg(i)); }
    PictureBox *picCenter(int i) const { return fixture.control<PictureBox>(QStringLiteral("picCenter(%1)").arg(i)); }
    ScrollBar *vscrRigh() const { return fixture.control<ScrollBar>(QStringLiteral("vscrRigh")); }
    CommandButton *cmdClear() const { return fixture.control<CommandButton>(QStringLiteral("cmdClear")); }
    CommandButton *cmdReset() const { return fixture.control<CommandButton>(QStringLiteral("cmdReset")); }
    void verifyRightGrey(int g);
    void verifyBackgroundsShown(const QString &clearCaption);

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmSimCon1::init()
{
    fixture.start();
}

void TestFrmSimCon1::cleanup()
{
    fixture.finish();
}

void TestFrmSimCon1::verifyRightGrey(int g)
{
    QCOMPARE(vscrRigh()->Value(), g);
    QCOMPARE(picCenter(1)->BackColor(), grey(g));
}

void TestFrmSimCon1::verifyBackgroundsShown(const QString &clearCaption)
{
    QCOMPARE(cmdClear()->Caption(), clearCaption);
    QVERIFY(cmdReset()->Enabled());
    QCOMPARE(picSurround(0)->BackColor(), OleColor(0x000000));
    QCOMPARE(picSurround(1)->BackColor(), OleColor(0xFFFFFF));
    QCOMPARE(picCenter(0)->Left(), 1200.0);
    QCOMPARE(picCenter(1)->Left(), 4560.0);
    QCOMPARE(picCenter(0)->BackColor(), grey(100));
    QCOMPARE(testsupport::oleAt(form(), rightHome), picCenter(1)->BackColor());
    QCOMPARE(testsupport::oleAt(form(), besideLeftPatch), OleColor(0x000000));
}

void TestFrmSimCon1::loadState()
{
    Random::script({0.5f});
    open();
    QCOMPARE(form()->Caption(), QStringLiteral("Simultaneous Contrast"));
    QVERIFY(form()->isMdiChild());
    QCOMPARE(form()->BackColor(), OleColor(0x000000));
    QCOMPARE(form()->ScaleWidth(), 7650.0);
    QCOMPARE(form()->ScaleHeight(), 3870.0);
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuTrySimConItem"))->Checked());
    verifyBackgroundsShown(QStringLiteral("Clear Backgroud"));
    verifyRightGrey(130);
    QCOMPARE(vscrRigh()->Min(), 30);
    QCOMPARE(vscrRigh()->Max(), 230);
    QCOMPARE(cmdReset()->Caption(), QStringLiteral("Reset"));
    // The patches are controls of the window itself, drawn over the surrounds.
    QCOMPARE(picCenter(1)->parentWidget(), static_cast<QWidget *>(form()));
    const QPoint leftPatch(qRound((1200 + 547.5) / 15), qRound((1200 + 427.5) / 15));
    QCOMPARE(testsupport::oleAt(form(), leftPatch), grey(100));
}

void TestFrmSimCon1::randomGreyAtLoadAndReset_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("g");
    QTest::newRow("lowest draw") << 0.0f << 30;
    QTest::newRow("highest draw") << 0.99999994f << 229;
    QTest::newRow("middle") << 0.5f << 130;
    QTest::newRow("just below a step") << 0.00499f << 30;
    QTest::newRow("just past a step") << 0.0051f << 31;
}

void TestFrmSimCon1::randomGreyAtLoadAndReset()
{
    QFETCH(float, draw);
    QFETCH(int, g);
    Random::script({draw});
    open();
    verifyRightGrey(g);
    // Reset draws the same way from another starting grey.
    vscrRigh()->setValue(g == 200 ? 201 : 200);
    Random::script({draw});
    click(cmdReset());
    verifyRightGrey(g);
}

void TestFrmSimCon1::scrollBarSetsRightPatch()
{
    Random::script({0.5f});
    open();
    // While the thumb is dragged the patch follows at once.
    QList<int> seen;
    connect(vscrRigh(), &ScrollBar::Scroll, this,
            [&] { seen << int(picCenter(1)->BackColor() & 0xFF); });
    testsupport::dragThumb(vscrRigh(), {100, 180, 230});
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.last(), 230);
    verifyRightGrey(230); // the lightest reachable grey
    testsupport::clickArrow(vscrRigh(), false);
    verifyRightGrey(229);
    testsupport::clickTrough(vscrRigh(), false);
    verifyRightGrey(204);
    QCOMPARE(testsupport::oleAt(form(), rightHome), grey(204));
}

void TestFrmSimCon1::clearAndRestoreBackgrounds()
{
    Random::script({0.25f});
    open();
    verifyRightGrey(80);
    click(cmdClear());
    QCOMPARE(cmdClear()->Caption(), QStringLiteral("Restore Backgrounds"));
    QCOMPARE(picSurround(1)->BackColor(), grey(1));
    QCOMPARE(picSurround(0)->BackColor(), OleColor(0x000000));
    QVERIFY(!cmdReset()->Enabled());
    // Side by side: the right patch's left edge on the left patch's right edge.
    QCOMPARE(picCenter(1)->Left(), 2295.0);
    QCOMPARE(picCenter(1)->Left(), picCenter(0)->Left() + picCenter(0)->Width());
    QCOMPARE(picCenter(1)->Top(), 1200.0);
    QCOMPARE(testsupport::oleAt(form(), besideLeftPatch), grey(80));
    QCOMPARE(testsupport::oleAt(form(), rightHome), grey(1));

    click(cmdClear());
    verifyBackgroundsShown(QStringLiteral("Clear Backgrounds"));
    verifyRightGrey(80);

    // And again: the caption keeps alternating between the two corrected texts.
    click(cmdClear());
    QCOMPARE(cmdClear()->Caption(), QStringLiteral("Restore Backgrounds"));
    click(cmdClear());
    QCOMPARE(cmdClear()->Caption(), QStringLiteral("Clear Backgrounds"));
}

void TestFrmSimCon1::whileClearedResetIsOffAndBarStillWorks()
{
    Random::script({0.5f});
    open();
    click(cmdClear());
    Random::script({0.0f});
    click(cmdReset()); // disabled: no new grey
    verifyRightGrey(130);
    Random::clearScript();
    testsupport::clickArrow(vscrRigh(), true);
    verifyRightGrey(131);
    QCOMPARE(testsupport::oleAt(form(), besideLeftPatch), grey(131));
}

void TestFrmSimCon1::reopeningStartsAfresh()
{
    Random::script({0.5f});
    open();
    click(cmdClear());
    choose(); // closes while cleared
    QVERIFY(!form()->isLoaded());
    Random::script({0.1f});
    open();
    verifyBackgroundsShown(QStringLiteral("Clear Backgroud"));
    verifyRightGrey(50);
    // The window's flag restarted too: the first click clears.
    click(cmdClear());
    QCOMPARE(cmdClear()->Caption(), QStringLiteral("Restore Backgrounds"));
    QCOMPARE(picCenter(1)->Left(), 2295.0);
}

QTEST_MAIN(TestFrmSimCon1)
#include "tst_frmsimcon1.moc"
