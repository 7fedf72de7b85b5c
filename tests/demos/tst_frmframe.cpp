// Frame of reference: the wheel rolling along the strip read back from the
// screen (its rim, its hub and the red dot where rolling puts them), the
// wheel removed and restored, the hub jumping back past the right edge,
// Stop and Start again, a fresh start on every opening, and the timer dying
// with the window.

#include "support/testsupport.h"

#include <QPointer>
#include <cmath>
#include <numbers>

using namespace forms;

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Black = 0xFF000000;
constexpr double HubY = 1147.5;

// The hub's position for the picture drawn by the n-th tick: each tick draws
// the wheel, then moves the hub 75 twips on; the first pass starts at -500.
double hubAtTick(int n) { return -500 + 75.0 * (n - 1); }

struct Colours
{
    int red = 0, black = 0, other = 0;
    QRectF redBounds; // in twips
};

} // namespace

class TestFrmFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensBlankAndFresh();
    void wheelAndDotRoll_data();
    void wheelAndDotRoll();
    void removedWheelLeavesOnlyTheDot();
    void hubJumpsBackPastTheRightEdge();
    void stopKeepsPictureAndStartShowsWheelAgain();
    void keyboardAlone();
    void closingWhileRollingStopsTheTimer();

private:
    void open() { fixture.open(QStringLiteral("mnuFrameitem"), QStringLiteral("frmFrame")); }
    void click(CommandButton *button) { QTest::mouseClick(button->button(), Qt::LeftButton); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            timFrame()->fire();
    }
    // The strip's inside as it is on screen, one pixel per 15 twips.
    QImage strip() const;
    Colours colours(const QImage &shown) const;
    // A black pixel within a pixel of this point (twips).
    static bool blackNear(const QImage &shown, QPointF twips);

    PictureBox *picFrame() const { return fixture.control<PictureBox>("picFrame"); }
    CommandButton *cmdStart() const { return fixture.control<CommandButton>("cmdStart"); }
    CommandButton *cmdRemove() const { return fixture.control<CommandButton>("cmdRemove"); }
    Timer *timFrame() const { return fixture.control<Timer>("timFrame"); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmFrame::init()
{
    fixture.start();
}

void TestFrmFrame::cleanup()
{
    fixture.finish();
}

QImage TestFrmFrame::strip() const
{
    // Grabbed without letting events through: the timer runs for real
    // while the test fires it by hand, and a real tick would move on.
    const QImage shown = form()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint inside = picFrame()->mapTo(form(), picFrame()->clientOrigin());
    const int border = picFrame()->clientOrigin().x();
    return shown.copy(QRect(inside, picFrame()->size() - QSize(2 * border, 2 * border)));
}

Colours TestFrmFrame::colours(const QImage &shown) const
{
    Colours c;
    const QRgb back = toQColor(picFrame()->BackColor()).rgb();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            if (p == Red) {
                ++c.red;
                c.redBounds |= QRectF(x * 15.0, y * 15.0, 15, 15);
            } else if (p == Black) {
                ++c.black;
            } else if (p != back) {
                ++c.other;
            }
        }
    }
    return c;
}

bool TestFrmFrame::blackNear(const QImage &shown, QPointF twips)
{
    const int px = int(std::floor(twips.x() / 15)), py = int(std::floor(twips.y() / 15));
    for (int y = py - 1; y <= py + 1; ++y)
        for (int x = px - 1; x <= px + 1; ++x)
            if (shown.rect().contains(x, y) && shown.pixel(x, y) == Black)
                return true;
    return false;
}

void TestFrmFrame::opensBlankAndFresh()
{
    QImage firstTick;
    for (int opening = 0; opening < 2; ++opening) {
        open();
        QCOMPARE(form()->windowTitle(), QStringLiteral("Frame of Reference"));
        QVERIFY(!form()->isMdiChild());
        QVERIFY(!form()->windowIcon().isNull());
        QCOMPARE(form()->ScaleWidth(), 10080.0);
        QCOMPARE(form()->ScaleHeight(), 3195.0);
        QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
        QCOMPARE(cmdRemove()->Caption(), QStringLiteral("Remove Wheel"));
        QVERIFY(cmdStart()->isVisible());
        QVERIFY(!cmdRemove()->isVisible());
        // Radius and rim length kept as text.
        QCOMPARE(cmdStart()->Tag(), QStringLiteral("500"));
        QCOMPARE(picFrame()->Tag(), QStringLiteral("3141.59265"));
        QCOMPARE(cmdRemove()->Tag(), QStringLiteral("True"));
        QCOMPARE(picFrame()->DrawWidth(), 2);
        QCOMPARE(timFrame()->Interval(), 25);
        QVERIFY(!timFrame()->Enabled());
        // Nothing is drawn before the first tick.
        const Colours blank = colours(strip());
        QCOMPARE(blank.red + blank.black + blank.other, 0);

        // Every opening starts the wheel afresh, wholly left of the strip:
        // only the tip of its rim touches the left edge.
        click(cmdStart());
        ticks(1);
        const QImage shown = strip();
        if (opening == 0)
            firstTick = shown;
        else
            QCOMPARE(shown, firstTick);
        QCOMPARE(colours(shown).red, 0);
        QVERIFY(blackNear(shown, {0, HubY}));
        QVERIFY(!blackNear(shown, {60, HubY}));
        ticks(40); // rolled well into the strip, then closed
        form()->close();
        testsupport::settle();
    }
}

void TestFrmFrame::wheelAndDotRoll_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QPointF>("dot"); // twips; the wheel's hub is at hubAtTick(tick)
    // The wheel turns as far as it rolls, so the dot comes over the top and
    // touches the ground directly below the hub once a turn: a cycloid.
    QTest::newRow("hub 775: dot at the top") << 18 << QPointF(764.6, 647.6);
    QTest::newRow("hub 1525: dot at the right") << 28 << QPointF(2022.9, 1101.8);
    QTest::newRow("hub 2350: dot on the ground below the hub") << 39 << QPointF(2356.2, 1647.5);
    QTest::newRow("hub 3925: a turn later, at the top again") << 60 << QPointF(3923.0, 647.5);
}

void TestFrmFrame::wheelAndDotRoll()
{
    QFETCH(int, tick);
    QFETCH(QPointF, dot);
    open();
    click(cmdStart());
    ticks(tick);
    const QImage shown = strip();
    const Colours c = colours(shown);
    QCOMPARE(c.other, 0);
    // One dot, 6 pixels across, where rolling puts it.
    QVERIFY2(c.redBounds.width() <= 7 * 15 && c.redBounds.height() <= 7 * 15, qPrintable(QString::number(c.red)));
    QVERIFY2(std::abs(c.redBounds.center().x() - dot.x()) <= 15 && std::abs(c.redBounds.center().y() - dot.y()) <= 15,
             qPrintable(QStringLiteral("red around (%1, %2)").arg(c.redBounds.center().x()).arg(c.redBounds.center().y())));
    // The wheel around its hub: spokes through the hub, the rim 500 away.
    const double X = hubAtTick(tick);
    QVERIFY(blackNear(shown, {X, HubY}));
    for (const QPointF &rim : {QPointF(X - 500, HubY), QPointF(X + 500, HubY), QPointF(X, HubY + 500), QPointF(X, HubY - 500)}) {
        if (std::hypot(rim.x() - dot.x(), rim.y() - dot.y()) > 60) // not under the dot
            QVERIFY2(blackNear(shown, rim), qPrintable(QStringLiteral("rim at (%1, %2)").arg(rim.x()).arg(rim.y())));
    }
    // Inside the rim, away from the spokes, the strip is clear.
    const double theta = -X / 500;
    const QPointF between(X - 300 * std::cos(theta + std::numbers::pi / 4), HubY + 300 * std::sin(theta + std::numbers::pi / 4));
    QVERIFY(!blackNear(shown, between));
    QVERIFY(!blackNear(shown, {X + 800, HubY}));
}

void TestFrmFrame::removedWheelLeavesOnlyTheDot()
{
    open();
    click(cmdStart());
    QVERIFY(cmdRemove()->isVisible());
    ticks(20);
    click(cmdRemove());
    QCOMPARE(cmdRemove()->Caption(), QStringLiteral("Restore Wheel"));
    QCOMPARE(cmdRemove()->Tag(), QStringLiteral("False"));
    // Seen from the next tick on.
    QVERIFY(colours(strip()).black > 0);
    for (int i = 0; i < 30; ++i) {
        ticks(1);
        // Only the dot, and no trail of earlier dots.
        const Colours c = colours(strip());
        QCOMPARE(c.black + c.other, 0);
        QVERIFY(c.red > 0);
        QVERIFY(c.redBounds.width() <= 7 * 15 && c.redBounds.height() <= 7 * 15);
    }
    click(cmdRemove());
    QCOMPARE(cmdRemove()->Caption(), QStringLiteral("Remove Wheel"));
    QCOMPARE(cmdRemove()->Tag(), QStringLiteral("True"));
    ticks(1);
    QVERIFY(blackNear(strip(), {hubAtTick(52), HubY}));
}

void TestFrmFrame::hubJumpsBackPastTheRightEdge()
{
    open();
    click(cmdStart());
    // The strip is 9735 twips wide outside, 9675 inside its border. The
    // hub passes 10435 (9735 + 700) on the 146th step: the 146th picture
    // still has its hub at 10375, wholly beyond the edge.
    ticks(140);
    QVERIFY(blackNear(strip(), {hubAtTick(140) - 500, HubY}));
    ticks(6);
    QCOMPARE(colours(strip()).black + colours(strip()).red, 0);
    // Then the wheel is back with half of it off the left edge.
    ticks(1);
    const QImage back = strip();
    QVERIFY(blackNear(back, {250, HubY}));
    QVERIFY(blackNear(back, {0, HubY + 433})); // the rim where it meets the edge
    QVERIFY(!blackNear(back, {400, HubY}));
    // From -250 a pass takes 143 ticks, and the wheel's turn comes from its
    // place alone: the picture repeats exactly.
    ticks(1);
    QVERIFY(strip() != back);
    ticks(142);
    QCOMPARE(strip(), back);
}

void TestFrmFrame::stopKeepsPictureAndStartShowsWheelAgain()
{
    open();
    click(cmdStart());
    ticks(10);
    click(cmdRemove());
    ticks(1);
    const QImage dotOnly = strip();
    QCOMPARE(colours(dotOnly).black, 0);

    click(cmdStart());
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(!timFrame()->Enabled());
    QVERIFY(!cmdRemove()->isVisible());
    QCOMPARE(cmdRemove()->Caption(), QStringLiteral("Remove Wheel"));
    QCOMPARE(cmdRemove()->Tag(), QStringLiteral("True"));
    ticks(1); // a stopped timer takes no ticks
    QCOMPARE(strip(), dotOnly); // the last picture stays

    // Started again, the wheel rolls on from where it stopped, shown again.
    click(cmdStart());
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Stop"));
    QVERIFY(cmdRemove()->isVisible());
    ticks(1);
    const QImage shown = strip();
    QVERIFY(blackNear(shown, {hubAtTick(12), HubY}));
    QVERIFY(blackNear(shown, {hubAtTick(12) + 500, HubY}));
    // Not back at its start, where its rim touched the left edge.
    QVERIFY(!blackNear(shown, {0, HubY}));
}

void TestFrmFrame::keyboardAlone()
{
    open();
    cmdStart()->button()->setFocus();
    QTest::keyClick(cmdStart()->button(), Qt::Key_Space);
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Stop"));
    ticks(30);
    // Tab to the remove button and press it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdRemove()->button());
    QTest::keyClick(cmdRemove()->button(), Qt::Key_Space);
    QCOMPARE(cmdRemove()->Caption(), QStringLiteral("Restore Wheel"));
    ticks(1);
    QCOMPARE(colours(strip()).black, 0);
    QTest::keyClick(cmdRemove()->button(), Qt::Key_Space);
    ticks(1);
    QVERIFY(colours(strip()).black > 0);
}

void TestFrmFrame::closingWhileRollingStopsTheTimer()
{
    open();
    click(cmdStart());
    ticks(3);
    QPointer<Timer> timer = timFrame();
    QPointer<PictureBox> box = picFrame();
    QVERIFY(timer->isRunning());
    form()->close();
    QVERIFY(!form()->isLoaded());
    QVERIFY(!timer->isRunning());
    timer->fire(); // a late tick goes nowhere
    QTest::qWait(60); // real ticks would have come by now
    testsupport::settle();
    QVERIFY(timer.isNull() && box.isNull());
}

QTEST_MAIN(TestFrmFrame)
#include "tst_frmframe.moc"
