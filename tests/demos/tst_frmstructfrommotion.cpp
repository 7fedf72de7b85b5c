// Structure from motion: the stored dot field and the dotted square on it as
// they are on screen, the texture covering every pixel of the square, the
// rules that choose each move (including a draw taken by a later rule and a
// draw made again), the square's texture stepping across the field, the
// rest between moves, Stop at any time, and timers that die with the window.

#include "support/testsupport.h"

#include <QPointer>

using namespace forms;

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
// The square's texture: points every 10 twips over 855 twips, x outer, y inner.
constexpr int PointsPerSide = 86;
constexpr int SquarePixels = 57;

QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// The field as it is stored with the window (readable once it has loaded).
QImage storedField() { return QImage(QStringLiteral(":/frmStructFromMotion/field.png")); }

// Scripted texture: a point is white where the predicate holds.
QList<float> texture(const std::function<bool(int x, int y)> &white)
{
    QList<float> draws;
    for (int i = 0; i < PointsPerSide; ++i)
        for (int j = 0; j < PointsPerSide; ++j)
            draws << (white(10 * i, 10 * j) ? 0.0f : 0.9f);
    return draws;
}

} // namespace

class TestFrmStructFromMotion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithSquareHiddenInTheField();
    void textureCoversEveryPixel_data();
    void textureCoversEveryPixel();
    void movesFollowTheRules_data();
    void movesFollowTheRules();
    void squareStepsToItsTargetThenRests();
    void stepping_data();
    void stepping();
    void stopAtAnyTime_data();
    void stopAtAnyTime();
    void closingWhileRunningStopsTimers();

private:
    void open() { fixture.open(QStringLiteral("frmStructMotionitem"), QStringLiteral("frmStructFromMotion")); }
    void clickMove() { QTest::mouseClick(cmdMove()->button(), Qt::LeftButton); }
    // The inside of the field as it is on screen.
    QImage field() const;
    // The square's pixels on screen where its Left and Top put it.
    QImage squareOnScreen() const;
    QPoint squarePixel() const { return {twipsToPixels(square()->Left()), twipsToPixels(square()->Top())}; }
    // Fires the move timer until the move ends; the number of steps taken.
    int runMove();

    Frame *frame1() const { return fixture.control<Frame>("frame1"); }
    PictureBox *picStruct() const { return fixture.control<PictureBox>("picStruct"); }
    PictureBox *square() const { return fixture.control<PictureBox>("Square"); }
    CommandButton *cmdMove() const { return fixture.control<CommandButton>("cmdMove"); }
    Timer *timMove() const { return fixture.control<Timer>("timMove"); }
    Timer *timPause() const { return fixture.control<Timer>("timPause"); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmStructFromMotion::init()
{
    fixture.start();
}

void TestFrmStructFromMotion::cleanup()
{
    fixture.finish();
}

QImage TestFrmStructFromMotion::field() const
{
    // Grabbed without letting events through: the timers run for real
    // while the test fires them by hand, and a real tick would move on.
    const QImage shown = rgb32(form()->grab().toImage());
    const QPoint inside = picStruct()->mapTo(form(), picStruct()->clientOrigin());
    const int border = picStruct()->clientOrigin().x();
    return shown.copy(QRect(inside, picStruct()->size() - QSize(2 * border, 2 * border)));
}

QImage TestFrmStructFromMotion::squareOnScreen() const
{
    return field().copy(QRect(squarePixel(), QSize(SquarePixels, SquarePixels)));
}

int TestFrmStructFromMotion::runMove()
{
    // Every tick but the last takes a step.
    int ticks = 0;
    while (timMove()->Enabled() && ticks < 1000) {
        timMove()->fire();
        ++ticks;
    }
    return ticks - 1;
}

void TestFrmStructFromMotion::opensWithSquareHiddenInTheField()
{
    QImage previousTexture;
    for (int opening = 0; opening < 2; ++opening) {
        open();
        QCOMPARE(form()->windowTitle(), QStringLiteral("Structure from Motion"));
        QVERIFY(!form()->isMdiChild());
        QVERIFY(!form()->windowIcon().isNull());
        QCOMPARE(form()->ScaleWidth(), 8640.0);
        QCOMPARE(form()->ScaleHeight(), 6600.0);
        QCOMPARE(frame1()->Width(), 8295.0);
        QCOMPARE(frame1()->Height(), 5775.0);
        QCOMPARE(cmdMove()->Caption(), QStringLiteral("Move"));
        QCOMPARE(timMove()->Interval(), 5);
        QCOMPARE(timPause()->Interval(), 2000);
        QVERIFY(!timMove()->Enabled() && !timPause()->Enabled());
        QCOMPARE(square()->Left(), 1320.0);
        QCOMPARE(square()->Top(), 720.0);
        QCOMPARE(square()->Tag(), QString());

        // The field that ships with the window: 556 x 390 grey dots, about
        // 40 % of them light, mostly pure white and black.
        const QImage picture = picStruct()->Picture();
        QCOMPARE(picture.size(), QSize(556, 390));
        const QImage grey = storedField();
        QCOMPARE(rgb32(grey), rgb32(picture));
        QCOMPARE(grey.format(), QImage::Format_Grayscale8);
        int light = 0, pure = 0;
        for (int y = 0; y < grey.height(); ++y) {
            for (int x = 0; x < grey.width(); ++x) {
                const int v = qGray(grey.pixel(x, y));
                light += v >= 128;
                pure += v == 0 || v == 255;
            }
        }
        const double area = grey.width() * grey.height();
        QVERIFY2(light > 0.38 * area && light < 0.42 * area, qPrintable(QString::number(light / area)));
        QVERIFY2(pure > 0.85 * area, qPrintable(QString::number(pure / area)));

        // On screen: the field unscaled from the top left, and the square
        // within it, borderless, every one of its pixels black or white.
        const QImage shown = field();
        const QRect squareRect(squarePixel(), QSize(SquarePixels, SquarePixels));
        QCOMPARE(squareRect.topLeft(), QPoint(88, 48));
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (squareRect.contains(x, y)) {
                    QVERIFY(shown.pixel(x, y) == Black || shown.pixel(x, y) == White);
                } else if (shown.pixel(x, y) != rgb32(picture).pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("field differs at (%1, %2)").arg(x).arg(y)));
                }
            }
        }
        // A new random texture on every opening.
        const QImage texture = squareOnScreen();
        QVERIFY(texture != previousTexture);
        previousTexture = texture;
        form()->close();
        testsupport::settle();
    }
}

void TestFrmStructFromMotion::textureCoversEveryPixel_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QRect>("whitePixels"); // the rest black
    // Pixel 28 spans twips 420 to 435 and gets the points at 420 and 430:
    // the last one decides.
    QTest::newRow("white left of 430") << texture([](int x, int) { return x < 430; }) << QRect(0, 0, 28, 57);
    QTest::newRow("white above 430") << texture([](int, int y) { return y < 430; }) << QRect(0, 0, 57, 28);
    QTest::newRow("white from 420 on") << texture([](int x, int) { return x >= 420; }) << QRect(28, 0, 29, 57);
    QTest::newRow("all white") << texture([](int, int) { return true; }) << QRect(0, 0, 57, 57);
    QTest::newRow("all black") << texture([](int, int) { return false; }) << QRect();
}

void TestFrmStructFromMotion::textureCoversEveryPixel()
{
    QFETCH(QList<float>, draws);
    QFETCH(QRect, whitePixels);
    // The texture takes exactly one draw per point: the draws after it
    // choose the first move (0.1: rightward, 0: a quarter of the way).
    Random::script(draws + QList<float>{0.1f, 0.0f});
    open();
    const QImage texture = squareOnScreen();
    for (int y = 0; y < SquarePixels; ++y)
        for (int x = 0; x < SquarePixels; ++x)
            QCOMPARE(texture.pixel(x, y), whitePixels.contains(x, y) ? White : Black);
    clickMove();
    QCOMPARE(square()->Tag(), QStringLiteral("Left"));
    QCOMPARE(timMove()->Tag(), QStringLiteral("2850"));
}

void TestFrmStructFromMotion::movesFollowTheRules_data()
{
    // The field is 8295 x 5775 and the square 855: a quarter of the width
    // is 2073.75, three quarters 6221.25; of the height 1443.75 and 4331.25.
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("target");
    const QPointF start(1320, 720);
    // "Left" raises Left: the square goes right, 25 % to 80 % of the room.
    QTest::newRow("rightward") << start << QList<float>{0.1f, 0.5f} << "Left" << "4533";
    QTest::newRow("rightward, least") << start << QList<float>{0.0f, 0.0f} << "Left" << "2850";
    // Near the left edge a leftward draw falls through to a downward move.
    QTest::newRow("leftward draw taken by downward") << start << QList<float>{0.3f, 0.5f} << "Up" << "3345";
    QTest::newRow("at a quarter exactly, still not leftward") << QPointF(2073.75, 720) << QList<float>{0.3f, 0.0f} << "Up" << "1770";
    QTest::newRow("leftward") << QPointF(3000, 720) << QList<float>{0.45f, 0.5f} << "Right" << "1125";
    // In the right quarter a rightward draw is taken by the leftward rule.
    QTest::newRow("right quarter: rightward draw goes left") << QPointF(6300, 720) << QList<float>{0.1f, 0.5f} << "Right" << "2362.5";
    QTest::newRow("at three quarters exactly: goes left")
        << QPointF(6221.25, 720) << QList<float>{0.2f, 0.25f} << "Right" << "1166.484375";
    // In the top quarter an upward draw is made again.
    QTest::newRow("top quarter: upward draws made again") << start << QList<float>{0.8f, 0.9f, 0.6f, 0.5f} << "Up" << "3345";
    QTest::newRow("top quarter: then rightward") << start << QList<float>{0.75f, 0.1f, 0.0f} << "Left" << "2850";
    QTest::newRow("upward") << QPointF(3000, 3000) << QList<float>{0.9f, 0.5f} << "Down" << "1125";
    // Near the bottom a downward draw falls through to an upward move.
    QTest::newRow("bottom quarter: downward draw goes up") << QPointF(3000, 4400) << QList<float>{0.6f, 0.25f} << "Down" << "825";
    QTest::newRow("at three quarters down exactly: goes up")
        << QPointF(3000, 4331.25) << QList<float>{0.6f, 0.5f} << "Down" << "1624.21875";
    QTest::newRow("bottom right corner: rightward draw goes left")
        << QPointF(6300, 4400) << QList<float>{0.1f, 0.5f} << "Right" << "2362.5";
}

void TestFrmStructFromMotion::movesFollowTheRules()
{
    QFETCH(QPointF, at);
    QFETCH(QList<float>, draws);
    QFETCH(QString, direction);
    QFETCH(QString, target);
    open();
    square()->setLeft(at.x());
    square()->setTop(at.y());
    Random::script(draws + QList<float>{0.99f}); // a draw too many would show
    clickMove();
    QCOMPARE(cmdMove()->Caption(), QStringLiteral("Stop"));
    QCOMPARE(square()->Tag(), direction);
    QCOMPARE(timMove()->Tag(), target);
    // Moving at once, not resting first; not moved before the first tick.
    QVERIFY(timMove()->Enabled() && !timPause()->Enabled());
    QCOMPARE(QPointF(square()->Left(), square()->Top()), at);
    QCOMPARE(Rnd(), 0.99f);
}

void TestFrmStructFromMotion::squareStepsToItsTargetThenRests()
{
    Random::script(texture([](int x, int y) { return (x / 40 + y / 70) % 2 == 0; }));
    open();
    const QImage texture = squareOnScreen();
    const QImage before = field();

    // Rightward to 2850, 50 twips a tick.
    Random::script({0.1f, 0.0f});
    clickMove();
    for (int i = 0; i < 10; ++i)
        timMove()->fire();
    QCOMPARE(square()->Left(), 1820.0);
    QCOMPARE(square()->Top(), 720.0);
    // The texture has moved with it, and the field shows where it was.
    QCOMPARE(squareOnScreen(), texture);
    QCOMPARE(squarePixel(), QPoint(121, 48));
    const QImage during = field();
    QCOMPARE(during.copy(88, 48, 33, 57), rgb32(picStruct()->Picture()).copy(88, 48, 33, 57));
    QVERIFY(during != before);

    // 21 more steps reach 2870, 20 past the target; the next tick ends the
    // move and the square rests.
    QCOMPARE(runMove(), 21);
    QCOMPARE(square()->Left(), 2870.0);
    QVERIFY(!timMove()->Enabled() && timPause()->Enabled());
    QCOMPARE(squareOnScreen(), texture);

    // After the rest the next move starts from there: downward, by
    // 62.5 % of the room below.
    Random::script({0.6f, 0.5f});
    timPause()->fire();
    QCOMPARE(square()->Tag(), QStringLiteral("Up"));
    QCOMPARE(timMove()->Tag(), QStringLiteral("3345"));
    QVERIFY(timMove()->Enabled() && !timPause()->Enabled());
    QCOMPARE(runMove(), 53);
    QCOMPARE(square()->Top(), 3370.0);
    QCOMPARE(squarePixel(), QPoint(191, 225));
    QCOMPARE(squareOnScreen(), texture);
}

void TestFrmStructFromMotion::stepping_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QPointF>("end");
    QTest::newRow("target where it is: ends at once") << "Left" << "1320" << 0 << QPointF(1320, 720);
    QTest::newRow("passes the target by 25") << "Left" << "1345" << 1 << QPointF(1370, 720);
    QTest::newRow("lands on the target") << "Left" << "1420" << 2 << QPointF(1420, 720);
    // Read back in single precision: 1370.00001 is 1370.
    QTest::newRow("single precision") << "Left" << "1370.00001" << 1 << QPointF(1370, 720);
    QTest::newRow("leftward") << "Right" << "1000" << 7 << QPointF(970, 720);
    QTest::newRow("leftward to a fraction") << "Right" << "1166.484375" << 4 << QPointF(1120, 720);
    QTest::newRow("leftward, target where it is") << "Right" << "1320" << 0 << QPointF(1320, 720);
    QTest::newRow("downward") << "Up" << "1000" << 6 << QPointF(1320, 1020);
    QTest::newRow("upward") << "Down" << "700" << 1 << QPointF(1320, 670);
    QTest::newRow("upward to the edge") << "Down" << "0" << 15 << QPointF(1320, -30);
}

void TestFrmStructFromMotion::stepping()
{
    QFETCH(QString, direction);
    QFETCH(QString, target);
    QFETCH(int, steps);
    QFETCH(QPointF, end);
    open();
    const QImage texture = squareOnScreen();
    // A move under way, as the move-choosing routine leaves it.
    square()->setTag(direction);
    timMove()->setTag(target);
    cmdMove()->setCaption(QStringLiteral("Stop"));
    timMove()->setEnabled(true);
    QCOMPARE(runMove(), steps);
    QCOMPARE(QPointF(square()->Left(), square()->Top()), end);
    QVERIFY(!timMove()->Enabled() && timPause()->Enabled());
    if (end.y() >= 0)
        QCOMPARE(squareOnScreen(), texture);
}

void TestFrmStructFromMotion::stopAtAnyTime_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<double>("stoppedAt");
    QTest::newRow("during a move: left part-way") << 5 << 1570.0;
    QTest::newRow("during the rest: the next move is cancelled") << 40 << 2870.0;
}

void TestFrmStructFromMotion::stopAtAnyTime()
{
    QFETCH(int, ticks);
    QFETCH(double, stoppedAt);
    open();
    Random::script({0.1f, 0.0f}); // rightward to 2850
    clickMove();
    for (int i = 0; i < ticks; ++i)
        timMove()->fire();
    QCOMPARE(timPause()->Enabled(), ticks > 32);

    clickMove();
    QCOMPARE(cmdMove()->Caption(), QStringLiteral("Move"));
    QVERIFY(!timMove()->Enabled() && !timPause()->Enabled());
    // Nothing is pending: late ticks of either timer change nothing.
    Random::script({0.1f, 0.0f});
    timMove()->fire();
    timPause()->fire();
    QCOMPARE(square()->Left(), stoppedAt);
    QCOMPARE(timMove()->Tag(), QStringLiteral("2850"));
    const QImage stopped = field();
    QCOMPARE(squarePixel().x(), twipsToPixels(stoppedAt));

    // Move again: a new move from where it stands, at once.
    clickMove();
    QCOMPARE(cmdMove()->Caption(), QStringLiteral("Stop"));
    QCOMPARE(square()->Tag(), QStringLiteral("Left"));
    QCOMPARE(timMove()->Tag(), CStr((8295 - stoppedAt - 855) * 0.25 + stoppedAt));
    QCOMPARE(field(), stopped);
    timMove()->fire();
    QCOMPARE(square()->Left(), stoppedAt + 50);
}

void TestFrmStructFromMotion::closingWhileRunningStopsTimers()
{
    open();
    // From the keyboard.
    cmdMove()->button()->setFocus();
    QTest::keyClick(cmdMove()->button(), Qt::Key_Space);
    QCOMPARE(cmdMove()->Caption(), QStringLiteral("Stop"));
    timMove()->fire();
    QPointer<Timer> mover = timMove();
    QPointer<Timer> rest = timPause();
    QPointer<PictureBox> box = square();
    QVERIFY(mover->isRunning());
    form()->close();
    QVERIFY(!form()->isLoaded());
    QVERIFY(!mover->isRunning() && !rest->isRunning());
    mover->fire(); // a late tick goes nowhere
    rest->fire();
    QTest::qWait(30); // real ticks would have come by now
    testsupport::settle();
    QVERIFY(mover.isNull() && rest.isNull() && box.isNull());

    // Opened again: the square back at its place, idle.
    open();
    QCOMPARE(square()->Left(), 1320.0);
    QCOMPARE(square()->Top(), 720.0);
    QCOMPARE(cmdMove()->Caption(), QStringLiteral("Move"));
    QVERIFY(!timMove()->Enabled() && !timPause()->Enabled());
}

QTEST_MAIN(TestFrmStructFromMotion)
#include "tst_frmstructfrommotion.moc"
