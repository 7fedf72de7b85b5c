// The spiral aftereffect: the shipped spiral pictures, speed and duration
// turned into timer intervals, steps and run ticks, the flip-book read back
// from the screen as it turns either way and wraps, a direction reversed
// during a run, a run that ends on time, the frame index kept across
// reopenings, pictures that cannot be loaded, and timers that die with the
// window.

#include "support/testsupport.h"

#include "demos/motion/modmotionvar.h"

#include <QImageReader>
#include <QPointer>
#include <cmath>
#include <numbers>

using namespace forms;

namespace {

constexpr int Frames = 36;
constexpr int PictureSize = 467;

// As the window names them: "images\spiral 00.bmp" to "images\spiral 350.bmp".
QString spiralFile(int i) { return QStringLiteral("images\\spiral ") + QString::number(i) + QStringLiteral("0.bmp"); }

QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// The shipped pictures, as the window reads them.
const QList<QImage> &shippedPictures()
{
    static const QList<QImage> pictures = [] {
        QList<QImage> list;
        for (int i = 0; i < Frames; ++i)
            list << rgb32(LoadPicture(spiralFile(i)));
        return list;
    }();
    return pictures;
}

} // namespace

class TestFrmMotAfter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shippedPicturesTurnTenDegreesEach();
    void loadShowsSpiralAtZero();
    void speedSetsFrameTimer_data();
    void speedSetsFrameTimer();
    void durationSetsRunTimer_data();
    void durationSetsRunTimer();
    void userSetsSpeedAndDuration();
    void frameIndexWraps_data();
    void frameIndexWraps();
    void directionReversesDuringRun();
    void frameIndexSurvivesReopening();
    void unloadablePicturesAreReported_data();
    void unloadablePicturesAreReported();
    void closingDuringRunStopsTimers();

private:
    void open() { fixture.open(QStringLiteral("mnuSpiralitem"), QStringLiteral("frmMotAfter")); }
    void clickStart() { QTest::mouseClick(cmdStart()->button(), Qt::LeftButton); }

    // What the spiral's frame shows, in window pixels, and where the
    // stretched picture's top left lies.
    QRect frameRect() const;
    QPoint pictureOrigin() const;
    // Which shipped picture the frame shows on screen: its index, -2 if the
    // frame is empty (its back colour only), -1 if neither.
    int shownPicture() const;
    // Ticks the frame timer and says which picture is then on screen.
    QList<int> tickFrames(int ticks);
    // Speed and duration bars, Start and their labels are shown (idle) or
    // hidden (running); the direction stays shown either way.
    bool settingsShown(bool shown) const;

    Image *imgSpiral() const { return fixture.control<Image>("imgSpiral"); }
    Frame *motionFrame() const { return fixture.control<Frame>("MotionFrame"); }
    ScrollBar *vscSpeed() const { return fixture.control<ScrollBar>("vscSpeed"); }
    ScrollBar *vscDuration() const { return fixture.control<ScrollBar>("vscDuration"); }
    OptionButton *opt(int i) const { return fixture.control<OptionButton>(QStringLiteral("optDirection(%1)").arg(i)); }
    CommandButton *cmdStart() const { return fixture.control<CommandButton>("cmdStart"); }
    Timer *tim1() const { return fixture.control<Timer>("tim1"); }
    Timer *timTotal() const { return fixture.control<Timer>("timTotal"); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmMotAfter::init()
{
    fixture.start();
    // Each test starts from the first picture, as a fresh program does.
    modMotionVar::FrameIndex = 0;
}

void TestFrmMotAfter::cleanup()
{
    // A test that hides the data folders may have failed before it showed them again.
    searchProgramDataFolders(true);
    fixture.finish();
}

QRect TestFrmMotAfter::frameRect() const
{
    return QRect(motionFrame()->mapTo(form(), QPoint(0, 0)), motionFrame()->size());
}

QPoint TestFrmMotAfter::pictureOrigin() const
{
    return imgSpiral()->mapTo(form(), QPoint(0, 0));
}

int TestFrmMotAfter::shownPicture() const
{
    // Grabbed without letting events through: the timers run for real
    // while the test fires them by hand, and a real tick would move on.
    const QImage shown = rgb32(form()->grab().toImage());
    const QRect frame = frameRect();
    const QPoint origin = pictureOrigin();
    const auto matches = [&](const std::function<QRgb(QPoint)> &expected) {
        for (int y = frame.top(); y <= frame.bottom(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
            for (int x = frame.left(); x <= frame.right(); ++x)
                if (row[x] != expected(QPoint(x, y) - origin))
                    return false;
        }
        return true;
    };
    const QRgb back = toQColor(motionFrame()->BackColor()).rgb();
    if (matches([back](QPoint) { return back; }))
        return -2;
    for (int i = 0; i < Frames; ++i) {
        const QImage &picture = shippedPictures()[i];
        if (matches([&picture](QPoint p) { return picture.pixel(p); }))
            return i;
    }
    return -1;
}

QList<int> TestFrmMotAfter::tickFrames(int ticks)
{
    QList<int> shown;
    for (int i = 0; i < ticks; ++i) {
        tim1()->fire();
        shown << shownPicture();
    }
    return shown;
}

bool TestFrmMotAfter::settingsShown(bool shown) const
{
    for (const char *name : {"vscSpeed", "vscDuration", "cmdStart", "Label1", "Label2"}) {
        if (fixture.control<Control>(name)->isVisible() != shown)
            return false;
    }
    for (const char *name : {"Label3", "optDirection(0)", "optDirection(1)", "MotionFrame"}) {
        if (!fixture.control<Control>(name)->isVisible())
            return false;
    }
    return true;
}

void TestFrmMotAfter::shippedPicturesTurnTenDegreesEach()
{
    // Black and white pictures as large as they are shown, stored one bit
    // a pixel.
    for (int i = 0; i < Frames; ++i) {
        const QString path = findDataFile(spiralFile(i));
        QVERIFY2(!path.isEmpty(), qPrintable(spiralFile(i)));
        QVERIFY2(QFileInfo(path).size() < 40000, qPrintable(path));
        QImageReader reader(path);
        QCOMPARE(reader.size(), QSize(PictureSize, PictureSize));
        QCOMPARE(reader.imageFormat(), QImage::Format_Mono);
    }
    // Half black, half white; picture i is picture 0 turned 10 i degrees
    // clockwise (edges aside), and no two pictures are alike.
    const QImage &first = shippedPictures()[0];
    const double c = (PictureSize - 1) / 2.0;
    for (int i = 0; i < Frames; ++i) {
        const QImage &picture = shippedPictures()[i];
        int black = 0, agree = 0, samples = 0;
        const double turn = i * 10 * std::numbers::pi / 180;
        for (int y = 0; y < PictureSize; ++y) {
            for (int x = 0; x < PictureSize; ++x) {
                const QRgb p = picture.pixel(x, y);
                QVERIFY(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255));
                black += p == qRgb(0, 0, 0);
                // Turned back by 10 i degrees, the point lands on picture 0.
                const double dx = x - c, dy = y - c;
                const int x0 = qRound(c + dx * std::cos(turn) + dy * std::sin(turn));
                const int y0 = qRound(c - dx * std::sin(turn) + dy * std::cos(turn));
                if (std::hypot(dx, dy) < 230) {
                    ++samples;
                    agree += first.pixel(x0, y0) == p;
                }
            }
        }
        const double blackShare = double(black) / (PictureSize * PictureSize);
        QVERIFY2(blackShare > 0.45 && blackShare < 0.55, qPrintable(QString::number(blackShare)));
        QVERIFY2(agree > 0.95 * samples, qPrintable(QStringLiteral("picture %1: %2 of %3").arg(i).arg(agree).arg(samples)));
        for (int j = 0; j < i; ++j)
            QVERIFY2(shippedPictures()[j] != picture, qPrintable(QStringLiteral("%1 and %2").arg(j).arg(i)));
    }
    // Turning the other way does not match: the sense of the turn is right.
    const QImage &second = shippedPictures()[1];
    int agreeBackwards = 0, samples = 0;
    const double back = -10 * std::numbers::pi / 180;
    for (int y = 0; y < PictureSize; y += 3) {
        for (int x = 0; x < PictureSize; x += 3) {
            const double dx = x - c, dy = y - c;
            if (std::hypot(dx, dy) >= 230)
                continue;
            const int x0 = qRound(c + dx * std::cos(back) + dy * std::sin(back));
            const int y0 = qRound(c - dx * std::sin(back) + dy * std::cos(back));
            ++samples;
            agreeBackwards += first.pixel(x0, y0) == second.pixel(x, y);
        }
    }
    QVERIFY2(agreeBackwards < 0.8 * samples, qPrintable(QString::number(agreeBackwards)));
}

void TestFrmMotAfter::loadShowsSpiralAtZero()
{
    for (int opening = 0; opening < 2; ++opening) {
        open();
        QCOMPARE(form()->windowTitle(), QStringLiteral("Motion Aftereffect"));
        QVERIFY(!form()->isMdiChild());
        QCOMPARE(form()->ScaleWidth(), 9390.0);
        QCOMPARE(form()->ScaleHeight(), 5535.0);
        // The spiral fills its 5000-twip frame; the frame is a window onto
        // the 7005-twip stretched picture, cut at every side.
        QCOMPARE(frameRect().size(), QSize(333, 333));
        QCOMPARE(imgSpiral()->size(), QSize(PictureSize, PictureSize));
        QVERIFY(imgSpiral()->Stretch());
        QCOMPARE(pictureOrigin() - frameRect().topLeft(), QPoint(-56, -67));
        QCOMPARE(shownPicture(), 0);

        QCOMPARE(vscSpeed()->Value(), 25);
        QCOMPARE(vscSpeed()->Min(), 150);
        QCOMPARE(vscSpeed()->Max(), 1);
        QCOMPARE(vscSpeed()->LargeChange(), 10);
        QCOMPARE(vscDuration()->Value(), 60);
        QCOMPARE(vscDuration()->Min(), 240);
        QCOMPARE(vscDuration()->Max(), 10);
        QCOMPARE(vscDuration()->LargeChange(), 30);
        QCOMPARE(tim1()->Interval(), 50);
        QCOMPARE(timTotal()->Interval(), 60000);
        QVERIFY(!tim1()->Enabled() && !timTotal()->Enabled());
        QCOMPARE(opt(0)->Caption(), QStringLiteral("Clockwise"));
        QCOMPARE(opt(1)->Caption(), QStringLiteral("Counter Clockwise"));
        QVERIFY(opt(0)->Value() && !opt(1)->Value());
        QCOMPARE(cmdStart()->Caption(), QStringLiteral("Start"));
        QVERIFY(settingsShown(true));
        for (const auto &[name, caption] : {std::pair{"Label1", "Speed"}, {"Label2", "Duration"}, {"Label3", "Direction"}})
            QCOMPARE(fixture.control<Label>(name)->Caption(), QString::fromLatin1(caption));
        form()->close();
        testsupport::settle();
    }
}

void TestFrmMotAfter::speedSetsFrameTimer_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("step");
    QTest::newRow("slowest") << 150 << 150 << 1;
    QTest::newRow("76: single steps") << 76 << 76 << 1;
    QTest::newRow("75: double steps at half the rate") << 75 << 150 << 2;
    QTest::newRow("design value") << 25 << 50 << 2;
    QTest::newRow("fastest") << 1 << 2 << 2;
}

void TestFrmMotAfter::speedSetsFrameTimer()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(int, step);
    open();
    vscSpeed()->setValue(speed == 25 ? 26 : 25);
    vscSpeed()->setValue(speed);
    QCOMPARE(tim1()->Interval(), interval);
    clickStart();
    QCOMPARE(tickFrames(3), QList<int>({step, 2 * step, 3 * step}));
}

void TestFrmMotAfter::durationSetsRunTimer_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("ticks");
    QTest::newRow("shortest") << 10 << 10000 << 1;
    QTest::newRow("60: one tick") << 60 << 60000 << 1;
    QTest::newRow("61: two ticks") << 61 << 30500 << 2;
    QTest::newRow("120: two ticks") << 120 << 60000 << 2;
    QTest::newRow("121: three ticks, rounded") << 121 << 40333 << 3;
    QTest::newRow("150: three ticks, rounded up") << 150 << 50000 << 3;
    QTest::newRow("180: three ticks") << 180 << 60000 << 3;
    QTest::newRow("181: four ticks") << 181 << 45250 << 4;
    QTest::newRow("240: four ticks") << 240 << 60000 << 4;
}

void TestFrmMotAfter::durationSetsRunTimer()
{
    QFETCH(int, seconds);
    QFETCH(int, interval);
    QFETCH(int, ticks);
    open();
    vscDuration()->setValue(seconds == 60 ? 61 : 60);
    vscDuration()->setValue(seconds);
    QCOMPARE(timTotal()->Interval(), interval);

    // Twice: a second run after the first counts its ticks afresh.
    int frame = 0;
    for (int run = 0; run < 2; ++run) {
        clickStart();
        QVERIFY(tim1()->Enabled() && timTotal()->Enabled());
        QVERIFY(settingsShown(false));
        for (int t = 1; t < ticks; ++t) {
            frame += 2;
            QCOMPARE(tickFrames(1), QList<int>{frame});
            timTotal()->fire();
            QVERIFY2(tim1()->Enabled() && timTotal()->Enabled() && settingsShown(false),
                     qPrintable(QStringLiteral("ended after %1 of %2 ticks").arg(t).arg(ticks)));
        }
        frame += 2;
        QCOMPARE(tickFrames(1), QList<int>{frame});
        timTotal()->fire();
        // Ended: the spiral stays on its last picture, the settings are back.
        QVERIFY(!tim1()->Enabled() && !timTotal()->Enabled());
        QVERIFY(settingsShown(true));
        tim1()->fire();
        QCOMPARE(shownPicture(), frame);
    }
}

void TestFrmMotAfter::userSetsSpeedAndDuration()
{
    open();
    // Down the bar is faster: 25 -> 24 by an arrow, then -10 by the trough.
    testsupport::clickArrow(vscSpeed(), true);
    QCOMPARE(vscSpeed()->Value(), 24);
    QCOMPARE(tim1()->Interval(), 48);
    testsupport::clickTrough(vscSpeed(), true);
    QCOMPARE(vscSpeed()->Value(), 14);
    QCOMPARE(tim1()->Interval(), 28);
    // Up the bar is slower, by the keyboard too.
    vscSpeed()->bar()->setFocus();
    for (int i = 0; i < 62; ++i)
        QTest::keyClick(vscSpeed()->bar(), Qt::Key_Up);
    QCOMPARE(vscSpeed()->Value(), 76);
    QCOMPARE(tim1()->Interval(), 76);
    // A drag acts when the thumb is let go.
    testsupport::dragThumb(vscDuration(), {100, 150, 200});
    QCOMPARE(vscDuration()->Value(), 200);
    QCOMPARE(timTotal()->Interval(), 50000);

    // Start from the keyboard, and a single step per tick at speed 76.
    cmdStart()->button()->setFocus();
    QTest::keyClick(cmdStart()->button(), Qt::Key_Space);
    QVERIFY(settingsShown(false));
    QCOMPARE(tickFrames(2), QList<int>({1, 2}));
    for (int t = 0; t < 3; ++t)
        timTotal()->fire();
    QVERIFY(settingsShown(false));
    timTotal()->fire();
    QVERIFY(settingsShown(true));
}

void TestFrmMotAfter::frameIndexWraps_data()
{
    QTest::addColumn<bool>("clockwise");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("clockwise by one past 35") << true << 100 << 33 << QList<int>{34, 35, 0, 1};
    // Wraps to 0, not by the remainder.
    QTest::newRow("clockwise by two past 35") << true << 25 << 32 << QList<int>{34, 0, 2};
    QTest::newRow("clockwise by two from 35") << true << 25 << 35 << QList<int>{0, 2};
    QTest::newRow("counter-clockwise by one past 0") << false << 100 << 2 << QList<int>{1, 0, 35, 34};
    QTest::newRow("counter-clockwise by two past 0") << false << 25 << 3 << QList<int>{1, 35, 33};
    QTest::newRow("counter-clockwise by two from 0") << false << 25 << 0 << QList<int>{35, 33};
}

void TestFrmMotAfter::frameIndexWraps()
{
    QFETCH(bool, clockwise);
    QFETCH(int, speed);
    QFETCH(int, from);
    QFETCH(QList<int>, shown);
    modMotionVar::FrameIndex = qint16(from);
    open();
    vscSpeed()->setValue(speed);
    QTest::mouseClick(opt(clockwise ? 0 : 1)->button(), Qt::LeftButton);
    clickStart();
    QCOMPARE(tickFrames(int(shown.size())), shown);
}

void TestFrmMotAfter::directionReversesDuringRun()
{
    open();
    vscSpeed()->setValue(100);
    vscDuration()->setValue(100); // two run ticks
    clickStart();
    QCOMPARE(tickFrames(3), QList<int>({1, 2, 3}));
    timTotal()->fire();
    // The direction buttons stay within reach and act from the next tick.
    QTest::mouseClick(opt(1)->button(), Qt::LeftButton);
    QVERIFY(opt(1)->Value() && !opt(0)->Value());
    QCOMPARE(shownPicture(), 3);
    QCOMPARE(tickFrames(5), QList<int>({2, 1, 0, 35, 34}));
    QTest::mouseClick(opt(0)->button(), Qt::LeftButton);
    QCOMPARE(tickFrames(3), QList<int>({35, 0, 1}));
    // The run still ends on its second run tick.
    QVERIFY(settingsShown(false));
    timTotal()->fire();
    QVERIFY(settingsShown(true));
    QVERIFY(!tim1()->Enabled());
    QCOMPARE(shownPicture(), 1);
}

void TestFrmMotAfter::frameIndexSurvivesReopening()
{
    open();
    vscSpeed()->setValue(100);
    QTest::mouseClick(opt(1)->button(), Qt::LeftButton);
    clickStart();
    QCOMPARE(tickFrames(4), QList<int>({35, 34, 33, 32}));
    form()->close(); // in the middle of the run
    testsupport::settle();
    QCOMPARE(modMotionVar::FrameIndex, qint16(32));

    // Opened again: the spiral at 0 degrees, the direction clockwise again
    // and the design speed; the first tick goes on from the index the last
    // run left.
    testsupport::choose(fixture.main(), QStringLiteral("mnuSpiralitem"));
    QVERIFY(testsupport::insideShown(form()));
    QCOMPARE(shownPicture(), 0);
    QVERIFY(opt(0)->Value());
    QVERIFY(modMotionVar::Clockwise);
    QVERIFY(settingsShown(true));
    clickStart();
    QCOMPARE(tickFrames(2), QList<int>({34, 0}));
}

void TestFrmMotAfter::unloadablePicturesAreReported_data()
{
    // The message; %1 stands for the reason the picture layer gives.
    QTest::addColumn<QList<int>>("missing");
    QTest::addColumn<bool>("broken"); // else not there at all
    QTest::addColumn<QString>("message");
    QTest::newRow("one missing") << QList<int>{12} << false
                                 << QStringLiteral("The spiral picture \"images\\spiral 120.bmp\" could not be loaded "
                                                   "(%1), so the spiral skips that picture as it turns.");
    QTest::newRow("one broken") << QList<int>{12} << true
                                << QStringLiteral("The spiral picture \"images\\spiral 120.bmp\" could not be loaded "
                                                  "(%1), so the spiral skips that picture as it turns.");
    QTest::newRow("the first and two more missing")
        << QList<int>{0, 1, 35} << false
        << QStringLiteral("The spiral picture \"images\\spiral 00.bmp\" and 2 other spiral pictures could not be "
                          "loaded (%1), so the spiral skips them as it turns.");
    QList<int> all;
    for (int i = 0; i < Frames; ++i)
        all << i;
    QTest::newRow("all missing") << all << false
                                 << QStringLiteral("The spiral picture \"images\\spiral 00.bmp\" and 35 other spiral "
                                                   "pictures could not be loaded (%1), so no spiral can be shown.");
}

void TestFrmMotAfter::unloadablePicturesAreReported()
{
    QFETCH(QList<int>, missing);
    QFETCH(bool, broken);
    QFETCH(QString, message);
    // A working folder with the pictures, some of them missing or broken,
    // and the program's own pictures out of reach.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    for (int i = 0; i < Frames; ++i) {
        const QString to = QDir(dir.path()).filePath(QString(spiralFile(i)).replace('\\', '/'));
        if (!missing.contains(i)) {
            QVERIFY(QFile::copy(findDataFile(spiralFile(i)), to));
        } else if (broken) {
            QFile junk(to);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("BM not really a bitmap");
        }
    }
    searchProgramDataFolders(false);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QString reason;
    try {
        LoadPicture(spiralFile(missing.first()));
    } catch (const RuntimeError &e) {
        reason = RuntimeError::errorName(e.code()).toLower();
    }
    testsupport::MessageRecorder recorder;
    open();
    QDir::setCurrent(previous);
    searchProgramDataFolders(true);

    // One message naming the first file that failed, and why.
    QVERIFY(!reason.isEmpty());
    QCOMPARE(recorder.texts(), QStringList{message.arg(reason)});
    QCOMPARE(recorder.boxes[0].second, QStringLiteral("Picture Not Loaded"));

    // The window is up and works. A missing first picture leaves the frame
    // empty; a missing picture in the run leaves the one before it on
    // screen until the next one that can be shown.
    QCOMPARE(shownPicture(), missing.contains(0) ? -2 : 0);
    vscSpeed()->setValue(100);
    clickStart();
    QList<int> expected;
    int last = missing.contains(0) ? -2 : 0;
    for (int i = 1; i <= Frames; ++i) {
        const int index = i % Frames;
        if (!missing.contains(index))
            last = index;
        expected << last;
    }
    QCOMPARE(tickFrames(Frames), expected);
    timTotal()->fire();
    QVERIFY(settingsShown(true));
    QCOMPARE(recorder.boxes.size(), 1);
}

void TestFrmMotAfter::closingDuringRunStopsTimers()
{
    open();
    clickStart();
    tickFrames(2);
    QPointer<Timer> frameTimer = tim1();
    QPointer<Timer> runTimer = timTotal();
    QPointer<Image> image = imgSpiral();
    QVERIFY(frameTimer->isRunning() && runTimer->isRunning());
    form()->close();
    QVERIFY(!form()->isLoaded());
    QVERIFY(!frameTimer->isRunning() && !runTimer->isRunning());
    frameTimer->fire(); // a late tick goes nowhere
    runTimer->fire();
    testsupport::settle();
    QVERIFY(frameTimer.isNull() && runTimer.isNull() && image.isNull());
    QCOMPARE(modMotionVar::FrameIndex, qint16(4));
}

QTEST_MAIN(TestFrmMotAfter)
#include "tst_frmmotafter.moc"
