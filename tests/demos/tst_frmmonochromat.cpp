// Colour matching in a monochromat: the percent the one cone absorbs at
// each wavelength, the numbers absorbed and the grey patches they give,
// the "Match" sign whenever the two numbers agree, and the comparison's
// wavelength picked with the mouse in its plot.

#include "support/testsupport.h"

using namespace forms;

namespace {
const QString MenuCommand = QStringLiteral("mnuMonoChromatItem");
const QString WindowName = QStringLiteral("frmMonoChromat");

// The random draw that makes a reset pick this wavelength.
float drawFor(int nm) { return float(nm - 400) / 350.0f; }

// Centres of the two patches and a point just inside the "Match" sign's
// corner, in the window's pixels.
const QPoint StandardPatch((960 + 607) / 15, (120 + 487) / 15);
const QPoint ComparisonPatch((5040 + 607) / 15, (120 + 487) / 15);
const QPoint MatchCorner(2880 / 15 + 2, 5400 / 15 + 2);
const QRect MatchArea(2880 / 15, 5400 / 15, 1215 / 15, 495 / 15);

// A mouse event on a plot at x twips from its inner left edge (between
// pixels where need be, as on a high-density screen) and 600 twips down.
void plotMouse(PictureBox *plot, QEvent::Type type, double twipsX, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    const QPointF at = QPointF(plot->clientOrigin()) + QPointF(twipsX, 600) / 15.0;
    QMouseEvent event(type, at, plot->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}

// The columns (inner pixels) of a plot's row that show the colour.
QList<int> columnsShowing(PictureBox *plot, int row, const QColor &colour)
{
    const QImage image = plot->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const QPoint origin = plot->clientOrigin();
    const int inner = plot->width() - 2 * origin.x();
    QList<int> columns;
    for (int x = 0; x < inner; ++x) {
        const QPoint device = QPointF(QPointF(origin + QPoint(x, row)) * dpr).toPoint();
        if (image.pixelColor(device) == colour)
            columns << x;
    }
    return columns;
}

// Where a wavelength's marker falls, in inner pixels.
double markerColumn(int nm) { return (nm - 400) / 350.0 * 2655 / 15; }
} // namespace

class TestFrmMonoChromat : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithARandomTrial();
    void percentAbsorbedByWavelength_data();
    void percentAbsorbedByWavelength();
    void matchesByIntensityAlone_data();
    void matchesByIntensityAlone();
    void patchesClipAtWhiteAndReachBlack_data();
    void patchesClipAtWhiteAndReachBlack();
    void plotsShowCurveAndMarkers();
    void clickInPlotPicksWavelength_data();
    void clickInPlotPicksWavelength();
    void dragBeyondEdgesKeepsWavelength();
    void otherButtonsDoNothing();
    void scrollBarsByMouse();
    void keyboardAlone();
    void survivesRoughUse();
    void resetDrawsANewTrial();
    void reopensAfresh();

private:
    void openScripted(int standard, int comparison);
    void reset(int standard, int comparison);
    void setComparison(int nm, int intensity);
    void tabTo(QWidget *target);
    void verifyMatchShown(bool shown);

    PictureBox *picStandard() const { return fixture.control<PictureBox>("picStandard"); }
    PictureBox *picComparison() const { return fixture.control<PictureBox>("picComparison"); }
    ScrollBar *HScroll1() const { return fixture.control<ScrollBar>("HScroll1"); }
    ScrollBar *VScroll1() const { return fixture.control<ScrollBar>("VScroll1"); }
    CommandButton *cmdReset() const { return fixture.control<CommandButton>("cmdReset"); }
    Label *label(const QString &name) const { return fixture.control<Label>(name); }
    QString caption(const QString &name) const { return label(name)->Caption(); }
    QString percent(int i) const { return caption(QStringLiteral("lblPercent(%1)").arg(i)); }
    QString absorbed(int i) const { return caption(QStringLiteral("lblAbsorbed(%1)").arg(i)); }
    QString input(int i) const { return caption(QStringLiteral("lblInput(%1)").arg(i)); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmMonoChromat::init()
{
    fixture.start();
}

void TestFrmMonoChromat::cleanup()
{
    fixture.finish();
}

// Opens the window through its command with the standard and comparison
// wavelengths its reset draws.
void TestFrmMonoChromat::openScripted(int standard, int comparison)
{
    Random::script({drawFor(standard), drawFor(comparison)});
    fixture.open(MenuCommand, WindowName);
}

void TestFrmMonoChromat::reset(int standard, int comparison)
{
    Random::script({drawFor(standard), drawFor(comparison)});
    QTest::mouseClick(cmdReset()->button(), Qt::LeftButton);
    QCOMPARE(caption("lblStandard"), QString::number(standard));
    QCOMPARE(HScroll1()->Value(), comparison);
}

void TestFrmMonoChromat::setComparison(int nm, int intensity)
{
    HScroll1()->setValue(nm);
    VScroll1()->setValue(intensity);
}

// The sign is on screen (red on black) or the window's face shows there.
void TestFrmMonoChromat::verifyMatchShown(bool shown)
{
    QCOMPARE(label("lblMatch")->Visible(), shown);
    const QImage seen = testsupport::shownImage(form());
    QCOMPARE(seen.pixelColor(MatchCorner) == QColor(Qt::black), shown);
    bool red = false;
    for (int y = MatchArea.top(); y <= MatchArea.bottom() && !red; ++y)
        for (int x = MatchArea.left(); x <= MatchArea.right() && !red; ++x)
            red = seen.pixelColor(x, y) == QColor(Qt::red);
    QCOMPARE(red, shown);
}

void TestFrmMonoChromat::opensWithARandomTrial()
{
    openScripted(500, 650);
    QCOMPARE(form()->Caption(), QStringLiteral("Color Matching in a Monochromat"));
    QVERIFY(!form()->isMdiChild());
    QVERIFY(form()->isWindow());
    QCOMPARE(form()->size(), QSize(494, 404)); // 7410 x 6060 twips
    // The curve's peak height, against which percentages are taken.
    QCOMPARE(picStandard()->Tag(), QStringLiteral("0.132980760209787"));
    QCOMPARE(picComparison()->Tag(), picStandard()->Tag());

    QCOMPARE(caption("lblStandard"), QStringLiteral("500"));
    QCOMPARE(input(0), QStringLiteral("175"));
    QCOMPARE(percent(0), QStringLiteral("69"));
    QCOMPARE(absorbed(0), QStringLiteral("121"));
    QCOMPARE(caption("lblComparison"), QStringLiteral("650"));
    QCOMPARE(VScroll1()->Value(), 255);
    QCOMPARE(input(1), QStringLiteral("255"));
    QCOMPARE(percent(1), QStringLiteral("69"));
    QCOMPARE(absorbed(1), QStringLiteral("176")); // 255 x 69% = 175.95
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(121, 121, 121));
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(176, 176, 176));
    verifyMatchShown(false);
}

void TestFrmMonoChromat::percentAbsorbedByWavelength_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("absorbed"); // at intensity 175
    QTest::newRow("400") << 400 << "14" << "24"; // 24.5 rounds to the even 24
    QTest::newRow("450") << 450 << "36" << "63";
    QTest::newRow("500") << 500 << "69" << "121";
    QTest::newRow("525") << 525 << "85" << "149";
    QTest::newRow("550") << 550 << "96" << "168";
    QTest::newRow("575 peak") << 575 << "100" << "175";
    QTest::newRow("600") << 600 << "96" << "168";
    QTest::newRow("650") << 650 << "69" << "121";
    QTest::newRow("700") << 700 << "36" << "63";
    QTest::newRow("750") << 750 << "14" << "24";
}

// The same numbers on either side; the same light on both sides matches.
void TestFrmMonoChromat::percentAbsorbedByWavelength()
{
    QFETCH(int, nm);
    QFETCH(QString, percent);
    QFETCH(QString, absorbed);
    openScripted(nm, nm == 400 ? 401 : 400);
    setComparison(nm, 175);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(input(i), QStringLiteral("175"));
        QCOMPARE(this->percent(i), percent);
        QCOMPARE(this->absorbed(i), absorbed);
    }
    QCOMPARE(caption("lblComparison"), QString::number(nm));
    const int n = absorbed.toInt();
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(n, n, n));
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(n, n, n));
    verifyMatchShown(true);
}

void TestFrmMonoChromat::matchesByIntensityAlone_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<int>("intensity");
    QTest::addColumn<QString>("absorbed");
    QTest::addColumn<bool>("match");
    // The standard is 500 nm at 175: 121 absorbed.
    QTest::newRow("650 at 175") << 650 << 175 << "121" << true;
    QTest::newRow("575 at 121") << 575 << 121 << "121" << true;
    QTest::newRow("575 at 122") << 575 << 122 << "122" << false;
    QTest::newRow("575 at 120") << 575 << 120 << "120" << false;
    QTest::newRow("500 at 176") << 500 << 176 << "121" << true; // 121.44 still shows 121
    QTest::newRow("500 at 174") << 500 << 174 << "120" << false;
    QTest::newRow("450 at 336") << 450 << 336 << "121" << true; // 120.96
    QTest::newRow("400 at 500") << 400 << 500 << "70" << false;
}

void TestFrmMonoChromat::matchesByIntensityAlone()
{
    QFETCH(int, nm);
    QFETCH(int, intensity);
    QFETCH(QString, absorbed);
    QFETCH(bool, match);
    openScripted(500, 700);
    verifyMatchShown(false);
    setComparison(nm, intensity);
    QCOMPARE(this->absorbed(1), absorbed);
    const int n = absorbed.toInt();
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(n, n, n));
    verifyMatchShown(match);
}

void TestFrmMonoChromat::patchesClipAtWhiteAndReachBlack_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<int>("intensity");
    QTest::addColumn<QString>("absorbed");
    QTest::addColumn<int>("grey");
    QTest::newRow("575 at 500: white") << 575 << 500 << "500" << 255;
    QTest::newRow("550 at 500: white") << 550 << 500 << "480" << 255;
    QTest::newRow("575 at 256: white") << 575 << 256 << "256" << 255;
    QTest::newRow("575 at 255") << 575 << 255 << "255" << 255;
    QTest::newRow("575 at 0: black") << 575 << 0 << "0" << 0;
    QTest::newRow("400 at 0: black") << 400 << 0 << "0" << 0;
    QTest::newRow("750 at 0: black") << 750 << 0 << "0" << 0;
    QTest::newRow("400 at 3") << 400 << 3 << "0" << 0; // 0.42
    QTest::newRow("400 at 4") << 400 << 4 << "1" << 1; // 0.56
}

void TestFrmMonoChromat::patchesClipAtWhiteAndReachBlack()
{
    QFETCH(int, nm);
    QFETCH(int, intensity);
    QFETCH(QString, absorbed);
    QFETCH(int, grey);
    openScripted(600, 401);
    setComparison(nm, intensity);
    QCOMPARE(this->absorbed(1), absorbed);
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(grey, grey, grey));
}

// The standard's plot: a marker in the plot's pen at its wavelength under
// the curve; the comparison's: the curve with a cyan marker over it, which
// moves with the wavelength and leaves no trace behind.
void TestFrmMonoChromat::plotsShowCurveAndMarkers()
{
    openScripted(450, 700);
    const QColor cyan(0, 255, 255);
    const QColor text = toQColor(SystemColor::WindowText);
    QCOMPARE(picStandard()->BackColor(), OleColor(SystemColor::WindowBackground));
    const QList<int> standardMarker = columnsShowing(picStandard(), 5, text);
    QCOMPARE(standardMarker.size(), 1);
    QVERIFY(qAbs(standardMarker[0] - markerColumn(450)) <= 1);
    QVERIFY(columnsShowing(picStandard(), 5, cyan).isEmpty());

    for (int nm : {700, 575, 401}) {
        HScroll1()->setValue(nm);
        const QList<int> marker = columnsShowing(picComparison(), 5, cyan);
        QCOMPARE(marker.size(), 1);
        QVERIFY2(qAbs(marker[0] - markerColumn(nm)) <= 1, qPrintable(QString::number(marker[0])));
        QVERIFY(columnsShowing(picComparison(), 5, Qt::black).isEmpty());
    }
    // Both curves peak at 575 nm, 0.9 of the plot's height above its
    // bottom edge, and fall to either side.
    const int peakRow = qRound((2295 - 0.9 * 2295) / 15);
    for (PictureBox *plot : {picStandard(), picComparison()}) {
        const auto curveColumns = [&](int row) {
            QList<int> columns = columnsShowing(plot, row, Qt::black);
            if (plot == picStandard())
                columns.removeAll(standardMarker[0]);
            return columns;
        };
        const QList<int> nearPeak = curveColumns(peakRow + 1);
        QVERIFY(!nearPeak.isEmpty());
        for (int x : nearPeak)
            QVERIFY2(qAbs(x - markerColumn(575)) <= 12, qPrintable(QString::number(x)));
        QVERIFY(curveColumns(peakRow - 3).isEmpty());
        // Near the bottom the two flanks are far apart.
        const QList<int> low = curveColumns(110);
        QVERIFY(!low.isEmpty());
        QVERIFY(low.first() < markerColumn(575) - 40 && low.last() > markerColumn(575) + 40);
    }
}

void TestFrmMonoChromat::clickInPlotPicksWavelength_data()
{
    QTest::addColumn<double>("x"); // twips from the plot's inner left edge
    QTest::addColumn<int>("nm");
    QTest::newRow("left edge") << 0.0 << 400;
    QTest::newRow("middle") << 2655 / 2.0 << 575;
    QTest::newRow("one pixel in") << 15.0 << 402; // 401.98
    QTest::newRow("last pixel") << 2580.0 << 740;
    QTest::newRow("three quarters") << 2655 * 0.75 << 662; // 662.5, to the even 662
}

void TestFrmMonoChromat::clickInPlotPicksWavelength()
{
    QFETCH(double, x);
    QFETCH(int, nm);
    openScripted(500, 700);
    plotMouse(picComparison(), QEvent::MouseButtonPress, x, Qt::LeftButton, Qt::LeftButton);
    plotMouse(picComparison(), QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(HScroll1()->Value(), nm);
    QCOMPARE(caption("lblComparison"), QString::number(nm));
    const QList<int> marker = columnsShowing(picComparison(), 5, QColor(0, 255, 255));
    QCOMPARE(marker.size(), 1);
    QVERIFY(qAbs(marker[0] - markerColumn(nm)) <= 1);
    // The standard's plot takes no clicks.
    plotMouse(picStandard(), QEvent::MouseButtonPress, 100, Qt::LeftButton, Qt::LeftButton);
    plotMouse(picStandard(), QEvent::MouseButtonRelease, 100, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(HScroll1()->Value(), nm);
    QCOMPARE(caption("lblStandard"), QStringLiteral("500"));
}

// A drag follows the pointer inside the plot; beyond either edge, however
// far, the wavelength stays where it was, silently.
void TestFrmMonoChromat::dragBeyondEdgesKeepsWavelength()
{
    testsupport::MessageRecorder messages;
    openScripted(500, 700);
    PictureBox *plot = picComparison();
    QTest::mousePress(plot, Qt::LeftButton, {}, plot->clientOrigin() + QPoint(88, 40));
    QCOMPARE(HScroll1()->Value(), 574); // 1320 twips
    // x in pixels from the inner left edge: 400 + 1.977 nm a pixel.
    const struct { int x; int nm; } path[] = {
        {30, 459}, {-1, 459}, {-40, 459}, {-100000, 459}, {0, 400}, {172, 740},
        {300, 740}, {5000, 740}, {1000000, 740}, {120, 637}, {-3, 637},
    };
    for (const auto &step : path) {
        QTest::mouseMove(plot, plot->clientOrigin() + QPoint(step.x, 40));
        QCOMPARE(HScroll1()->Value(), step.nm);
        QCOMPARE(caption("lblComparison"), QString::number(step.nm));
    }
    QTest::mouseRelease(plot, Qt::LeftButton, {}, plot->clientOrigin() + QPoint(-3, 40));
    // Moving without a button held changes nothing.
    QTest::mouseMove(plot, plot->clientOrigin() + QPoint(50, 40));
    QCOMPARE(HScroll1()->Value(), 637);
    QVERIFY(messages.boxes.isEmpty());
    QVERIFY(form()->isLoaded());
}

void TestFrmMonoChromat::otherButtonsDoNothing()
{
    openScripted(500, 700);
    PictureBox *plot = picComparison();
    // The right button alone: no pick, no drag.
    plotMouse(plot, QEvent::MouseButtonPress, 0, Qt::RightButton, Qt::RightButton);
    plotMouse(plot, QEvent::MouseMove, 1000, Qt::NoButton, Qt::RightButton);
    plotMouse(plot, QEvent::MouseButtonRelease, 1000, Qt::RightButton, Qt::NoButton);
    QCOMPARE(HScroll1()->Value(), 700);
    // Both buttons: the left press picks, moving with both held does not.
    plotMouse(plot, QEvent::MouseButtonPress, 2655 / 2.0, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(HScroll1()->Value(), 575);
    plotMouse(plot, QEvent::MouseButtonPress, 2655 / 2.0, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(HScroll1()->Value(), 575);
    plotMouse(plot, QEvent::MouseMove, 0, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(HScroll1()->Value(), 575);
    plotMouse(plot, QEvent::MouseButtonRelease, 0, Qt::RightButton, Qt::LeftButton);
    // The left button alone again drags.
    plotMouse(plot, QEvent::MouseMove, 0, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(HScroll1()->Value(), 400);
    plotMouse(plot, QEvent::MouseButtonRelease, 0, Qt::LeftButton, Qt::NoButton);
    // The middle button does nothing either.
    plotMouse(plot, QEvent::MouseButtonPress, 2655 / 2.0, Qt::MiddleButton, Qt::MiddleButton);
    plotMouse(plot, QEvent::MouseButtonRelease, 2655 / 2.0, Qt::MiddleButton, Qt::NoButton);
    QCOMPARE(HScroll1()->Value(), 400);
}

void TestFrmMonoChromat::scrollBarsByMouse()
{
    openScripted(500, 600);
    testsupport::clickArrow(HScroll1(), true);
    QCOMPARE(caption("lblComparison"), QStringLiteral("601"));
    testsupport::clickTrough(HScroll1(), false);
    QCOMPARE(caption("lblComparison"), QStringLiteral("576"));
    // The intensity bar has 500 at the top: its lower arrow dims the light.
    testsupport::clickArrow(VScroll1(), true);
    QCOMPARE(input(1), QStringLiteral("254"));
    testsupport::clickTrough(VScroll1(), false);
    QCOMPARE(input(1), QStringLiteral("264"));
    QCOMPARE(absorbed(1), QStringLiteral("264"));
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(255, 255, 255));

    // Dragging updates all the way, not only on release: through 575 nm at
    // 121 the sign shows while the thumb is still down.
    QList<QPair<int, bool>> whileDragging; // intensity, sign shown
    connect(VScroll1(), &ScrollBar::Scroll, this,
            [&] { whileDragging.append({VScroll1()->Value(), label("lblMatch")->Visible()}); });
    HScroll1()->setValue(575);
    testsupport::dragThumb(VScroll1(), {300, 121, 0});
    QVERIFY(whileDragging.contains(QPair<int, bool>(121, true)));
    for (const auto &[intensity, shown] : whileDragging)
        QCOMPARE(shown, intensity == 121);
    QCOMPARE(absorbed(1), QStringLiteral("0"));
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(0, 0, 0));
    testsupport::dragThumb(HScroll1(), {400, 750});
    QCOMPARE(caption("lblComparison"), QStringLiteral("750"));
}

// Tab moves the focus from control to control until it reaches target.
void TestFrmMonoChromat::tabTo(QWidget *target)
{
    for (int presses = 0; QApplication::focusWidget() != target; ++presses) {
        QVERIFY2(presses < 20, "the tab order does not reach the control");
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestFrmMonoChromat::keyboardAlone()
{
    openScripted(500, 600);
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
    tabTo(HScroll1()->bar());
    QTest::keyClick(HScroll1()->bar(), Qt::Key_Right);
    QTest::keyClick(HScroll1()->bar(), Qt::Key_Right);
    QCOMPARE(caption("lblComparison"), QStringLiteral("602"));
    QTest::keyClick(HScroll1()->bar(), Qt::Key_Left);
    QTest::keyClick(HScroll1()->bar(), Qt::Key_PageUp);
    QCOMPARE(caption("lblComparison"), QStringLiteral("576"));
    QCOMPARE(columnsShowing(picComparison(), 5, QColor(0, 255, 255)).size(), 1);
    // Up is toward the bar's top: more light.
    tabTo(VScroll1()->bar());
    QTest::keyClick(VScroll1()->bar(), Qt::Key_Up);
    QCOMPARE(input(1), QStringLiteral("256"));
    QTest::keyClick(VScroll1()->bar(), Qt::Key_End);
    QCOMPARE(input(1), QStringLiteral("0"));
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(0, 0, 0));
    QTest::keyClick(VScroll1()->bar(), Qt::Key_Home);
    QCOMPARE(input(1), QStringLiteral("500"));
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(255, 255, 255));
    tabTo(cmdReset()->button());
    Random::script({drawFor(700), drawFor(450)});
    QTest::keyClick(cmdReset()->button(), Qt::Key_Space);
    QCOMPARE(caption("lblStandard"), QStringLiteral("700"));
    QCOMPARE(caption("lblComparison"), QStringLiteral("450"));
}

// Bars driven to both ends by key, buttons and plots clicked in quick
// succession: no error, and what is shown still follows the bars.
void TestFrmMonoChromat::survivesRoughUse()
{
    testsupport::MessageRecorder messages;
    openScripted(500, 600);
    for (int round = 0; round < 3; ++round) {
        for (ScrollBar *bar : {HScroll1(), VScroll1()}) {
            for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown})
                QTest::keyClick(bar->bar(), key);
        }
        for (int click = 0; click < 10; ++click) {
            QTest::mouseClick(cmdReset()->button(), Qt::LeftButton);
            QTest::mouseClick(picComparison(), Qt::LeftButton, {}, QPoint(click * 20, 30));
            QTest::mouseClick(picStandard(), Qt::LeftButton, {}, QPoint(click * 20, 30));
        }
    }
    QVERIFY2(messages.boxes.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    QVERIFY(form()->isLoaded());
    QCOMPARE(caption("lblComparison"), QString::number(HScroll1()->Value()));
    QCOMPARE(input(1), QString::number(VScroll1()->Value()));
    const int n = absorbed(1).toInt();
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(n, n, n));
}

void TestFrmMonoChromat::resetDrawsANewTrial()
{
    openScripted(500, 600);
    VScroll1()->setValue(100);
    reset(700, 450);
    QCOMPARE(percent(0), QStringLiteral("36"));
    QCOMPARE(absorbed(0), QStringLiteral("63"));
    // The intensity is the user's; the wavelength is new.
    QCOMPARE(input(1), QStringLiteral("100"));
    QCOMPARE(caption("lblComparison"), QStringLiteral("450"));
    QCOMPARE(absorbed(1), QStringLiteral("36"));
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(63, 63, 63));
    // Only the new standard's marker is left.
    const QList<int> marker = columnsShowing(picStandard(), 5, Qt::black);
    QCOMPARE(marker.size(), 1);
    QVERIFY(qAbs(marker[0] - markerColumn(700)) <= 1);

    // A reset that draws the comparison's own wavelength still redraws it
    // and compares against the new standard.
    VScroll1()->setValue(175);
    reset(450, 450);
    verifyMatchShown(true);
    QCOMPARE(absorbed(0), QStringLiteral("63"));
    // The draws run to both ends of the range.
    Random::script({0.0f, 0.99999f});
    QTest::mouseClick(cmdReset()->button(), Qt::LeftButton);
    QCOMPARE(caption("lblStandard"), QStringLiteral("400"));
    QCOMPARE(HScroll1()->Value(), 750);
}

void TestFrmMonoChromat::reopensAfresh()
{
    openScripted(500, 650);
    VScroll1()->setValue(175);
    verifyMatchShown(true);
    form()->close(); // the close box
    testsupport::settle();
    QVERIFY(!form()->isLoaded());
    openScripted(600, 420);
    QCOMPARE(VScroll1()->Value(), 255);
    QCOMPARE(caption("lblStandard"), QStringLiteral("600"));
    QCOMPARE(absorbed(0), QStringLiteral("168"));
    QCOMPARE(caption("lblComparison"), QStringLiteral("420"));
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(168, 168, 168));
    verifyMatchShown(false);
    const QList<int> marker = columnsShowing(picComparison(), 5, QColor(0, 255, 255));
    QCOMPARE(marker.size(), 1);
    QVERIFY(qAbs(marker[0] - markerColumn(420)) <= 1);
    // Chosen again while open, it comes to the front as it is.
    testsupport::choose(fixture.main(), MenuCommand);
    QCOMPARE(caption("lblStandard"), QStringLiteral("600"));
    QVERIFY(testsupport::insideShown(form()));
}

QTEST_MAIN(TestFrmMonoChromat)
#include "tst_frmmonochromat.moc"
