// The program's icon as the window frame and the desktop show it: red,
// green and blue lights mixed additively (yellow, magenta, cyan where two
// overlap, white where all three do) on a black square with rounded,
// transparent corners, at every size it is installed in.

#include "support/testsupport.h"

#include "shell/programicon.h"

#include <QtTest>

class TestProgramIcon : public QObject
{
    Q_OBJECT

private slots:
    void mixesTheLights_data();
    void mixesTheLights();
    void windowIconCarriesEveryInstalledSize();
};

void TestProgramIcon::mixesTheLights_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QPointF>("point"); // in hundredths of the icon's side
    QTest::addColumn<QColor>("colour");

    const struct
    {
        const char *name;
        QPointF point;
        QColor colour;
    } places[] = {
        {"red alone", {20, 38}, QColor(255, 0, 0)},
        {"green alone", {80, 38}, QColor(0, 255, 0)},
        {"blue alone", {50, 85}, QColor(0, 0, 255)},
        {"red and green", {50, 20}, QColor(255, 255, 0)},
        {"red and blue", {35, 60}, QColor(255, 0, 255)},
        {"green and blue", {65, 60}, QColor(0, 255, 255)},
        {"all three", {50, 46}, QColor(255, 255, 255)},
        {"no light", {90, 90}, QColor(0, 0, 0)},
        {"no light, top edge", {50, 2}, QColor(0, 0, 0)},
        {"rounded corner", {1.5, 1.5}, QColor(0, 0, 0, 0)},
        {"rounded corner, bottom right", {98.5, 98.5}, QColor(0, 0, 0, 0)},
    };
    for (int size : {256, 48})
        for (const auto &place : places)
            QTest::addRow("%d px, %s", size, place.name) << size << place.point << place.colour;
}

void TestProgramIcon::mixesTheLights()
{
    QFETCH(int, size);
    QFETCH(QPointF, point);
    QFETCH(QColor, colour);
    const QImage icon = shell::programIconImage(size);
    QCOMPARE(icon.size(), QSize(size, size));
    const QColor seen = icon.pixelColor(int(point.x() * size / 100), int(point.y() * size / 100));
    const int tolerance = 8;
    if (std::abs(seen.red() - colour.red()) > tolerance || std::abs(seen.green() - colour.green()) > tolerance
        || std::abs(seen.blue() - colour.blue()) > tolerance || std::abs(seen.alpha() - colour.alpha()) > tolerance)
        QFAIL(qPrintable(QStringLiteral("seen %1 (alpha %2), expected %3 (alpha %4)")
                             .arg(seen.name(), QString::number(seen.alpha()), colour.name(),
                                  QString::number(colour.alpha()))));
}

void TestProgramIcon::windowIconCarriesEveryInstalledSize()
{
    // The desktop's PNGs are rendered at these sizes; the window icon has a
    // drawing made for each, not one scaled.
    const QList<QSize> sizes = shell::programIcon().availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(shell::programIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32),
                 shell::programIconImage(size).convertToFormat(QImage::Format_ARGB32));
    }
}

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
