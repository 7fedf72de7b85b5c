// Fourier analysis: the sixteen harmonics start at the square wave's own
// amplitudes; the buttons under them show one alone, reset or zero it, and
// the two big buttons zero or reset them all. The sum is redrawn once per
// change (also for the buttons that set many harmonics), never when
// nothing changed, and the reference square wave is drawn only at load.

#include "support/testsupport.h"

#include <array>
#include <cmath>

using namespace forms;

namespace {
constexpr int Harmonics = 16;
using Amplitudes = std::array<int, Harmonics>;
const Amplitudes SquareWave = {1000, 0, 333, 0, 200, 0, 143, 0, 111, 0, 91, 0, 77, 0, 67, 0};
const Amplitudes Silent = {};

// The boxes' outer size in twips: the extents of every drawing.
constexpr double BoxWidth = 4000;
constexpr double BoxHeight = 2175;
// The sum's trace runs along this row of the box's inside when it is flat.
const int MidRow = int(BoxHeight / 2 / 15);

// Lines are drawn every 10 twips; a pixel column (15 twips) shows the last
// one that falls into it.
double lineShownIn(int column)
{
    return 15.0 * column + (column % 2 ? 5 : 10);
}

// The sum of the harmonics at x: its height above the box's mid-line
// (twips) and its grey level before rounding.
struct Sum
{
    double height = 0;
    double grey = 162.5;
};

Sum sumAt(const Amplitudes &v, double x)
{
    const double k = 18.8495559 / BoxWidth;
    Sum sum;
    for (int i = 0; i < Harmonics; ++i) {
        const double s = std::sin(k * x * (i + 1));
        sum.height += s * BoxHeight * 0.45 / 1000 * v[i];
        sum.grey += s * 0.0625 * v[i];
    }
    return sum;
}

int shownGrey(const Amplitudes &v, int column)
{
    return std::clamp(int(CInt(sumAt(v, lineShownIn(column)).grey)), 0, 255);
}

QRgb grey(int level) { return qRgb(level, level, level); }
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
// A red mark put on a drawing by the test: gone once the drawing is redrawn.
const QPoint MarkAt(101, 21);
} // namespace

Q_DECLARE_METATYPE(Amplitudes)

namespace QTest {
template <>
char *toString(const Amplitudes &v)
{
    QStringList list;
    for (int a : v)
        list << QString::number(a);
    return qstrdup(qPrintable(list.join(QLatin1String(", "))));
}
} // namespace QTest

class TestFrmFourier : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithTheSquareWaveAndItsSum();
    void zeroAllGivesFlatTraceAndUniformGrey();
    void showAloneGivesOneSine();
    void buttonsSetHarmonics_data();
    void buttonsSetHarmonics();
    void batchChangesRedrawOnceAtTheEnd_data();
    void batchChangesRedrawOnceAtTheEnd();
    void zeroOnAZeroHarmonicRedrawsNothing();
    void referenceIsNeverRedrawn();
    void dragRedrawsContinuously();
    void keyboardChangesAndLeavingABarRedraw();
    void overdrivenGreyIsClamped();
    void secondChoiceAndReopening();

private:
    void open() { fixture.open(QStringLiteral("mnuFourieritem"), QStringLiteral("frmFourier")); }
    PictureBox *picShow(int i) const { return fixture.control<PictureBox>(QStringLiteral("picShow(%1)").arg(i)); }
    ScrollBar *vscHarmonic(int i) const
    {
        return fixture.control<ScrollBar>(QStringLiteral("vscHarmonic(%1)").arg(i));
    }
    CommandButton *button(const QString &name) const { return fixture.control<CommandButton>(name); }
    void click(const QString &name) { QTest::mouseClick(button(name)->button(), Qt::LeftButton); }
    // Keeps the focus away from the scroll bars, whose Validate redraws.
    void focusOn(const QString &name)
    {
        QVERIFY(QTest::qWaitForWindowActive(fixture.form()));
        button(name)->button()->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), button(name)->button());
    }
    Amplitudes values() const;
    void setValues(const Amplitudes &v);
    void mark(int box) { picShow(box)->Box(1500, 300, 1575, 375, RGB(255, 0, 0), true); }
    bool marked(int box) const { return picShow(box)->image().pixel(MarkAt) == Red; }
    void verifySumShown(const Amplitudes &v);

    testsupport::WindowFixture fixture;
};

// The inside of a box as the user sees it.
static QImage inside(PictureBox *box)
{
    const QImage shot = box->grab().toImage();
    const QPoint o = box->clientOrigin();
    return shot.copy(QRect(o, box->size() - QSize(2 * o.x(), 2 * o.y())));
}

void TestFrmFourier::init()
{
    fixture.start();
    open();
}

void TestFrmFourier::cleanup()
{
    fixture.finish();
}

Amplitudes TestFrmFourier::values() const
{
    Amplitudes v;
    for (int i = 0; i < Harmonics; ++i)
        v[i] = vscHarmonic(i)->Value();
    return v;
}

void TestFrmFourier::setValues(const Amplitudes &v)
{
    for (int i = 0; i < Harmonics; ++i)
        vscHarmonic(i)->setValue(v[i]);
}

// The grating of the sum shows the grey of the sum at every column, and the
// trace passes through the sum's height.
void TestFrmFourier::verifySumShown(const Amplitudes &v)
{
    const QImage trace = inside(picShow(2));
    const QImage grating = inside(picShow(3));
    for (int column = 1; column < grating.width(); column += 7) {
        QCOMPARE(grating.pixel(column, grating.height() / 2), grey(shownGrey(v, column)));
        const double x = lineShownIn(column);
        const int row = int((BoxHeight / 2 - sumAt(v, x).height) / 15);
        if (row < 1 || row >= trace.height() - 1)
            continue; // off the box
        const bool onTrace = trace.pixel(column, row) == Black || trace.pixel(column, row - 1) == Black
                             || trace.pixel(column, row + 1) == Black;
        QVERIFY2(onTrace, qPrintable(QStringLiteral("column %1 row %2").arg(column).arg(row)));
    }
}

void TestFrmFourier::opensWithTheSquareWaveAndItsSum()
{
    Form *form = fixture.form();
    QCOMPARE(form->Caption(), QStringLiteral("Fourier Analysis"));
    QVERIFY(!form->isMdiChild());
    QCOMPARE(form->size(), QSize(607, 510)); // 9105 x 7650 twips
    // Centred on the screen, having no owner (to a few pixels of frame).
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((form->frameGeometry().center() - centre).manhattanLength() <= 6);
    QCOMPARE(values(), SquareWave);

    // The reference: three periods, light and high first.
    const QImage trace = inside(picShow(0));
    const QImage bars = inside(picShow(1));
    const int high = int(BoxHeight * 0.05 / 15), low = int(BoxHeight * 0.95 / 15);
    for (int period = 0; period < 3; ++period) {
        const int lightColumn = qRound((period + 0.25) * BoxWidth / 3 / 15);
        const int darkColumn = qRound((period + 0.75) * BoxWidth / 3 / 15);
        QCOMPARE(trace.pixel(lightColumn, high), Black);
        QCOMPARE(trace.pixel(lightColumn, low), qRgb(255, 255, 255));
        QCOMPARE(trace.pixel(darkColumn, low), Black);
        QCOMPARE(bars.pixel(lightColumn, 70), grey(225));
        QCOMPARE(bars.pixel(darkColumn, 70), grey(100));
    }

    // The sum: the square wave's partial sum, peaking about 907 twips off
    // the mid-line and running from grey 105 to 220.
    verifySumShown(SquareWave);
    const QImage sum = inside(picShow(2));
    int top = sum.height(), bottom = -1;
    for (int x = 1; x < sum.width(); ++x)
        for (int y = 0; y < sum.height(); ++y)
            if (sum.pixel(x, y) == Black) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    QVERIFY(std::abs(top - (BoxHeight / 2 - 907) / 15) <= 1.5);
    QVERIFY(std::abs(bottom - (BoxHeight / 2 + 907) / 15) <= 1.5);
    const QImage grating = inside(picShow(3));
    int darkest = 255, lightest = 0;
    for (int x = 0; x < grating.width(); ++x) {
        darkest = std::min(darkest, qRed(grating.pixel(x, 50)));
        lightest = std::max(lightest, qRed(grating.pixel(x, 50)));
    }
    QVERIFY2(std::abs(darkest - 105) <= 1 && std::abs(lightest - 220) <= 1,
             qPrintable(QStringLiteral("%1 to %2").arg(darkest).arg(lightest)));
}

void TestFrmFourier::zeroAllGivesFlatTraceAndUniformGrey()
{
    click(QStringLiteral("cmdZeroAll"));
    QCOMPARE(values(), Silent);
    const QImage trace = inside(picShow(2));
    // After the first segment down the left edge, only the mid-line.
    for (int x = 1; x < trace.width(); ++x)
        for (int y = 0; y < trace.height(); ++y)
            QCOMPARE(trace.pixel(x, y), y == MidRow ? Black : qRgb(255, 255, 255));
    QCOMPARE(trace.pixel(0, 10), Black);
    const QImage grating = inside(picShow(3));
    for (int x = 0; x < grating.width(); ++x)
        for (int y : {0, 70, grating.height() - 1})
            QCOMPARE(grating.pixel(x, y), grey(162));
}

void TestFrmFourier::showAloneGivesOneSine()
{
    click(QStringLiteral("smdShow(0)"));
    Amplitudes fundamental = Silent;
    fundamental[0] = 1000;
    QCOMPARE(values(), fundamental);
    verifySumShown(fundamental);

    // Three periods swinging 978.75 twips about the mid-line, and three
    // light and three dark bars from grey 100 to 225.
    const QImage trace = inside(picShow(2));
    const QImage grating = inside(picShow(3));
    const int crest = int((BoxHeight / 2 - 978.75) / 15), trough = int((BoxHeight / 2 + 978.75) / 15);
    for (int period = 0; period < 3; ++period) {
        const int crestColumn = int((period + 0.25) * BoxWidth / 3 / 15);
        const int troughColumn = int((period + 0.75) * BoxWidth / 3 / 15);
        QCOMPARE(trace.pixel(crestColumn, crest), Black);
        QCOMPARE(trace.pixel(troughColumn, trough), Black);
        QCOMPARE(grating.pixel(crestColumn, 20), grey(225));
        QCOMPARE(grating.pixel(troughColumn, 20), grey(100));
    }
    for (int x = 1; x < trace.width(); ++x)
        for (int y = 0; y < trace.height(); ++y)
            if (y < crest || y > trough)
                QCOMPARE(trace.pixel(x, y), qRgb(255, 255, 255));

    // Alone on a harmonic that is at zero: nothing is left at all.
    click(QStringLiteral("smdShow(3)"));
    QCOMPARE(values(), Silent);
    QCOMPARE(inside(picShow(3)).pixel(22, 20), grey(162));
}

void TestFrmFourier::buttonsSetHarmonics_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Amplitudes>("expected");
    // Each starts from the square wave with harmonics 1, 4 and 5 moved.
    Amplitudes start = SquareWave;
    start[0] = 600;
    start[3] = 500;
    start[4] = 7;
    QTest::addRow("Show Alone 1") << "smdShow(0)" << Amplitudes{600};
    Amplitudes alone4 = Silent;
    alone4[3] = 500;
    QTest::addRow("Show Alone 4") << "smdShow(3)" << alone4;
    Amplitudes reset4 = start;
    reset4[3] = 0;
    QTest::addRow("Reset under 4 (even): 0") << "cmdAdd(3)" << reset4;
    Amplitudes reset5 = start;
    reset5[4] = 200;
    QTest::addRow("Reset under 5: 200") << "cmdAdd(4)" << reset5;
    Amplitudes reset1 = start;
    reset1[0] = 1000;
    QTest::addRow("Reset under 1: 1000") << "cmdAdd(0)" << reset1;
    Amplitudes zero1 = start;
    zero1[0] = 0;
    QTest::addRow("Zero 1") << "cmdZero(0)" << zero1;
    Amplitudes zero16 = start;
    QTest::addRow("Zero 16, already 0") << "cmdZero(15)" << zero16;
    QTest::addRow("Zero All") << "cmdZeroAll" << Silent;
    QTest::addRow("Reset All") << "cmdReset" << SquareWave;
}

void TestFrmFourier::buttonsSetHarmonics()
{
    QFETCH(QString, button);
    QFETCH(Amplitudes, expected);
    vscHarmonic(0)->setValue(600);
    vscHarmonic(3)->setValue(500);
    vscHarmonic(4)->setValue(7);
    click(button);
    QCOMPARE(values(), expected);
    verifySumShown(expected);
    for (int i = 0; i < Harmonics; ++i)
        QCOMPARE(vscHarmonic(i)->Tag(), QString());
    // The same button again changes nothing more.
    click(button);
    QCOMPARE(values(), expected);
    verifySumShown(expected);
}

void TestFrmFourier::batchChangesRedrawOnceAtTheEnd_data()
{
    QTest::addColumn<QString>("button");
    QTest::addRow("Show Alone") << "smdShow(2)";
    QTest::addRow("Reset under a harmonic") << "cmdAdd(1)";
    QTest::addRow("Zero All") << "cmdZeroAll";
    QTest::addRow("Reset All") << "cmdReset";
}

void TestFrmFourier::batchChangesRedrawOnceAtTheEnd()
{
    QFETCH(QString, button);
    setValues({100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 50, 60, 70, 80, 90, 2});
    focusOn(button);
    mark(2);
    mark(3);
    // Every change the button makes finds the old drawing still in place.
    int changes = 0;
    QList<int> redrawnAt;
    for (int i = 0; i < Harmonics; ++i) {
        connect(vscHarmonic(i), &ScrollBar::Change, this, [&, i] {
            ++changes;
            if (!marked(2) || !marked(3))
                redrawnAt << i + 1;
        });
    }
    click(button);
    QVERIFY(changes > 0);
    QCOMPARE(redrawnAt, QList<int>());
    QVERIFY(!marked(2));
    QVERIFY(!marked(3));
    verifySumShown(values());
}

void TestFrmFourier::zeroOnAZeroHarmonicRedrawsNothing()
{
    focusOn(QStringLiteral("cmdZero(1)"));
    mark(2);
    mark(3);
    click(QStringLiteral("cmdZero(1)"));
    QCOMPARE(values(), SquareWave);
    QVERIFY(marked(2));
    QVERIFY(marked(3));
    QCOMPARE(inside(picShow(3)).pixel(MarkAt), Red);
    // A harmonic that was not at zero redraws the sum.
    click(QStringLiteral("cmdZero(2)"));
    QCOMPARE(vscHarmonic(2)->Value(), 0);
    QVERIFY(!marked(2));
    QVERIFY(!marked(3));
    Amplitudes expected = SquareWave;
    expected[2] = 0;
    verifySumShown(expected);
}

void TestFrmFourier::referenceIsNeverRedrawn()
{
    mark(0);
    mark(1);
    const QImage trace = inside(picShow(0));
    const QImage bars = inside(picShow(1));
    click(QStringLiteral("cmdZeroAll"));
    click(QStringLiteral("cmdReset"));
    click(QStringLiteral("smdShow(4)"));
    click(QStringLiteral("cmdAdd(6)"));
    click(QStringLiteral("cmdZero(6)"));
    testsupport::dragThumb(vscHarmonic(1), {300, 800});
    vscHarmonic(3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(vscHarmonic(3)->bar(), Qt::Key_Up);
    QTest::keyClick(vscHarmonic(3)->bar(), Qt::Key_Tab);
    QCOMPARE(inside(picShow(0)), trace);
    QCOMPARE(inside(picShow(1)), bars);
    QCOMPARE(inside(picShow(1)).pixel(MarkAt), Red);
}

void TestFrmFourier::dragRedrawsContinuously()
{
    // Harmonic 2 starts at 0; every thumb position shows its sum at once.
    QList<Amplitudes> seen;
    connect(vscHarmonic(1), &ScrollBar::Scroll, this, [&] {
        seen << values();
        verifySumShown(values());
    });
    int changes = 0;
    connect(vscHarmonic(1), &ScrollBar::Change, this, [&] { ++changes; });
    testsupport::dragThumb(vscHarmonic(1), {250, 600, 1000});
    QVERIFY(seen.size() >= 3);
    QCOMPARE(seen.last()[1], 1000);
    QCOMPARE(changes, 1); // on release
    Amplitudes expected = SquareWave;
    expected[1] = 1000;
    QCOMPARE(values(), expected);
    verifySumShown(expected);
}

void TestFrmFourier::keyboardChangesAndLeavingABarRedraw()
{
    QVERIFY(QTest::qWaitForWindowActive(fixture.form()));
    QScrollBar *bar = vscHarmonic(2)->bar();
    bar->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), bar);
    // Down lowers the amplitude by the small change, Page Up raises it by
    // the large one; the sum follows each key.
    Amplitudes expected = SquareWave;
    QTest::keyClick(bar, Qt::Key_Down);
    expected[2] = 331;
    QCOMPARE(values(), expected);
    verifySumShown(expected);
    QTest::keyClick(bar, Qt::Key_PageUp);
    expected[2] = 431;
    QCOMPARE(values(), expected);
    verifySumShown(expected);

    // Leaving the bar (Tab to the next one) redraws the sum as well.
    mark(3);
    QTest::keyClick(bar, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), vscHarmonic(3)->bar());
    QVERIFY(!marked(3));
    verifySumShown(expected);
    // Moving between two buttons does not.
    focusOn(QStringLiteral("cmdReset"));
    mark(3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != button(QStringLiteral("cmdReset"))->button());
    QVERIFY(marked(3));
}

void TestFrmFourier::overdrivenGreyIsClamped()
{
    testsupport::MessageRecorder boxes;
    // The first four harmonics at full amplitude take the grey of the sum
    // far below 0 and above 255.
    for (int i : {1, 3})
        testsupport::dragThumb(vscHarmonic(i), {500, 1000});
    QTest::keyClick(vscHarmonic(2)->bar(), Qt::Key_Home);
    Amplitudes loud = SquareWave;
    for (int i : {1, 2, 3})
        loud[i] = 1000;
    QCOMPARE(values(), loud);
    QVERIFY(boxes.boxes.isEmpty());
    verifySumShown(loud);
    const QImage grating = inside(picShow(3));
    int blacks = 0, whites = 0;
    for (int x = 0; x < grating.width(); ++x) {
        blacks += grating.pixel(x, 30) == grey(0);
        whites += grating.pixel(x, 30) == grey(255);
    }
    QVERIFY(blacks > 0);
    QVERIFY(whites > 0);
    // The trace leaves the box and is clipped; the window goes on working.
    click(QStringLiteral("cmdZeroAll"));
    QCOMPARE(inside(picShow(3)).pixel(40, 30), grey(162));
}

void TestFrmFourier::secondChoiceAndReopening()
{
    const QImage first = testsupport::shownImage(fixture.form());
    click(QStringLiteral("smdShow(0)"));
    const QImage alone = testsupport::shownImage(fixture.form());
    QVERIFY(alone != first);

    // Chosen again while open: in front, as it was.
    testsupport::choose(fixture.main(), QStringLiteral("mnuFourieritem"));
    QVERIFY(testsupport::insideShown(fixture.form()));
    QCOMPARE(values()[0], 1000);
    QCOMPARE(values()[2], 0);
    QCOMPARE(testsupport::shownImage(fixture.form()), alone);

    // Closed and opened again: the square wave's harmonics and drawings.
    fixture.form()->close();
    testsupport::settle();
    QVERIFY(!fixture.form()->isLoaded());
    open();
    QCOMPARE(values(), SquareWave);
    verifySumShown(SquareWave);
    QCOMPARE(inside(picShow(1)).pixel(22, 70), grey(225));
    click(QStringLiteral("cmdZeroAll"));
    QCOMPARE(inside(picShow(3)).pixel(22, 70), grey(162));
}

QTEST_MAIN(TestFrmFourier)
#include "tst_frmfourier.moc"
