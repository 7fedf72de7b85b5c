// Signal detection theory as a student uses it: the window opens at d' 1
// and criterion 3, the scroll bars write their boxes while dragging and
// redraw on release, Enter takes the leading number of a box, the region
// captions hatch and un-hatch their regions, and no input breaks it.

#include "support/testsupport.h"

#include <QElapsedTimer>

using namespace forms;

namespace {
constexpr double PlotWidth = 7990;
constexpr double Unit = PlotWidth / 12; // twips per axis unit

// Where the signal-plus-noise caption stands for a d'.
double captionLeft(double dPrime)
{
    const double peak = (dPrime + 2.5) * Unit;
    return peak + 520 > PlotWidth ? peak - 520 : peak + 520;
}

const OleColor HitsColour = RGB(0, 128, 255);
const OleColor FalseAlarmColour = RGB(255, 0, 0);
const OleColor MissesColour = RGB(0, 255, 45);
const OleColor CorrectRejectionColour = RGB(255, 0, 200);
const OleColor CriterionColour = RGB(255, 125, 0);
} // namespace

class TestFrmSTDBasic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAtDPrime1Criterion3();
    void menuTogglesAndReopensAfresh();
    void scrollValuesBecomeText_data();
    void scrollValuesBecomeText();
    void dragWritesTheBoxAndRedrawsOnRelease_data();
    void dragWritesTheBoxAndRedrawsOnRelease();
    void percentages_data();
    void percentages();
    void dPrimeEnter_data();
    void dPrimeEnter();
    void criterionEnter_data();
    void criterionEnter();
    void typedDPrimeCountsForPercentagesOnly();
    void regionsHatchAndUnhatch();
    void everyBoxSurvivesAnyInput_data();
    void everyBoxSurvivesAnyInput();
    void nonNumbersKeepThePlot();

private:
    TextBox *dpvalue() const { return textBox(QStringLiteral("dpvalue")); }
    TextBox *BetaValue() const { return textBox(QStringLiteral("BetaValue")); }
    ScrollBar *hscDPrime() const { return scrollBar(QStringLiteral("hscDPrime")); }
    ScrollBar *hscBeta() const { return scrollBar(QStringLiteral("hscBeta")); }
    PictureBox *plot() const { return fixture.control<PictureBox>(QStringLiteral("picPlotArea")); }
    Label *label(const QString &name) const { return fixture.control<Label>(name); }
    TextBox *textBox(const QString &name) const { return fixture.control<TextBox>(name); }
    ScrollBar *scrollBar(const QString &name) const { return fixture.control<ScrollBar>(name); }
    QStringList shownPercentages() const;
    double sigNoiseLeft() const { return textBox(QStringLiteral("txtSigNoise"))->Left(); }
    void type(TextBox *box, const QString &text, bool enter);
    // Pixels of a colour in the plot's columns [from, to) (twips).
    int count(OleColor colour, double fromTwips = 0, double toTwips = PlotWidth) const;

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmSTDBasic::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuSTDBasicItem"), QStringLiteral("frmSTDBasic"));
}

void TestFrmSTDBasic::cleanup()
{
    fixture.finish();
}

QStringList TestFrmSTDBasic::shownPercentages() const
{
    QStringList list;
    for (const char *name : {"Hits", "FalseAlarms", "Misses", "CR"})
        list << label(QString::fromLatin1(name))->Caption();
    return list;
}

void TestFrmSTDBasic::type(TextBox *box, const QString &text, bool enter)
{
    QWidget *editor = box->editor();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    if (enter)
        QTest::keyClick(editor, Qt::Key_Return);
}

int TestFrmSTDBasic::count(OleColor colour, double fromTwips, double toTwips) const
{
    const QImage image = plot()->image();
    const QRgb wanted = toQColor(colour).rgb();
    const int from = std::max(0, int(fromTwips / TwipsPerPixel));
    const int to = std::min(image.width(), int(toTwips / TwipsPerPixel));
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = from; x < to; ++x)
            n += image.pixel(x, y) == wanted;
    }
    return n;
}

void TestFrmSTDBasic::opensAtDPrime1Criterion3()
{
    QCOMPARE(form()->windowTitle(), QStringLiteral("Signal Detection Theory"));
    QCOMPARE(form()->size(), QSize(554, 379)); // 8310 x 5685 twips
    QVERIFY(form()->subWindow());
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuSTDBasicItem"))->Checked());

    QCOMPARE(shownPercentages(), QStringList({"69", "31", "31", "69"}));
    QCOMPARE(dpvalue()->Text(), QStringLiteral("1"));
    QCOMPARE(BetaValue()->Text(), QStringLiteral("3"));
    QCOMPARE(dpvalue()->SelStart(), 1);
    QCOMPARE(hscDPrime()->Value(), 20);
    QCOMPARE(hscBeta()->Value(), 60);
    QCOMPARE(qRound(sigNoiseLeft()), 2850);
    QCOMPARE(textBox(QStringLiteral("txtSigNoise"))->ForeColor(), RGB(255, 255, 0));
    QCOMPARE(plot()->DrawWidth(), 2);
    QCOMPARE(QApplication::focusWidget(), dpvalue()->editor());
    for (const char *name : {"HitsLabel", "FalseAlarmLabel", "MissesLabel", "CorrectRejectionLabel"})
        QCOMPARE(label(QString::fromLatin1(name))->Appearance(), 0);
    for (int i = 0; i <= 12; ++i)
        QCOMPARE(label(QStringLiteral("lblXaxis(%1)").arg(i))->Caption(), QString::number(i));

    // Both curves, the criterion line at 3 and no hatching.
    QVERIFY(count(RGB(255, 0, 0)) > 200);
    QVERIFY(count(RGB(0, 255, 255)) > 200);
    QVERIFY(count(CriterionColour, 3 * Unit - 30, 3 * Unit + 30) > 150);
    QCOMPARE(count(CriterionColour, 0, 3 * Unit - 30), 0);
    for (OleColor hatch : {HitsColour, MissesColour, CorrectRejectionColour})
        QCOMPARE(count(hatch), 0);
}

void TestFrmSTDBasic::menuTogglesAndReopensAfresh()
{
    type(BetaValue(), QStringLiteral("5"), true);
    QTest::mouseClick(label(QStringLiteral("HitsLabel")), Qt::LeftButton);
    testsupport::choose(fixture.main(), QStringLiteral("mnuSTDBasicItem"));
    QVERIFY(!form()->isShown());
    QVERIFY(!form()->isLoaded());
    QVERIFY(!fixture.main().menuItem(QStringLiteral("mnuSTDBasicItem"))->Checked());
    testsupport::choose(fixture.main(), QStringLiteral("mnuSTDBasicItem"));
    QVERIFY(form()->isShown());
    QCOMPARE(BetaValue()->Text(), QStringLiteral("3"));
    QCOMPARE(shownPercentages(), QStringList({"69", "31", "31", "69"}));
    QCOMPARE(label(QStringLiteral("HitsLabel"))->Appearance(), 0);
    QCOMPARE(count(HitsColour), 0);
}

void TestFrmSTDBasic::scrollValuesBecomeText_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("d' at its maximum") << "hscDPrime" << 140 << "7";
    QTest::newRow("d' one step") << "hscDPrime" << 1 << "0.05";
    QTest::newRow("d' 0") << "hscDPrime" << 0 << "0";
    QTest::newRow("criterion at its maximum") << "hscBeta" << 240 << "12";
    QTest::newRow("criterion 3.05") << "hscBeta" << 61 << "3.05";
    QTest::newRow("criterion 0.1") << "hscBeta" << 2 << "0.1";
}

void TestFrmSTDBasic::scrollValuesBecomeText()
{
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(QString, text);
    scrollBar(bar)->setValue(value);
    QCOMPARE((bar == "hscBeta" ? BetaValue() : dpvalue())->Text(), text);
}

void TestFrmSTDBasic::dragWritesTheBoxAndRedrawsOnRelease_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("after"); // percentages once released
    QTest::newRow("d' to 2") << "hscDPrime" << "dpvalue" << QStringList({"93", "31", "7", "69"});
    QTest::newRow("criterion to 2") << "hscBeta" << "BetaValue" << QStringList({"93", "69", "7", "31"});
}

void TestFrmSTDBasic::dragWritesTheBoxAndRedrawsOnRelease()
{
    QFETCH(QString, bar);
    QFETCH(QString, box);
    QFETCH(QStringList, after);
    ScrollBar *scroll = scrollBar(bar);
    TextBox *text = textBox(box);
    const QImage before = plot()->image();
    QStringList seen;
    // Connected after the window's handler: sees each step of the drag.
    connect(scroll, &ScrollBar::Scroll, this, [&] {
        seen << text->Text();
        QCOMPARE(text->Text(), CStr(scroll->Value() / 20.0));
        QCOMPARE(shownPercentages(), QStringList({"69", "31", "31", "69"}));
        QVERIFY(plot()->image() == before);
    });
    testsupport::dragThumb(scroll, {30, 40});
    QVERIFY(seen.contains(QStringLiteral("1.5")));
    QCOMPARE(seen.last(), QStringLiteral("2"));
    QCOMPARE(text->Text(), QStringLiteral("2"));
    QCOMPARE(shownPercentages(), after);
    QVERIFY(plot()->image() != before);
}

void TestFrmSTDBasic::percentages_data()
{
    QTest::addColumn<QString>("dPrime");
    QTest::addColumn<QString>("criterion");
    QTest::addColumn<QStringList>("expected"); // hits, false alarms, misses, CR
    QTest::newRow("d' 0, criterion 2.5") << "0" << "2.5" << QStringList({"50", "50", "50", "50"});
    QTest::newRow("criterion on the signal mean") << "1" << "3.5" << QStringList({"50", "16", "50", "84"});
    QTest::newRow("d' 7, criterion 12") << "7" << "12" << QStringList({"1", "0", "99", "100"});
    QTest::newRow("criterion below the axis") << "2" << "-1" << QStringList({"100", "100", "0", "0"});
    QTest::newRow("criterion far beyond") << "0.5" << "9999" << QStringList({"0", "0", "100", "100"});
    QTest::newRow("liberal criterion") << "1.5" << "2.2" << QStringList({"96", "62", "4", "38"});
}

void TestFrmSTDBasic::percentages()
{
    QFETCH(QString, dPrime);
    QFETCH(QString, criterion);
    QFETCH(QStringList, expected);
    type(dpvalue(), dPrime, true);
    type(BetaValue(), criterion, true);
    QCOMPARE(shownPercentages(), expected);
    QCOMPARE(expected[0].toInt() + expected[2].toInt(), 100);
    QCOMPARE(expected[1].toInt() + expected[3].toInt(), 100);
}

void TestFrmSTDBasic::dPrimeEnter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("dPrime"); // as the caption's place shows it
    QTest::newRow("a number") << "2.35" << "2.35" << 2.35;
    QTest::newRow("negative becomes 0") << "-2" << "0" << 0.0;
    QTest::newRow("leading number") << "4.2x" << "4.2" << 4.2;
    QTest::newRow("letters give 0") << "abc" << "0" << 0.0;
    QTest::newRow("empty gives 0") << "" << "0" << 0.0;
    QTest::newRow("a minus sign alone") << "-" << "0" << 0.0;
    QTest::newRow("d' 7: caption still right of the peak") << "7" << "7" << 7.0;
    QTest::newRow("d' 9: caption left of the peak") << "9" << "9" << 9.0;
    QTest::newRow("typing stops at 4 characters") << "12345" << "1234" << 1234.0;
}

void TestFrmSTDBasic::dPrimeEnter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, dPrime);
    type(dpvalue(), typed, true);
    QCOMPARE(dpvalue()->Text(), shown); // and no character for the Enter key
    QCOMPARE(dpvalue()->SelStart(), int(shown.size()));
    QCOMPARE(sigNoiseLeft(), captionLeft(dPrime));
    QCOMPARE(hscDPrime()->Value(), 20); // typed values leave the bar alone
    // At d' 0 the signal-plus-noise curve lies on the noise curve.
    if (dPrime == 0)
        QCOMPARE(count(RGB(255, 0, 0)), 0);
}

void TestFrmSTDBasic::criterionEnter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("leading number") << "4.2x" << "4.2" << QStringList({"24", "4", "76", "96"});
    QTest::newRow("negative stays negative") << "-2" << "-2" << QStringList({"100", "100", "0", "0"});
    QTest::newRow("letters give 0") << "abc" << "0" << QStringList({"100", "99", "0", "1"});
    QTest::newRow("empty gives 0") << "" << "0" << QStringList({"100", "99", "0", "1"});
    // z = -0.42 and 0.58 are read as -0.4 and 0.6.
    QTest::newRow("z in steps of 0.05") << "3.08" << "3.08" << QStringList({"66", "27", "34", "73"});
}

void TestFrmSTDBasic::criterionEnter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, expected);
    type(BetaValue(), typed, true);
    QCOMPARE(BetaValue()->Text(), shown);
    QCOMPARE(BetaValue()->SelStart(), int(shown.size()));
    QCOMPARE(shownPercentages(), expected);
    QCOMPARE(hscBeta()->Value(), 60);
    const double x = CDbl(shown) * Unit;
    if (x >= 30) // the criterion line moved there
        QVERIFY(count(CriterionColour, x - 30, x + 30) > 150);
}

void TestFrmSTDBasic::typedDPrimeCountsForPercentagesOnly()
{
    // A new d' typed without Enter: the criterion bar's percentages use
    // it, while the curves stay at the d' of the plot.
    type(dpvalue(), QStringLiteral("2"), false);
    QCOMPARE(shownPercentages(), QStringList({"69", "31", "31", "69"}));
    testsupport::clickArrow(hscBeta(), true);
    QCOMPARE(BetaValue()->Text(), QStringLiteral("3.05"));
    QCOMPARE(shownPercentages(), QStringList({"93", "29", "7", "71"}));
    QCOMPARE(sigNoiseLeft(), captionLeft(1));
    // Enter in the criterion box takes the typed d' for the curves too.
    type(BetaValue(), QStringLiteral("3.05"), true);
    QCOMPARE(sigNoiseLeft(), captionLeft(2));
    QCOMPARE(dpvalue()->Text(), QStringLiteral("2"));
}

void TestFrmSTDBasic::regionsHatchAndUnhatch()
{
    const double criterion = 3 * Unit;
    auto click = [this](const char *name) { QTest::mouseClick(label(QString::fromLatin1(name)), Qt::LeftButton); };

    click("HitsLabel");
    QCOMPARE(label(QStringLiteral("HitsLabel"))->Appearance(), 1);
    QCOMPARE(label(QStringLiteral("HitsLabel"))->BackColor(), HitsColour);
    QVERIFY(count(HitsColour, criterion, PlotWidth) > 500);
    QCOMPARE(count(HitsColour, 0, criterion), 0);

    click("FalseAlarmLabel");
    QCOMPARE(label(QStringLiteral("FalseAlarmLabel"))->BackColor(), FalseAlarmColour);
    // Interleaved: the false-alarm lines fall between the hit lines, so the
    // hits keep their pixels.
    const int hitsBefore = count(HitsColour);
    QVERIFY(count(FalseAlarmColour, criterion + 30, PlotWidth) > 300);
    QVERIFY(hitsBefore > 500);

    click("MissesLabel");
    click("CorrectRejectionLabel");
    QVERIFY(count(MissesColour, 0, criterion) > 100);
    QVERIFY(count(CorrectRejectionColour, 0, criterion) > 500);
    QCOMPARE(count(MissesColour, criterion, PlotWidth), 0);
    QCOMPARE(count(CorrectRejectionColour, criterion, PlotWidth), 0);

    // Switched on, the hatching follows every redraw.
    hscBeta()->setValue(70);
    QCOMPARE(count(HitsColour, 0, 3.5 * Unit), 0);
    QVERIFY(count(HitsColour, 3.5 * Unit, PlotWidth) > 300);

    click("HitsLabel");
    QCOMPARE(label(QStringLiteral("HitsLabel"))->Appearance(), 0);
    QCOMPARE(label(QStringLiteral("HitsLabel"))->BackColor(), HitsColour); // keeps its colour
    QCOMPARE(count(HitsColour), 0);
    QVERIFY(count(FalseAlarmColour, 3.5 * Unit + 30, PlotWidth) > 100);
    QVERIFY(count(MissesColour) > 100);
    QVERIFY(count(CriterionColour, 3.5 * Unit - 30, 3.5 * Unit + 30) > 150);
}

void TestFrmSTDBasic::everyBoxSurvivesAnyInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("too large for a number") << QStringLiteral("1e400");
    QTest::newRow("a minus sign alone") << QStringLiteral("-");
    QTest::newRow("1000 digits") << QString(1000, QLatin1Char('9'));
    QTest::newRow("1000 characters") << QStringLiteral("x").repeated(1000);
    QTest::newRow("huge but a number") << QStringLiteral("9e99");
    QTest::newRow("huge and negative") << QStringLiteral("-9e99");
    QTest::newRow("largest double") << QStringLiteral("1.7e308");
}

void TestFrmSTDBasic::everyBoxSurvivesAnyInput()
{
    QFETCH(QString, text);
    testsupport::MessageRecorder messages;
    QElapsedTimer clock;
    clock.start();
    // Set as a paste would: typing stops at 4 characters.
    for (const char *name : {"dpvalue", "BetaValue", "txtSigNoise"}) {
        for (const char *other : {"dpvalue", "BetaValue"}) {
            textBox(QString::fromLatin1(name))->setText(text);
            QTest::keyClick(textBox(QString::fromLatin1(other))->editor(), Qt::Key_Return);
            textBox(QString::fromLatin1(name))->setText(text);
            hscDPrime()->setValue(hscDPrime()->Value() == 30 ? 31 : 30);
            textBox(QString::fromLatin1(name))->setText(text);
            hscBeta()->setValue(hscBeta()->Value() == 70 ? 71 : 70);
            textBox(QString::fromLatin1(name))->setText(text);
            for (const char *region : {"HitsLabel", "FalseAlarmLabel", "MissesLabel", "CorrectRejectionLabel"})
                QTest::mouseClick(label(QString::fromLatin1(region)), Qt::LeftButton);
        }
    }
    QVERIFY(clock.elapsed() < 5000); // nothing hangs
    QCOMPARE(messages.boxes.size(), 0);
    for (const QString &p : shownPercentages()) {
        bool ok = false;
        const int v = p.toInt(&ok);
        QVERIFY(ok && v >= 0 && v <= 100);
    }
    // Entered directly, a number too large for any number keeps the value
    // in use.
    type(dpvalue(), QStringLiteral("1.5"), true);
    type(BetaValue(), QStringLiteral("2.5"), true);
    dpvalue()->setText(QStringLiteral("1e400"));
    QTest::keyClick(dpvalue()->editor(), Qt::Key_Return);
    BetaValue()->setText(QStringLiteral("1e400"));
    QTest::keyClick(BetaValue()->editor(), Qt::Key_Return);
    QCOMPARE(dpvalue()->Text(), QStringLiteral("1.5"));
    QCOMPARE(BetaValue()->Text(), QStringLiteral("2.5"));
    QCOMPARE(sigNoiseLeft(), captionLeft(1.5));
}

void TestFrmSTDBasic::nonNumbersKeepThePlot()
{
    // While a box holds no number, the plot keeps the value it shows: the
    // criterion stays where it was, d' is the d' of the curves.
    type(BetaValue(), QStringLiteral("abc"), false);
    hscDPrime()->setValue(40);
    QCOMPARE(shownPercentages(), QStringList({"93", "31", "7", "69"})); // d' 2, criterion 3
    QVERIFY(count(CriterionColour, 3 * Unit - 30, 3 * Unit + 30) > 150);
    QTest::mouseClick(label(QStringLiteral("HitsLabel")), Qt::LeftButton);
    QCOMPARE(count(HitsColour, 0, 3 * Unit), 0);
    QVERIFY(count(HitsColour, 3 * Unit, PlotWidth) > 500);
    QCOMPARE(BetaValue()->Text(), QStringLiteral("abc")); // left as typed

    type(BetaValue(), QStringLiteral("3.5"), true);
    type(dpvalue(), QString(), false);
    hscBeta()->setValue(50); // criterion 2.5, d' of the curves 2
    QCOMPARE(shownPercentages(), QStringList({"98", "50", "2", "50"}));
    QCOMPARE(dpvalue()->Text(), QString());
}

QTEST_MAIN(TestFrmSTDBasic)
#include "tst_frmstdbasic.moc"
