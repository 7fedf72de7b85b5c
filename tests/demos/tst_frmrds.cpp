// The random-dot stereogram: its layout, the shipped dot pictures, the
// display composed for both viewing modes at any disparity (checked pixel
// by pixel against a model built from the pictures), the sweep and its
// turning points, files that are missing or broken, and timers that die
// with the window.

#include "support/testsupport.h"

#include <QPointer>

using namespace forms;

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;

// Twips on the display to its pixels (the layer rounds halves up).
int px(double twips) { return twipsToPixels(twips); }

// The target square in display pixels at 15 twips a pixel: 1500 x 1530
// twips at (5392.5, 3337.5).
const QRect Square(px(5392.5), px(3337.5), 100, 102);
// Where the anaglyph's fill dots come from: (50, 75) twips.
const QPoint FillSource(px(50), px(75));

QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// The same picture with its lit (white) dots in another colour.
QImage recoloured(const QImage &whiteDots, QRgb lit)
{
    QImage out = rgb32(whiteDots);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == White)
                out.setPixel(x, y, lit);
    return out;
}

void copyBlock(QImage &to, QPoint at, const QImage &from, QRect source)
{
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (to.rect().contains(at + QPoint(x, y)))
                to.setPixel(at + QPoint(x, y), from.pixel(source.topLeft() + QPoint(x, y)));
}

// What the display must show: the left picture, in the anaglyph its square
// first refilled from FillSource, the square moved by d twips, and in the
// anaglyph the right picture OR-ed over everything.
QImage expectedDisplay(const QImage &left, const QImage &right, int d, bool anaglyph)
{
    QImage out = rgb32(left);
    if (anaglyph)
        copyBlock(out, Square.topLeft(), left, QRect(FillSource, Square.size()));
    copyBlock(out, QPoint(px(5392.5 + d), Square.top()), left, Square);
    if (anaglyph) {
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                out.setPixel(x, y, out.pixel(x, y) | right.pixel(x, y));
    }
    return out;
}

// The first place where the display differs from the expected picture,
// over the area both cover; empty when they agree.
QString firstDifference(const QImage &shown, const QImage &expected)
{
    const int w = std::min(shown.width(), expected.width());
    const int h = std::min(shown.height(), expected.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("(%1, %2): shown %3, expected %4")
                    .arg(x).arg(y).arg(shown.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    return {};
}

} // namespace

class TestFrmRDS : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadLaysOutTheWindow();
    void shippedPicturesShareOneDotPattern();
    void displayAtLoadIsTheStoredField();
    void displayFollowsDisparity_data();
    void displayFollowsDisparity();
    void uncoveredStripShowsUnrelatedDots();
    void modeChangesLoadTheirFiles();
    void userDrivesScrollBarAndOptions();
    void sweepTurnsBeyond200_data();
    void sweepTurnsBeyond200();
    void continuousLocksScrollBarAndStopKeepsDirection();
    void handSetDisparitySetsDirection_data();
    void handSetDisparitySetsDirection();
    void unloadablePictureIsReported_data();
    void unloadablePictureIsReported();
    void closingWhileSweepingStopsTheTimer();

private:
    PictureBox *picBothEyes() const { return fixture.control<PictureBox>("picBothEyes"); }
    PictureBox *picLeftEye() const { return fixture.control<PictureBox>("picLeftEye"); }
    PictureBox *picRightEye() const { return fixture.control<PictureBox>("picRightEye"); }
    OptionButton *opt(int i) const { return fixture.control<OptionButton>(QStringLiteral("optAnaglyph(%1)").arg(i)); }
    ScrollBar *hscDisp() const { return fixture.control<ScrollBar>("hscDisp"); }
    CommandButton *cmdContinuous() const { return fixture.control<CommandButton>("cmdContinuous"); }
    Timer *timer() const { return fixture.control<Timer>("Timer1"); }
    void clickContinuous() { QTest::mouseClick(cmdContinuous()->button(), Qt::LeftButton); }
    QString displayMismatch(int d, bool anaglyph) const;

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmRDS::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuRDSitem"), QStringLiteral("frmRDS"));
}

void TestFrmRDS::cleanup()
{
    // A test that hides the data folders may have failed before it showed them again.
    searchProgramDataFolders(true);
    fixture.finish();
}

QString TestFrmRDS::displayMismatch(int d, bool anaglyph) const
{
    const QImage left = rgb32(LoadPicture(anaglyph ? "images/LeftEyeRDS.bmp" : "images/RDS.bmp"));
    const QImage right = rgb32(picRightEye()->Picture());
    return firstDifference(picBothEyes()->image(), expectedDisplay(left, right, d, anaglyph));
}

void TestFrmRDS::loadLaysOutTheWindow()
{
    QCOMPARE(form()->windowTitle(), QStringLiteral("Random Dot Stereogram"));
    QVERIFY(!form()->isMdiChild());
    // 800 x 600 pixels. The size is set at load, before the window has a
    // frame, so it is the inside that measures 800 x 600.
    QCOMPARE(form()->ScaleWidth(), 12000.0);
    QCOMPARE(form()->ScaleHeight(), 9000.0);
    // Left, top, width, height of every visible control after load.
    const QList<QPair<QString, QList<double>>> layout = {
        {"picBothEyes", {0, 0, 12000, 7650}},
        {"optAnaglyph(0)", {2285, 8100, 1215, 375}},
        {"optAnaglyph(1)", {3550, 8100, 1215, 375}},
        {"hscDisp", {4865, 8100, 2175, 255}},
        {"cmdContinuous", {7240, 8100, 1215, 255}},
    };
    for (const auto &[name, geometry] : layout) {
        auto *control = fixture.control<Control>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(QList<double>({control->Left(), control->Top(), control->Width(), control->Height()}), geometry);
        QVERIFY2(control->isVisible(), qPrintable(name));
    }
    for (const char *hidden : {"picLeftEye", "picRightEye", "picDisp"})
        QVERIFY(!fixture.control<Control>(hidden)->Visible());
    // The target square, kept as text.
    QCOMPARE(picBothEyes()->Tag(), QStringLiteral("1500"));
    QCOMPARE(hscDisp()->Tag(), QStringLiteral("1530"));
    QCOMPARE(picLeftEye()->Tag(), QStringLiteral("5392.5"));
    QCOMPARE(picRightEye()->Tag(), QStringLiteral("3337.5"));

    QCOMPARE(opt(0)->Caption(), QStringLiteral("LCD Glasses"));
    QCOMPARE(opt(1)->Caption(), QStringLiteral("Anaglyph"));
    QVERIFY(opt(0)->Value() && !opt(1)->Value());
    QCOMPARE(hscDisp()->Min(), -300);
    QCOMPARE(hscDisp()->Max(), 300);
    QCOMPARE(hscDisp()->SmallChange(), 10);
    QCOMPARE(hscDisp()->LargeChange(), 50);
    QCOMPARE(hscDisp()->Value(), 0);
    QVERIFY(hscDisp()->Enabled());
    QCOMPARE(cmdContinuous()->Caption(), QStringLiteral("Continuous"));
    QCOMPARE(timer()->Interval(), 10);
    QVERIFY(!timer()->Enabled());
    QCOMPARE(timer()->Tag(), QStringLiteral("True"));
}

void TestFrmRDS::shippedPicturesShareOneDotPattern()
{
    // The display copies rectangles between these pictures, so all four
    // must hold the very same dots: stored with the window (white, blue)
    // and read from files (white for the LCD view, red for the anaglyph).
    const QImage white = rgb32(picLeftEye()->Picture());
    QCOMPARE(white.size(), QSize(792, 573));
    QCOMPARE(rgb32(picRightEye()->Picture()), recoloured(white, Blue));
    QCOMPARE(rgb32(LoadPicture("images/RDS.bmp")), white);
    QCOMPARE(rgb32(LoadPicture("images\\LeftEyeRDS.bmp")), recoloured(white, Red));

    // White or black square dots of 2 x 2 pixels, about half of them lit.
    int lit = 0;
    for (int y = 0; y < white.height(); ++y) {
        for (int x = 0; x < white.width(); ++x) {
            const QRgb p = white.pixel(x, y);
            QVERIFY(p == White || p == Black);
            QCOMPARE(p, white.pixel(x & ~1, y & ~1));
            lit += p == White;
        }
    }
    const double share = double(lit) / (white.width() * white.height());
    QVERIFY2(share > 0.45 && share < 0.55, qPrintable(QString::number(share)));
}

void TestFrmRDS::displayAtLoadIsTheStoredField()
{
    // At zero disparity the square lands on itself: the plain field, with
    // the background beyond the picture's right edge.
    const QImage shown = picBothEyes()->image();
    const QImage stored = rgb32(picLeftEye()->Picture());
    QCOMPARE(shown.size(), QSize(796, 506)); // inside the 3-D border
    QCOMPARE(firstDifference(shown, stored), QString());
    QCOMPARE(shown.pixel(795, 100), White);
}

void TestFrmRDS::displayFollowsDisparity_data()
{
    QTest::addColumn<bool>("anaglyph");
    QTest::addColumn<int>("d");
    for (bool anaglyph : {false, true}) {
        const char *mode = anaglyph ? "anaglyph" : "LCD";
        for (int d : {0, 300, -300, 150, -45, 10, 255}) {
            QTest::addRow("%s, d = %d", mode, d) << anaglyph << d;
        }
    }
}

void TestFrmRDS::displayFollowsDisparity()
{
    QFETCH(bool, anaglyph);
    QFETCH(int, d);
    opt(anaglyph ? 1 : 0)->setValue(true);
    hscDisp()->setValue(d);
    QCOMPARE(displayMismatch(d, anaglyph), QString());
}

void TestFrmRDS::uncoveredStripShowsUnrelatedDots()
{
    // The anaglyph's left eye sees the square 300 twips (20 pixels) to the
    // right, and the strip it uncovers holds the dots from (50, 75), not
    // the field's own; the LCD view leaves the field's own dots there.
    const QImage redDots = rgb32(LoadPicture("images\\LeftEyeRDS.bmp"));
    const QImage whiteDots = rgb32(LoadPicture("images/RDS.bmp"));
    const QRect strip(Square.topLeft(), QSize(20, Square.height()));
    const auto redChannel = [](QRgb p) { return qRed(p); };

    opt(1)->setValue(true);
    hscDisp()->setValue(300);
    QImage shown = picBothEyes()->image();
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            QCOMPARE(redChannel(shown.pixel(strip.topLeft() + QPoint(x, y))),
                     redChannel(redDots.pixel(FillSource + QPoint(x, y))));
        }
    }
    // The square's own left edge now lies 20 pixels further right.
    for (int y = 0; y < Square.height(); ++y)
        QCOMPARE(redChannel(shown.pixel(Square.left() + 20, Square.top() + y)),
                 redChannel(redDots.pixel(Square.left(), Square.top() + y)));

    opt(0)->setValue(true);
    shown = picBothEyes()->image();
    QCOMPARE(firstDifference(shown.copy(strip), whiteDots.copy(strip)), QString());
}

void TestFrmRDS::modeChangesLoadTheirFiles()
{
    opt(1)->setValue(true);
    QCOMPARE(rgb32(picLeftEye()->Picture()), rgb32(LoadPicture("images\\LeftEyeRDS.bmp")));
    hscDisp()->setValue(150);
    // Where both eyes see the same dots they are magenta; where the left
    // eye's square and its filled strip differ from the right eye's field
    // there are red-only and blue-only dots as well. Never green.
    const QImage anaglyph = picBothEyes()->image();
    const QRect disparate = Square.adjusted(0, 0, 10, 0);
    QSet<QRgb> inside, outside;
    for (int y = 0; y < 506; ++y)
        for (int x = 0; x < 792; ++x)
            (disparate.contains(x, y) ? inside : outside).insert(anaglyph.pixel(x, y));
    QCOMPARE(outside, QSet<QRgb>({Black, Red | Blue}));
    QCOMPARE(inside, QSet<QRgb>({Black, Red, Blue, Red | Blue}));

    opt(0)->setValue(true);
    QCOMPARE(rgb32(picLeftEye()->Picture()), rgb32(LoadPicture("images/RDS.bmp")));
    QCOMPARE(displayMismatch(150, false), QString());
}

void TestFrmRDS::userDrivesScrollBarAndOptions()
{
    QTest::mouseClick(opt(1)->button(), Qt::LeftButton);
    QVERIFY(opt(1)->Value() && !opt(0)->Value());
    testsupport::clickTrough(hscDisp(), true);
    QCOMPARE(hscDisp()->Value(), 50);
    testsupport::clickArrow(hscDisp(), false);
    QCOMPARE(hscDisp()->Value(), 40);
    QCOMPARE(displayMismatch(40, true), QString());
    testsupport::dragThumb(hscDisp(), {100, 200, 270});
    QCOMPARE(hscDisp()->Value(), 270);
    QCOMPARE(displayMismatch(270, true), QString());
    QCOMPARE(timer()->Tag(), QStringLiteral("False"));
    QTest::mouseClick(opt(0)->button(), Qt::LeftButton);
    QCOMPARE(displayMismatch(270, false), QString());
}

void TestFrmRDS::sweepTurnsBeyond200_data()
{
    QTest::addColumn<int>("start");
    QTest::newRow("from zero") << 0;
    QTest::newRow("from the far right") << 300;
    QTest::newRow("from an odd value") << -7;
}

void TestFrmRDS::sweepTurnsBeyond200()
{
    // One pixel (15 twips) per tick, turning at the first value beyond
    // +-200, never reaching the scroll bar's limits.
    QFETCH(int, start);
    hscDisp()->setValue(start);
    clickContinuous();
    QList<int> values{start};
    for (int i = 0; i < 200; ++i) {
        timer()->fire();
        values << hscDisp()->Value();
    }
    for (int i = 1; i < values.size(); ++i) {
        QCOMPARE(std::abs(values[i] - values[i - 1]), 15);
        const bool turned = i >= 2 && (values[i] - values[i - 1]) != (values[i - 1] - values[i - 2]);
        if (turned) // only just past a limit
            QVERIFY2(std::abs(values[i - 1]) > 200 && std::abs(values[i - 1]) <= 215,
                     qPrintable(QString::number(values[i - 1])));
    }
    if (start == 0) {
        QCOMPARE(values.mid(12, 5), QList<int>({180, 195, 210, 195, 180}));
        QCOMPARE(values.indexOf(-210), 14 + 28);
        QCOMPARE(values.indexOf(210, 15), 14 + 56); // a full cycle: 56 ticks
    }
    if (start == 300)
        QCOMPARE(values.mid(0, 3), QList<int>({300, 285, 270}));
    // The display keeps up with every tick.
    QCOMPARE(displayMismatch(values.last(), false), QString());
}

void TestFrmRDS::continuousLocksScrollBarAndStopKeepsDirection()
{
    clickContinuous();
    QCOMPARE(cmdContinuous()->Caption(), QStringLiteral("Stop"));
    QVERIFY(!hscDisp()->Enabled());
    QVERIFY(timer()->Enabled());
    testsupport::clickArrow(hscDisp(), true); // locked: the user cannot move it
    QCOMPARE(hscDisp()->Value(), 0);
    for (int i = 0; i < 15; ++i)
        timer()->fire(); // up to 210, then turned: 195
    QCOMPARE(hscDisp()->Value(), 195);

    clickContinuous();
    QCOMPARE(cmdContinuous()->Caption(), QStringLiteral("Continuous"));
    QVERIFY(hscDisp()->Enabled());
    QVERIFY(!timer()->Enabled());
    timer()->fire(); // a stopped sweep takes no ticks
    QCOMPARE(hscDisp()->Value(), 195);

    clickContinuous();
    timer()->fire();
    QCOMPARE(hscDisp()->Value(), 180); // still on its way down
}

void TestFrmRDS::handSetDisparitySetsDirection_data()
{
    QTest::addColumn<int>("setByHand");
    QTest::addColumn<int>("afterOneTick");
    QTest::newRow("-250 sends it up") << -250 << -235;
    QTest::newRow("250 sends it down") << 250 << 235;
    QTest::newRow("201 is beyond the limit") << 201 << 186;
    QTest::newRow("200 is not") << 200 << 215;
    QTest::newRow("-200 is not either") << -200 << -185;
    QTest::newRow("-300, the bar's end") << -300 << -285;
}

void TestFrmRDS::handSetDisparitySetsDirection()
{
    // The direction is set by the value, whether or not the sweep runs.
    QFETCH(int, setByHand);
    QFETCH(int, afterOneTick);
    hscDisp()->setValue(setByHand);
    clickContinuous();
    timer()->fire();
    QCOMPARE(hscDisp()->Value(), afterOneTick);
}

void TestFrmRDS::unloadablePictureIsReported_data()
{
    QTest::addColumn<QString>("damage"); // "missing", "garbage" or "truncated"
    QTest::addColumn<int>("mode");
    for (const char *damage : {"missing", "garbage", "truncated"}) {
        QTest::newRow(qPrintable(QStringLiteral("anaglyph file %1").arg(damage))) << QString::fromLatin1(damage) << 1;
        QTest::newRow(qPrintable(QStringLiteral("LCD file %1").arg(damage))) << QString::fromLatin1(damage) << 0;
    }
}

void TestFrmRDS::unloadablePictureIsReported()
{
    QFETCH(QString, damage);
    QFETCH(int, mode);
    const bool broken = damage != QLatin1String("missing");
    const QString file = mode == 1 ? QStringLiteral("images\\LeftEyeRDS.bmp") : QStringLiteral("images/RDS.bmp");
    // The LCD file is only read when coming back from the anaglyph.
    if (mode == 0)
        opt(1)->setValue(true);
    const QImage before = rgb32(picLeftEye()->Picture());

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    if (broken) {
        // Garbage, or the real picture cut off at half its length.
        QByteArray bytes = "BM not really a bitmap";
        if (damage == QLatin1String("truncated")) {
            QFile whole(findDataFile(file));
            QVERIFY(whole.open(QIODevice::ReadOnly));
            bytes = whole.readAll();
            bytes.truncate(bytes.size() / 2);
        }
        QFile junk(QDir(dir.path()).filePath(QString(file).replace('\\', '/')));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(bytes);
    } else {
        searchProgramDataFolders(false);
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    testsupport::MessageRecorder recorder;
    QTest::mouseClick(opt(mode)->button(), Qt::LeftButton);
    QDir::setCurrent(previous);
    searchProgramDataFolders(true);

    // One clear message naming the file as the program spells it ...
    QCOMPARE(recorder.boxes.size(), 1);
    QVERIFY2(recorder.boxes[0].first.contains(QStringLiteral("\"%1\"").arg(file)), qPrintable(recorder.boxes[0].first));
    QVERIFY(recorder.boxes[0].first.contains(broken ? "invalid picture" : "file not found"));
    // ... and the window goes on with the dots it had, in the chosen mode.
    QVERIFY(opt(mode)->Value());
    QCOMPARE(rgb32(picLeftEye()->Picture()), before);
    hscDisp()->setValue(-120);
    const QImage shown = picBothEyes()->image();
    const QImage right = rgb32(picRightEye()->Picture());
    QCOMPARE(firstDifference(shown, expectedDisplay(before, right, -120, mode == 1)), QString());
    QCOMPARE(recorder.boxes.size(), 1);
}

void TestFrmRDS::closingWhileSweepingStopsTheTimer()
{
    clickContinuous();
    timer()->fire();
    QPointer<Timer> sweep = timer();
    QPointer<PictureBox> display = picBothEyes();
    QVERIFY(sweep->isRunning());
    form()->close();
    QVERIFY(!form()->isLoaded());
    QVERIFY(!sweep->isRunning());
    sweep->fire(); // a late tick goes nowhere
    QTest::qWait(40); // real ticks would have come by now
    testsupport::settle();
    QVERIFY(sweep.isNull() && display.isNull());

    // Opened again, it starts afresh.
    testsupport::choose(fixture.main(), "mnuRDSitem");
    QCOMPARE(hscDisp()->Value(), 0);
    QCOMPARE(cmdContinuous()->Caption(), QStringLiteral("Continuous"));
    QVERIFY(!timer()->Enabled());
    QCOMPARE(firstDifference(picBothEyes()->image(), rgb32(picLeftEye()->Picture())), QString());
}

QTEST_MAIN(TestFrmRDS)
#include "tst_frmrds.moc"
