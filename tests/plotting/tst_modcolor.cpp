// The cone model: sensitivities at known wavelengths, the curve's extent
// and height on the plot, and the errors a bad wavelength raises.

#include "forms/errors.h"
#include "support/recordingsurface.h"
#include "plotting/modcolor.h"

#include <QtTest>
#include <cmath>

using namespace forms;
using modColor::ConeSensitivity;
using modColor::DrawConeCurve;
using Kind = RecordingSurface::Kind;

class TestModColor : public QObject
{
    Q_OBJECT

private slots:
    void sensitivity_data();
    void sensitivity();
    void sensitivityErrors_data();
    void sensitivityErrors();
    void curve_data();
    void curve();
    void halfGainIsHalfHeight();
    void curveOnAZeroWidthPicture();
};

void TestModColor::sensitivity_data()
{
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<double>("peak");
    QTest::addColumn<double>("expected");
    for (double p : {419.0, 531.0, 558.0, 1.0, 1000.0})
        QTest::addRow("at its own peak %g", p) << p << p << 0.99938556;
    QTest::newRow("short cone at 350") << 350.0 << 419.0 << 0.228629;
    QTest::newRow("middle cone at 500") << 500.0 << 531.0 << 0.814533;
    QTest::newRow("long cone at 650") << 650.0 << 558.0 << 0.0856385;
    QTest::newRow("short cone at 650") << 650.0 << 419.0 << 7.0e-8;
}

void TestModColor::sensitivity()
{
    QFETCH(double, wavelength);
    QFETCH(double, peak);
    QFETCH(double, expected);
    const double s = ConeSensitivity(wavelength, peak);
    QVERIFY2(std::abs(s - expected) <= expected * 5e-3, qPrintable(QString::number(s, 'g', 9)));
}

void TestModColor::sensitivityErrors_data()
{
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<int>("code");
    QTest::newRow("zero wavelength") << 0.0 << int(ErrorCode::DivisionByZero);
    QTest::newRow("far too short: an exponential overflows") << 1.0 << int(ErrorCode::Overflow);
}

void TestModColor::sensitivityErrors()
{
    QFETCH(double, wavelength);
    QFETCH(int, code);
    try {
        ConeSensitivity(wavelength, 558);
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(int(e.code()), code);
    }
}

void TestModColor::curve_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("peak");
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("lastX");
    QTest::addColumn<double>("topX"); // the vertex of smallest y
    QTest::addColumn<double>("topY");

    // 300 / 3615 nm per twip: no vertex falls on 558 nm itself, the
    // nearest (557.55 nm at x = 2501) lies just below the top edge.
    QTest::newRow("long cone, 3615 x 3375") << 3615.0 << 3375.0 << 558 << 145 << 3601.0 << 2501.0 << 0.05;
    // 1 nm per twip: x = 76 samples 426 nm, the peak, on the top edge.
    QTest::newRow("peak on a vertex") << 300.0 << 1000.0 << 426 << 12 << 276.0 << 76.0 << 0.0;
}

void TestModColor::curve()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(int, peak);
    QFETCH(int, segments);
    QFETCH(double, lastX);
    QFETCH(double, topX);
    QFETCH(double, topY);

    RecordingSurface s(width, height);
    s.setForeColor(0x0000FF);
    s.setDrawWidth(2);
    DrawConeCurve(s, qint16(peak), 1.0f);
    QCOMPARE(s.ForeColor(), OleColor(0x0000FF));

    const auto all = s.primitives();
    QCOMPARE(all.size(), segments + 1); // one point and the segments, nothing cleared
    QCOMPARE(all[0].kind, Kind::Point);
    QCOMPARE(all[0].from.x(), 0.0);
    QVERIFY(std::abs(all[0].from.y() - height * (1 - ConeSensitivity(350, peak) / 0.99938556)) < 0.01);
    const auto lines = s.primitives(Kind::Line);
    QCOMPARE(lines.first().from, all[0].from);
    QCOMPARE(lines.first().to.x(), 1.0);
    QCOMPARE(lines.last().to.x(), lastX);
    QPointF top(0, height);
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF p = lines[i].to;
        QCOMPARE(p.x(), 1.0 + 25 * i);
        QCOMPARE(lines[i].color, OleColor(0x0000FF));
        QCOMPARE(lines[i].width, 2);
        const double wavelength = 350 + p.x() * 300 / width;
        const double expected = height * (1 - ConeSensitivity(wavelength, peak) / 0.99938556);
        QVERIFY(std::abs(p.y() - expected) < 0.01);
        QVERIFY(p.y() >= -1e-3);
        if (p.y() < top.y())
            top = p;
    }
    QCOMPARE(top.x(), topX);
    QVERIFY2(std::abs(top.y() - topY) < 0.05, qPrintable(QString::number(top.y())));
}

void TestModColor::halfGainIsHalfHeight()
{
    RecordingSurface full(3615, 3375), half(3615, 3375);
    DrawConeCurve(full, 531, 1.0f);
    DrawConeCurve(half, 531, 0.5f);
    const auto a = full.primitives(), b = half.primitives();
    QCOMPARE(a.size(), b.size());
    double highest = 3375;
    for (int i = 0; i < a.size(); ++i) {
        QCOMPARE(b[i].to.x(), a[i].to.x());
        QVERIFY(std::abs((3375 - b[i].to.y()) * 2 - (3375 - a[i].to.y())) < 0.01);
        highest = std::min(highest, b[i].to.y());
    }
    QVERIFY(std::abs(highest - 3375 / 2.0) < 1); // the peak half-way up
}

void TestModColor::curveOnAZeroWidthPicture()
{
    RecordingSurface s(0, 1000);
    try {
        DrawConeCurve(s, 419, 1.0f);
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), ErrorCode::DivisionByZero);
    }
    QVERIFY(s.primitives().isEmpty());
}

QTEST_MAIN(TestModColor)
#include "tst_modcolor.moc"
