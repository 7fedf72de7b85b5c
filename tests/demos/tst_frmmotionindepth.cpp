// Motion in depth: the window fills its screen, the two eyes' copies of
// the object are drawn on alternate rows or in red and blue at the
// disparity kept in the window's Tag, the sweep turns just beyond 20
// pixels, Start/Stop and the mode keep the sweep's state, and closing the
// window stops its timer.

#include "support/testsupport.h"

#include <QPointer>
#include <QScreen>
#include <cmath>

using namespace forms;

namespace {

constexpr QRgb Grey = 0xFF808080;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF8080;     // RGB(255, 128, 128)
constexpr QRgb Magenta = 0xFFFF80FF; // RGB(255, 128, 255)
constexpr QRgb Blue = 0xFF8080FF;    // RGB(128, 128, 255)
constexpr QRgb BarMagenta = 0xFFFF00FF;

// A horizontal run of one colour, from x1 to x2 twips (either order).
struct Run
{
    double x1, x2;
    QRgb colour;
};

int pixelOf(double twips) { return int(std::floor(twips / 15)); }

// Checks one pixel row against runs drawn in this order over the
// background. A column where a run begins or ends may go either way (the
// end pixels of a line), every other column must show the one run that
// covers it, or the background.
QString rowMismatch(const QImage &image, int row, const QList<Run> &runs, QRgb background)
{
    QSet<int> ends;
    for (const Run &r : runs)
        ends << pixelOf(r.x1) << pixelOf(r.x2);
    for (int x = 0; x < image.width(); ++x) {
        if (ends.contains(x))
            continue;
        QRgb expected = background;
        for (const Run &r : runs) {
            const double from = std::min(r.x1, r.x2) / 15, to = std::max(r.x1, r.x2) / 15;
            if (x >= from && x + 1 <= to)
                expected = r.colour;
        }
        if (image.pixel(x, row) != expected)
            return QStringLiteral("row %1, column %2: %3 instead of %4")
                .arg(row).arg(x).arg(image.pixel(x, row) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                .arg(expected & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    }
    return {};
}

} // namespace

class TestFrmMotionInDepth : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadFillsTheScreen();
    void stereoPairsUseAlternateRows_data();
    void stereoPairsUseAlternateRows();
    void anaglyphRowsAreRedMagentaBlue_data();
    void anaglyphRowsAreRedMagentaBlue();
    void sweepTurnsBeyond20Pixels();
    void stopModeChangeAndRestart();
    void closingWhileRunningStopsTheTimer();

private:
    PictureBox *picDepth() const { return fixture.control<PictureBox>("picDepth"); }
    CommandButton *cmdStart() const { return fixture.control<CommandButton>("cmdStart"); }
    OptionButton *opt(int i) const { return fixture.control<OptionButton>(QStringLiteral("optAnaglyph(%1)").arg(i)); }
    Timer *timer() const { return fixture.control<Timer>("Timer1"); }
    void clickStart() { QTest::mouseClick(cmdStart()->button(), Qt::LeftButton); }
    // Sets the disparity and lets the chosen mode redraw with it.
    void showAt(double d, int mode);
    // Every row of the drawing checked against the object at disparity d.
    QString drawingMismatch(double d, bool anaglyph) const;

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmMotionInDepth::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuMotioninDepthitem"), QStringLiteral("frmMotionInDepth"));
}

void TestFrmMotionInDepth::cleanup()
{
    fixture.finish();
}

void TestFrmMotionInDepth::showAt(double d, int mode)
{
    form()->setTag(CStr(d));
    // Clicking the selected mode redraws too.
    QTest::mouseClick(opt(mode)->button(), Qt::LeftButton);
    QVERIFY(opt(mode)->Value());
}

QString TestFrmMotionInDepth::drawingMismatch(double d, bool anaglyph) const
{
    // The object: a tenth of the picture's width wide, two fifteenths of
    // its height high, centred; the bar below it, as wide.
    const double cx = Int(picDepth()->Width() / 2), cy = Int(picDepth()->Height() / 2);
    const double hw = Int(picDepth()->Width() / 20), hh = Int(picDepth()->Height() / 15);
    const QImage image = picDepth()->image();
    const int top = pixelOf(Int(cy - hh));
    const int bottom = pixelOf(Int(cy + hh));
    const int barTop = pixelOf(Int(1.5 * hh + cy));
    const int barBottom = pixelOf(Int(3.5 * hh + cy));
    const Run leftCopy{cx - hw - d, cx + hw - d, White};
    const Run rightCopy{cx - hw + d, cx + hw + d, White};
    const Run bar{cx - hw, cx + hw, anaglyph ? BarMagenta : White};
    // Stereo pairs: from the object's top, every other row carries the
    // left-shifted copy, and the row below each of those the right-shifted
    // one, as many of each; the last may lie one row below the object.
    QMap<int, Run> pairRows;
    for (double y = Int(cy - hh); y <= Int(cy + hh); y += 30) {
        pairRows.insert(pixelOf(y), leftCopy);
        pairRows.insert(pixelOf(y + 15), rightCopy);
    }

    for (int row = 0; row < image.height(); ++row) {
        QList<Run> runs;
        if (row >= barTop && row <= barBottom) {
            runs = {bar};
        } else if (anaglyph && row >= top && row <= bottom) {
            // Red where only the left-shifted copy lies, blue where only
            // the right-shifted one, magenta where both do.
            const double l = cx - hw, r = cx + hw;
            runs = {{std::min(l - d, l + d), std::max(l - d, l + d), d >= 0 ? Red : Blue},
                    {l + std::abs(d), r - std::abs(d), Magenta},
                    {std::min(r - d, r + d), std::max(r - d, r + d), d >= 0 ? Blue : Red}};
        } else if (!anaglyph && pairRows.contains(row)) {
            runs = {pairRows.value(row)};
        }
        const QString mismatch = rowMismatch(image, row, runs, Grey);
        if (!mismatch.isEmpty())
            return mismatch;
    }
    return {};
}

void TestFrmMotionInDepth::loadFillsTheScreen()
{
    QCOMPARE(form()->windowTitle(), QStringLiteral("Motion In Depth"));
    QVERIFY(!form()->isMdiChild());
    QVERIFY(!form()->windowIcon().isNull());
    const QSize screen = form()->screen()->size();
    QCOMPARE(form()->size(), screen);
    QCOMPARE(form()->minimumSize(), form()->maximumSize()); // a fixed border
    QCOMPARE(form()->ScaleWidth(), screen.width() * 15.0);

    QCOMPARE(picDepth()->Left(), 0.0);
    QCOMPARE(picDepth()->Top(), 0.0);
    QCOMPARE(picDepth()->Width(), screen.width() * 15.0);
    QCOMPARE(picDepth()->Height(), 0.8 * screen.height() * 15.0);
    QCOMPARE(picDepth()->BackColor(), OleColor(0x808080));
    // The button centred below the picture, a mode 1500 twips to each side.
    const double buttonTop = picDepth()->Height() + 50;
    const double buttonLeft = Int(screen.width() * 15.0 / 2) - Int(975 / 2.0);
    QCOMPARE(cmdStart()->Top(), buttonTop);
    QCOMPARE(cmdStart()->Left(), buttonLeft);
    QCOMPARE(opt(0)->Left(), buttonLeft - 1500);
    QCOMPARE(opt(1)->Left() + opt(1)->Width(), buttonLeft + 975 + 1500);
    for (int i : {0, 1}) {
        QCOMPARE(opt(i)->Top(), buttonTop);
        QVERIFY(opt(i)->isVisible());
        QCOMPARE(opt(i)->BackColor(), OleColor(0x808080));
        QCOMPARE(opt(i)->ForeColor(), OleColor(0xFFFFFF));
    }
    QVERIFY(form()->rect().contains(cmdStart()->geometry()));

    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QCOMPARE(opt(0)->Caption(), QStringLiteral("Stereo Pairs"));
    QCOMPARE(opt(1)->Caption(), QStringLiteral("Anaglyph"));
    QVERIFY(opt(0)->Value() && !opt(1)->Value());
    QCOMPARE(form()->Tag(), QStringLiteral("0"));
    QCOMPARE(picDepth()->Tag(), QStringLiteral("True"));
    QCOMPARE(timer()->Interval(), 100);
    QVERIFY(!timer()->Enabled());
    // At zero disparity both copies lie on each other: a plain rectangle.
    QCOMPARE(drawingMismatch(0, false), QString());
}

void TestFrmMotionInDepth::stereoPairsUseAlternateRows_data()
{
    QTest::addColumn<double>("d");
    for (double d : {15.0, 150.0, -300.0, 315.0, 7.5})
        QTest::addRow("d = %g", d) << d;
}

void TestFrmMotionInDepth::stereoPairsUseAlternateRows()
{
    QFETCH(double, d);
    showAt(d, 0);
    QCOMPARE(drawingMismatch(d, false), QString());
}

void TestFrmMotionInDepth::anaglyphRowsAreRedMagentaBlue_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<QRgb>("leftEnd");
    QTest::addColumn<QRgb>("rightEnd");
    QTest::newRow("d = 15") << 15.0 << Red << Blue;
    QTest::newRow("d = -15") << -15.0 << Blue << Red;
    QTest::newRow("d = 300") << 300.0 << Red << Blue;
    QTest::newRow("d = -315") << -315.0 << Blue << Red;
    QTest::newRow("d = 0") << 0.0 << Magenta << Magenta;
}

void TestFrmMotionInDepth::anaglyphRowsAreRedMagentaBlue()
{
    QFETCH(double, d);
    QFETCH(QRgb, leftEnd);
    QFETCH(QRgb, rightEnd);
    showAt(d, 1);
    QCOMPARE(drawingMismatch(d, true), QString());

    // The middle row, end to end: the strips at the two ends are each
    // 2|d| twips wide (one pixel either way for the lines' end points).
    const QImage image = picDepth()->image();
    const int row = pixelOf(Int(picDepth()->Height() / 2));
    QList<QRgb> runs;
    QList<int> lengths;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, row);
        if (p == Grey)
            continue;
        if (runs.isEmpty() || runs.last() != p) {
            runs << p;
            lengths << 0;
        }
        ++lengths.last();
    }
    if (d == 0) {
        // Both copies on each other: magenta across (a lone end pixel of
        // the empty red and blue strips may show).
        QCOMPARE(runs.first() == Red ? runs.at(1) : runs.first(), Magenta);
        return;
    }
    QCOMPARE(runs, QList<QRgb>({leftEnd, Magenta, rightEnd}));
    const int strip = int(2 * std::abs(d) / 15);
    QVERIFY2(std::abs(lengths.first() - strip) <= 1 && std::abs(lengths.last() - strip) <= 1,
             qPrintable(QStringLiteral("%1 and %2 pixels").arg(lengths.first()).arg(lengths.last())));
}

void TestFrmMotionInDepth::sweepTurnsBeyond20Pixels()
{
    // One pixel (15 twips) per tick: 0, 15, ..., 300, 315, 300, ...,
    // -315, -300, ...; a full cycle takes 84 ticks.
    clickStart();
    QList<double> values{CDbl(form()->Tag())};
    for (int i = 0; i < 200; ++i) {
        timer()->fire();
        values << CDbl(form()->Tag());
    }
    QCOMPARE(values.mid(19, 4), QList<double>({285, 300, 315, 300}));
    for (int i = 1; i < values.size(); ++i)
        QCOMPARE(std::abs(values[i] - values[i - 1]), 15.0);
    QCOMPARE(*std::max_element(values.begin(), values.end()), 315.0);
    QCOMPARE(*std::min_element(values.begin(), values.end()), -315.0);
    QCOMPARE(values.indexOf(-315), 21 + 42);
    QCOMPARE(values.indexOf(315, 22), 21 + 84);
    QCOMPARE(values.indexOf(-300, 22), 20 + 42); // -300 itself does not turn
    QCOMPARE(values[20 + 42 + 1], -315.0);
    // Every tick redraws at its new disparity.
    QCOMPARE(drawingMismatch(values.last(), false), QString());
}

void TestFrmMotionInDepth::stopModeChangeAndRestart()
{
    clickStart();
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Stop"));
    QVERIFY(timer()->Enabled());
    for (int i = 0; i < 25; ++i)
        timer()->fire(); // up to 315, then back down to 255
    QCOMPARE(form()->Tag(), QStringLiteral("255"));
    QCOMPARE(picDepth()->Tag(), QStringLiteral("False"));

    clickStart();
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(!timer()->Enabled());
    timer()->fire(); // a stopped timer takes no ticks
    QCOMPARE(form()->Tag(), QStringLiteral("255"));

    // A mode change redraws at the stopped disparity, running or not.
    QTest::mouseClick(opt(1)->button(), Qt::LeftButton);
    QCOMPARE(drawingMismatch(255, true), QString());

    clickStart();
    timer()->fire();
    QCOMPARE(form()->Tag(), QStringLiteral("240")); // still on its way down
    QCOMPARE(drawingMismatch(240, true), QString());
    QTest::mouseClick(opt(0)->button(), Qt::LeftButton);
    QCOMPARE(drawingMismatch(240, false), QString());
}

void TestFrmMotionInDepth::closingWhileRunningStopsTheTimer()
{
    clickStart();
    timer()->fire();
    QPointer<Timer> sweep = timer();
    QPointer<PictureBox> picture = picDepth();
    QVERIFY(sweep->isRunning());
    form()->close();
    QVERIFY(!form()->isLoaded());
    QVERIFY(!sweep->isRunning());
    sweep->fire(); // a late tick goes nowhere
    QTest::qWait(250); // real ticks would have come by now
    testsupport::settle();
    QVERIFY(sweep.isNull() && picture.isNull());

    // Opened again, it starts afresh.
    testsupport::choose(fixture.main(), "mnuMotioninDepthitem");
    QCOMPARE(form()->Tag(), QStringLiteral("0"));
    QCOMPARE(picDepth()->Tag(), QStringLiteral("True"));
    QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
    QVERIFY(!timer()->Enabled());
    QCOMPARE(drawingMismatch(0, false), QString());
}

QTEST_MAIN(TestFrmMotionInDepth)
#include "tst_frmmotionindepth.moc"
