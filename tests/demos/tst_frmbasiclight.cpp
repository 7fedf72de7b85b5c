// Basics of light: the wavelength sets the wave's cycle count and, with
// the amplitude, the colour of the wave and of the patch; the wave is
// redrawn on release of a thumb, not while it is dragged.

#include "support/testsupport.h"

#include <cmath>

using namespace forms;

namespace {
constexpr double BoxHeight = 3135; // picLight's outer size, the wave's extents
constexpr double BoxWidth = 6855;

struct WaveShape
{
    int downBulges = 0; // runs of columns where the wave dips below mid-line - A/2
    int upBulges = 0;
    int lowestRow = -1; // the wave's extreme rows
    int highestRow = -1;
    int otherColours = 0; // pixels neither black nor the wave's colour
};

// Reads the wave back from the box's drawing, one column at a time.
WaveShape shapeOf(const QImage &image, OleColor colour, double amplitudeTwips)
{
    const QRgb wave = toQColor(colour).rgb();
    const QRgb black = qRgb(0, 0, 0);
    const double mid = BoxHeight / 2 / 15;
    const double half = amplitudeTwips / 2 / 15;
    WaveShape shape;
    bool inDown = false, inUp = false;
    for (int x = 0; x < image.width(); ++x) {
        bool down = false, up = false;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb p = image.pixel(x, y);
            if (p == wave) {
                down = down || y > mid + half;
                up = up || y < mid - half;
                shape.lowestRow = std::max(shape.lowestRow, y);
                if (shape.highestRow < 0 || y < shape.highestRow)
                    shape.highestRow = y;
            } else if (p != black) {
                ++shape.otherColours;
            }
        }
        shape.downBulges += down && !inDown;
        shape.upBulges += up && !inUp;
        inDown = down;
        inUp = up;
    }
    return shape;
}
} // namespace

class TestFrmBasicLight : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensBlueWithThirtyCycles();
    void colourFollowsWavelengthAndAmplitude_data();
    void colourFollowsWavelengthAndAmplitude();
    void waveFollowsWavelength_data();
    void waveFollowsWavelength();
    void zeroAmplitudeLeavesOnlyTheAxis();
    void dragTakesEffectOnRelease();
    void arrowAndTroughClicks();
    void reopeningStartsAfresh();

private:
    PictureBox *picLight() const { return fixture.control<PictureBox>("picLight"); }
    PictureBox *picShowColor() const { return fixture.control<PictureBox>("picShowColor"); }
    ScrollBar *hscFreq() const { return fixture.control<ScrollBar>("hscFreq"); }
    ScrollBar *vscAmp() const { return fixture.control<ScrollBar>("vscAmp"); }
    Label *lblWavelength() const { return fixture.control<Label>("lblWavelength"); }
    void verifyShowing(int r, int g, int b);

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmBasicLight::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuLightItem"), QStringLiteral("frmBasicLight"));
}

void TestFrmBasicLight::cleanup()
{
    fixture.finish();
}

// The light's colour is the wave's pen and the patch, and shows on screen.
void TestFrmBasicLight::verifyShowing(int r, int g, int b)
{
    const OleColor light = RGB(r, g, b);
    QCOMPARE(picLight()->ForeColor(), light);
    QCOMPARE(picShowColor()->BackColor(), light);
    QCOMPARE(testsupport::pixel(picShowColor(), picShowColor()->rect().center()), QColor(r, g, b));
}

void TestFrmBasicLight::opensBlueWithThirtyCycles()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Basics of Light"));
    QVERIFY(form()->isMdiChild());
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuLightItem"))->Checked());
    QCOMPARE(form()->size(), QSize(489, 343)); // 7335 x 5145 twips
    QCOMPARE(hscFreq()->Value(), 460);
    QCOMPARE(vscAmp()->Value(), 25);
    QCOMPARE(lblWavelength()->Caption(), QStringLiteral("460 nm"));
    QCOMPARE(fixture.control<Label>("lblWaveTitle")->Caption(), QStringLiteral("Wavelength"));
    verifyShowing(0, 0, 255);
    const WaveShape wave = shapeOf(picLight()->image(), RGB(0, 0, 255), 1425);
    QCOMPARE(wave.downBulges, 30);
    QCOMPARE(wave.upBulges, 30);
    QCOMPARE(picLight()->DrawWidth(), 2);
}

void TestFrmBasicLight::colourFollowsWavelengthAndAmplitude_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("460 blue") << 460 << 25 << 0 << 0 << 255;
    QTest::newRow("485 blue-cyan") << 485 << 25 << 0 << 127 << 255; // (255 / 50) x 25 falls just short of 127.5
    QTest::newRow("510 cyan") << 510 << 25 << 0 << 255 << 255;
    QTest::newRow("511 blue starts falling") << 511 << 25 << 0 << 255 << 250;
    QTest::newRow("530") << 530 << 25 << 0 << 255 << 155;
    QTest::newRow("555 blue stops at 30") << 555 << 25 << 0 << 255 << 30;
    QTest::newRow("556 red starts") << 556 << 25 << 5 << 255 << 0;
    QTest::newRow("605 yellow") << 605 << 25 << 255 << 255 << 0;
    QTest::newRow("606") << 606 << 25 << 255 << 253 << 0;
    QTest::newRow("700") << 700 << 25 << 255 << 88 << 0;
    QTest::newRow("750 red") << 750 << 25 << 255 << 0 << 0;
    QTest::newRow("510 at 13 of 25") << 510 << 13 << 0 << 133 << 133;
    QTest::newRow("510 at 12 of 25") << 510 << 12 << 0 << 122 << 122;
    QTest::newRow("700 at 5 of 25") << 700 << 5 << 51 << 18 << 0;
    QTest::newRow("600 dark") << 600 << 0 << 0 << 0 << 0;
}

void TestFrmBasicLight::colourFollowsWavelengthAndAmplitude()
{
    QFETCH(int, nm);
    QFETCH(int, amplitude);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    // Either order of setting the bars gives the same light.
    vscAmp()->setValue(amplitude);
    hscFreq()->setValue(nm);
    verifyShowing(r, g, b);
    QCOMPARE(lblWavelength()->Caption(), QStringLiteral("%1 nm").arg(nm));
    hscFreq()->setValue(nm == 460 ? 461 : 460);
    vscAmp()->setValue(amplitude == 25 ? 24 : 25);
    hscFreq()->setValue(nm);
    vscAmp()->setValue(amplitude);
    verifyShowing(r, g, b);
}

void TestFrmBasicLight::waveFollowsWavelength_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<int>("downBulges");
    QTest::addColumn<int>("upBulges");
    // (760 - nm) / 10 cycles, each starting with a downward half.
    QTest::newRow("460: 30 cycles") << 460 << 25 << 30 << 30;
    QTest::newRow("605: 15.5 cycles") << 605 << 25 << 16 << 15;
    QTest::newRow("700: 6 cycles, low") << 700 << 10 << 6 << 6;
    QTest::newRow("750: 1 cycle") << 750 << 25 << 1 << 1;
}

void TestFrmBasicLight::waveFollowsWavelength()
{
    QFETCH(int, nm);
    QFETCH(int, amplitude);
    QFETCH(int, downBulges);
    QFETCH(int, upBulges);
    vscAmp()->setValue(amplitude);
    hscFreq()->setValue(nm);
    const double peak = BoxHeight / 55 * amplitude; // 1425 twips at full amplitude
    const WaveShape wave = shapeOf(picLight()->image(), picLight()->ForeColor(), peak);
    QCOMPARE(wave.downBulges, downBulges);
    QCOMPARE(wave.upBulges, upBulges);
    // The earlier waves were cleared away.
    QCOMPARE(wave.otherColours, 0);
    QVERIFY(std::abs(wave.lowestRow - (BoxHeight / 2 + peak) / 15) <= 2);
    QVERIFY(std::abs(wave.highestRow - (BoxHeight / 2 - peak) / 15) <= 2);
    if (nm == 750) {
        // One cycle: lowest a quarter of the way across, highest at three quarters.
        const QImage image = picLight()->image();
        const QRgb pen = toQColor(picLight()->ForeColor()).rgb();
        QCOMPARE(image.pixel(qRound(BoxWidth / 4 / 15), wave.lowestRow), pen);
        QCOMPARE(image.pixel(qRound(BoxWidth * 3 / 4 / 15), wave.highestRow), pen);
    }
}

void TestFrmBasicLight::zeroAmplitudeLeavesOnlyTheAxis()
{
    testsupport::dragThumb(vscAmp(), {10, 0});
    QCOMPARE(vscAmp()->Value(), 0);
    verifyShowing(0, 0, 0);
    // The flat black wave vanishes on the black box...
    const QImage image = picLight()->image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
    // ...and the white zero axis stays in front of it across the box.
    const QPoint origin = picLight()->clientOrigin();
    for (int x : {2, 100, 300, 440})
        QCOMPARE(testsupport::pixel(picLight(), origin + QPoint(x, 1560 / 15)), QColor(Qt::white));
}

void TestFrmBasicLight::dragTakesEffectOnRelease()
{
    QStringList duringDrag;
    connect(hscFreq(), &ScrollBar::Scroll, this, [&] { duringDrag << lblWavelength()->Caption(); });
    testsupport::dragThumb(hscFreq(), {520, 600, 700});
    QVERIFY(!duringDrag.isEmpty());
    for (const QString &caption : duringDrag)
        QCOMPARE(caption, QStringLiteral("460 nm"));
    QCOMPARE(hscFreq()->Value(), 700);
    QCOMPARE(lblWavelength()->Caption(), QStringLiteral("700 nm"));
    verifyShowing(255, 88, 0);
    QCOMPARE(shapeOf(picLight()->image(), RGB(255, 88, 0), 1425).downBulges, 6);
}

void TestFrmBasicLight::arrowAndTroughClicks()
{
    testsupport::clickArrow(hscFreq(), true);
    QCOMPARE(lblWavelength()->Caption(), QStringLiteral("461 nm"));
    testsupport::clickTrough(hscFreq(), true);
    QCOMPARE(lblWavelength()->Caption(), QStringLiteral("481 nm"));
    // The lower arrow of the amplitude bar dims the light.
    testsupport::clickArrow(vscAmp(), true);
    QCOMPARE(vscAmp()->Value(), 24);
    verifyShowing(0, 103, 245); // 0.96 x 107.1 and 0.96 x 255
    testsupport::clickTrough(vscAmp(), true);
    QCOMPARE(vscAmp()->Value(), 19);
}

void TestFrmBasicLight::reopeningStartsAfresh()
{
    hscFreq()->setValue(700);
    vscAmp()->setValue(3);
    testsupport::choose(fixture.main(), QStringLiteral("mnuLightItem"));
    QVERIFY(!form()->isLoaded());
    testsupport::choose(fixture.main(), QStringLiteral("mnuLightItem"));
    QVERIFY(form()->isShown());
    QCOMPARE(lblWavelength()->Caption(), QStringLiteral("460 nm"));
    verifyShowing(0, 0, 255);
    QCOMPARE(shapeOf(picLight()->image(), RGB(0, 0, 255), 1425).downBulges, 30);
}

QTEST_MAIN(TestFrmBasicLight)
#include "tst_frmbasiclight.moc"
