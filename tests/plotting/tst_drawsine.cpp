// The light wave of the Basics of Light window: a sine curve whose vertices
// must sit exactly where the wave is, with its peaks where the cycle count
// puts them, drawn 2 pixels wide without clearing what is already there.

#include "support/recordingsurface.h"
#include "plotting/drawsine.h"

#include <QtTest>
#include <cmath>

using namespace forms;
using Kind = RecordingSurface::Kind;

class TestDrawSine : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void drawsOverWhatIsThere();
};

void TestDrawSine::geometry_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("cycles");
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("lastX");
    // Within the first period: the vertices of largest and smallest y (the
    // wave bulges downward first).
    QTest::addColumn<double>("peakX");
    QTest::addColumn<double>("troughX");

    QTest::newRow("one cycle, width a multiple of 10") << 6000.0 << 2750.0 << 1.0 << 25.0 << 601 << 6000.0 << 1500.0 << 4500.0;
    QTest::newRow("width not a multiple of 10") << 6005.0 << 2750.0 << 1.0 << 25.0 << 601 << 6000.0 << 1500.0 << 4500.0;
    QTest::newRow("two cycles") << 4000.0 << 1100.0 << 2.0 << 10.0 << 401 << 4000.0 << 500.0 << 1500.0;
    // One period every 228.5 twips: the first peak a quarter in, near 57.
    QTest::newRow("thirty cycles") << 6855.0 << 2200.0 << 30.0 << 10.0 << 686 << 6850.0 << 60.0 << 170.0;
    QTest::newRow("amplitude 0 is flat") << 6855.0 << 2200.0 << 3.0 << 0.0 << 686 << 6850.0 << -1.0 << -1.0;
}

void TestDrawSine::geometry()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, cycles);
    QFETCH(double, amplitude);
    QFETCH(int, segments);
    QFETCH(double, lastX);
    QFETCH(double, peakX);
    QFETCH(double, troughX);

    RecordingSurface s(width, height);
    s.setForeColor(0x0000FF);
    DrawSine::DrawSineWave(s, cycles, amplitude);

    const auto all = s.primitives();
    QCOMPARE(all.first().kind, Kind::Point);
    QCOMPARE(all.first().from, QPointF(0, height / 2));
    const auto lines = s.primitives(Kind::Line);
    QCOMPARE(lines.size(), segments);
    QCOMPARE(all.size(), segments + 1); // nothing else, and no Cls
    QCOMPARE(lines.first().from, lines.first().to); // the first segment has no length
    QCOMPARE(lines.last().to.x(), lastX);
    QCOMPARE(s.DrawWidth(), 2);

    const double mid = height / 2;
    const double a = height / 55 * amplitude;
    double prevX = 0;
    QPointF highest(0, mid), lowest(0, mid);
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF p = lines[i].to;
        QCOMPARE(lines[i].from, i ? lines[i - 1].to : QPointF(0, mid)); // a joined polyline
        QCOMPARE(lines[i].color, OleColor(0x0000FF));
        QCOMPARE(lines[i].width, 2);
        QCOMPARE(p.x(), 10.0 * i);
        QVERIFY(p.x() >= prevX);
        prevX = p.x();
        const double expected = mid + a * std::sin(2 * M_PI * cycles * p.x() / width);
        QVERIFY2(std::abs(p.y() - expected) < 0.01, qPrintable(QStringLiteral("x %1: y %2, expected %3").arg(p.x()).arg(p.y()).arg(expected)));
        if (p.x() < width / cycles && p.y() > highest.y())
            highest = p;
        if (p.x() < width / cycles && p.y() < lowest.y())
            lowest = p;
    }
    if (amplitude == 0) {
        QCOMPARE(highest.y(), mid);
        QCOMPARE(lowest.y(), mid);
        return;
    }
    QCOMPARE(highest.x(), peakX);
    QCOMPARE(lowest.x(), troughX);
    if (std::fmod(width / cycles, 40) == 0) { // the peak lies on a vertex
        QVERIFY(std::abs(highest.y() - (mid + a)) < 1e-3);
        QVERIFY(std::abs(lowest.y() - (mid - a)) < 1e-3);
    }
}

void TestDrawSine::drawsOverWhatIsThere()
{
    RecordingSurface s(3000, 1100);
    s.setDrawWidth(5);
    DrawSine::DrawSineWave(s, 1, 20);
    const int once = s.primitives().size();
    s.setForeColor(0x00FF00);
    DrawSine::DrawSineWave(s, 2, 5);
    const auto all = s.primitives();
    QCOMPARE(all.size(), 2 * once); // both curves, nothing cleared between them
    QCOMPARE(all[once].kind, Kind::Point);
    QCOMPARE(all[once].color, OleColor(0x00FF00)); // the second in the colour now current
    QCOMPARE(all[once - 1].color, SystemColor::WindowText);
}

QTEST_MAIN(TestDrawSine)
#include "tst_drawsine.moc"
