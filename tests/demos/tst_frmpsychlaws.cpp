// Psychophysical laws: the check boxes choose the laws, the scroll bars
// set k and the exponents, and the graph shows the curves where the laws
// put them, in their own colours, while a thumb is dragged as well.

#include "support/testsupport.h"

#include <cmath>

using namespace forms;

namespace {
// The curves are laid out on picGraph's outer size, spread over the area
// inside its border.
constexpr double GraphWidth = 6000;
constexpr double GraphHeight = 5635;
double twipsAtColumn(const QImage &image, int column) { return (column + 0.5) * GraphWidth / image.width(); }
double rowAt(const QImage &image, double y) { return y * image.height() / GraphHeight; }

// Whether a curve of this colour crosses a column of the drawing at about
// the expected row: within its pixels there, give or take the two-pixel
// pen width.
bool passesNear(const QImage &image, int column, OleColor colour, double expectedRow)
{
    const QRgb wanted = toQColor(colour).rgb();
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(column, y) == wanted) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    if (first < 0)
        qWarning("column %d: no pixels, expected row %.1f", column, expectedRow);
    else if (expectedRow < first - 2 || expectedRow > last + 2)
        qWarning("column %d: rows %d to %d, expected %.1f", column, first, last, expectedRow);
    return first >= 0 && expectedRow >= first - 2 && expectedRow <= last + 2;
}

int pixelsOf(const QImage &image, OleColor colour)
{
    const QRgb wanted = toQColor(colour).rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == wanted;
    return count;
}

const OleColor Black = 0x000000;
const OleColor CurveColour[3] = {RGB(128, 0, 0), RGB(0, 128, 0), RGB(0, 0, 128)};
} // namespace

class TestFrmPsychLaws : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithEmptyGraph();
    void fechnerCurveFollowsK_data();
    void fechnerCurveFollowsK();
    void powerLawShowsRowsButNoCurveUntilChosen();
    void powerCurvesFollowTheirExponents_data();
    void powerCurvesFollowTheirExponents();
    void exponentCaptions_data();
    void exponentCaptions();
    void draggingRedrawsContinuously();
    void hidingThePowerLawKeepsItsSettings();
    void fechnerClickKeepsPowerRowsAndDrawsBoth();
    void typingIntoTheAxisCaptionChangesNothingElse();
    void reopeningStartsAfresh();

private:
    CheckBox *chkLaws(int i) const { return fixture.control<CheckBox>(QStringLiteral("chkLaws(%1)").arg(i)); }
    CheckBox *chkB(int i) const { return fixture.control<CheckBox>(QStringLiteral("chkB(%1)").arg(i)); }
    ScrollBar *hscB(int i) const { return fixture.control<ScrollBar>(QStringLiteral("hscB(%1)").arg(i)); }
    Label *lblBRange(int i) const { return fixture.control<Label>(QStringLiteral("lblBRange(%1)").arg(i)); }
    ScrollBar *hscK() const { return fixture.control<ScrollBar>(QStringLiteral("hscK")); }
    PictureBox *picGraph() const { return fixture.control<PictureBox>(QStringLiteral("picGraph")); }
    TextBox *txtSensation() const { return fixture.control<TextBox>(QStringLiteral("txtSensation")); }
    void click(CheckBox *box) { QTest::mouseClick(box->box(), Qt::LeftButton); }
    bool powerRowsVisible(int i) const
    {
        return chkB(i)->Visible() && hscB(i)->Visible() && lblBRange(i)->Visible();
    }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmPsychLaws::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuPsychLawsItem"), QStringLiteral("frmPsychLaws"));
}

void TestFrmPsychLaws::cleanup()
{
    fixture.finish();
}

void TestFrmPsychLaws::opensWithEmptyGraph()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Psychophysical Laws"));
    QVERIFY(form()->isMdiChild());
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuPsychLawsItem"))->Checked());
    QCOMPARE(form()->size(), QSize(725, 506)); // 10875 x 7590 twips
    QCOMPARE(chkLaws(0)->Caption(), QStringLiteral("Fechner's Law"));
    QCOMPARE(chkLaws(1)->Caption(), QStringLiteral("Steven's Power Law"));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(chkLaws(i)->Value(), 0);
    QCOMPARE(hscK()->Value(), 1);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!chkB(i)->Visible() && !hscB(i)->Visible() && !lblBRange(i)->Visible());
        QCOMPARE(hscB(i)->Value(), 2);
        QCOMPARE(chkB(i)->Caption(), QStringLiteral("b - %1").arg(i + 1));
    }
    QCOMPARE(txtSensation()->Text(),
             QStringLiteral("S\r\ne\r\nn\r\ns\r\na\r\nt\r\ni\r\no\r\nn\r\n"));
    QCOMPARE(picGraph()->DrawWidth(), 2);
    const QImage graph = picGraph()->image();
    QCOMPARE(pixelsOf(graph, fromQColor(toQColor(SystemColor::WindowBackground))),
             graph.width() * graph.height());
}

void TestFrmPsychLaws::fechnerCurveFollowsK_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("k = 1 hugs the bottom edge") << 1;
    QTest::newRow("k = 37") << 37;
    QTest::newRow("k = 100 rises about 2600 twips") << 100;
}

void TestFrmPsychLaws::fechnerCurveFollowsK()
{
    QFETCH(int, k);
    hscK()->setValue(k);
    QCOMPARE(pixelsOf(picGraph()->image(), Black), 0); // nothing until the law is chosen
    click(chkLaws(0));
    QCOMPARE(chkLaws(0)->Value(), 1);
    const QImage graph = picGraph()->image();
    for (int column : {20, 100, 200, 390}) {
        const double x = twipsAtColumn(graph, column);
        const double expected = std::min(rowAt(graph, GraphHeight - 3 * k * std::log(x)), graph.height() - 1.0);
        QVERIFY(passesNear(graph, column, Black, expected));
    }
    // Unchecking clears the graph again.
    click(chkLaws(0));
    QCOMPARE(pixelsOf(picGraph()->image(), Black), 0);
}

void TestFrmPsychLaws::powerLawShowsRowsButNoCurveUntilChosen()
{
    click(chkLaws(1));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(powerRowsVisible(i));
        QCOMPARE(lblBRange(i)->Caption(), QStringLiteral("=  .1"));
        QCOMPARE(chkB(i)->Value(), 0);
    }
    const QImage graph = picGraph()->image();
    for (OleColor colour : CurveColour)
        QCOMPARE(pixelsOf(graph, colour), 0);
}

void TestFrmPsychLaws::powerCurvesFollowTheirExponents_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("barValue");
    QTest::newRow("b - 1 at .1, compressive") << 0 << 2;
    QTest::newRow("b - 2 at 1, the diagonal") << 1 << 20;
    QTest::newRow("b - 3 at 2, expansive") << 2 << 40;
    QTest::newRow("b - 1 at 3.5, leaves the top") << 0 << 70;
}

void TestFrmPsychLaws::powerCurvesFollowTheirExponents()
{
    QFETCH(int, index);
    QFETCH(int, barValue);
    click(chkLaws(1));
    hscB(index)->setValue(barValue);
    click(chkB(index));
    const double b = barValue / 20.0;
    const QImage graph = picGraph()->image();
    for (int other = 0; other < 3; ++other) {
        if (other != index)
            QCOMPARE(pixelsOf(graph, CurveColour[other]), 0);
    }
    // Every curve passes through intensity 500, sensation 500.
    for (int column : {10, 34, 60, 100, 200, 300}) {
        const double x = twipsAtColumn(graph, column);
        const double expected = rowAt(graph, GraphHeight - 500 * std::pow(x / 500, b));
        if (expected >= 2 && expected <= graph.height() - 2) // not beyond the top or the bottom edge
            QVERIFY(passesNear(graph, column, CurveColour[index], expected));
    }
    // Unchecking the row's box removes its curve.
    click(chkB(index));
    QCOMPARE(pixelsOf(picGraph()->image(), CurveColour[index]), 0);
}

void TestFrmPsychLaws::exponentCaptions_data()
{
    QTest::addColumn<int>("barValue");
    QTest::addColumn<QString>("caption");
    QTest::newRow("smallest") << 1 << "=  .05";
    QTest::newRow("two decimals") << 3 << "=  .15";
    QTest::newRow("one") << 20 << "=  1";
    QTest::newRow("between") << 27 << "=  1.35";
    QTest::newRow("largest") << 70 << "=  3.5";
}

void TestFrmPsychLaws::exponentCaptions()
{
    QFETCH(int, barValue);
    QFETCH(QString, caption);
    click(chkLaws(1));
    for (int i = 0; i < 3; ++i) {
        hscB(i)->setValue(barValue);
        QCOMPARE(lblBRange(i)->Caption(), caption);
        QCOMPARE(lblBRange((i + 1) % 3)->Caption(), i == 2 ? caption : QStringLiteral("=  .1"));
    }
}

void TestFrmPsychLaws::draggingRedrawsContinuously()
{
    click(chkLaws(0));
    click(chkLaws(1));
    click(chkB(2));
    // Connected after the window's handlers: each step of a drag has been
    // drawn before the thumb is released.
    QList<int> kSeen;
    connect(hscK(), &ScrollBar::Scroll, this, [&] {
        kSeen << hscK()->Value();
        const QImage graph = picGraph()->image();
        const double x = twipsAtColumn(graph, 200);
        const double expected = rowAt(graph, GraphHeight - 3 * hscK()->Value() * std::log(x));
        QVERIFY(passesNear(graph, 200, Black, expected));
    });
    testsupport::dragThumb(hscK(), {30, 60, 90});
    QVERIFY(kSeen.contains(60));
    QCOMPARE(hscK()->Value(), 90);

    QList<QString> captions;
    connect(hscB(2), &ScrollBar::Scroll, this, [&] {
        captions << lblBRange(2)->Caption();
        const QImage graph = picGraph()->image();
        const double x = twipsAtColumn(graph, 133);
        const double expected = rowAt(graph, GraphHeight - 500 * std::pow(x / 500, hscB(2)->Value() / 20.0));
        QVERIFY(passesNear(graph, 133, CurveColour[2], expected));
    });
    testsupport::dragThumb(hscB(2), {10, 16});
    QVERIFY(captions.contains(QStringLiteral("=  .5")));
    QCOMPARE(lblBRange(2)->Caption(), QStringLiteral("=  .8"));
}

void TestFrmPsychLaws::hidingThePowerLawKeepsItsSettings()
{
    click(chkLaws(1));
    hscB(1)->setValue(30);
    click(chkB(1));
    QVERIFY(pixelsOf(picGraph()->image(), CurveColour[1]) > 0);

    click(chkLaws(1));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!chkB(i)->Visible() && !hscB(i)->Visible() && !lblBRange(i)->Visible());
    QCOMPARE(pixelsOf(picGraph()->image(), CurveColour[1]), 0);

    click(chkLaws(1));
    QVERIFY(powerRowsVisible(1));
    QCOMPARE(hscB(1)->Value(), 30);
    QCOMPARE(chkB(1)->Value(), 1);
    QCOMPARE(lblBRange(1)->Caption(), QStringLiteral("=  1.5"));
    QVERIFY(pixelsOf(picGraph()->image(), CurveColour[1]) > 0);
}

void TestFrmPsychLaws::fechnerClickKeepsPowerRowsAndDrawsBoth()
{
    click(chkLaws(1));
    click(chkB(0));
    click(chkLaws(0));
    QVERIFY(powerRowsVisible(0) && powerRowsVisible(2));
    const QImage graph = picGraph()->image();
    QVERIFY(pixelsOf(graph, Black) > 0);
    QVERIFY(pixelsOf(graph, CurveColour[0]) > 0);
}

void TestFrmPsychLaws::typingIntoTheAxisCaptionChangesNothingElse()
{
    // The caption is an ordinary text box: whatever is typed there stays
    // text and the graph goes on working.
    auto *caption = txtSensation();
    for (const QString &text : {QStringLiteral("1e400"), QStringLiteral("-"), QString(1000, QLatin1Char('x'))}) {
        QTest::keyClicks(caption->editor(), text);
        QVERIFY(caption->Text().contains(text));
    }
    click(chkLaws(0));
    QVERIFY(pixelsOf(picGraph()->image(), Black) > 0);
}

void TestFrmPsychLaws::reopeningStartsAfresh()
{
    hscK()->setValue(50);
    click(chkLaws(0));
    click(chkLaws(1));
    testsupport::choose(fixture.main(), QStringLiteral("mnuPsychLawsItem"));
    QVERIFY(!form()->isLoaded());
    QVERIFY(!fixture.main().menuItem(QStringLiteral("mnuPsychLawsItem"))->Checked());
    testsupport::choose(fixture.main(), QStringLiteral("mnuPsychLawsItem"));
    QVERIFY(form()->isShown());
    QCOMPARE(hscK()->Value(), 1);
    QCOMPARE(chkLaws(0)->Value(), 0);
    QVERIFY(!powerRowsVisible(0));
    QCOMPARE(pixelsOf(picGraph()->image(), Black), 0);
}

QTEST_MAIN(TestFrmPsychLaws)
#include "tst_frmpsychlaws.moc"
