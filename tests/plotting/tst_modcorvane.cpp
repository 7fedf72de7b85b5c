// The sine-wave grating: vertical lines 10 twips apart, cleared first,
// whose greys follow the sine with the mean at the left edge, lighter
// first, and the extremes where the cycle count puts them.

#include "support/recordingsurface.h"
#include "plotting/modcorvane.h"

#include <QtTest>
#include <cmath>

using namespace forms;
using Kind = RecordingSurface::Kind;

namespace {
int greyOf(OleColor c)
{
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return (r == g && g == b) ? r : -1;
}
} // namespace

class TestModCorvane : public QObject
{
    Q_OBJECT

private slots:
    void grating_data();
    void grating();
    void drawingTwiceGivesTheSamePicture();
};

void TestModCorvane::grating_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("cycles");
    QTest::addColumn<double>("contrast");
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("lastX");
    QTest::addColumn<int>("lightest");
    // The middle of the run of lines of the lightest (darkest) grey in the
    // first period.
    QTest::addColumn<double>("lightestX");
    QTest::addColumn<int>("darkest");
    QTest::addColumn<double>("darkestX");

    QTest::newRow("contrast 0 is uniform grey 162") << 3000.0 << 1.0 << 0.0 << 301 << 3000.0 << 162 << 1500.0 << 162 << 1500.0;
    QTest::newRow("full contrast, one cycle") << 4000.0 << 1.0 << 1.0 << 401 << 4000.0 << 225 << 1000.0 << 100 << 3000.0;
    QTest::newRow("width not a multiple of 10") << 4005.0 << 1.0 << 1.0 << 401 << 4000.0 << 225 << 1000.0 << 100 << 3000.0;
    QTest::newRow("half contrast, three cycles") << 6000.0 << 3.0 << 0.5 << 601 << 6000.0 << 194 << 500.0 << 131 << 1500.0;
}

void TestModCorvane::grating()
{
    QFETCH(double, width);
    QFETCH(double, cycles);
    QFETCH(double, contrast);
    QFETCH(int, lines);
    QFETCH(double, lastX);
    QFETCH(int, lightest);
    QFETCH(double, lightestX);
    QFETCH(int, darkest);
    QFETCH(double, darkestX);

    constexpr double H = 2500;
    RecordingSurface s(width, H);
    s.setDrawWidth(3);
    modCorvane::DrawGrating(s, cycles, contrast);

    const auto all = s.primitives();
    QCOMPARE(all.first().kind, Kind::Clear);
    const auto drawn = s.primitives(Kind::Line);
    QCOMPARE(drawn.size(), lines);
    QCOMPARE(all.size(), lines + 1);
    QCOMPARE(drawn.last().from.x(), lastX);
    QCOMPARE(s.DrawWidth(), 3);
    QCOMPARE(s.ForeColor(), drawn.last().color); // left at the last grey

    int light = -1, dark = 256;
    double lightFrom = -1, lightTo = -1, darkFrom = -1, darkTo = -1;
    for (int i = 0; i < drawn.size(); ++i) {
        const auto &l = drawn[i];
        QCOMPARE(l.from, QPointF(10.0 * i, 0));
        QCOMPARE(l.to, QPointF(10.0 * i, H));
        QCOMPARE(l.width, 3);
        const int g = greyOf(l.color);
        const double ideal = 162.5 + 62.5 * contrast * std::sin(2 * M_PI * cycles * l.from.x() / width);
        QVERIFY2(std::abs(g - ideal) <= 0.5 + 1e-6, qPrintable(QStringLiteral("x %1: grey %2, ideal %3").arg(l.from.x()).arg(g).arg(ideal)));
        if (g > light) {
            light = g;
            lightFrom = l.from.x();
        }
        if (g == light && l.from.x() < width / cycles)
            lightTo = l.from.x();
        if (g < dark) {
            dark = g;
            darkFrom = l.from.x();
        }
        if (g == dark && l.from.x() < width / cycles)
            darkTo = l.from.x();
    }
    QCOMPARE(greyOf(drawn[0].color), 162); // the mean 162.5 rounds to even
    if (contrast > 0)
        QVERIFY(greyOf(drawn[1].color) > 162); // lighter first
    QCOMPARE(light, lightest);
    QVERIFY(std::abs((lightFrom + lightTo) / 2 - lightestX) <= 10);
    QCOMPARE(dark, darkest);
    QVERIFY(std::abs((darkFrom + darkTo) / 2 - darkestX) <= 10);
}

void TestModCorvane::drawingTwiceGivesTheSamePicture()
{
    RecordingSurface s(2000, 1000);
    modCorvane::DrawGrating(s, 4, 0.8);
    const auto first = s.primitives();
    modCorvane::DrawGrating(s, 4, 0.8);
    const auto all = s.primitives();
    QCOMPARE(all.size(), 2 * first.size());
    QCOMPARE(all[first.size()].kind, Kind::Clear); // what was there is cleared away
    for (int i = 0; i < first.size(); ++i) {
        QCOMPARE(all[first.size() + i].from, first[i].from);
        QCOMPARE(all[first.size() + i].color, first[i].color);
    }
}

QTEST_MAIN(TestModCorvane)
#include "tst_modcorvane.moc"
