// Measuring contrast sensitivity: the window hosts the grating control,
// created by its class name from its library. A fresh control shows half a
// cycle at a random contrast; the scroll bar sets the contrast shown in
// the readout and on screen; each button draws a new random contrast at
// its number of cycles. A library that is missing or unusable is
// explained in the window instead of the control.

#include "gratingctl/gratingpixels.h"
#include "support/testsupport.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

using namespace forms;
using namespace gratingpixels;

class TestFrmContrast : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithTheControlInPlace();
    void freshControlShowsHalfACycle_data();
    void freshControlShowsHalfACycle();
    void barSetsReadoutAndContrast_data();
    void barSetsReadoutAndContrast();
    void buttonsChooseCyclesAndANewContrast_data();
    void buttonsChooseCyclesAndANewContrast();
    void clickingTheSelectedButtonDrawsANewContrast();
    void draggingRedrawsAtEveryStep();
    void keyboardAlone();
    void unusableLibraryIsExplainedInTheWindow_data();
    void unusableLibraryIsExplainedInTheWindow();

private:
    // Opens the window by its menu command; the control draws `draw`.
    void open(float draw);
    void clickButton(int i, float draw);

    Control *uctCorvane1() const { return fixture.control<Control>("uctCorvane1"); }
    PictureBox *picGrating() const { return fixture.control<PictureBox>("picGrating"); }
    ScrollBar *bar() const { return fixture.control<ScrollBar>("vscContrastRatio"); }
    Label *readout() const { return fixture.control<Label>("lblContrast"); }
    OptionButton *optSF(int i) const { return fixture.control<OptionButton>(QStringLiteral("optSF(%1)").arg(i)); }
    // The inside of the grating's picture box as the user sees it.
    QImage shownGrating() const;
    QList<int> shownRow(int y = 142) const;
    // The selected buttons, by index.
    QList<int> selection() const;

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmContrast::init()
{
    fixture.start();
}

void TestFrmContrast::cleanup()
{
    clearComponentFolderOverride();
    fixture.finish();
}

void TestFrmContrast::open(float draw)
{
    Random::script({draw});
    fixture.open(QStringLiteral("mnuMeasureConItem"), QStringLiteral("frmContrast"));
    Random::clearScript();
}

void TestFrmContrast::clickButton(int i, float draw)
{
    Random::script({draw});
    QTest::mouseClick(optSF(i)->button(), Qt::LeftButton);
    Random::clearScript();
}

QImage TestFrmContrast::shownGrating() const
{
    const QImage seen = testsupport::shownImage(form()).convertToFormat(QImage::Format_RGB32);
    // Inside the box's two-pixel border.
    const QRect inside(picGrating()->mapTo(form(), QPoint(2, 2)), picGrating()->size() - QSize(4, 4));
    return seen.copy(inside);
}

QList<int> TestFrmContrast::shownRow(int y) const
{
    const QImage grating = shownGrating();
    return row(grating, grating.rect(), y);
}

QList<int> TestFrmContrast::selection() const
{
    QList<int> selected;
    for (int i = 0; i < 9; ++i) {
        if (optSF(i)->Value())
            selected << i;
    }
    return selected;
}

void TestFrmContrast::opensWithTheControlInPlace()
{
    for (int opening = 0; opening < 2; ++opening) {
        open(0.25f);
        QCOMPARE(form()->Caption(), QStringLiteral("Measure Your Contrast Sensitivity"));
        QVERIFY(!form()->isMdiChild());
        QCOMPARE(form()->size(), QSize(718, 402)); // 10770 x 6030 twips
        QVERIFY(!fixture.control<Label>("lblNoControl"));

        QPointer<Control> control = uctCorvane1();
        QVERIFY(qobject_cast<UserControl *>(control));
        QCOMPARE(control->parentWidget(), form());
        QCOMPARE(control->geometry(), QRect(8, 8, 697, 385)); // 120, 120, 10455 x 5775 twips
        // The face keeps its design layout inside the larger control.
        QCOMPARE(picGrating()->geometry(), QRect(8, 16, 633, 289));
        QCOMPARE(bar()->geometry(), QRect(656, 16, 17, 289));
        QCOMPARE(readout()->Caption(), QStringLiteral("25"));
        QCOMPARE(firstWrongColumn(shownRow(), 0.5, 0.25), -1);

        const QStringList captions = {QStringLiteral("0.5"), QStringLiteral("  1"), QStringLiteral(" 2"),
                                      QStringLiteral(" 4"),  QStringLiteral(" 8"),  QStringLiteral("16"),
                                      QStringLiteral("32"),  QStringLiteral(" 64"), QStringLiteral("128")};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(fixture.control<Label>(QStringLiteral("Label1(%1)").arg(i))->Caption(), captions[i]);
        QCOMPARE(fixture.control<Label>("Label2")->Caption(), QStringLiteral("Spatial Frequency (Cycles in the grating)"));
        QCOMPARE(fixture.control<Label>("Label3")->Caption(), QStringLiteral("Contrast (% of Max) ="));

        // Closed by its close box, the control goes with the window.
        form()->close();
        testsupport::settle();
        QVERIFY(!form()->isLoaded());
        QVERIFY(!control);
    }
}

void TestFrmContrast::freshControlShowsHalfACycle_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("c");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lowest draw") << 0.0f << 0 << QStringLiteral("0");
    QTest::newRow("the bar's design value, redrawn all the same") << 0.1f << 100 << QStringLiteral("10");
    QTest::newRow("53.7") << 0.537f << 537 << QStringLiteral("53.7");
    QTest::newRow("highest draw") << 0.99999f << 999 << QStringLiteral("99.9");
}

void TestFrmContrast::freshControlShowsHalfACycle()
{
    QFETCH(float, draw);
    QFETCH(int, c);
    QFETCH(QString, shown);
    open(draw);
    QCOMPARE(bar()->Value(), c);
    QCOMPARE(readout()->Caption(), shown);
    QCOMPARE(selection(), QList<int>{0});

    // One light band across the middle, the mean grey at both edges, the
    // same on every row.
    const QList<int> greys = shownRow();
    QCOMPARE(firstWrongColumn(greys, 0.5, c / 1000.0), -1);
    const int lightest = lineGrey(PictureWidth / 2, 0.5, c / 1000.0);
    QCOMPARE(*std::max_element(greys.begin(), greys.end()), lightest);
    QCOMPARE(greys[greys.size() / 2 + 2], lightest); // the inside is a little narrower than the outer width
    QVERIFY(std::abs(greys.first() - 162.5) < 1);
    QVERIFY(std::abs(greys.last() - 162.5) < 2);
    QCOMPARE(shownRow(0), greys);
    QCOMPARE(shownRow(284), greys);
}

void TestFrmContrast::barSetsReadoutAndContrast_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("thumb to the top: full contrast") << "drag 1000" << 1000 << QStringLiteral("100");
    QTest::newRow("thumb to the bottom: uniform grey") << "drag 0" << 0 << QStringLiteral("0");
    QTest::newRow("thumb to 53.7 %") << "drag 537" << 537 << QStringLiteral("53.7");
    QTest::newRow("lower arrow") << "arrow down" << 499 << QStringLiteral("49.9");
    QTest::newRow("upper arrow") << "arrow up" << 501 << QStringLiteral("50.1");
    QTest::newRow("trough below the thumb") << "trough down" << 400 << QStringLiteral("40");
    QTest::newRow("trough above the thumb") << "trough up" << 600 << QStringLiteral("60");
}

void TestFrmContrast::barSetsReadoutAndContrast()
{
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(QString, shown);
    open(0.25f);
    // One cycle shows both the lightest and the darkest grey.
    clickButton(1, 0.5f);
    QCOMPARE(bar()->Value(), 500);

    const QStringList words = action.split(QLatin1Char(' '));
    // The bar's Max end (0) is at the bottom.
    if (words[0] == QLatin1String("drag"))
        testsupport::dragThumb(bar(), {words[1].toInt()});
    else if (words[0] == QLatin1String("arrow"))
        testsupport::clickArrow(bar(), words[1] == QLatin1String("down"));
    else
        testsupport::clickTrough(bar(), words[1] == QLatin1String("down"));

    QCOMPARE(bar()->Value(), value);
    QCOMPARE(readout()->Caption(), shown);
    QCOMPARE(selection(), QList<int>{1});
    const QList<int> greys = shownRow();
    QCOMPARE(firstWrongColumn(greys, 1, value / 1000.0), -1);
    if (value == 1000) {
        QCOMPARE(*std::max_element(greys.begin(), greys.end()), 225);
        QCOMPARE(*std::min_element(greys.begin(), greys.end()), 100);
    }
    if (value == 0) {
        const QImage grating = shownGrating();
        for (int y = 0; y < grating.height(); ++y)
            QCOMPARE(row(grating, grating.rect(), y), QList<int>(grating.width(), 162));
    }
}

void TestFrmContrast::buttonsChooseCyclesAndANewContrast_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<double>("cycles");
    QTest::addColumn<int>("bands");
    // The last band may fall just past the inside, which is a little
    // narrower than the width the cycles are spread over.
    QTest::addColumn<int>("slack");

    QTest::newRow("0.5") << 0 << 0.5 << 1 << 0;
    QTest::newRow("1") << 1 << 1.0 << 1 << 0;
    QTest::newRow("2") << 2 << 2.0 << 2 << 0;
    QTest::newRow("4") << 3 << 4.0 << 4 << 0;
    QTest::newRow("8: 1187 twips a cycle") << 4 << 8.0 << 8 << 0;
    QTest::newRow("16") << 5 << 16.0 << 16 << 0;
    QTest::newRow("32") << 6 << 32.0 << 32 << 0;
    QTest::newRow("64") << 7 << 64.0 << 64 << 0;
    QTest::newRow("128") << 8 << 128.0 << 128 << 1;
}

void TestFrmContrast::buttonsChooseCyclesAndANewContrast()
{
    QFETCH(int, button);
    QFETCH(double, cycles);
    QFETCH(int, bands);
    QFETCH(int, slack);
    open(0.25f);
    clickButton(button, 0.999f);

    QCOMPARE(selection(), QList<int>{button});
    QCOMPARE(bar()->Value(), 999);
    QCOMPARE(readout()->Caption(), QStringLiteral("99.9"));
    const QList<int> greys = shownRow();
    QCOMPARE(firstWrongColumn(greys, cycles, 0.999), -1);
    const Bands seen = lightBands(greys, 20);
    QVERIFY2(seen.count <= bands && seen.count >= bands - slack, qPrintable(QString::number(seen.count)));
    if (bands > 1) {
        const double period = PictureWidth / cycles / TwipsPerPixel;
        QVERIFY2(std::abs(seen.period - period) <= 0.01 * period,
                 qPrintable(QStringLiteral("period %1 px, expected %2").arg(seen.period).arg(period)));
    }
}

void TestFrmContrast::clickingTheSelectedButtonDrawsANewContrast()
{
    open(0.8f);
    QCOMPARE(readout()->Caption(), QStringLiteral("80"));
    const QImage before = shownGrating();
    clickButton(0, 0.3f);
    QCOMPARE(selection(), QList<int>{0});
    QCOMPARE(readout()->Caption(), QStringLiteral("30"));
    QVERIFY(shownGrating() != before);
    QCOMPARE(firstWrongColumn(shownRow(), 0.5, 0.3), -1);

    // Another button whose draw is the contrast already set is drawn at
    // its own frequency all the same.
    clickButton(2, 0.3f);
    QCOMPARE(selection(), QList<int>{2});
    QCOMPARE(readout()->Caption(), QStringLiteral("30"));
    QCOMPARE(firstWrongColumn(shownRow(), 2, 0.3), -1);
    QCOMPARE(lightBands(shownRow(), 10).count, 2);
}

void TestFrmContrast::draggingRedrawsAtEveryStep()
{
    open(0.25f);
    clickButton(3, 0.5f);
    struct Step
    {
        int value;
        QString shown;
        int wrongColumn;
    };
    QList<Step> steps;
    // Runs after the control's own handler, as the user sees each step.
    QObject::connect(bar(), &ScrollBar::Scroll, bar(), [&] {
        const QImage grating = picGrating()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QList<int> greys = row(grating, grating.rect().adjusted(2, 2, -2, -2), 142);
        steps << Step{bar()->Value(), readout()->Caption(), firstWrongColumn(greys, 4, bar()->Value() / 1000.0)};
    });
    testsupport::dragThumb(bar(), {900, 700, 300, 50});

    QList<int> values;
    for (const Step &step : steps) {
        values << step.value;
        QCOMPARE(step.shown, CStr(step.value / 10.0));
        QCOMPARE(step.wrongColumn, -1);
    }
    for (int target : {900, 700, 300, 50})
        QVERIFY2(values.contains(target), qPrintable(QString::number(target)));
    QCOMPARE(values.last(), 50);
    QCOMPARE(readout()->Caption(), QStringLiteral("5"));
    QCOMPARE(firstWrongColumn(shownRow(), 4, 0.05), -1);
}

void TestFrmContrast::keyboardAlone()
{
    open(0.5f);
    // The scroll bar is the first control that takes the focus.
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(bar()->bar()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(readout()->Caption(), QStringLiteral("50.1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCOMPARE(readout()->Caption(), QStringLiteral("40.1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QCOMPARE(readout()->Caption(), QStringLiteral("100"));
    QCOMPARE(firstWrongColumn(shownRow(), 0.5, 1.0), -1);

    // Tab reaches the buttons in order; Space selects one.
    for (int i = 0; i <= 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(optSF(4)->button()));
    Random::script({0.75f});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(selection(), QList<int>{4});
    QCOMPARE(readout()->Caption(), QStringLiteral("75"));
    QCOMPARE(lightBands(shownRow(), 20).count, 8);
}

void TestFrmContrast::unusableLibraryIsExplainedInTheWindow_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("no library in the folder") << QString() << QStringLiteral("File not found");
    QTest::newRow("a file that is no library") << QStringLiteral("not a library") << QStringLiteral("Error in loading library");
}

void TestFrmContrast::unusableLibraryIsExplainedInTheWindow()
{
    QFETCH(QString, content);
    QFETCH(QString, error);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!content.isNull()) {
        QFile file(folder.filePath(QStringLiteral("libcorvane.so")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
    }
    overrideComponentFolders({folder.path()});
    testsupport::MessageRecorder boxes;

    for (int opening = 0; opening < 2; ++opening) {
        open(0.5f);
        QVERIFY(!uctCorvane1());
        auto *message = fixture.control<Label>("lblNoControl");
        QVERIFY(message);
        QVERIFY(message->isVisible());
        for (const QString &told : {QStringLiteral("Corvane.uctCorvane"), QStringLiteral("libcorvane.so"), error,
                                    folder.path()})
            QVERIFY2(message->Caption().contains(told), qPrintable(message->Caption()));
        // The message is on screen where the control would be: text drawn
        // on the window's face.
        const QImage seen = testsupport::shownImage(form()).convertToFormat(QImage::Format_RGB32);
        const QRect area(message->mapTo(form(), QPoint(0, 0)), message->size());
        const QRgb face = seen.pixel(area.topLeft());
        int inked = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                inked += qGray(seen.pixel(x, y)) < qGray(face) - 64;
        QVERIFY2(inked > 200, qPrintable(QString::number(inked)));
        QVERIFY(boxes.boxes.isEmpty());
        form()->close();
        testsupport::settle();
    }

    // With the library back in reach, the next opening shows the control.
    clearComponentFolderOverride();
    open(0.5f);
    QVERIFY(uctCorvane1());
    QVERIFY(!fixture.control<Label>("lblNoControl"));
    QCOMPARE(readout()->Caption(), QStringLiteral("50"));
}

QTEST_MAIN(TestFrmContrast)
#include "tst_frmcontrast.moc"
