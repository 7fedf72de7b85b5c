// Colour matching in a dichromat. With one comparison light: the percents
// and numbers the S and L cones absorb, their ratios, the patch colours
// and the "Match" sign, and the comparison picked with the mouse. With two
// primaries: the mixture's numbers and totals, the solved match, the
// "Negative Primary" message, and the standard picked with the mouse.

#include "support/testsupport.h"

using namespace forms;

namespace {
const QString MenuCommand = QStringLiteral("mnuDichromatsitem");
const QString WindowName = QStringLiteral("frmDiChromat");
const QString NegativeText = QStringLiteral("To make this match one of the primaries needs to be negative.");
const QString NegativeTitle = QStringLiteral("Negative Primary");

// The random draw that makes a reset pick this wavelength.
float drawFor(int nm) { return float(nm - 350) / 300.0f; }

// Centres of the two patches and the "Match" sign's area, in the window's pixels.
const QPoint StandardPatch((960 + 607) / 15, (120 + 487) / 15);
const QPoint ComparisonPatch((5880 + 607) / 15, (120 + 487) / 15);
const QRect MatchArea(3720 / 15, 5760 / 15, 1215 / 15, 495 / 15);

// What shows only with one comparison light, and only with two primaries.
const QStringList OneLightOnly = {"HScroll1", "cmdReset", "lblComparison", "lblEqual"};
const QStringList TwoPrimariesOnly = {
    "hscStandard",    "vscPrim2",       "lblPrim1",       "lblPrim2",      "Label19(2)",  "Label20(2)",
    "lblInput(4)",    "lblInput(5)",    "lblPercent(4)",  "lblPercent(5)", "lblAbsorbed(4)",
    "lblAbsorbed(5)", "Line3",          "cmdMatch",       "lblTotalS",     "lblTotalL",   "lblS",
    "lblL",           "Label18(2)",     "lblRatio(4)",    "lblRatio(5)",   "lblRatio(6)"};

// A mouse event on a plot at x twips from its inner left edge (between
// pixels where need be, as on a high-density screen) and 600 twips down.
void plotMouse(PictureBox *plot, QEvent::Type type, double twipsX, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    const QPointF at = QPointF(plot->clientOrigin()) + QPointF(twipsX, 600) / 15.0;
    QMouseEvent event(type, at, plot->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}

void plotClick(PictureBox *plot, double twipsX)
{
    plotMouse(plot, QEvent::MouseButtonPress, twipsX, Qt::LeftButton, Qt::LeftButton);
    plotMouse(plot, QEvent::MouseButtonRelease, twipsX, Qt::LeftButton, Qt::NoButton);
}

// The plot as shown, inner area only.
QImage innerShown(PictureBox *plot)
{
    const QImage image = plot->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const int b = plot->clientOrigin().x();
    const QRect inner(QPoint(b, b) * dpr, (plot->size() - QSize(2 * b, 2 * b)) * dpr);
    return image.copy(inner).scaled(plot->size() - QSize(2 * b, 2 * b));
}

// Columns of the plot drawn mostly in the colour: its vertical markers.
QList<int> markerColumns(PictureBox *plot, const QColor &colour)
{
    const QImage image = innerShown(plot);
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            n += image.pixelColor(x, y) == colour;
        if (n > image.height() / 2)
            columns << x;
    }
    return columns;
}

// Where a curve in the colour reaches highest: the middle of its topmost
// row's pixels (a cone curve's peak).
double peakColumn(PictureBox *plot, const QColor &colour)
{
    const QImage image = innerShown(plot);
    for (int y = 0; y < image.height(); ++y) {
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                columns << x;
        if (!columns.isEmpty())
            return (columns.first() + columns.last()) / 2.0;
    }
    return -1;
}

// Where a wavelength falls on either plot, in inner pixels.
double columnOf(double nm) { return (nm - 350) / 300 * 2655 / 15; }

bool isNear(const QList<int> &columns, double nm)
{
    return columns.size() == 1 && qAbs(columns[0] - columnOf(nm)) <= 1;
}
} // namespace

class TestFrmDiChromat : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithOneComparisonLight();
    void standardLights_data();
    void standardLights();
    void comparisonMatchesStandard_data();
    void comparisonMatchesStandard();
    void brightComparisonClipsPatch();
    void plotsShowConesAndMarker();
    void comparisonPickedInPlot_data();
    void comparisonPickedInPlot();
    void comparisonDragBeyondEdges();
    void otherButtonsDoNothing();
    void scrollBarsByMouse();

    void enteringTwoPrimaries();
    void matchSolvesForPrimaries_data();
    void matchSolvesForPrimaries();
    void negativePrimaryChangesNothing_data();
    void negativePrimaryChangesNothing();
    void onlyStandardsBetweenPrimariesMatch();
    void oneStepAfterMatch();
    void zeroIntensityRatios();
    void standardBarHearsAfterModeSwitches_data();
    void standardBarHearsAfterModeSwitches();
    void standardPickedInPlot();
    void leavingKeepsStandard();
    void keyboardAlone();
    void survivesRoughUse();
    void reopensAfresh();

private:
    void openScripted(int standard, int comparison);
    void click(CommandButton *button) { QTest::mouseClick(button->button(), Qt::LeftButton); }
    void addPrimary();
    void setStandard(int nm);
    void verifyMode(bool twoPrimaries);
    void tabTo(QWidget *target);
    void verifyMatchShown(bool shown);
    void verifyComparisonPatch(int r, int g);
    QStringList everythingShown() const;

    PictureBox *picStandard() const { return fixture.control<PictureBox>("picStandard"); }
    PictureBox *picComparison() const { return fixture.control<PictureBox>("picComparison"); }
    ScrollBar *bar(const char *name) const { return fixture.control<ScrollBar>(name); }
    ScrollBar *HScroll1() const { return bar("HScroll1"); }
    ScrollBar *VScroll1() const { return bar("VScroll1"); }
    ScrollBar *hscStandard() const { return bar("hscStandard"); }
    ScrollBar *vscPrim2() const { return bar("vscPrim2"); }
    CommandButton *button(const char *name) const { return fixture.control<CommandButton>(name); }
    Label *label(const QString &name) const { return fixture.control<Label>(name); }
    QString caption(const QString &name) const { return label(name)->Caption(); }
    QString input(int i) const { return caption(QStringLiteral("lblInput(%1)").arg(i)); }
    QString percent(int i) const { return caption(QStringLiteral("lblPercent(%1)").arg(i)); }
    QString absorbed(int i) const { return caption(QStringLiteral("lblAbsorbed(%1)").arg(i)); }
    QString ratio(int i) const { return caption(QStringLiteral("lblRatio(%1)").arg(i)); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmDiChromat::init()
{
    fixture.start();
}

void TestFrmDiChromat::cleanup()
{
    fixture.finish();
}

// Opens the window through its command with the standard and comparison
// wavelengths its reset draws.
void TestFrmDiChromat::openScripted(int standard, int comparison)
{
    Random::script({drawFor(standard), drawFor(comparison)});
    fixture.open(MenuCommand, WindowName);
    QCOMPARE(caption("lblStandard"), QString::number(standard));
    QCOMPARE(HScroll1()->Value(), comparison);
}

void TestFrmDiChromat::addPrimary()
{
    QCOMPARE(button("cmdAddPrimary")->Caption(), QStringLiteral("Add Primary"));
    click(button("cmdAddPrimary"));
    verifyMode(true);
}

// The standard's bar, as a user drags it.
void TestFrmDiChromat::setStandard(int nm)
{
    testsupport::dragThumb(hscStandard(), {nm});
    QCOMPARE(caption("lblStandard"), QString::number(nm));
}

void TestFrmDiChromat::verifyMode(bool twoPrimaries)
{
    QCOMPARE(button("cmdAddPrimary")->Caption(), twoPrimaries ? QStringLiteral("One Primary") : QStringLiteral("Add Primary"));
    for (const QString &name : OneLightOnly)
        QVERIFY2(fixture.control<Control>(name)->isVisible() == !twoPrimaries, qPrintable(name));
    for (const QString &name : TwoPrimariesOnly)
        QVERIFY2(fixture.control<Control>(name)->isVisible() == twoPrimaries, qPrintable(name));
}

// The sign is on screen (red on black) or the window's grey shows there.
void TestFrmDiChromat::verifyMatchShown(bool shown)
{
    QCOMPARE(label("lblMatch")->Visible(), shown);
    const QImage seen = testsupport::shownImage(form());
    QCOMPARE(seen.pixelColor(MatchArea.topLeft() + QPoint(2, 2)),
             shown ? QColor(Qt::black) : QColor(0xC0, 0xC0, 0xC0));
    bool red = false;
    for (int y = MatchArea.top(); y <= MatchArea.bottom() && !red; ++y)
        for (int x = MatchArea.left(); x <= MatchArea.right() && !red; ++x)
            red = seen.pixelColor(x, y) == QColor(Qt::red);
    QCOMPARE(red, shown);
}

void TestFrmDiChromat::verifyComparisonPatch(int r, int g)
{
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), RGB(r, g, 0));
}

// Every caption, value and patch colour the student can see.
QStringList TestFrmDiChromat::everythingShown() const
{
    QStringList shown;
    for (Label *l : form()->findChildren<Label *>())
        shown << l->objectName() + QLatin1Char('=') + l->Caption() + (l->isVisible() ? "" : " (hidden)");
    for (ScrollBar *b : form()->findChildren<ScrollBar *>())
        shown << b->objectName() + QLatin1Char('=') + QString::number(b->Value()) + QLatin1Char('/') + b->Tag();
    shown << QString::number(testsupport::oleAt(form(), StandardPatch))
          << QString::number(testsupport::oleAt(form(), ComparisonPatch));
    return shown;
}

void TestFrmDiChromat::opensWithOneComparisonLight()
{
    openScripted(500, 600);
    QCOMPARE(form()->Caption(), QStringLiteral("Color Matching in a Dichromat"));
    QVERIFY(!form()->isMdiChild());
    QVERIFY(form()->isWindow());
    QCOMPARE(form()->size(), QSize(704, 446)); // 10560 x 6690 twips
    QCOMPARE(testsupport::oleAt(form(), QPoint(2, 440)), OleColor(0xC0C0C0));
    verifyMode(false);
    // The cones' peaks and curve colours.
    QCOMPARE(label("lblInput(0)")->Tag(), QStringLiteral("531"));
    QCOMPARE(label("lblInput(1)")->Tag(), QStringLiteral("65280"));
    QCOMPARE(label("lblInput(2)")->Tag(), QStringLiteral("558"));
    QCOMPARE(label("lblInput(3)")->Tag(), QStringLiteral("255"));

    QCOMPARE(caption("lblComparison"), QStringLiteral("600"));
    QCOMPARE(VScroll1()->Value(), 250);
    QCOMPARE(input(1), QStringLiteral("250"));
    QCOMPARE(input(3), QStringLiteral("250"));
    QCOMPARE(percent(1), QStringLiteral("22.5"));
    QCOMPARE(percent(3), QStringLiteral("61.96"));
    QCOMPARE(absorbed(1), QStringLiteral("56")); // 56.25 to the even 56
    QCOMPARE(absorbed(3), QStringLiteral("155")); // 154.9
    QCOMPARE(ratio(2), QStringLiteral("0.36"));
    QCOMPARE(ratio(3), QStringLiteral("0.36"));
    verifyComparisonPatch(155, 56);
    verifyMatchShown(false);
}

void TestFrmDiChromat::standardLights_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<QString>("percentS");
    QTest::addColumn<QString>("percentL");
    QTest::addColumn<int>("numberS");
    QTest::addColumn<int>("numberL");
    QTest::addColumn<QString>("percentRatio");
    QTest::addColumn<QString>("numberRatio");
    QTest::newRow("500") << 500 << "81.45" << "54.24" << 143 << 95 << "1.5" << "1.5";
    QTest::newRow("531 S peak") << 531 << "99.94" << "86.61" << 175 << 152 << "1.15" << "1.15";
    QTest::newRow("350 no L count") << 350 << "0.29" << "0.1" << 1 << 0 << "2.96" << "---";
    QTest::newRow("650") << 650 << "0.96" << "8.56" << 2 << 15 << "0.11" << "0.11";
    QTest::newRow("492") << 492 << "72.86" << "45.72" << 127 << 80 << "1.59" << "1.59";
    QTest::newRow("378") << 378 << "1.43" << "0.52" << 2 << 1 << "2.72" << "2.72";
}

// A reset's standard at intensity 175: its numbers come from the full
// percentages.
void TestFrmDiChromat::standardLights()
{
    QFETCH(int, nm);
    QFETCH(QString, percentS);
    QFETCH(QString, percentL);
    QFETCH(int, numberS);
    QFETCH(int, numberL);
    QFETCH(QString, percentRatio);
    QFETCH(QString, numberRatio);
    openScripted(nm, nm == 400 ? 401 : 400);
    QCOMPARE(input(0), QStringLiteral("175"));
    QCOMPARE(input(2), QStringLiteral("175"));
    QCOMPARE(percent(0), percentS);
    QCOMPARE(percent(2), percentL);
    QCOMPARE(absorbed(0), QString::number(numberS));
    QCOMPARE(absorbed(2), QString::number(numberL));
    QCOMPARE(ratio(0), percentRatio);
    QCOMPARE(ratio(1), numberRatio);
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(numberL, numberS, 0));
    // The same wavelength's lights drawn by a later reset give the same.
    Random::script({drawFor(nm), drawFor(nm == 600 ? 601 : 600)});
    click(button("cmdReset"));
    QCOMPARE(absorbed(0), QString::number(numberS));
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(numberL, numberS, 0));
}

void TestFrmDiChromat::comparisonMatchesStandard_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<QString>("comparisonS");
    QTest::addColumn<QString>("comparisonL");
    QTest::addColumn<bool>("match");
    QTest::newRow("500") << 500 << "143" << "95" << true;
    QTest::newRow("531") << 531 << "175" << "152" << true;
    QTest::newRow("650") << 650 << "2" << "15" << true;
    QTest::newRow("350") << 350 << "1" << "0" << true;
    // The comparison's numbers come from the rounded percents shown:
    // 175 x 72.86% = 127.505 against the standard's 127.498.
    QTest::newRow("492 rounds apart") << 492 << "128" << "80" << false;
    QTest::newRow("378 rounds apart") << 378 << "3" << "1" << false;
}

// The comparison at the standard's wavelength and intensity matches,
// unless the rounding of the percents shown sets them apart; one step of the
// intensity sets them apart once a number shown changes.
void TestFrmDiChromat::comparisonMatchesStandard()
{
    QFETCH(int, nm);
    QFETCH(QString, comparisonS);
    QFETCH(QString, comparisonL);
    QFETCH(bool, match);
    openScripted(nm, nm == 600 ? 601 : 600);
    VScroll1()->setValue(175);
    HScroll1()->setValue(nm);
    QCOMPARE(caption("lblComparison"), QString::number(nm));
    QCOMPARE(percent(1), percent(0));
    QCOMPARE(percent(3), percent(2));
    QCOMPARE(absorbed(1), comparisonS);
    QCOMPARE(absorbed(3), comparisonL);
    verifyComparisonPatch(comparisonL.toInt(), comparisonS.toInt());
    verifyMatchShown(match);

    // Step by step up the bar: the sign stays while the numbers shown agree.
    do {
        testsupport::clickArrow(VScroll1(), false);
        verifyMatchShown(absorbed(1) == absorbed(0) && absorbed(3) == absorbed(2));
    } while (label("lblMatch")->Visible() && VScroll1()->Value() < 500);
    QCOMPARE(input(1), QString::number(VScroll1()->Value()));
}

void TestFrmDiChromat::brightComparisonClipsPatch()
{
    openScripted(450, 600);
    VScroll1()->setValue(500);
    HScroll1()->setValue(500);
    QCOMPARE(absorbed(1), QStringLiteral("407"));
    QCOMPARE(absorbed(3), QStringLiteral("271"));
    verifyComparisonPatch(255, 255);
    VScroll1()->setValue(0);
    QCOMPARE(absorbed(1), QStringLiteral("0"));
    QCOMPARE(absorbed(3), QStringLiteral("0"));
    QCOMPARE(ratio(3), QStringLiteral("---"));
    QCOMPARE(ratio(2), QStringLiteral("1.5"));
    verifyComparisonPatch(0, 0);
}

// Both plots: a black marker at the light's wavelength with the S curve
// (green, peak 531 nm) and the L curve (red, peak 558 nm) over it.
void TestFrmDiChromat::plotsShowConesAndMarker()
{
    openScripted(420, 620);
    for (auto [plot, nm] : {std::pair{picStandard(), 420}, std::pair{picComparison(), 620}}) {
        QVERIFY(isNear(markerColumns(plot, Qt::black), nm));
        QVERIFY(qAbs(peakColumn(plot, QColor(0, 255, 0)) - columnOf(531)) <= 2);
        QVERIFY(qAbs(peakColumn(plot, QColor(255, 0, 0)) - columnOf(558)) <= 2);
    }
    // A new wavelength moves the marker; the old one is gone.
    HScroll1()->setValue(380);
    QVERIFY(isNear(markerColumns(picComparison(), Qt::black), 380));
    Random::script({drawFor(600), drawFor(380)});
    click(button("cmdReset"));
    QVERIFY(isNear(markerColumns(picStandard(), Qt::black), 600));
    QVERIFY(isNear(markerColumns(picComparison(), Qt::black), 380));
}

void TestFrmDiChromat::comparisonPickedInPlot_data()
{
    QTest::addColumn<double>("x"); // twips from the plot's inner left edge
    QTest::addColumn<int>("nm");
    QTest::newRow("left edge") << 0.0 << 350;
    QTest::newRow("middle") << 2655 / 2.0 << 500;
    QTest::newRow("one pixel in") << 15.0 << 352; // 351.69
    QTest::newRow("last pixel") << 2580.0 << 642; // 641.53
}

void TestFrmDiChromat::comparisonPickedInPlot()
{
    QFETCH(double, x);
    QFETCH(int, nm);
    openScripted(450, 600);
    plotClick(picComparison(), x);
    QCOMPARE(HScroll1()->Value(), nm);
    QCOMPARE(caption("lblComparison"), QString::number(nm));
    QVERIFY(isNear(markerColumns(picComparison(), Qt::black), nm));
    // With one light the standard's plot takes no clicks.
    plotClick(picStandard(), x);
    QCOMPARE(caption("lblStandard"), QStringLiteral("450"));
    QCOMPARE(hscStandard()->Value(), 400);
}

// A drag follows the pointer inside the plot; beyond either edge, however
// far, the wavelength stays where it was, silently.
void TestFrmDiChromat::comparisonDragBeyondEdges()
{
    testsupport::MessageRecorder messages;
    openScripted(450, 600);
    PictureBox *plot = picComparison();
    QTest::mousePress(plot, Qt::LeftButton, {}, plot->clientOrigin() + QPoint(60, 40));
    QCOMPARE(HScroll1()->Value(), 452); // 900 twips: 451.69
    // x in pixels from the inner left edge: 1.695 nm a pixel.
    const struct { int x; int nm; } path[] = {
        {-1, 452}, {-500, 452}, {-1000000, 452}, {0, 350}, {172, 642},
        {180, 642}, {1000000, 642}, {100, 519}, {-2, 519},
    };
    for (const auto &step : path) {
        QTest::mouseMove(plot, plot->clientOrigin() + QPoint(step.x, 40));
        QCOMPARE(HScroll1()->Value(), step.nm);
    }
    QTest::mouseRelease(plot, Qt::LeftButton, {}, plot->clientOrigin() + QPoint(-2, 40));
    QCOMPARE(caption("lblComparison"), QStringLiteral("519"));
    QVERIFY(messages.boxes.isEmpty());
}

void TestFrmDiChromat::otherButtonsDoNothing()
{
    openScripted(450, 600);
    for (PictureBox *plot : {picComparison(), picStandard()}) {
        plotMouse(plot, QEvent::MouseButtonPress, 0, Qt::RightButton, Qt::RightButton);
        plotMouse(plot, QEvent::MouseMove, 1000, Qt::NoButton, Qt::RightButton);
        plotMouse(plot, QEvent::MouseButtonRelease, 1000, Qt::RightButton, Qt::NoButton);
    }
    QCOMPARE(HScroll1()->Value(), 600);
    // Both buttons held: moving picks nothing.
    plotMouse(picComparison(), QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(HScroll1()->Value(), 350);
    plotMouse(picComparison(), QEvent::MouseButtonPress, 0, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    plotMouse(picComparison(), QEvent::MouseMove, 2655 / 2.0, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(HScroll1()->Value(), 350);
    plotMouse(picComparison(), QEvent::MouseButtonRelease, 2655 / 2.0, Qt::RightButton, Qt::LeftButton);
    plotMouse(picComparison(), QEvent::MouseMove, 2655 / 2.0, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(HScroll1()->Value(), 500);
    plotMouse(picComparison(), QEvent::MouseButtonRelease, 2655 / 2.0, Qt::LeftButton, Qt::NoButton);

    // Nor in the two-primary mode, on either plot.
    addPrimary();
    for (PictureBox *plot : {picComparison(), picStandard()}) {
        plotMouse(plot, QEvent::MouseButtonPress, 0, Qt::RightButton, Qt::RightButton);
        plotMouse(plot, QEvent::MouseButtonRelease, 0, Qt::RightButton, Qt::NoButton);
    }
    QCOMPARE(hscStandard()->Value(), 450);
    QCOMPARE(HScroll1()->Value(), 500);
}

void TestFrmDiChromat::scrollBarsByMouse()
{
    openScripted(450, 600);
    testsupport::clickArrow(HScroll1(), true);
    QCOMPARE(caption("lblComparison"), QStringLiteral("601"));
    testsupport::clickTrough(HScroll1(), false);
    QCOMPARE(caption("lblComparison"), QStringLiteral("576"));
    // 500 at the top of the intensity bar: the lower arrow dims the light.
    testsupport::clickArrow(VScroll1(), true);
    QCOMPARE(input(1), QStringLiteral("249"));
    QCOMPARE(VScroll1()->Tag(), QStringLiteral("249"));
    testsupport::clickTrough(VScroll1(), false);
    QCOMPARE(input(3), QStringLiteral("259"));
    // Dragging updates all the way, not only on release.
    QStringList whileDragging;
    connect(HScroll1(), &ScrollBar::Scroll, this, [&] { whileDragging << caption("lblComparison"); });
    testsupport::dragThumb(HScroll1(), {450, 350});
    QVERIFY(whileDragging.contains(QStringLiteral("450")));
    QCOMPARE(caption("lblComparison"), QStringLiteral("350"));
    QVERIFY(isNear(markerColumns(picComparison(), Qt::black), 350));
}

// ---- Two primaries ----

void TestFrmDiChromat::enteringTwoPrimaries()
{
    openScripted(500, 600);
    addPrimary();
    QCOMPARE(caption("lblPrim1"), QStringLiteral("475"));
    QCOMPARE(caption("lblPrim2"), QStringLiteral("620"));
    QCOMPARE(hscStandard()->Value(), 500);
    QCOMPARE(hscStandard()->Tag(), QString());
    // Percents of the primaries, full in the tags.
    QCOMPARE(percent(1), QStringLiteral("53.32"));
    QCOMPARE(percent(3), QStringLiteral("29.7"));
    QCOMPARE(percent(4), QStringLiteral("7.85"));
    QCOMPARE(percent(5), QStringLiteral("34.02"));
    QCOMPARE(label("lblPercent(1)")->Tag().left(8), QStringLiteral("53.32177"));
    QCOMPARE(ratio(2), QStringLiteral("1.8"));
    QCOMPARE(ratio(4), QStringLiteral("0.23"));
    // Both at 250.
    for (int i : {1, 3, 4, 5})
        QCOMPARE(input(i), QStringLiteral("250"));
    QCOMPARE(absorbed(1), QStringLiteral("133"));
    QCOMPARE(absorbed(3), QStringLiteral("74"));
    QCOMPARE(absorbed(4), QStringLiteral("20"));
    QCOMPARE(absorbed(5), QStringLiteral("85"));
    QCOMPARE(caption("lblS"), QStringLiteral("153"));
    QCOMPARE(caption("lblL"), QStringLiteral("159"));
    QCOMPARE(ratio(6), QStringLiteral("0.96"));
    QCOMPARE(caption("lblTotalS"), QStringLiteral("Total on S = "));
    QCOMPARE(caption("lblTotalL"), QStringLiteral("Total on L ="));
    verifyComparisonPatch(159, 153);
    // The standard, from its rounded percents now: 175 x 81.45% = 142.54.
    QCOMPARE(absorbed(0), QStringLiteral("143"));
    QCOMPARE(label("lblAbsorbed(0)")->Tag(), QStringLiteral("142.5375"));
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(95, 143, 0));
    verifyMatchShown(false);
    // The comparison plot: both curves, the primaries' markers over them.
    QVERIFY(isNear(markerColumns(picComparison(), QColor(0, 0, 255)), 475));
    QVERIFY(isNear(markerColumns(picComparison(), QColor(255, 128, 0)), 620));
    QVERIFY(markerColumns(picComparison(), Qt::black).isEmpty());
    QVERIFY(qAbs(peakColumn(picComparison(), QColor(0, 255, 0)) - columnOf(531)) <= 2);
    QVERIFY(isNear(markerColumns(picStandard(), Qt::black), 500));
}

void TestFrmDiChromat::matchSolvesForPrimaries_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<double>("I1");
    QTest::addColumn<double>("I2");
    QTest::addColumn<int>("bar1");
    QTest::addColumn<int>("bar2");
    QTest::addColumn<QString>("totalS");
    QTest::addColumn<QString>("totalL");
    QTest::newRow("500") << 500 << 259.6057 << 52.3759 << 260 << 52 << "143" << "95";
    QTest::newRow("550") << 550 << 254.7545 << 284.8738 << 255 << 285 << "158" << "173";
    QTest::newRow("600") << 600 << 30.8924 << 291.7819 << 31 << 292 << "39" << "108";
    QTest::newRow("475 primary 1 alone") << 475 << 174.9935 << 0.0048 << 175 << 0 << "93" << "52";
}

void TestFrmDiChromat::matchSolvesForPrimaries()
{
    QFETCH(int, nm);
    QFETCH(double, I1);
    QFETCH(double, I2);
    QFETCH(int, bar1);
    QFETCH(int, bar2);
    QFETCH(QString, totalS);
    QFETCH(QString, totalL);
    testsupport::MessageRecorder messages;
    openScripted(400, 600);
    addPrimary();
    setStandard(nm);
    click(button("cmdMatch"));
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(VScroll1()->Value(), bar1);
    QCOMPARE(vscPrim2()->Value(), bar2);
    // The exact intensities stay in the bars' tags; the inputs show the bars.
    QVERIFY(qAbs(CDbl(VScroll1()->Tag()) - I1) < 5e-5);
    QVERIFY(qAbs(CDbl(vscPrim2()->Tag()) - I2) < 5e-5);
    QCOMPARE(input(1), QString::number(bar1));
    QCOMPARE(input(5), QString::number(bar2));
    QCOMPARE(caption("lblS"), totalS);
    QCOMPARE(caption("lblL"), totalL);
    QCOMPARE(absorbed(0), totalS);
    QCOMPARE(absorbed(2), totalL);
    QVERIFY(qAbs(CDbl(label("lblS")->Tag()) - CDbl(label("lblAbsorbed(0)")->Tag())) < 1e-9);
    verifyComparisonPatch(totalL.toInt(), totalS.toInt());
    QCOMPARE(testsupport::oleAt(form(), ComparisonPatch), testsupport::oleAt(form(), StandardPatch));
    verifyMatchShown(true);
    // Pressed again, the match stands.
    click(button("cmdMatch"));
    QCOMPARE(VScroll1()->Value(), bar1);
    verifyMatchShown(true);
}

void TestFrmDiChromat::negativePrimaryChangesNothing_data()
{
    QTest::addColumn<int>("nm");
    QTest::newRow("450: primary 2 at -12.8") << 450;
    QTest::newRow("625: primary 1 at -2.9") << 625;
    QTest::newRow("474") << 474;
    QTest::newRow("621") << 621;
    QTest::newRow("350") << 350;
    QTest::newRow("650") << 650;
}

void TestFrmDiChromat::negativePrimaryChangesNothing()
{
    QFETCH(int, nm);
    testsupport::MessageRecorder messages;
    openScripted(500, 600);
    addPrimary();
    setStandard(nm);
    VScroll1()->setValue(123);
    const QStringList before = everythingShown();
    click(button("cmdMatch"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, NegativeText);
    QCOMPARE(messages.boxes[0].second, NegativeTitle);
    QCOMPARE(everythingShown(), before);
}

// Only standards between the primaries can be matched; the rest need a
// negative amount of one primary.
void TestFrmDiChromat::onlyStandardsBetweenPrimariesMatch()
{
    testsupport::MessageRecorder messages;
    openScripted(500, 600);
    addPrimary();
    QList<int> unmatched, unshown;
    for (int nm = 350; nm <= 650; ++nm) {
        hscStandard()->setValue(nm);
        const qsizetype boxes = messages.boxes.size();
        click(button("cmdMatch"));
        if (messages.boxes.size() > boxes)
            unmatched << nm;
        else if (!label("lblMatch")->Visible())
            unshown << nm;
    }
    QList<int> outside;
    for (int nm = 350; nm <= 650; ++nm)
        if (nm < 475 || nm > 620)
            outside << nm;
    QCOMPARE(unmatched, outside);
    QCOMPARE(unshown, QList<int>());
}

void TestFrmDiChromat::oneStepAfterMatch()
{
    openScripted(500, 600);
    addPrimary();
    click(button("cmdMatch"));
    verifyMatchShown(true);
    // Each step writes the bar's own value as its exact intensity; the
    // sign stays while the rounded totals still equal the standard's 143
    // and 95.
    const struct { ScrollBar *bar; bool towardMax; QString tag; QString s; QString l; } steps[] = {
        {VScroll1(), true, "259", "142", "95"},  {VScroll1(), false, "260", "143", "95"},
        {vscPrim2(), false, "53", "143", "95"},  {vscPrim2(), true, "52", "143", "95"},
        {vscPrim2(), true, "51", "143", "95"},   {VScroll1(), true, "259", "142", "94"},
    };
    for (const auto &step : steps) {
        testsupport::clickArrow(step.bar, step.towardMax);
        QCOMPARE(step.bar->Tag(), step.tag);
        QCOMPARE(caption("lblS"), step.s);
        QCOMPARE(caption("lblL"), step.l);
        verifyMatchShown(step.s == QLatin1String("143") && step.l == QLatin1String("95"));
    }
}

void TestFrmDiChromat::zeroIntensityRatios()
{
    openScripted(500, 600);
    addPrimary();
    testsupport::dragThumb(VScroll1(), {0});
    QCOMPARE(absorbed(3), QStringLiteral("0"));
    QCOMPARE(ratio(3), QStringLiteral("---"));
    QCOMPARE(ratio(5), QStringLiteral("0.23"));
    QCOMPARE(ratio(6), QStringLiteral("0.23"));
    testsupport::dragThumb(vscPrim2(), {0});
    QCOMPARE(ratio(5), QStringLiteral("---"));
    QCOMPARE(caption("lblL"), QStringLiteral("0"));
    QCOMPARE(ratio(6), QStringLiteral("---"));
    verifyComparisonPatch(0, 0);
    testsupport::dragThumb(VScroll1(), {500});
    testsupport::dragThumb(vscPrim2(), {500});
    QCOMPARE(caption("lblS"), QStringLiteral("306")); // 266.6 + 39.25
    verifyComparisonPatch(255, 255);
}

void TestFrmDiChromat::standardBarHearsAfterModeSwitches_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("switches"); // presses of the mode button, ending with two primaries
    QTest::newRow("once") << 500 << 1;
    QTest::newRow("on, off, on") << 500 << 3;
    QTest::newRow("on and off twice, then on") << 500 << 5;
    QTest::newRow("standard at the bar's design value, once") << 400 << 1;
    QTest::newRow("standard at the bar's design value, three times") << 400 << 3;
}

// Taking the standard's wavelength, the bar ignores only the change that
// causes; when it already stood there and no change came, the user's next
// change must still be heard.
void TestFrmDiChromat::standardBarHearsAfterModeSwitches()
{
    QFETCH(int, standard);
    QFETCH(int, switches);
    openScripted(standard, 600);
    for (int i = 0; i < switches; ++i) {
        click(button("cmdAddPrimary"));
        QCOMPARE(hscStandard()->Tag(), QString());
        QCOMPARE(caption("lblStandard"), QString::number(standard));
    }
    verifyMode(true);
    QCOMPARE(hscStandard()->Value(), standard);
    testsupport::clickArrow(hscStandard(), true);
    QCOMPARE(caption("lblStandard"), QString::number(standard + 1));
    QVERIFY(isNear(markerColumns(picStandard(), Qt::black), standard + 1));
    testsupport::clickTrough(hscStandard(), true);
    QCOMPARE(caption("lblStandard"), QString::number(standard + 26));
}

void TestFrmDiChromat::standardPickedInPlot()
{
    testsupport::MessageRecorder messages;
    openScripted(450, 600);
    addPrimary();
    plotClick(picStandard(), 2655 / 2.0);
    QCOMPARE(hscStandard()->Value(), 500);
    QCOMPARE(caption("lblStandard"), QStringLiteral("500"));
    QCOMPARE(absorbed(0), QStringLiteral("143"));
    QVERIFY(isNear(markerColumns(picStandard(), Qt::black), 500));
    // Dragged beyond the edges it stays; back inside it follows.
    PictureBox *plot = picStandard();
    QTest::mousePress(plot, Qt::LeftButton, {}, plot->clientOrigin() + QPoint(0, 40));
    QCOMPARE(caption("lblStandard"), QStringLiteral("350"));
    for (int x : {-5, -100000, 400, 1000000})
        QTest::mouseMove(plot, plot->clientOrigin() + QPoint(x, 40));
    QCOMPARE(caption("lblStandard"), QStringLiteral("350"));
    QTest::mouseMove(plot, plot->clientOrigin() + QPoint(59, 40));
    QCOMPARE(caption("lblStandard"), QStringLiteral("450")); // 885 twips: 450.0
    QTest::mouseRelease(plot, Qt::LeftButton, {}, plot->clientOrigin() + QPoint(59, 40));
    // The comparison plot takes no clicks in this mode.
    plotClick(picComparison(), 0);
    QCOMPARE(HScroll1()->Value(), 600);
    QCOMPARE(caption("lblS"), QStringLiteral("153"));
    QVERIFY(messages.boxes.isEmpty());
}

void TestFrmDiChromat::leavingKeepsStandard()
{
    openScripted(450, 600);
    addPrimary();
    setStandard(500);
    click(button("cmdMatch"));
    click(button("cmdAddPrimary"));
    verifyMode(false);
    // The standard stays at 500 with its numbers; the comparison is one
    // light again, at the first primary's intensity.
    QCOMPARE(caption("lblStandard"), QStringLiteral("500"));
    QCOMPARE(absorbed(0), QStringLiteral("143"));
    QCOMPARE(caption("lblComparison"), QStringLiteral("600"));
    QCOMPARE(input(1), QStringLiteral("260"));
    QCOMPARE(percent(1), QStringLiteral("22.5"));
    QCOMPARE(absorbed(1), QStringLiteral("58")); // 58.5 to the even 58
    QCOMPARE(ratio(2), QStringLiteral("0.36"));
    QVERIFY(isNear(markerColumns(picComparison(), Qt::black), 600));
    QVERIFY(markerColumns(picComparison(), QColor(0, 0, 255)).isEmpty());
    // The comparison at the standard's light matches it again.
    HScroll1()->setValue(500);
    VScroll1()->setValue(175);
    verifyMatchShown(true);
    plotClick(picComparison(), 0);
    QCOMPARE(HScroll1()->Value(), 350);
    click(button("cmdReset"));
    verifyMode(false);
}

// Tab moves the focus from control to control until it reaches target.
void TestFrmDiChromat::tabTo(QWidget *target)
{
    for (int presses = 0; QApplication::focusWidget() != target; ++presses) {
        QVERIFY2(presses < 20, "the tab order does not reach the control");
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestFrmDiChromat::keyboardAlone()
{
    testsupport::MessageRecorder messages;
    openScripted(450, 600);
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
    tabTo(HScroll1()->bar());
    QTest::keyClick(HScroll1()->bar(), Qt::Key_Right);
    QCOMPARE(caption("lblComparison"), QStringLiteral("601"));
    tabTo(VScroll1()->bar());
    QTest::keyClick(VScroll1()->bar(), Qt::Key_Up);
    QCOMPARE(input(1), QStringLiteral("251"));

    tabTo(button("cmdAddPrimary")->button());
    QTest::keyClick(button("cmdAddPrimary")->button(), Qt::Key_Space);
    verifyMode(true);
    tabTo(hscStandard()->bar());
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(hscStandard()->bar(), Qt::Key_Right);
    QCOMPARE(caption("lblStandard"), QStringLiteral("500"));
    QVERIFY(isNear(markerColumns(picStandard(), Qt::black), 500));
    tabTo(button("cmdMatch")->button());
    QTest::keyClick(button("cmdMatch")->button(), Qt::Key_Space);
    QCOMPARE(VScroll1()->Value(), 260);
    QCOMPARE(vscPrim2()->Value(), 52);
    verifyMatchShown(true);
    tabTo(vscPrim2()->bar());
    QTest::keyClick(vscPrim2()->bar(), Qt::Key_Home);
    QCOMPARE(input(4), QStringLiteral("500"));
    verifyMatchShown(false);
    QVERIFY(messages.boxes.isEmpty());

    tabTo(button("cmdAddPrimary")->button());
    QTest::keyClick(button("cmdAddPrimary")->button(), Qt::Key_Space);
    verifyMode(false);
}

// Every bar driven to both ends by key in both modes, buttons and plots
// clicked in quick succession: no error beyond the negative primary a
// match can need, and what is shown still follows the bars.
void TestFrmDiChromat::survivesRoughUse()
{
    testsupport::MessageRecorder messages;
    openScripted(500, 600);
    for (int round = 0; round < 4; ++round) {
        for (ScrollBar *b : form()->findChildren<ScrollBar *>()) {
            if (!b->isVisible())
                continue;
            for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown})
                QTest::keyClick(b->bar(), key);
        }
        for (int n = 0; n < 10; ++n) {
            for (const char *name : {"cmdReset", "cmdMatch"}) {
                if (button(name)->isVisible())
                    click(button(name));
            }
            QTest::mouseClick(picComparison(), Qt::LeftButton, {}, QPoint(n * 20, 30));
            QTest::mouseClick(picStandard(), Qt::LeftButton, {}, QPoint(n * 20, 30));
        }
        click(button("cmdAddPrimary"));
    }
    for (const auto &box : messages.boxes)
        QCOMPARE(box.second, NegativeTitle);
    QVERIFY(form()->isLoaded());
    verifyMode(false);
    QCOMPARE(caption("lblComparison"), QString::number(HScroll1()->Value()));
    QCOMPARE(input(1), QString::number(VScroll1()->Value()));
    verifyComparisonPatch(qMin(255, absorbed(3).toInt()), qMin(255, absorbed(1).toInt()));
}

void TestFrmDiChromat::reopensAfresh()
{
    openScripted(550, 600);
    addPrimary();
    click(button("cmdMatch"));
    form()->close(); // the close box
    testsupport::settle();
    QVERIFY(!form()->isLoaded());
    openScripted(500, 380);
    verifyMode(false);
    QCOMPARE(VScroll1()->Value(), 250);
    QCOMPARE(vscPrim2()->Value(), 250);
    QCOMPARE(hscStandard()->Value(), 400);
    QCOMPARE(absorbed(0), QStringLiteral("143"));
    QCOMPARE(testsupport::oleAt(form(), StandardPatch), RGB(95, 143, 0));
    QVERIFY(isNear(markerColumns(picComparison(), Qt::black), 380));
    verifyMatchShown(false);
    addPrimary();
    QCOMPARE(caption("lblS"), QStringLiteral("153"));
}

QTEST_MAIN(TestFrmDiChromat)
#include "tst_frmdichromat.moc"
