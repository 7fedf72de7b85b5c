// Trichromatic theory as a student sees it: the cone curves and the
// wavelength marker in the plot, the three bars' heights and the four
// colour patches read back from the screen, the observer's name as cones
// are removed, and wavelengths picked with the mouse in the plot.

#include "support/testsupport.h"

#include <QApplication>
#include <cmath>

using namespace forms;

namespace {
constexpr double PlotWidth = 3615; // picChannels' outer size, the plot's extents
constexpr double Baseline = 6040;  // the bars' common bottom (twips)
const QColor Black(0, 0, 0);

// The x coordinate in the plot (twips) of a wavelength.
double plotX(double nm)
{
    return (nm - 350) / 300 * PlotWidth;
}

// A mouse event at a point of the plot given in its own twips (fractional
// pixels allowed), as the window system delivers it to the box.
void sendMouse(PictureBox *plot, QEvent::Type type, double X, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    const QPointF at = QPointF(plot->clientOrigin()) + QPointF(X / TwipsPerPixel, 100);
    QMouseEvent event(type, at, plot->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}
} // namespace

class TestFrmTrichromatic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAtThreeHundredFifty();
    void barsAndPatches_data();
    void barsAndPatches();
    void observerTypes_data();
    void observerTypes();
    void removingEveryConeIsRefused();
    void mousePicksWavelengths_data();
    void mousePicksWavelengths();
    void scrollBarByKeyboardAndMouse();
    void roughHandling();
    void reopeningStartsAfresh();

private:
    Form *form() const { return fixture.form(); }
    PictureBox *plot() const { return fixture.control<PictureBox>("picChannels"); }
    ScrollBar *hscSF() const { return fixture.control<ScrollBar>("hscSF"); }
    PictureBox *bar(int i) const
    {
        return fixture.control<PictureBox>(QStringList{"picAact", "picBact", "picCact"}[i]);
    }
    CommandButton *coneButton(QChar letter) const
    {
        return fixture.control<CommandButton>(QStringLiteral("cmd") + letter);
    }
    Label *lblCondition() const { return fixture.control<Label>("lblCondition"); }
    void click(QChar letter) const { QTest::mouseClick(coneButton(letter)->button(), Qt::LeftButton); }

    // The bars' heights in twips (from their Tags) and as shown on screen.
    void verifyBars(const QList<int> &heights);
    // The four patches on screen: short, middle, long, combined.
    void verifyPatches(int r, int g, int b);
    // Which curves the plot shows ("BGR" for all three), and the marker.
    void verifyPlot(const QString &curves, int nm);

    testsupport::WindowFixture fixture;
};

void TestFrmTrichromatic::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuTrichromaticItem"), QStringLiteral("frmTrichromatic"));
}

void TestFrmTrichromatic::cleanup()
{
    fixture.finish();
}

void TestFrmTrichromatic::verifyBars(const QList<int> &heights)
{
    const QImage shown = testsupport::shownImage(form());
    const QColor colours[3] = {Qt::blue, Qt::green, Qt::red};
    for (int i = 0; i < 3; ++i) {
        PictureBox *b = bar(i);
        QCOMPARE(b->Tag(), QString::number(heights[i]));
        QCOMPARE(b->Height(), double(heights[i]));
        QCOMPARE(b->Top() + b->Height(), Baseline);
        // On screen: the rows the bar covers in its middle column, from the
        // lowest design top down to the baseline.
        const int x = b->mapTo(form(), QPoint(b->width() / 2, 0)).x();
        int top = -1, bottom = -1;
        for (int y = twipsToPixels(5040) - 3; y <= twipsToPixels(Baseline) + 3; ++y) {
            if (shown.pixelColor(x, y) != Black) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        const int rows = top < 0 ? 0 : bottom - top + 1;
        QCOMPARE(rows, spanPixels(Baseline - heights[i], heights[i]));
        if (rows > 0)
            QCOMPARE(bottom, twipsToPixels(Baseline) - 1);
        if (rows > 4) // inside its border the bar shows its cone's colour
            QCOMPARE(shown.pixelColor(x, (top + bottom) / 2), colours[i]);
    }
}

void TestFrmTrichromatic::verifyPatches(int r, int g, int b)
{
    const QImage shown = testsupport::shownImage(form());
    const QColor expected[4] = {QColor(0, 0, b), QColor(0, g, 0), QColor(r, 0, 0), QColor(r, g, b)};
    for (int i = 0; i < 4; ++i) {
        auto *patch = fixture.control<Shape>(QStringLiteral("Shape1(%1)").arg(i));
        QCOMPARE(patch->BackColor(), fromQColor(expected[i]));
        const QPoint centre = patch->mapTo(form(), patch->rect().center());
        QCOMPARE(shown.pixelColor(centre), expected[i]);
    }
}

void TestFrmTrichromatic::verifyPlot(const QString &curves, int nm)
{
    const QImage shown = testsupport::shownImage(form());
    const QPoint origin = plot()->mapTo(form(), plot()->clientOrigin());
    const QSize inner(plot()->width() - 4, plot()->height() - 4);
    const QList<QPair<QChar, QColor>> pens = {{'B', Qt::blue}, {'G', Qt::green}, {'R', Qt::red}};
    for (const auto &[letter, colour] : pens) {
        bool seen = false;
        for (int y = 0; y < inner.height() && !seen; ++y)
            for (int x = 0; x < inner.width() && !seen; ++x)
                seen = shown.pixelColor(origin + QPoint(x, y)) == colour;
        QVERIFY2(seen == curves.contains(letter), qPrintable(QStringLiteral("curve ") + letter));
    }
    // The marker runs from top to bottom, over the curves.
    const int column = int(std::floor(plotX(nm) / TwipsPerPixel));
    if (column < inner.width()) {
        for (int y = 0; y < inner.height(); ++y)
            QCOMPARE(shown.pixelColor(origin + QPoint(column, y)), Black);
    }
    for (int x : {column - 3, column + 3}) {
        if (x >= 0 && x < inner.width())
            QCOMPARE_NE(shown.pixelColor(origin + QPoint(x, inner.height() / 2)), Black);
    }
}

void TestFrmTrichromatic::opensAtThreeHundredFifty()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Trichromatic Theory"));
    QCOMPARE(form()->windowTitle(), QStringLiteral("Trichromatic Theory"));
    QVERIFY(!form()->isMdiChild());
    QVERIFY(form()->isWindow());
    QCOMPARE(form()->size(), QSize(389, 430)); // 5835 x 6450 twips
    QCOMPARE(testsupport::pixel(form(), {3, 3}), Black);
    QCOMPARE(hscSF()->Value(), 350);
    QCOMPARE(hscSF()->Min(), 350);
    QCOMPARE(hscSF()->Max(), 650);
    QCOMPARE(hscSF()->LargeChange(), 50);
    for (QChar letter : {'B', 'G', 'R'}) {
        QCOMPARE(coneButton(letter)->Tag(), QStringLiteral("True"));
        QCOMPARE(coneButton(letter)->Caption(), QString(letter));
    }
    QCOMPARE(lblCondition()->Caption(), QStringLiteral("Trichromat"));
    QVERIFY(!lblCondition()->Visible());
    QCOMPARE(fixture.control<Label>("Label2")->Caption(), QStringLiteral("Relative Firing Rates of Cones"));
    QCOMPARE(fixture.control<Label>("Label5(0)")->Caption(), QStringLiteral("Cone Outputs"));
    QCOMPARE(fixture.control<Label>("Label5(1)")->Caption(), QStringLiteral("Combined Outputs"));
    verifyBars({1000, 13, 4});
    verifyPatches(1, 3, 255);
    verifyPlot(QStringLiteral("BGR"), 350);
}

void TestFrmTrichromatic::barsAndPatches_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<QList<int>>("bars");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("350: short cone strongest") << 350 << QList<int>{1000, 13, 4} << 1 << 3 << 255;
    QTest::newRow("500: middle cone strongest") << 500 << QList<int>{39, 1000, 666} << 170 << 255 << 10;
    QTest::newRow("558: the long cone's peak") << 558 << QList<int>{0, 811, 1000} << 255 << 207 << 0;
    QTest::newRow("650: long cone strongest") << 650 << QList<int>{0, 112, 1000} << 255 << 28 << 0;
    QTest::newRow("450") << 450 << QList<int>{1000, 444, 213} << 54 << 113 << 255;
}

void TestFrmTrichromatic::barsAndPatches()
{
    QFETCH(int, nm);
    QFETCH(QList<int>, bars);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    hscSF()->setValue(nm == 350 ? 400 : 350);
    hscSF()->setValue(nm);
    verifyBars(bars);
    verifyPatches(r, g, b);
    verifyPlot(QStringLiteral("BGR"), nm);
}

void TestFrmTrichromatic::observerTypes_data()
{
    QTest::addColumn<int>("nm");
    QTest::addColumn<QString>("removed"); // clicked in this order
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QList<int>>("bars");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("no long cone") << 600 << "R" << "Dichromat Protanope" << QList<int>{0, 1000, 0} << 0 << 255 << 0;
    QTest::newRow("no middle cone") << 600 << "G" << "Dichromat Deuteranope" << QList<int>{0, 0, 1000} << 255 << 0 << 0;
    QTest::newRow("no short cone") << 600 << "B" << "Dichromat Tritanope" << QList<int>{0, 363, 1000} << 255 << 93 << 0;
    QTest::newRow("short cone alone at 650") << 650 << "GR" << "Monochromat" << QList<int>{1000, 0, 0} << 0 << 0 << 255;
    QTest::newRow("middle cone alone at 350") << 350 << "BR" << "Monochromat" << QList<int>{0, 1000, 0} << 0 << 255 << 0;
    QTest::newRow("long cone alone at 420") << 420 << "GB" << "Monochromat" << QList<int>{0, 0, 1000} << 255 << 0 << 0;
}

void TestFrmTrichromatic::observerTypes()
{
    QFETCH(int, nm);
    QFETCH(QString, removed);
    QFETCH(QString, condition);
    QFETCH(QList<int>, bars);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    hscSF()->setValue(nm);
    for (QChar letter : removed)
        click(letter);
    for (QChar letter : {'B', 'G', 'R'}) {
        QCOMPARE(coneButton(letter)->Tag(), removed.contains(letter) ? QStringLiteral("False") : QStringLiteral("True"));
        QCOMPARE(coneButton(letter)->Caption(), QString(letter)); // the caption never changes
    }
    QCOMPARE(lblCondition()->Caption(), condition);
    QVERIFY(lblCondition()->Visible());
    QVERIFY(lblCondition()->isVisible());
    verifyBars(bars);
    verifyPatches(r, g, b);
    QString present;
    for (QChar letter : {'B', 'G', 'R'})
        if (!removed.contains(letter))
            present += letter;
    verifyPlot(present, nm);

    // The remaining cones still tell wavelengths apart by their ratios only:
    // a lone cone gives a full bar everywhere.
    hscSF()->setValue(nm == 500 ? 510 : 500);
    if (condition == QLatin1String("Monochromat")) {
        const int full = QStringLiteral("BGR").indexOf(present);
        QCOMPARE(bar(full)->Tag(), QStringLiteral("1000"));
    }

    // Restoring the cones brings the trichromat back.
    for (QChar letter : removed)
        click(letter);
    QCOMPARE(lblCondition()->Caption(), QStringLiteral("Trichromat"));
    QVERIFY(!lblCondition()->Visible());
    hscSF()->setValue(500);
    verifyBars({39, 1000, 666});
    verifyPlot(QStringLiteral("BGR"), 500);
}

void TestFrmTrichromatic::removingEveryConeIsRefused()
{
    testsupport::MessageRecorder boxes;
    hscSF()->setValue(500);
    click('B');
    click('G');
    verifyBars({0, 0, 1000});
    verifyPatches(255, 0, 0);
    QCOMPARE(lblCondition()->Caption(), QStringLiteral("Monochromat"));
    QVERIFY(boxes.boxes.isEmpty());

    click('R');
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].first, QStringLiteral("You need to have at least on of the cones activated"));
    QCOMPARE(boxes.boxes[0].second, QStringLiteral("No Cone"));
    // The removal stands; the plot is cleared to the marker alone, and the
    // bars, patches and name keep what they showed.
    for (QChar letter : {'B', 'G', 'R'})
        QCOMPARE(coneButton(letter)->Tag(), QStringLiteral("False"));
    verifyPlot(QString(), 500);
    verifyBars({0, 0, 1000});
    verifyPatches(255, 0, 0);
    QCOMPARE(lblCondition()->Caption(), QStringLiteral("Monochromat"));

    // Moving the wavelength with no cone says so again and draws the marker.
    hscSF()->setValue(560);
    QCOMPARE(boxes.boxes.size(), 2);
    verifyPlot(QString(), 560);

    // Any cone restored redraws normally.
    click('G');
    QCOMPARE(boxes.boxes.size(), 2);
    verifyBars({0, 1000, 0});
    verifyPatches(0, 255, 0);
    verifyPlot(QStringLiteral("G"), 560);
    QCOMPARE(lblCondition()->Caption(), QStringLiteral("Monochromat"));
}

void TestFrmTrichromatic::mousePicksWavelengths_data()
{
    // Each step: press, move or release, with the button that changes
    // and the buttons held after it, at x in the plot's twips.
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("types"); // QEvent::Type
    QTest::addColumn<QList<int>>("buttons"); // 1 left, 2 right, 3 both: held after the step
    QTest::addColumn<QList<double>>("xs");
    QTest::addColumn<QList<int>>("values"); // the wavelength after each step

    using E = QList<int>;
    const int press = QEvent::MouseButtonPress;
    const int move = QEvent::MouseMove;
    const int release = QEvent::MouseButtonRelease;
    QTest::newRow("click at the left edge") << 450 << E{press, release} << QList<int>{1, 0}
                                            << QList<double>{0, 0} << QList<int>{350, 350};
    QTest::newRow("click at half the width") << 350 << E{press, release} << QList<int>{1, 0}
                                             << QList<double>{PlotWidth / 2, PlotWidth / 2} << QList<int>{500, 500};
    QTest::newRow("drag across the plot")
        << 350 << E{press, move, move, release} << QList<int>{1, 1, 1, 0}
        << QList<double>{plotX(400), plotX(558), plotX(620), plotX(620)} << QList<int>{400, 558, 620, 620};
    QTest::newRow("drag beyond the left edge")
        << 500 << E{press, move, move, move, move, release} << QList<int>{1, 1, 1, 1, 1, 0}
        << QList<double>{plotX(450), plotX(370), -300, -1e7, -1e12, -1e12} << QList<int>{450, 370, 370, 370, 370, 370};
    QTest::newRow("drag beyond the right edge")
        << 500 << E{press, move, move, move, move, release} << QList<int>{1, 1, 1, 1, 1, 0}
        << QList<double>{plotX(550), plotX(640), PlotWidth + 200, 1e7, 1e12, 1e12}
        << QList<int>{550, 640, 640, 640, 640, 640};
    QTest::newRow("back inside after leaving")
        << 500 << E{press, move, move, release} << QList<int>{1, 1, 1, 0}
        << QList<double>{plotX(600), -4000, plotX(360), plotX(360)} << QList<int>{600, 600, 360, 360};
    QTest::newRow("right button") << 450 << E{press, move, release} << QList<int>{2, 2, 0}
                                  << QList<double>{plotX(500), plotX(600), plotX(600)} << QList<int>{450, 450, 450};
    QTest::newRow("both buttons")
        << 450 << E{press, press, move, move, release, release} << QList<int>{1, 3, 3, 3, 2, 0}
        << QList<double>{plotX(500), plotX(520), plotX(600), -500, plotX(600), plotX(600)}
        << QList<int>{500, 500, 500, 500, 500, 500};
    QTest::newRow("moving without a button") << 450 << E{move, move} << QList<int>{0, 0}
                                             << QList<double>{plotX(500), plotX(600)} << QList<int>{450, 450};
}

void TestFrmTrichromatic::mousePicksWavelengths()
{
    QFETCH(int, start);
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, buttons);
    QFETCH(QList<double>, xs);
    QFETCH(QList<int>, values);
    testsupport::MessageRecorder boxes;
    hscSF()->setValue(start);
    const auto qtButtons = [](int mask) {
        Qt::MouseButtons held;
        if (mask & 1)
            held |= Qt::LeftButton;
        if (mask & 2)
            held |= Qt::RightButton;
        return held;
    };
    int before = 0;
    for (int i = 0; i < types.size(); ++i) {
        const Qt::MouseButtons held = qtButtons(buttons[i]);
        // The button that was pressed or released in this step.
        const Qt::MouseButtons changed = held ^ qtButtons(before);
        const Qt::MouseButton button = types[i] == QEvent::MouseMove ? Qt::NoButton
                                       : changed & Qt::RightButton  ? Qt::RightButton
                                                                    : Qt::LeftButton;
        sendMouse(plot(), QEvent::Type(types[i]), xs[i], button, held);
        before = buttons[i];
        QCOMPARE(hscSF()->Value(), values[i]);
    }
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join('\n')));
    // What the plot, bars and patches show follows the wavelength picked.
    verifyPlot(QStringLiteral("BGR"), values.last());
    if (values.last() == 500) {
        verifyBars({39, 1000, 666});
        verifyPatches(170, 255, 10);
    }
}

void TestFrmTrichromatic::scrollBarByKeyboardAndMouse()
{
    QScrollBar *qbar = hscSF()->bar();
    qbar->setFocus();
    QTest::keyClick(qbar, Qt::Key_End);
    QCOMPARE(hscSF()->Value(), 650);
    verifyBars({0, 112, 1000});
    verifyPatches(255, 28, 0);
    QTest::keyClick(qbar, Qt::Key_Home);
    QCOMPARE(hscSF()->Value(), 350);
    verifyBars({1000, 13, 4});
    QTest::keyClick(qbar, Qt::Key_Right);
    QCOMPARE(hscSF()->Value(), 351);
    QTest::keyClick(qbar, Qt::Key_PageDown);
    QCOMPARE(hscSF()->Value(), 401);
    QTest::keyClick(qbar, Qt::Key_Left);
    QCOMPARE(hscSF()->Value(), 400);

    testsupport::clickArrow(hscSF(), true);
    QCOMPARE(hscSF()->Value(), 401);
    testsupport::clickTrough(hscSF(), true);
    QCOMPARE(hscSF()->Value(), 451);

    // Dragging redraws continuously, not only on release.
    QList<QString> during;
    connect(hscSF(), &ScrollBar::Scroll, this, [&] { during << bar(1)->Tag(); });
    testsupport::dragThumb(hscSF(), {500, 558});
    QVERIFY(during.contains(QStringLiteral("1000")));
    QVERIFY(during.contains(QStringLiteral("811")));
    QCOMPARE(hscSF()->Value(), 558);
    verifyBars({0, 811, 1000});
    verifyPatches(255, 207, 0);
    verifyPlot(QStringLiteral("BGR"), 558);
}

void TestFrmTrichromatic::roughHandling()
{
    testsupport::MessageRecorder boxes;
    // Rapid clicks, passing through "no cone" again and again.
    const QString clicks = QStringLiteral("BGRRGBBBGGRRBRGGRBRBGBGR");
    QMap<QChar, bool> present = {{'B', true}, {'G', true}, {'R', true}};
    int refusals = 0;
    for (QChar letter : clicks) {
        click(letter);
        present[letter] = !present[letter];
        if (!present['B'] && !present['G'] && !present['R'])
            ++refusals;
        QCOMPARE(coneButton(letter)->Tag(), present[letter] ? QStringLiteral("True") : QStringLiteral("False"));
    }
    QCOMPARE(boxes.boxes.size(), refusals);
    QVERIFY(refusals > 0);

    // Every cone back, then the bar at both ends and drags far outside.
    for (QChar letter : {'B', 'G', 'R'})
        if (!present[letter])
            click(letter);
    for (auto action : {QAbstractSlider::SliderToMaximum, QAbstractSlider::SliderToMinimum,
                        QAbstractSlider::SliderToMaximum}) {
        hscSF()->bar()->triggerAction(action);
        sendMouse(plot(), QEvent::MouseButtonPress, -1e9, Qt::LeftButton, Qt::LeftButton);
        sendMouse(plot(), QEvent::MouseMove, 1e300, Qt::NoButton, Qt::LeftButton);
        sendMouse(plot(), QEvent::MouseMove, std::nan(""), Qt::NoButton, Qt::LeftButton);
        sendMouse(plot(), QEvent::MouseButtonRelease, 1e9, Qt::LeftButton, Qt::NoButton);
    }
    QCOMPARE(hscSF()->Value(), 650);
    QCOMPARE(boxes.boxes.size(), refusals);
    verifyBars({0, 112, 1000});
    verifyPlot(QStringLiteral("BGR"), 650);
}

void TestFrmTrichromatic::reopeningStartsAfresh()
{
    hscSF()->setValue(500);
    click('R');
    click('B');
    form()->close(); // the close box
    testsupport::settle();
    QVERIFY(!form()->isLoaded());
    testsupport::choose(fixture.main(), QStringLiteral("mnuTrichromaticItem"));
    QVERIFY(testsupport::insideShown(form()));
    QCOMPARE(hscSF()->Value(), 350);
    for (QChar letter : {'B', 'G', 'R'})
        QCOMPARE(coneButton(letter)->Tag(), QStringLiteral("True"));
    QVERIFY(!lblCondition()->Visible());
    verifyBars({1000, 13, 4});
    verifyPatches(1, 3, 255);
    verifyPlot(QStringLiteral("BGR"), 350);
    // The command on an open window brings it forward unchanged.
    hscSF()->setValue(400);
    testsupport::choose(fixture.main(), QStringLiteral("mnuTrichromaticItem"));
    QCOMPARE(hscSF()->Value(), 400);
}

QTEST_MAIN(TestFrmTrichromatic)
#include "tst_frmtrichromatic.moc"
