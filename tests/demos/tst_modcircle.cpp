// The rolling wheel: its rim drawn as two half polylines through points of
// the circle, its spokes turned by exactly the distance the hub has
// travelled (a wheel that rolls without slipping), in the surface's own
// colour and width.

#include "support/recordingsurface.h"
#include "demos/motion/modcircle.h"
#include "forms/numbers.h"

#include <QtTest>
#include <cmath>

using namespace forms;
using Kind = RecordingSurface::Kind;

namespace {
constexpr double Pi = 3.14159265358979;
constexpr double HubY = 1147.5;
// The rim length the window keeps in the strip's Tag for a radius of 500.
const QString RimLength500 = QStringLiteral("3141.59265");

bool near(QPointF a, QPointF b, double tolerance)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QString text(QPointF p) { return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 4).arg(p.y(), 0, 'f', 4); }
} // namespace

class TestModCircle : public QObject
{
    Q_OBJECT

private slots:
    void rimIsTwoHalvesOfTheCircle_data();
    void rimIsTwoHalvesOfTheCircle();
    void firstSpokePointsWhereTheWheelHasRolled_data();
    void firstSpokePointsWhereTheWheelHasRolled();
    void turnsOneFifteenthRadianPerStep();
    void drawsInTheSurfacesColourAndWidth();
};

void TestModCircle::rimIsTwoHalvesOfTheCircle_data()
{
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("vertices"); // inner vertices per half
    QTest::newRow("radius 500 off the left edge") << -500.0 << 500.0 << 50;
    QTest::newRow("radius 500 mid-strip") << 4321.0 << 500.0 << 50;
    // 5 - 250 = -245, -225, ..., 235: 25 vertices.
    QTest::newRow("radius 250") << 1000.0 << 250.0 << 25;
}

void TestModCircle::rimIsTwoHalvesOfTheCircle()
{
    QFETCH(double, X);
    QFETCH(double, r);
    QFETCH(int, vertices);
    RecordingSurface s(9735, 2295);
    s.setTag(CStr(r * 6.2831853));
    modCircle::DrawWheel(s, X, HubY, r);

    const auto all = s.primitives();
    // PSet, the lower half, PSet, the upper half, two diameters.
    QCOMPARE(all.size(), 2 * (1 + vertices + 1) + 2);
    for (int half = 0; half < 2; ++half) {
        const int first = half * (vertices + 2);
        QCOMPARE(all[first].kind, Kind::Point);
        QCOMPARE(all[first].from, QPointF(X - r, HubY));
        QPointF previous = all[first].from;
        for (int k = 1; k <= vertices + 1; ++k) {
            const auto &line = all[first + k];
            QCOMPARE(line.kind, Kind::Line);
            QCOMPARE(line.from, previous); // joined end to end
            // On the circle, on its own side of the hub, left to right.
            QVERIFY2(std::abs(std::hypot(line.to.x() - X, line.to.y() - HubY) - r) < 1e-9, qPrintable(text(line.to)));
            QVERIFY(half == 0 ? line.to.y() >= HubY : line.to.y() <= HubY);
            const double expectedX = k <= vertices ? X + 5 - r + 20 * (k - 1) : X + r;
            QCOMPARE(line.to.x(), expectedX);
            previous = line.to;
        }
        QCOMPARE(previous, QPointF(X + r, HubY));
    }
}

void TestModCircle::firstSpokePointsWhereTheWheelHasRolled_data()
{
    QTest::addColumn<double>("X");
    QTest::addColumn<QPointF>("spokeEnd"); // the first diameter's first end
    // The wheel turns clockwise as it rolls to the right: the end that
    // starts at the left comes over the top, then down to the ground.
    QTest::newRow("hub at 0: leftmost") << 0.0 << QPointF(-500, HubY);
    QTest::newRow("a quarter turn: top") << 500 * Pi / 2 << QPointF(500 * Pi / 2, HubY - 500);
    QTest::newRow("half a turn: rightmost") << 500 * Pi << QPointF(500 * Pi + 500, HubY);
    QTest::newRow("three quarters: on the ground") << 500 * 3 * Pi / 2 << QPointF(500 * 3 * Pi / 2, HubY + 500);
    QTest::newRow("a whole turn: leftmost again") << 1000 * Pi << QPointF(1000 * Pi - 500, HubY);
    QTest::newRow("rolled back a quarter: bottom") << -500 * Pi / 2 << QPointF(-500 * Pi / 2, HubY + 500);
}

void TestModCircle::firstSpokePointsWhereTheWheelHasRolled()
{
    QFETCH(double, X);
    QFETCH(QPointF, spokeEnd);
    RecordingSurface s(9735, 2295);
    s.setTag(RimLength500);
    modCircle::DrawWheel(s, X, HubY, 500);
    const auto lines = s.primitives(Kind::Line);
    const auto first = lines[lines.size() - 2];
    const auto second = lines.last();
    // The wheel's pi and rim length are given to 9 digits: a few
    // thousandths of a twip over these distances.
    QVERIFY2(near(first.from, spokeEnd, 0.01), qPrintable(text(first.from)));
    // Both diameters through the hub, at right angles, 1000 long.
    const QPointF hub(X, HubY);
    for (const auto &d : {first, second}) {
        QVERIFY(near((d.from + d.to) / 2, hub, 1e-9));
        QVERIFY(std::abs(std::hypot(d.to.x() - d.from.x(), d.to.y() - d.from.y()) - 1000) < 1e-9);
    }
    const QPointF u = first.to - first.from, v = second.to - second.from;
    QVERIFY(std::abs(QPointF::dotProduct(u, v)) / 1e6 < 1e-8);
}

void TestModCircle::turnsOneFifteenthRadianPerStep()
{
    // Rolling without slipping: a 75-twip step turns a wheel of radius 500
    // through 75 / 500 = 0.15 radians, wherever it is.
    for (double X : {-500.0, 0.0, 3000.0, 10375.0}) {
        RecordingSurface a(9735, 2295), b(9735, 2295);
        a.setTag(RimLength500);
        b.setTag(RimLength500);
        modCircle::DrawWheel(a, X, HubY, 500);
        modCircle::DrawWheel(b, X + 75, HubY, 500);
        // The wheel's angle, read from where the first spoke's first end
        // lies from the hub: (-r cos angle, r sin angle).
        const auto spoke = [](const RecordingSurface &s) {
            const auto lines = s.primitives(Kind::Line);
            const auto &l = lines[lines.size() - 2];
            const QPointF e = l.from - (l.from + l.to) / 2;
            return std::atan2(e.y(), -e.x());
        };
        double turned = spoke(a) - spoke(b);
        turned = std::remainder(turned, 2 * Pi);
        QVERIFY2(std::abs(turned - 0.15) < 1e-8, qPrintable(QString::number(turned, 'g', 12)));
    }
}

void TestModCircle::drawsInTheSurfacesColourAndWidth()
{
    RecordingSurface s(9735, 2295);
    s.setTag(RimLength500);
    s.setForeColor(0x123456);
    s.setDrawWidth(2);
    modCircle::DrawWheel(s, 2000, HubY, 500);
    for (const auto &p : s.primitives()) {
        QCOMPARE(p.color, OleColor(0x123456));
        QCOMPARE(p.width, 2);
    }
    QCOMPARE(s.ForeColor(), OleColor(0x123456));
    QCOMPARE(s.DrawWidth(), 2);
    QVERIFY(s.primitives(Kind::Clear).isEmpty()); // nothing under it is cleared
}

QTEST_MAIN(TestModCircle)
#include "tst_modcircle.moc"
