// One spatial-frequency channel: the standard grating's random frequency
// sets its firing-rate bar (contrast 0.5, at most half the peak); the
// comparison's frequency and contrast set the other bar, and "Match" shows
// exactly when the two rates, to two decimals, are equal. Reset always
// redraws for the new standard, also when the comparison stays put.

#include "support/testsupport.h"

#include <cmath>

using namespace forms;

namespace {
// The channel plot's outer width and one unit of its log-frequency axis.
constexpr double ChannelWidth = 2895;
constexpr double AxisUnit = ChannelWidth / 12;
constexpr double GratingWidth = 3615;
constexpr double BarBase = 2800;

// The random draws that give a standard at T and a comparison at v.
float drawForStandard(double T) { return float((T - 1) / 12); }
float drawForComparison(int v) { return float((v - 1) / 120.0); }

// The grey of a grating at a pixel column of its box's inside: lines are
// drawn every 10 twips, and a column (15 twips) shows the last of them.
int gratingGrey(double cycles, double contrast, int column)
{
    const double x = 15.0 * column + (column % 2 ? 5 : 10);
    return CInt(125.0 * contrast / 2 * std::sin(6.2831853 / GratingWidth * (x * cycles)) + 162.5);
}

QRgb grey(int level) { return qRgb(level, level, level); }

// The inside of a box as the user sees it.
QImage inside(PictureBox *box)
{
    const QImage shot = box->grab().toImage();
    const QPoint o = box->clientOrigin();
    return shot.copy(QRect(o, box->size() - QSize(2 * o.x(), 2 * o.y())));
}
} // namespace

class TestFrmSFChannel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void standardSetsItsBar_data();
    void standardSetsItsBar();
    void matchShownExactlyWhenRatesAreEqual_data();
    void matchShownExactlyWhenRatesAreEqual();
    void resetAlwaysRedraws_data();
    void resetAlwaysRedraws();
    void comparisonFromTheRandomDraw_data();
    void comparisonFromTheRandomDraw();
    void dragAndKeysUpdateContinuously();
    void secondChoiceAndReopening();

private:
    // Opens the window with its two random draws scripted.
    void open(double T, int v);
    PictureBox *box(const QString &name) const { return fixture.control<PictureBox>(name); }
    PictureBox *picAct(int i) const { return box(QStringLiteral("picAct(%1)").arg(i)); }
    ScrollBar *hscSF() const { return fixture.control<ScrollBar>(QStringLiteral("hscSF")); }
    ScrollBar *vscContrast() const { return fixture.control<ScrollBar>(QStringLiteral("vscContrast")); }
    void clickReset()
    {
        QTest::mouseClick(fixture.control<CommandButton>(QStringLiteral("cmdReset"))->button(), Qt::LeftButton);
    }
    bool matchShown() const;
    int shownBarHeight(int i) const;
    void verifyBar(int i, double height);
    void verifyMarker(double position, QRgb colour);
    void verifyGrating(PictureBox *box, double cycles, double contrast);
    void verifyComparison(int v, int p);

    testsupport::WindowFixture fixture;
};

void TestFrmSFChannel::init()
{
    fixture.start();
}

void TestFrmSFChannel::cleanup()
{
    fixture.finish();
}

void TestFrmSFChannel::open(double T, int v)
{
    Random::script({drawForStandard(T), drawForComparison(v)});
    fixture.open(QStringLiteral("mnuOneSFitem"), QStringLiteral("frmSFChannel"));
}

// "Match" in red on screen.
bool TestFrmSFChannel::matchShown() const
{
    const QImage seen = testsupport::shownImage(fixture.form());
    const QRect label(5280 / 15, 2040 / 15, 1575 / 15, 495 / 15);
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            if (seen.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

// The bar as the user sees it: rows above its base that are not the
// window's background, down the middle of the bar.
int TestFrmSFChannel::shownBarHeight(int i) const
{
    const QImage seen = testsupport::shownImage(fixture.form());
    const int column = int((picAct(i)->Left() + 67) / 15);
    const QRgb background = seen.pixel(column, int(BarBase / 15) + 3);
    int height = 0;
    for (int y = qRound(BarBase / 15) - 1; y >= 0 && seen.pixel(column, y) != background; --y)
        ++height;
    return height;
}

void TestFrmSFChannel::verifyBar(int i, double height)
{
    QCOMPARE(picAct(i)->Height(), height);
    QCOMPARE(picAct(i)->Top(), BarBase - height);
    QVERIFY2(std::abs(shownBarHeight(i) - height / 15) <= 1,
             qPrintable(QStringLiteral("bar %1 shows %2 pixels").arg(i).arg(shownBarHeight(i))));
}

// A marker line down the channel plot at an axis position.
void TestFrmSFChannel::verifyMarker(double position, QRgb colour)
{
    const QImage plot = inside(box(QStringLiteral("picChannel")));
    const int column = int(position * AxisUnit / 15);
    if (column >= plot.width())
        return; // beyond the plot's inside
    for (int y : {2, 20, 150})
        QCOMPARE(plot.pixel(column, y), colour);
}

void TestFrmSFChannel::verifyGrating(PictureBox *box, double cycles, double contrast)
{
    const QImage seen = inside(box);
    for (int column = 1; column < seen.width(); column += 6)
        QCOMPARE(seen.pixel(column, 80), grey(gratingGrey(cycles, contrast, column)));
}

void TestFrmSFChannel::verifyComparison(int v, int p)
{
    QCOMPARE(hscSF()->Value(), v);
    QCOMPARE(vscContrast()->Value(), p);
    verifyGrating(box(QStringLiteral("picComparison")), std::pow(2.0, v / 20.0), p / 100.0);
    const double z = (v - 1) / 10.0;
    verifyMarker(z, qRgb(0, 255, 255));
    verifyBar(1, Round(std::exp(-(z - 6) * (z - 6) / 18) * p / 100, 2) * 1000);
}

void TestFrmSFChannel::standardSetsItsBar_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<double>("bar");
    QTest::addRow("T 6: the peak") << 6.0 << "6" << 500.0;
    QTest::addRow("T 3") << 3.0 << "3" << 300.0;
    QTest::addRow("T 9") << 9.0 << "9" << 300.0;
    QTest::addRow("T 1") << 1.0 << "1" << 120.0;
    QTest::addRow("T 12") << 12.0 << "12" << 70.0;
    QTest::addRow("T 4.5") << 4.5 << "4.5" << 440.0;
}

void TestFrmSFChannel::standardSetsItsBar()
{
    QFETCH(double, T);
    QFETCH(QString, tag);
    QFETCH(double, bar);
    open(T, 100);
    Form *form = fixture.form();
    QCOMPARE(form->Caption(), QStringLiteral("A Single Spatial Frequency Channel"));
    QVERIFY(!form->isMdiChild());
    QCOMPARE(form->size(), QSize(533, 430)); // 7995 x 6450 twips

    PictureBox *picStandard = box(QStringLiteral("picStandard"));
    QCOMPARE(picStandard->Tag(), tag);
    verifyBar(0, bar);
    verifyGrating(picStandard, std::pow(2.0, T / 2), 0.5);
    // The standard's marker is black (T 12 lies at the plot's outer right
    // edge, beyond its inside).
    verifyMarker(T, qRgb(0, 0, 0));
    // The comparison starts at full contrast.
    verifyComparison(100, 100);
    QVERIFY(!matchShown());
}

void TestFrmSFChannel::matchShownExactlyWhenRatesAreEqual_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("match");
    // The standard at T 6 fires at 0.50 of the peak.
    QTest::addRow("same frequency, contrast 50") << 6.0 << 61 << 50 << true;
    QTest::addRow("same frequency, contrast 51") << 6.0 << 61 << 51 << false;
    QTest::addRow("same frequency, contrast 49") << 6.0 << 61 << 49 << false;
    QTest::addRow("lower frequency, contrast 62 (0.4965)") << 6.0 << 41 << 62 << true;
    QTest::addRow("lower frequency, contrast 63") << 6.0 << 41 << 63 << true;
    QTest::addRow("lower frequency, contrast 64") << 6.0 << 41 << 64 << false;
    QTest::addRow("higher frequency, contrast 62") << 6.0 << 81 << 62 << true;
    QTest::addRow("far off, full contrast") << 6.0 << 101 << 100 << false;
    // At contrast 0 the comparison fires not at all; no standard is as low.
    QTest::addRow("contrast 0, T 1") << 1.0 << 61 << 0 << false;
    QTest::addRow("contrast 0, T 12.9") << 12.9 << 120 << 0 << false;
}

void TestFrmSFChannel::matchShownExactlyWhenRatesAreEqual()
{
    QFETCH(double, T);
    QFETCH(int, v);
    QFETCH(int, p);
    QFETCH(bool, match);
    open(T, v == 1 ? 2 : 1);
    hscSF()->setValue(v);
    vscContrast()->setValue(p);
    verifyComparison(v, p);
    QCOMPARE(picAct(0)->Height() == picAct(1)->Height(), match);
    QCOMPARE(fixture.control<Label>(QStringLiteral("lblMatch"))->Visible(), match);
    QCOMPARE(matchShown(), match);
}

void TestFrmSFChannel::resetAlwaysRedraws_data()
{
    QTest::addColumn<int>("newV");
    QTest::addRow("comparison unchanged") << 61;
    QTest::addRow("comparison changed") << 20;
}

void TestFrmSFChannel::resetAlwaysRedraws()
{
    QFETCH(int, newV);
    open(6, 61);
    vscContrast()->setValue(50);
    QVERIFY(matchShown());
    verifyMarker(6, qRgb(0, 255, 255)); // the comparison's marker over the standard's

    // A new standard at 3 (0.30 of the peak).
    Random::script({drawForStandard(3), drawForComparison(newV)});
    clickReset();
    QCOMPARE(box(QStringLiteral("picStandard"))->Tag(), QStringLiteral("3"));
    verifyBar(0, 300);
    verifyMarker(3, qRgb(0, 0, 0));
    verifyGrating(box(QStringLiteral("picStandard")), std::pow(2.0, 1.5), 0.5);
    verifyComparison(newV, 50);
    QVERIFY(!matchShown());
}

void TestFrmSFChannel::comparisonFromTheRandomDraw_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("v");
    QTest::addRow("0: the lowest") << 0.0f << 1;
    QTest::addRow("2.5 rounds to even 2") << 0.0125f << 2;
    QTest::addRow("5.5 rounds to even 6") << 0.0375f << 6;
    QTest::addRow("the middle") << 0.5f << 61;
    QTest::addRow("119.8") << 0.99f << 120;
    QTest::addRow("near 1: 121 held at 120") << 0.9999f << 120;
}

void TestFrmSFChannel::comparisonFromTheRandomDraw()
{
    QFETCH(float, draw);
    QFETCH(int, v);
    Random::script({drawForStandard(6), draw});
    fixture.open(QStringLiteral("mnuOneSFitem"), QStringLiteral("frmSFChannel"));
    verifyComparison(v, 100);
    // And from Reset, starting elsewhere.
    hscSF()->setValue(v == 50 ? 51 : 50);
    Random::script({drawForStandard(6), draw});
    clickReset();
    verifyComparison(v, 100);
}

void TestFrmSFChannel::dragAndKeysUpdateContinuously()
{
    open(6, 10);
    // Every thumb position redraws the comparison, its marker and its bar.
    QList<int> seen;
    connect(hscSF(), &ScrollBar::Scroll, this, [&] {
        seen << hscSF()->Value();
        verifyComparison(hscSF()->Value(), 100);
    });
    testsupport::dragThumb(hscSF(), {30, 90, 61});
    QVERIFY(seen.size() >= 3);
    QCOMPARE(seen.last(), 61);
    verifyComparison(61, 100);

    // Contrast from the keyboard: End takes it to 0 at the bottom, where
    // the cyan bar has no height left and the grating is a uniform grey.
    QScrollBar *bar = vscContrast()->bar();
    QTest::keyClick(bar, Qt::Key_End);
    verifyComparison(61, 0);
    QCOMPARE(picAct(1)->Top(), BarBase);
    verifyGrating(box(QStringLiteral("picComparison")), 1, 0);
    QCOMPARE(inside(box(QStringLiteral("picComparison"))).pixel(100, 100), grey(162));
    QVERIFY(!matchShown());
    QTest::keyClick(bar, Qt::Key_PageUp);
    verifyComparison(61, 10);
    QTest::keyClick(bar, Qt::Key_Up);
    verifyComparison(61, 11);
    // Dragging the contrast to 50 matches the standard.
    testsupport::dragThumb(vscContrast(), {30, 50});
    verifyComparison(61, 50);
    QVERIFY(matchShown());
    // One step higher in frequency still fires at 0.50 of the peak (0.4997);
    // one more percent of contrast then fires at 0.51.
    QTest::keyClick(hscSF()->bar(), Qt::Key_Right);
    verifyComparison(62, 50);
    QVERIFY(matchShown());
    QTest::keyClick(bar, Qt::Key_Up);
    verifyComparison(62, 51);
    QVERIFY(!matchShown());
}

void TestFrmSFChannel::secondChoiceAndReopening()
{
    open(4.5, 30);
    vscContrast()->setValue(40);
    const QImage before = testsupport::shownImage(fixture.form());

    // Chosen again while open: in front, as it was, with no new draw.
    Random::script({drawForStandard(9), drawForComparison(100)});
    testsupport::choose(fixture.main(), QStringLiteral("mnuOneSFitem"));
    QVERIFY(testsupport::insideShown(fixture.form()));
    QCOMPARE(testsupport::shownImage(fixture.form()), before);
    QCOMPARE(box(QStringLiteral("picStandard"))->Tag(), QStringLiteral("4.5"));
    verifyComparison(30, 40);

    // Closed and opened again: a new standard, full contrast again.
    fixture.form()->close();
    testsupport::settle();
    QVERIFY(!fixture.form()->isLoaded());
    open(9, 100);
    QCOMPARE(box(QStringLiteral("picStandard"))->Tag(), QStringLiteral("9"));
    verifyBar(0, 300);
    verifyComparison(100, 100);
}

QTEST_MAIN(TestFrmSFChannel)
#include "tst_frmsfchannel.moc"
