// The contrast-sensitivity chart: a stored picture shown unscaled at the
// top left of a white window. On screen, its grating rises in frequency
// from left to right and in contrast from top to bottom, inside a black
// frame on a light-grey margin.

#include "support/testsupport.h"

using namespace forms;

namespace {
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb LightGrey = 0xFFC0C0C0;
const QRect ChartFrame(QPoint(8, 8), QPoint(476, 376));
const QSize ChartSize(485, 386);

int grey(QRgb p) { return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) ? qRed(p) : -1; }

// Widths of the runs lighter and darker than the mean along row y of the
// grating, left to right; the last, cut-off run is left out.
QList<int> barWidths(const QImage &shown, int y)
{
    QList<int> widths;
    int start = ChartFrame.left() + 1;
    bool light = grey(shown.pixel(start, y)) > 162;
    for (int x = start + 1; x < ChartFrame.right(); ++x) {
        const bool l = grey(shown.pixel(x, y)) > 162;
        if (l != light) {
            widths << x - start;
            start = x;
            light = l;
        }
    }
    return widths;
}
} // namespace

class TestFrmCSF : public QObject
{
    Q_OBJECT

private slots:
    void init() { fixture.start(); }
    void cleanup() { fixture.finish(); }

    void opensShowingTheStoredChart();
    void chartRisesInFrequencyAndContrast();
    void aLargerWindowShowsWhiteBeyondTheChart();

private:
    void open() { fixture.open(QStringLiteral("mnuContrastItem"), QStringLiteral("frmCSF")); }
    QImage shown() const { return testsupport::shownImage(fixture.form()).convertToFormat(QImage::Format_RGB32); }
    testsupport::WindowFixture fixture;
};

void TestFrmCSF::opensShowingTheStoredChart()
{
    for (int opening = 0; opening < 2; ++opening) {
        open();
        Form *form = fixture.form();
        QCOMPARE(form->Caption(), QStringLiteral("Constrast Sensitivity Function"));
        QVERIFY(!form->isMdiChild());
        QCOMPARE(form->size(), QSize(486, 378)); // 7290 x 5670 twips
        QVERIFY(form->findChildren<Control *>().isEmpty());
        QCOMPARE(form->BackColor(), OleColor(0xFFFFFF));

        const QImage chart = form->Picture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(chart.size(), ChartSize);
        // Unscaled at the top left: the part that fits the window is the
        // chart pixel for pixel; the column beside it is the white window.
        const QImage seen = shown();
        QCOMPARE(seen.size(), QSize(486, 378));
        QCOMPARE(seen.copy(0, 0, 485, 378), chart.copy(0, 0, 485, 378));
        for (int y = 0; y < seen.height(); ++y)
            QCOMPARE(seen.pixel(485, y), White);

        form->close();
        testsupport::settle();
        QVERIFY(!form->isLoaded());
    }
}

void TestFrmCSF::chartRisesInFrequencyAndContrast()
{
    open();
    const QImage seen = shown();

    // Light-grey margin, black frame.
    for (const QPoint p : {QPoint(0, 0), QPoint(7, 7), QPoint(484, 0), QPoint(477, 377), QPoint(0, 377)})
        QCOMPARE(seen.pixel(p), LightGrey);
    for (int x = ChartFrame.left(); x <= ChartFrame.right(); ++x) {
        QCOMPARE(seen.pixel(x, ChartFrame.top()), Black);
        QCOMPARE(seen.pixel(x, ChartFrame.bottom()), Black);
    }
    for (int y = ChartFrame.top(); y <= ChartFrame.bottom(); ++y) {
        QCOMPARE(seen.pixel(ChartFrame.left(), y), Black);
        QCOMPARE(seen.pixel(ChartFrame.right(), y), Black);
    }

    // Contrast: nothing but the mean grey at the top, about 12 levels either
    // side of it at the bottom, growing all the way down.
    int lastSpread = -1;
    for (int y = ChartFrame.top() + 1; y < ChartFrame.bottom(); ++y) {
        int lo = 255, hi = 0;
        for (int x = ChartFrame.left() + 1; x < ChartFrame.right(); ++x) {
            const int g = grey(seen.pixel(x, y));
            QVERIFY2(g >= 0, qPrintable(QStringLiteral("(%1, %2) is not grey").arg(x).arg(y)));
            lo = std::min(lo, g);
            hi = std::max(hi, g);
        }
        if (y == ChartFrame.top() + 1) {
            QVERIFY(lo >= 162 && hi <= 163);
        }
        if (y == ChartFrame.bottom() - 1) {
            QVERIFY2(lo >= 150 && lo <= 151 && hi >= 174 && hi <= 175, qPrintable(QStringLiteral("%1 to %2").arg(lo).arg(hi)));
        }
        QVERIFY(hi - lo >= lastSpread);
        lastSpread = hi - lo;
    }

    // Frequency: bars about a hundred pixels wide at the left, four to five
    // at the right, never wider than the bar before them.
    const QList<int> bars = barWidths(seen, ChartFrame.bottom() - 1);
    QVERIFY2(bars.first() >= 90 && bars.first() <= 100, qPrintable(QString::number(bars.first())));
    QVERIFY2(bars.last() >= 4 && bars.last() <= 5, qPrintable(QString::number(bars.last())));
    for (int i = 1; i < bars.size(); ++i)
        QVERIFY2(bars[i] <= bars[i - 1] + 1, qPrintable(QStringLiteral("bar %1").arg(i)));
}

void TestFrmCSF::aLargerWindowShowsWhiteBeyondTheChart()
{
    open();
    const QImage before = shown();
    fixture.form()->resize(600, 500);
    const QImage seen = shown();
    QCOMPARE(seen.size(), QSize(600, 500));
    QCOMPARE(seen.copy(0, 0, 485, 378), before.copy(0, 0, 485, 378));
    QCOMPARE(seen.pixel(599, 499), White);
    QCOMPARE(seen.pixel(300, 450), White); // below the chart
    QCOMPARE(seen.pixel(8, 376), Black);   // the frame's corner, whole now
    QCOMPARE(seen.pixel(484, 385), LightGrey);
}

QTEST_MAIN(TestFrmCSF)
#include "tst_frmcsf.moc"
