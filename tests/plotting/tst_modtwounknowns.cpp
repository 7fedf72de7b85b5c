// The two-equation solver behind the dichromat's colour match: solutions,
// and the division-by-zero cases of its elimination, including the
// solvable systems it cannot handle, with X kept when only Y fails.

#include "forms/errors.h"
#include "plotting/modtwounknowns.h"

#include <QtTest>
#include <cmath>

using namespace forms;
using modTwoUnknowns::SolveTwoUnknowns;

class TestModTwoUnknowns : public QObject
{
    Q_OBJECT

private slots:
    void solves_data();
    void solves();
    void failures_data();
    void failures();
};

namespace {
void addCoefficientColumns()
{
    QTest::addColumn<double>("a1");
    QTest::addColumn<double>("b1");
    QTest::addColumn<double>("c1");
    QTest::addColumn<double>("a2");
    QTest::addColumn<double>("b2");
    QTest::addColumn<double>("c2");
}
} // namespace

void TestModTwoUnknowns::solves_data()
{
    // Each row: a1 X + b1 Y = c1, a2 X + b2 Y = c2, then X and Y.
    addCoefficientColumns();
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("2X + 3Y = 8, X + Y = 3") << 2.0 << 3.0 << 8.0 << 1.0 << 1.0 << 3.0 << 1.0 << 2.0;
    QTest::newRow("fractions and signs") << 0.5 << -2.0 << -3.5 << 3.0 << 4.0 << 11.0 << 1.0 << 2.0;
    QTest::newRow("X = 0") << 0.0 << 5.0 << 10.0 << 7.0 << 1.0 << 2.0 << 0.0 << 2.0;
    QTest::newRow("primary intensities") << 0.12 << 0.85 << 0.4 << 0.9 << 0.05 << 0.3 << 0.3096179 << 0.4268775;
}

void TestModTwoUnknowns::solves()
{
    QFETCH(double, a1);
    QFETCH(double, b1);
    QFETCH(double, c1);
    QFETCH(double, a2);
    QFETCH(double, b2);
    QFETCH(double, c2);
    QFETCH(double, x);
    QFETCH(double, y);
    double X = -99, Y = -99;
    SolveTwoUnknowns(X, a1, a2, Y, b1, b2, c1, c2);
    QVERIFY2(std::abs(X - x) < 1e-5, qPrintable(QString::number(X)));
    QVERIFY2(std::abs(Y - y) < 1e-5, qPrintable(QString::number(Y)));
    QVERIFY(std::abs(a1 * X + b1 * Y - c1) < 1e-12);
    QVERIFY(std::abs(a2 * X + b2 * Y - c2) < 1e-12);
}

void TestModTwoUnknowns::failures_data()
{
    addCoefficientColumns();
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("x"); // NaN: X is not written
    const double untouched = qQNaN();
    // X + Y = 2, X = 1 has a solution, but the second equation has no Y.
    QTest::newRow("B2 = 0") << 1.0 << 1.0 << 2.0 << 1.0 << 0.0 << 1.0 << int(ErrorCode::DivisionByZero) << untouched;
    QTest::newRow("singular system") << 1.0 << 1.0 << 2.0 << 2.0 << 2.0 << 4.0 << int(ErrorCode::DivisionByZero) << untouched;
    // X = 1 and X + Y = 3: X is found before Y fails.
    QTest::newRow("B1 = 0 keeps X") << 1.0 << 0.0 << 1.0 << 1.0 << 1.0 << 3.0 << int(ErrorCode::DivisionByZero) << 1.0;
    QTest::newRow("k overflows") << 1.0 << 1e300 << 1.0 << 1.0 << 1e-10 << 1.0 << int(ErrorCode::Overflow) << untouched;
    // 0 X + 1e-10 Y = 1e300: X = -1e290 is found, Y is beyond any double.
    QTest::newRow("Y overflows, X kept") << 0.0 << 1e-10 << 1e300 << 1e20 << 1.0 << 0.0 << int(ErrorCode::Overflow) << -1e290;
}

void TestModTwoUnknowns::failures()
{
    QFETCH(double, a1);
    QFETCH(double, b1);
    QFETCH(double, c1);
    QFETCH(double, a2);
    QFETCH(double, b2);
    QFETCH(double, c2);
    QFETCH(int, code);
    QFETCH(double, x);
    constexpr double Before = 12345;
    double X = Before, Y = Before;
    try {
        SolveTwoUnknowns(X, a1, a2, Y, b1, b2, c1, c2);
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(int(e.code()), code);
    }
    QCOMPARE(Y, Before);
    if (std::isnan(x))
        QCOMPARE(X, Before);
    else
        QVERIFY2(std::abs(X - x) <= 1e-9 * std::abs(x), qPrintable(QString::number(X)));
}

QTEST_MAIN(TestModTwoUnknowns)
#include "tst_modtwounknowns.moc"
