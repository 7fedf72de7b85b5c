// The recording surface that plotting tests read geometry from: it must
// keep the drawing state (current point, ForeColor, DrawWidth, scale)
// exactly as a picture box does, or every plotting test built on it lies.

#include "support/recordingsurface.h"

#include <QtTest>

using namespace forms;
using Kind = RecordingSurface::Kind;

class TestRecordingSurface : public QObject
{
    Q_OBJECT

private slots:
    void clsResetsTheCurrentPoint();
    void lineToStartsAtTheCurrentPoint();
    void explicitColourLeavesForeColor();
    void userScale();
    void sizes();
};

void TestRecordingSurface::clsResetsTheCurrentPoint()
{
    RecordingSurface s(3000, 2000);
    s.PSet(700, 800);
    s.Cls();
    QCOMPARE(s.CurrentX(), 0.0);
    QCOMPARE(s.CurrentY(), 0.0);
    s.LineTo(100, 50);
    const auto all = s.primitives();
    QCOMPARE(all.size(), 3);
    QCOMPARE(all[1].kind, Kind::Clear);
    QCOMPARE(all[2].kind, Kind::Line);
    QCOMPARE(all[2].from, QPointF(0, 0)); // "Line -(x, y)" right after Cls starts at the origin
    QCOMPARE(all[2].to, QPointF(100, 50));
}

void TestRecordingSurface::lineToStartsAtTheCurrentPoint()
{
    RecordingSurface s(3000, 2000);
    s.setForeColor(0x00FF00);
    s.setDrawWidth(2);
    s.PSet(10, 20);
    s.LineTo(30, 40);
    s.Line(500, 600, 700, 800);
    s.LineTo(-5, 1e6); // far outside: recorded as given, nothing clipped
    const auto lines = s.primitives(Kind::Line);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].from, QPointF(10, 20));
    QCOMPARE(lines[0].to, QPointF(30, 40));
    QCOMPARE(lines[2].from, QPointF(700, 800)); // the end of an explicit Line is the new current point
    QCOMPARE(lines[2].to, QPointF(-5, 1e6));
    for (const auto &l : lines) {
        QCOMPARE(l.color, OleColor(0x00FF00));
        QCOMPARE(l.width, 2);
    }
    const auto points = s.primitives(Kind::Point);
    QCOMPARE(points.size(), 1);
    QCOMPARE(points[0].from, QPointF(10, 20));
}

void TestRecordingSurface::explicitColourLeavesForeColor()
{
    RecordingSurface s(3000, 2000);
    s.setForeColor(0x0000FF);
    s.Line(0, 0, 10, 10, 0xFF0000);
    s.LineTo(20, 20, 0x00FF00);
    s.PSet(5, 5, 0x123456);
    s.LineTo(30, 30);
    QCOMPARE(s.ForeColor(), OleColor(0x0000FF));
    const auto all = s.primitives();
    QCOMPARE(all[0].color, OleColor(0xFF0000));
    QCOMPARE(all[1].color, OleColor(0x00FF00));
    QCOMPARE(all[2].color, OleColor(0x123456));
    QCOMPARE(all[3].color, OleColor(0x0000FF));
}

void TestRecordingSurface::userScale()
{
    RecordingSurface s(3000, 1500);
    s.setInnerSize(2970, 1470);
    QCOMPARE(s.ScaleWidth(), 2970.0); // twips of the inner area until a scale is set
    QCOMPARE(s.ScaleHeight(), 1470.0);
    s.Scale(0, 10, 100, 0); // y grows upwards
    QCOMPARE(s.ScaleWidth(), 100.0);
    QCOMPARE(s.ScaleHeight(), -10.0);
    QCOMPARE(s.Width(), 3000.0); // the outer size a routine reads does not change
    s.PSet(50, 5);
    s.LineTo(100, 0);
    const auto lines = s.primitives(Kind::Line);
    QCOMPARE(lines[0].from, QPointF(50, 5)); // user coordinates, not twips
    QCOMPARE(lines[0].to, QPointF(100, 0));
    s.ScaleReset();
    QCOMPARE(s.ScaleWidth(), 2970.0);
}

void TestRecordingSurface::sizes()
{
    RecordingSurface s(7990, 2990);
    QCOMPARE(s.ScaleWidth(), 7990.0);
    s.setWidth(100);
    s.setHeight(50);
    s.setTag(QStringLiteral("400"));
    QCOMPARE(s.Width(), 100.0);
    QCOMPARE(s.ScaleHeight(), 50.0); // the inner size still follows the outer one
    QCOMPARE(s.Tag(), QStringLiteral("400"));
    s.clearRecord();
    QVERIFY(s.primitives().isEmpty());
}

QTEST_MAIN(TestRecordingSurface)
#include "tst_recordingsurface.moc"
