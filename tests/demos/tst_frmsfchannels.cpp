// Spatial-frequency channels: the input grating's frequency sets the three
// channels' relative firing rates (bars and tags), with a green marker on
// the channel plot. Adapting cuts channel B to a third and shows where the
// grating appears (red marker) and how it looks (a grating of its own);
// restoring hides that again.

#include "support/testsupport.h"

#include <cmath>

using namespace forms;

namespace {
// The channel plot's outer width and one unit of its axis (single precision
// 301.25 is exact).
constexpr double PlotWidth = 3615;
constexpr double AxisUnit = 301.25;
constexpr double GratingWidth = 3615;
constexpr double BarBase = 6040;

const QRgb Green = qRgb(0, 255, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Magenta = qRgb(255, 0, 255);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb LightGrey = qRgb(225, 225, 225);
const QRgb Black = qRgb(0, 0, 0);

// The grey of a full-contrast grating at a pixel column of its box's
// inside: lines every 10 twips, a column (15 twips) shows the last one.
int gratingGrey(double cycles, int column)
{
    const double x = 15.0 * column + (column % 2 ? 5 : 10);
    return CInt(62.5 * std::sin(6.2831853 / GratingWidth * (x * cycles)) + 162.5);
}

// The inside of a box as the user sees it.
QImage inside(PictureBox *box)
{
    const QImage shot = box->grab().toImage();
    const QPoint o = box->clientOrigin();
    return shot.copy(QRect(o, box->size() - QSize(2 * o.x(), 2 * o.y())));
}

bool contains(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

using Rates = std::array<int, 3>;
} // namespace

Q_DECLARE_METATYPE(Rates)

class TestFrmSFChannels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensUnadaptedWithOneCycle();
    void ratesAndApparentFrequency_data();
    void ratesAndApparentFrequency();
    void adaptAndRestore();
    void dragWhileAdaptedRedrawsTheAdaptedGrating();
    void keysMoveTheInput();
    void reopeningStartsUnadapted();

private:
    void open() { fixture.open(QStringLiteral("mnuChannelsItem"), QStringLiteral("frmSFChannels")); }
    PictureBox *box(const QString &name) const { return fixture.control<PictureBox>(name); }
    ScrollBar *hscSF() const { return fixture.control<ScrollBar>(QStringLiteral("hscSF")); }
    CommandButton *cmdAdapt() const { return fixture.control<CommandButton>(QStringLiteral("cmdAdapt")); }
    void clickAdapt() { QTest::mouseClick(cmdAdapt()->button(), Qt::LeftButton); }
    void verifyRates(const Rates &rates);
    void verifyGrating(const QString &name, double cycles, int tolerance = 0);
    void verifyAdaptedControls(bool shown);
    void verifyInputMarker(int v);

    testsupport::WindowFixture fixture;
};

void TestFrmSFChannels::init()
{
    fixture.start();
    open();
}

void TestFrmSFChannels::cleanup()
{
    fixture.finish();
}

// The three tags, the bars' heights as set and as seen, and where they
// stand on their base line.
void TestFrmSFChannels::verifyRates(const Rates &rates)
{
    const QImage seen = testsupport::shownImage(fixture.form());
    const char *names[] = {"picAact", "picBact", "picCact"};
    for (int i = 0; i < 3; ++i) {
        PictureBox *bar = box(QString::fromLatin1(names[i]));
        QCOMPARE(bar->Tag(), QString::number(rates[i]));
        QCOMPARE(bar->Height(), double(rates[i]));
        // Within half a twip of the base: B and C stand on their unrounded rate.
        QVERIFY2(std::abs(bar->Top() + bar->Height() - BarBase) < 0.5, names[i]);
        const int column = int((bar->Left() + 67) / 15);
        const QRgb background = seen.pixel(column, int(BarBase / 15) + 3);
        int shown = 0;
        for (int y = qRound(BarBase / 15) - 1; y >= 0 && seen.pixel(column, y) != background; --y)
            ++shown;
        QVERIFY2(std::abs(shown - rates[i] / 15.0) <= 1,
                 qPrintable(QStringLiteral("%1 shows %2 pixels").arg(names[i]).arg(shown)));
    }
}

void TestFrmSFChannels::verifyGrating(const QString &name, double cycles, int tolerance)
{
    const QImage seen = inside(box(name));
    for (int column = 1; column < seen.width(); column += 4) {
        const int expected = gratingGrey(cycles, column);
        const int shown = qRed(seen.pixel(column, 60));
        QVERIFY2(std::abs(shown - expected) <= tolerance,
                 qPrintable(QStringLiteral("%1 column %2: %3, not %4").arg(name).arg(column).arg(shown).arg(expected)));
        QCOMPARE(seen.pixel(column, 60), qRgb(shown, shown, shown));
    }
}

void TestFrmSFChannels::verifyAdaptedControls(bool shown)
{
    for (const char *name : {"lblUnadapt", "picAdapt", "lblAdapt", "lblAdaptSF", "lblAdaptedSF"})
        QCOMPARE(fixture.control<Control>(QString::fromLatin1(name))->Visible(), shown);
    QCOMPARE(cmdAdapt()->Caption(), shown ? QStringLiteral("Restore") : QStringLiteral("Adapt"));
    QCOMPARE(fixture.control<Label>(QStringLiteral("lblInput"))->Caption(),
             shown ? QStringLiteral("Input Grating Spatial Frequency") : QStringLiteral("Grating Spatial Frequency"));
    // On screen: the adapted grating's place shows a grating or the window.
    const QImage seen = testsupport::shownImage(fixture.form());
    const QRgb middle = seen.pixel((4320 + 1800) / 15, (3480 + 1200) / 15);
    const QRgb window = seen.pixel(5, 425);
    QCOMPARE(middle != window, shown);
    QCOMPARE(qRed(middle) == qGreen(middle) && qGreen(middle) == qBlue(middle), true);
}

// The green input marker, where it falls inside the plot.
void TestFrmSFChannels::verifyInputMarker(int v)
{
    const QImage plot = inside(box(QStringLiteral("picChannels")));
    const int column = int(AxisUnit * (v - 1) / 10 / 15);
    if (column >= plot.width())
        return;
    for (int y : {3, 100, 200})
        QCOMPARE(plot.pixel(column, y), Green);
}

void TestFrmSFChannels::opensUnadaptedWithOneCycle()
{
    Form *form = fixture.form();
    QCOMPARE(form->Caption(), QStringLiteral("Spatial Frequency Channels"));
    QVERIFY(!form->isMdiChild());
    QCOMPARE(form->size(), QSize(533, 430)); // 7995 x 6450 twips
    QCOMPARE(hscSF()->Value(), 1);
    // Exactly one cycle, though the bar stands at 1.
    verifyGrating(QStringLiteral("picGrating"), 1);
    verifyRates({1000, 6, 0});
    verifyAdaptedControls(false);
    verifyInputMarker(1);
    const QImage plot = inside(box(QStringLiteral("picChannels")));
    for (QRgb curve : {qRgb(255, 128, 0), qRgb(0, 128, 128), Black})
        QVERIFY(contains(plot, curve));
    QVERIFY(!contains(plot, Blue));
}

void TestFrmSFChannels::ratesAndApparentFrequency_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<Rates>("unadapted");
    QTest::addColumn<Rates>("adapted");
    QTest::addColumn<double>("apparent");
    QTest::addRow("1: far below") << 1 << Rates{1000, 6, 0} << Rates{1000, 2, 0} << -0.87;
    QTest::addRow("41: below") << 41 << Rates{1000, 599, 9} << Rates{1000, 200, 9} << 3.06;
    QTest::addRow("60: just below") << 60 << Rates{180, 1000, 131} << Rates{540, 1000, 394} << 4.96;
    QTest::addRow("61: the adapting frequency") << 61 << Rates{160, 1000, 148} << Rates{480, 1000, 443} << 6.0;
    QTest::addRow("62: just above") << 62 << Rates{142, 1000, 166} << Rates{427, 1000, 498} << 7.04;
    QTest::addRow("71: above") << 71 << Rates{50, 1000, 477} << Rates{104, 699, 1000} << 7.94;
    QTest::addRow("120: far above") << 120 << Rates{0, 7, 1000} << Rates{0, 2, 1000} << 12.94;
}

void TestFrmSFChannels::ratesAndApparentFrequency()
{
    QFETCH(int, v);
    QFETCH(Rates, unadapted);
    QFETCH(Rates, adapted);
    QFETCH(double, apparent);
    if (v != 1)
        hscSF()->setValue(v);
    const double inputCycles = v == 1 ? 1 : std::pow(2.0, v / 20.0);
    verifyRates(unadapted);
    verifyGrating(QStringLiteral("picGrating"), inputCycles);
    verifyInputMarker(v);

    clickAdapt();
    verifyAdaptedControls(true);
    verifyRates(adapted);
    verifyGrating(QStringLiteral("picGrating"), inputCycles);
    // The apparent frequency's grating, and its red marker where it falls
    // inside the plot (not beyond the left edge, nor held at the outer right
    // edge, which the border hides).
    verifyGrating(QStringLiteral("picAdapt"), std::pow(2.0, apparent / 2 + 0.25), 1);
    const QImage plot = inside(box(QStringLiteral("picChannels")));
    const double x = std::min(PlotWidth * apparent / 12, PlotWidth) / 15;
    if (x < 0 || x >= plot.width()) {
        QVERIFY(!contains(plot, Red));
    } else if (v != 61) {
        QCOMPARE(plot.pixel(int(x), 100), Red);
        QVERIFY(plot.pixel(int(x) - 2, 100) != Red);
        QVERIFY(plot.pixel(int(x) + 2, 100) != Red);
    }
    // The adapting frequency in magenta, drawn last, in the middle.
    for (int y : {3, 100, 200})
        QCOMPARE(plot.pixel(int(PlotWidth / 2 / 15), y), Magenta);
    // B's own curve faded, its adapted curve in blue.
    QVERIFY(contains(plot, LightGrey));
    QVERIFY(contains(plot, Blue));
    QVERIFY(!contains(plot, Black));
    if (v != 61)
        verifyInputMarker(v);
}

void TestFrmSFChannels::adaptAndRestore()
{
    hscSF()->setValue(41);
    const QImage unadaptedPlot = inside(box(QStringLiteral("picChannels")));
    const QImage unadaptedWindow = testsupport::shownImage(fixture.form());
    clickAdapt();
    verifyAdaptedControls(true);
    const QImage adaptedGrating = box(QStringLiteral("picAdapt"))->image();

    clickAdapt();
    verifyAdaptedControls(false);
    verifyRates({1000, 599, 9});
    QCOMPARE(inside(box(QStringLiteral("picChannels"))), unadaptedPlot);
    QCOMPARE(testsupport::shownImage(fixture.form()), unadaptedWindow);
    // The hidden box keeps its last grating, and is not redrawn while hidden.
    hscSF()->setValue(90);
    QCOMPARE(box(QStringLiteral("picAdapt"))->image(), adaptedGrating);

    // Adapted again at the new input: the adapted grating follows it.
    clickAdapt();
    verifyAdaptedControls(true);
    QVERIFY(box(QStringLiteral("picAdapt"))->image() != adaptedGrating);
}

void TestFrmSFChannels::dragWhileAdaptedRedrawsTheAdaptedGrating()
{
    clickAdapt();
    // Every thumb position recomputes the rates and the apparent frequency.
    QList<int> seen;
    QImage last = box(QStringLiteral("picAdapt"))->image();
    int unchanged = 0;
    connect(hscSF(), &ScrollBar::Scroll, this, [&] {
        seen << hscSF()->Value();
        const QImage now = box(QStringLiteral("picAdapt"))->image();
        unchanged += now == last;
        last = now;
    });
    testsupport::dragThumb(hscSF(), {30, 90, 71});
    QVERIFY(seen.size() >= 3);
    QCOMPARE(unchanged, 0);
    QCOMPARE(hscSF()->Value(), 71);
    verifyRates({104, 699, 1000});
    verifyGrating(QStringLiteral("picAdapt"), std::pow(2.0, 7.94 / 2 + 0.25), 1);
}

void TestFrmSFChannels::keysMoveTheInput()
{
    QScrollBar *bar = hscSF()->bar();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(hscSF()->Value(), 2);
    verifyGrating(QStringLiteral("picGrating"), std::pow(2.0, 0.1));
    verifyInputMarker(2);
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(hscSF()->Value(), 12);
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(hscSF()->Value(), 120);
    verifyRates({0, 7, 1000});
    verifyGrating(QStringLiteral("picGrating"), std::pow(2.0, 6.0));
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(hscSF()->Value(), 119);
    verifyInputMarker(119);
}

void TestFrmSFChannels::reopeningStartsUnadapted()
{
    hscSF()->setValue(71);
    clickAdapt();
    const QImage adapted = testsupport::shownImage(fixture.form());

    // Chosen again while open: in front, unchanged.
    testsupport::choose(fixture.main(), QStringLiteral("mnuChannelsItem"));
    QVERIFY(testsupport::insideShown(fixture.form()));
    QCOMPARE(testsupport::shownImage(fixture.form()), adapted);

    fixture.form()->close();
    testsupport::settle();
    QVERIFY(!fixture.form()->isLoaded());
    open();
    QCOMPARE(hscSF()->Value(), 1);
    verifyAdaptedControls(false);
    verifyRates({1000, 6, 0});
    verifyGrating(QStringLiteral("picGrating"), 1);
}

QTEST_MAIN(TestFrmSFChannels)
#include "tst_frmsfchannels.moc"
