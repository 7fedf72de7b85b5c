// Normal curves and tail percentages, checked against the recording
// surface: the polyline must follow the density exactly, the hatching must
// cover the right range in the right colour without touching ForeColor,
// and the tail percentages must be those of the standard normal.

#include "forms/numbers.h"
#include "support/recordingsurface.h"
#include "plotting/moddrawnormal.h"

#include <QElapsedTimer>
#include <QtTest>
#include <cmath>

using namespace forms;
using namespace modDrawNormal;
using Kind = RecordingSurface::Kind;

namespace {
// The curve's y at x, from the normal density itself.
double curveY(double x, double W, double H, double mean, double sd, double scale = 1)
{
    const double M = mean * W / 12, S = sd * W / 12;
    const double u = (x - M) / S;
    return H - 1500 * scale * H * std::exp(-u * u / 2) / (std::sqrt(2 * M_PI) * S);
}
} // namespace

class TestModDrawNormal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tailTableMatchesTheNormalDistribution();
    void tailPercent_data();
    void tailPercent();
    void normalCurve_data();
    void normalCurve();
    void scaledNormal();
    void shading_data();
    void shading();
    void shadingFarOffThePlotIsQuick();
    void normalDensity_data();
    void normalDensity();
    void noCurveWithoutSpread();
};

void TestModDrawNormal::initTestCase()
{
    for (qint16 v : TailPercentTable)
        QCOMPARE(v, qint16(0)); // empty until filled
    FillTailTable();
}

void TestModDrawNormal::tailTableMatchesTheNormalDistribution()
{
    for (int k = 0; k <= 60; ++k) {
        const double above = 50 * std::erfc(k / 20.0 / std::sqrt(2.0));
        QCOMPARE(TailPercentTable[k], qint16(std::lround(above)));
    }
}

void TestModDrawNormal::tailPercent_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("percent");
    QTest::newRow("above 0.5") << 0.5 << true << 31;
    QTest::newRow("above -0.5") << -0.5 << true << 69;
    QTest::newRow("below -0.5") << -0.5 << false << 31;
    QTest::newRow("below 0.5") << 0.5 << false << 69;
    QTest::newRow("0.02 rounds to the middle, above") << 0.02 << true << 50;
    QTest::newRow("0.02 rounds to the middle, below") << 0.02 << false << 50;
    QTest::newRow("tie 0.5 steps goes to even 0") << 0.025 << true << 50;
    QTest::newRow("tie 1.5 steps goes to even 2") << 0.075 << true << 46;
    QTest::newRow("above 5") << 5.0 << true << 0;
    QTest::newRow("above -5") << -5.0 << true << 100;
    QTest::newRow("below -2.6") << -2.6 << false << 0;
    QTest::newRow("below 2.6") << 2.6 << false << 100;
    // Far beyond the table, where a plain 16-bit conversion would overflow.
    QTest::newRow("above 9999") << 9999.0 << true << 0;
    QTest::newRow("below -1e300") << -1e300 << false << 0;
    QTest::newRow("above -1e300") << -1e300 << true << 100;
}

void TestModDrawNormal::tailPercent()
{
    QFETCH(double, z);
    QFETCH(bool, upper);
    QFETCH(int, percent);
    QCOMPARE(int(TailPercent(z, upper)), percent);
    if (z != 0) // the two tails always make up the whole
        QCOMPARE(TailPercent(z, upper) + TailPercent(z, !upper), 100);
}

void TestModDrawNormal::normalCurve_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("sd");
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("lastX");
    QTest::addColumn<double>("peakX");
    QTest::addColumn<double>("peakY");

    // The signal-detection plot: the peak vertex is the multiple of 30
    // nearest 1664.6, about 0.9 of the height up.
    QTest::newRow("noise curve") << 7990.0 << 2990.0 << 2.5 << 1.0 << 267 << 7980.0 << 1650.0 << 303.401;
    QTest::newRow("signal plus noise, d' 1") << 7990.0 << 2990.0 << 3.5 << 1.0 << 267 << 7980.0 << 2340.0 << 303.035;
    // Twice the spread, half the height; the mean on a vertex.
    QTest::newRow("sd 2, width a multiple of 30") << 6000.0 << 3000.0 << 6.0 << 2.0 << 201 << 6000.0 << 3000.0 << 1204.760;
    QTest::newRow("mean beyond the right edge") << 3000.0 << 1000.0 << 14.0 << 1.0 << 101 << 3000.0 << 3000.0 << 676.054;
}

void TestModDrawNormal::normalCurve()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, mean);
    QFETCH(double, sd);
    QFETCH(int, segments);
    QFETCH(double, lastX);
    QFETCH(double, peakX);
    QFETCH(double, peakY);

    RecordingSurface s(width, height);
    s.setInnerSize(width - 60, height - 60); // the outer size sets the plot, not the inner
    s.setDrawWidth(2);
    DrawNormalCurve(mean, sd, s, 0, 255, 255);
    QCOMPARE(s.ForeColor(), RGB(0, 255, 255)); // the colour stays set

    const auto all = s.primitives();
    QCOMPARE(all.size(), segments + 1);
    QCOMPARE(all[0].kind, Kind::Point);
    QCOMPARE(all[0].from.x(), 0.0);
    const auto lines = s.primitives(Kind::Line);
    QCOMPARE(lines.size(), segments);
    QCOMPARE(lines.first().from, all[0].from); // from the first point, which it repeats
    QCOMPARE(lines.first().to, all[0].from);
    QCOMPARE(lines.last().to.x(), lastX);
    QPointF peak(0, height);
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF p = lines[i].to;
        QCOMPARE(p.x(), 30.0 * i);
        if (i)
            QCOMPARE(lines[i].from, lines[i - 1].to);
        QVERIFY(std::abs(p.y() - curveY(p.x(), width, height, mean, sd)) < 1e-3);
        QCOMPARE(lines[i].color, RGB(0, 255, 255));
        QCOMPARE(lines[i].width, 2);
        if (p.y() < peak.y())
            peak = p;
    }
    QCOMPARE(peak.x(), peakX);
    QVERIFY2(std::abs(peak.y() - peakY) < 1e-3, qPrintable(QString::number(peak.y(), 'f', 4)));
}

void TestModDrawNormal::scaledNormal()
{
    RecordingSurface full(7990, 2990), half(7990, 2990);
    full.setForeColor(0x00FF00);
    half.setForeColor(0x00FF00);
    DrawScaledNormal(4, 1.5, full, 1);
    DrawScaledNormal(4, 1.5, half, 0.5);
    QCOMPARE(half.ForeColor(), OleColor(0x00FF00)); // drawn in the colour it found
    const auto a = full.primitives(Kind::Line), b = half.primitives(Kind::Line);
    QCOMPARE(b.size(), 267);
    QCOMPARE(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i) {
        QCOMPARE(b[i].to.x(), a[i].to.x());
        QCOMPARE(b[i].color, OleColor(0x00FF00));
        // Half as high above the baseline; W/12 in single precision moves
        // the curve by less than a thousandth of a twip.
        QVERIFY(std::abs((2990 - b[i].to.y()) * 2 - (2990 - a[i].to.y())) < 1e-9);
        QVERIFY(std::abs(a[i].to.y() - curveY(a[i].to.x(), 7990, 2990, 4, 1.5)) < 1e-3);
    }
}

void TestModDrawNormal::shading_data()
{
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("criterion");
    QTest::addColumn<bool>("rightSide");
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("firstX");
    QTest::addColumn<double>("lastX");

    // On the 7990 x 2990 signal-detection plot; x = 7990 c / 12.
    QTest::newRow("hits right of 3.05") << 3.5 << 3.05 << true << 60 << 2030.7917 << 7930.7917;
    QTest::newRow("false alarms right of 3.12") << 2.5 << 3.12 << true << 60 << 2077.4 << 7977.4;
    QTest::newRow("misses left of 2.95") << 3.5 << 2.95 << false << 20 << 1964.2083 << 64.2083;
    QTest::newRow("criterion on the right edge") << 2.5 << 12.0 << true << 1 << 7990.0 << 7990.0;
    QTest::newRow("criterion at 0, left") << 2.5 << 0.0 << false << 1 << 0.0 << 0.0;
    QTest::newRow("right of 13: nothing") << 2.5 << 13.0 << true << 0 << 0.0 << 0.0;
    QTest::newRow("left of -1: nothing") << 2.5 << -1.0 << false << 0 << 0.0 << 0.0;
    // Lines off the left edge cannot show: the first drawn is on the same
    // grid, within a step of the edge.
    QTest::newRow("right of -1") << 2.5 << -1.0 << true << 81 << -65.8333 << 7934.1667;
    QTest::newRow("left of 14") << 2.5 << 14.0 << false << 81 << 8021.6667 << 21.6667;
}

void TestModDrawNormal::shading()
{
    QFETCH(double, mean);
    QFETCH(double, criterion);
    QFETCH(bool, rightSide);
    QFETCH(int, lines);
    QFETCH(double, firstX);
    QFETCH(double, lastX);

    constexpr double W = 7990, H = 2990;
    RecordingSurface s(W, H);
    s.setForeColor(0x123456);
    s.setDrawWidth(2);
    const double given = criterion;
    ShadeNormalTail(mean, 1, criterion, rightSide, s, 0, 128, 255);
    QCOMPARE(criterion, W * given / 12); // written back as the x position
    QCOMPARE(s.ForeColor(), OleColor(0x123456));

    const auto hatch = s.primitives();
    QCOMPARE(hatch.size(), lines);
    if (!lines)
        return;
    QVERIFY(std::abs(hatch.first().from.x() - firstX) < 1e-3);
    QVERIFY(std::abs(hatch.last().from.x() - lastX) < 1e-3);
    for (int i = 0; i < hatch.size(); ++i) {
        const auto &l = hatch[i];
        QCOMPARE(l.kind, Kind::Line);
        QCOMPARE(l.color, RGB(0, 128, 255));
        QCOMPARE(l.width, 2);
        QCOMPARE(l.to.x(), l.from.x()); // vertical
        QCOMPARE(l.to.y(), H);          // down to the baseline
        QVERIFY(std::abs(l.from.y() - (curveY(l.from.x(), W, H, mean, 1) + 20)) < 1e-3);
        QVERIFY(std::abs(l.from.x() - (hatch.first().from.x() + (rightSide ? 100 : -100) * i)) < 1e-6);
    }
}

void TestModDrawNormal::shadingFarOffThePlotIsQuick()
{
    for (double criterion : {-9e99, 9e99, -1e15, 1e15, 1e308, -1e308}) {
        for (bool rightSide : {true, false}) {
            RecordingSurface s(7990, 2990);
            double c = criterion;
            QElapsedTimer clock;
            clock.start();
            ShadeNormalTail(2.5, 1, c, rightSide, s, 255, 0, 0);
            QVERIFY(clock.elapsed() < 100);
            for (const auto &l : s.primitives())
                QVERIFY(l.from.x() >= -100 && l.from.x() <= 8090);
            // A criterion past the side being hatched leaves nothing to draw.
            if ((criterion > 0) == rightSide)
                QCOMPARE(s.primitives().size(), 0);
            else
                QVERIFY(s.primitives().size() >= 80);
        }
    }
}

void TestModDrawNormal::normalDensity_data()
{
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("sd");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("density");
    QTest::newRow("peak of the standard normal") << 0.0 << 1.0 << 0.0 << 0.3989422804;
    QTest::newRow("one sd out") << 2.5 << 1.0 << 3.5 << 0.2419707245;
    QTest::newRow("sd 2 halves the peak") << 5.0 << 2.0 << 5.0 << 0.1994711402;
    QTest::newRow("two sd below, sd 0.5") << 1.0 << 0.5 << 0.0 << 0.1079819330;
    QTest::newRow("far tail underflows to 0") << 0.0 << 1.0 << 40.0 << 0.0;
}

void TestModDrawNormal::normalDensity()
{
    QFETCH(double, mean);
    QFETCH(double, sd);
    QFETCH(double, x);
    QFETCH(double, density);
    QVERIFY(std::abs(NormalDensity(mean, sd, x) - density) < 1e-9);
}

void TestModDrawNormal::noCurveWithoutSpread()
{
    RecordingSurface s(7990, 2990);
    for (double sd : {0.0, -1.0}) {
        DrawNormalCurve(2.5, sd, s, 255, 0, 0);
        DrawScaledNormal(2.5, sd, s, 1);
        double c = 3;
        ShadeNormalTail(2.5, sd, c, true, s, 255, 0, 0);
        QCOMPARE(c, 7990 * 3 / 12.0);
        QCOMPARE(NormalDensity(2.5, sd, 2.5), 0.0);
    }
    QVERIFY(s.primitives().isEmpty());
}

QTEST_MAIN(TestModDrawNormal)
#include "tst_moddrawnormal.moc"
