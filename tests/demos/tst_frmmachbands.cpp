// Mach bands: the window holds one object, activated by a double click or
// by Enter; it opens an animation whose pattern is drawn in flat greys
// (the bands a viewer sees at its edges are not on the screen), with the
// luminance profile beneath and a probe sweeping across. The animation
// pauses, closes, and leaves nothing behind.

#include "support/testsupport.h"

#include "demos/spatial/machbandsanimation.h"

#include <QPointer>

using namespace forms;
using Pattern = MachBandsAnimation::Pattern;

namespace {
constexpr QRect PatternRect = MachBandsAnimation::PatternRect;
constexpr QRect PlotRect = MachBandsAnimation::PlotRect;
constexpr QRgb Profile = qRgb(31, 78, 160);
constexpr QRgb Probe = qRgb(200, 0, 0);

QRgb grey(int level) { return qRgb(level, level, level); }

// The plot's rows for grey levels: 0 and 255 lie 6 pixels inside its
// frame, linear in between.
int plotRow(int level)
{
    return PlotRect.bottom() - 6 - qRound((PlotRect.height() - 12) * level / 255.0);
}

// The first pixel of the pattern whose grey is not what the pattern puts
// in its column; empty when every column is one flat grey as expected.
QString patternMismatch(const QImage &shown, Pattern pattern)
{
    for (int x = 0; x < PatternRect.width(); ++x) {
        const QRgb expected = grey(MachBandsAnimation::level(pattern, x));
        for (int y = PatternRect.top(); y <= PatternRect.bottom(); ++y) {
            const QRgb seen = shown.pixel(PatternRect.left() + x, y);
            if (seen != expected)
                return QStringLiteral("column %1, row %2: %3 instead of %4")
                    .arg(x).arg(y).arg(qRed(seen)).arg(qRed(expected));
        }
    }
    return {};
}

// The rows of the plot where the profile is drawn in one column.
QList<int> profileRows(const QImage &shown, int column)
{
    QList<int> rows;
    for (int y = PlotRect.top(); y <= PlotRect.bottom(); ++y)
        if (shown.pixel(PlotRect.left() + column, y) == Profile)
            rows << y;
    return rows;
}
} // namespace

class TestFrmMachBands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithItsObject();
    void activation_data();
    void activation();
    void staircaseIsFlatAndSoIsItsProfile();
    void probeSweepsAndThePatternTurnsIntoARamp();
    void spacePausesAndEscapeCloses();
    void closingLeavesNothingBehind_data();
    void closingLeavesNothingBehind();
    void reopenedByItsCommand();

private:
    OleContainer *oleMachBands() const { return fixture.control<OleContainer>("oleMachBands"); }
    // The animation window on screen, opened by a double click on the object.
    MachBandsAnimation *openAnimation();
    static QList<MachBandsAnimation *> animationsShown();

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmMachBands::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuMachBandsItem"), QStringLiteral("frmMachBands"));
}

void TestFrmMachBands::cleanup()
{
    fixture.finish();
}

QList<MachBandsAnimation *> TestFrmMachBands::animationsShown()
{
    QList<MachBandsAnimation *> shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *animation = qobject_cast<MachBandsAnimation *>(w); animation && animation->isVisible())
            shown << animation;
    }
    return shown;
}

MachBandsAnimation *TestFrmMachBands::openAnimation()
{
    QTest::mouseDClick(oleMachBands(), Qt::LeftButton, {}, oleMachBands()->rect().center());
    const QList<MachBandsAnimation *> shown = animationsShown();
    return shown.size() == 1 ? shown.first() : nullptr;
}

void TestFrmMachBands::opensWithItsObject()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Mach Bands"));
    QVERIFY(form()->isMdiChild());
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuMachBandsItem"))->Checked());
    QCOMPARE(form()->size(), QSize(113, 94)); // 1695 x 1410 twips
    QCOMPARE(oleMachBands()->geometry(), QRect(16, 16, 81, 65));
    QCOMPARE(oleMachBands()->Caption(), QStringLiteral("Mach Bands"));
    // The object shows as its icon, a small staircase of greys that get
    // lighter to the right, in a thin black frame; nothing is open yet.
    const QImage shown = testsupport::shownImage(form());
    const QPoint origin = oleMachBands()->geometry().topLeft();
    QCOMPARE(shown.pixel(origin), qRgb(0, 0, 0));
    int previous = -1;
    for (int step = 0; step < 4; ++step) {
        const QRgb seen = shown.pixel(origin + QPoint(26 + 7 * step, 30));
        QCOMPARE(qRed(seen), qBlue(seen));
        QVERIFY(qRed(seen) > previous);
        previous = qRed(seen);
    }
    QVERIFY(animationsShown().isEmpty());
    // The object is the window's one control and has the focus.
    QCOMPARE(QApplication::focusWidget(), oleMachBands());
}

void TestFrmMachBands::activation_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("opens");
    QTest::newRow("double click") << QStringLiteral("double click") << true;
    QTest::newRow("Enter") << QStringLiteral("Enter") << true;
    QTest::newRow("Return") << QStringLiteral("Return") << true;
    QTest::newRow("single click") << QStringLiteral("single click") << false;
    QTest::newRow("right double click") << QStringLiteral("right double click") << false;
    QTest::newRow("Space") << QStringLiteral("Space") << false;
}

void TestFrmMachBands::activation()
{
    QFETCH(QString, input);
    QFETCH(bool, opens);
    const auto act = [&] {
        const QPoint middle = oleMachBands()->rect().center();
        // Keys go where the focus is, as a user's do.
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus, oleMachBands());
        if (input == QLatin1String("double click"))
            QTest::mouseDClick(oleMachBands(), Qt::LeftButton, {}, middle);
        else if (input == QLatin1String("right double click"))
            QTest::mouseDClick(oleMachBands(), Qt::RightButton, {}, middle);
        else if (input == QLatin1String("single click"))
            QTest::mouseClick(oleMachBands(), Qt::LeftButton, {}, middle);
        else if (input == QLatin1String("Enter"))
            QTest::keyClick(focus, Qt::Key_Enter);
        else if (input == QLatin1String("Return"))
            QTest::keyClick(focus, Qt::Key_Return);
        else
            QTest::keyClick(focus, Qt::Key_Space);
        testsupport::settle();
    };
    act();
    const QList<MachBandsAnimation *> shown = animationsShown();
    QCOMPARE(shown.size(), opens ? 1 : 0);
    if (!opens)
        return;
    MachBandsAnimation *animation = shown.first();
    QCOMPARE(animation->windowTitle(), QStringLiteral("Mach Bands Animation"));
    QVERIFY(animation->isWindow());
    QVERIFY(animation->timer()->isRunning());
    QTRY_COMPARE(QGuiApplication::focusWindow(), animation->windowHandle());
    // Back in the main window, the object has the focus again; activating
    // it again brings the same window to the front.
    fixture.main().windowHandle()->requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), fixture.main().windowHandle());
    QCOMPARE(QApplication::focusWidget(), oleMachBands());
    act();
    QCOMPARE(animationsShown(), QList<MachBandsAnimation *>{animation});
    QTRY_COMPARE(QGuiApplication::focusWindow(), animation->windowHandle());
}

void TestFrmMachBands::staircaseIsFlatAndSoIsItsProfile()
{
    MachBandsAnimation *animation = openAnimation();
    QVERIFY(animation);
    QCOMPARE(animation->pattern(), Pattern::Staircase);
    const QImage shown = animation->grab().toImage();
    // Eight flat steps, each one grey from edge to edge and top to bottom.
    for (int step = 0; step < 8; ++step) {
        QCOMPARE(qRed(shown.pixel(PatternRect.left() + 70 * step + 35, PatternRect.center().y())),
                 40 + 25 * step);
    }
    QCOMPARE(patternMismatch(shown, Pattern::Staircase), QString());
    // Beneath, the luminance is drawn flat across each step, two rows
    // thick, higher for each lighter step.
    int previousRow = PlotRect.bottom();
    for (int step = 0; step < 8; ++step) {
        const int row = plotRow(40 + 25 * step);
        QVERIFY(row < previousRow);
        previousRow = row;
        const int probe = animation->probe();
        for (int x = 70 * step + 2; x < 70 * step + 68; ++x) {
            if (std::abs(x - probe) <= 5)
                continue; // the probe's mark lies over the profile there
            QCOMPARE(profileRows(shown, x), QList<int>({row - 1, row}));
        }
    }
}

void TestFrmMachBands::probeSweepsAndThePatternTurnsIntoARamp()
{
    MachBandsAnimation *animation = openAnimation();
    QVERIFY(animation);
    Timer *timer = animation->timer();
    // Two columns a tick; marks above and below the pattern, never on it.
    const int start = animation->probe();
    for (int i = 0; i < 10; ++i)
        timer->fire();
    QCOMPARE(animation->probe(), start + 20);
    QImage shown = animation->grab().toImage();
    const int x = PatternRect.left() + animation->probe();
    QCOMPARE(shown.pixel(x, PatternRect.top() - 5), Probe);
    QCOMPARE(shown.pixel(x, PatternRect.bottom() + 6), Probe);
    QVERIFY(shown.pixel(x + 20, PatternRect.top() - 5) != Probe);
    QCOMPARE(shown.pixel(x, plotRow(40) - 20) & 0xFFFFFF, Probe & 0xFFFFFF); // the dashed line in the plot
    QCOMPARE(patternMismatch(shown, Pattern::Staircase), QString());

    // At the right end the pattern turns into the ramp, and the probe
    // comes back across it.
    while (animation->probe() < PatternRect.width() - 2 && animation->pattern() == Pattern::Staircase)
        timer->fire();
    QCOMPARE(animation->pattern(), Pattern::Staircase);
    timer->fire();
    QCOMPARE(animation->pattern(), Pattern::Ramp);
    QCOMPARE(animation->probe(), PatternRect.width() - 1);
    timer->fire();
    QCOMPARE(animation->probe(), PatternRect.width() - 3);
    shown = animation->grab().toImage();
    // Flat dark grey, a straight ramp, flat light grey.
    QCOMPARE(patternMismatch(shown, Pattern::Ramp), QString());
    const auto at = [&](int column) { return qRed(shown.pixel(PatternRect.left() + column, PatternRect.center().y())); };
    QCOMPARE(at(0), 60);
    QCOMPARE(at(179), 60);
    QCOMPARE(at(280), 130);
    QCOMPARE(at(379), 199);
    QCOMPARE(at(380), 200);
    QCOMPARE(at(559), 200);
    for (int column = 181; column < 380; ++column)
        QVERIFY(at(column) >= at(column - 1) && at(column) - at(column - 1) <= 1);
    // The profile beneath: flat on both plateaus, climbing across the ramp.
    QCOMPARE(profileRows(shown, 90), QList<int>({plotRow(60) - 1, plotRow(60)}));
    QCOMPARE(profileRows(shown, 470), QList<int>({plotRow(200) - 1, plotRow(200)}));
    QVERIFY(profileRows(shown, 280).contains(plotRow(130)));

    // Back at the left end it is the staircase again.
    while (animation->pattern() == Pattern::Ramp)
        timer->fire();
    QCOMPARE(animation->probe(), 0);
    QCOMPARE(patternMismatch(animation->grab().toImage(), Pattern::Staircase), QString());
}

void TestFrmMachBands::spacePausesAndEscapeCloses()
{
    QPointer<MachBandsAnimation> animation = openAnimation();
    QVERIFY(animation);
    // Keys go to the animation once its window is active.
    QTRY_COMPARE(QApplication::focusWidget(), animation.data());
    Timer *timer = animation->timer();
    QTest::keyClick(animation, Qt::Key_Space);
    QVERIFY(!timer->isRunning());
    const int paused = animation->probe();
    timer->fire();
    QCOMPARE(animation->probe(), paused);
    QTest::keyClick(animation, Qt::Key_Space);
    QVERIFY(timer->isRunning());
    timer->fire();
    QCOMPARE(animation->probe(), paused + 2);

    QTest::keyClick(animation, Qt::Key_Escape);
    testsupport::settle();
    QVERIFY(!animation);
    QVERIFY(animationsShown().isEmpty());
    QVERIFY(form()->isShown()); // the object's window went, not the object
}

void TestFrmMachBands::closingLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("its close box") << QStringLiteral("close box");
    QTest::newRow("the object's window unloads") << QStringLiteral("unload");
}

void TestFrmMachBands::closingLeavesNothingBehind()
{
    QFETCH(QString, how);
    QPointer<MachBandsAnimation> animation = openAnimation();
    QVERIFY(animation);
    QPointer<Timer> timer = animation->timer();
    if (how == QLatin1String("close box")) {
        animation->close();
    } else {
        testsupport::choose(fixture.main(), QStringLiteral("mnuMachBandsItem"));
        QVERIFY(!form()->isLoaded());
    }
    testsupport::settle();
    QVERIFY(!animation);
    QVERIFY(!timer);
    QVERIFY(animationsShown().isEmpty());
    if (how == QLatin1String("close box")) {
        // A new activation opens a new animation from the start.
        animation = openAnimation();
        QVERIFY(animation);
        QCOMPARE(animation->pattern(), Pattern::Staircase);
    }
}

void TestFrmMachBands::reopenedByItsCommand()
{
    const QImage first = testsupport::shownImage(form());
    testsupport::choose(fixture.main(), QStringLiteral("mnuMachBandsItem"));
    QVERIFY(!form()->isLoaded());
    QVERIFY(!fixture.main().menuItem(QStringLiteral("mnuMachBandsItem"))->Checked());
    testsupport::choose(fixture.main(), QStringLiteral("mnuMachBandsItem"));
    QVERIFY(testsupport::insideShown(form()));
    QCOMPARE(testsupport::shownImage(form()), first);
    // The fresh object opens its animation with Enter.
    QCOMPARE(QApplication::focusWidget(), oleMachBands());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(animationsShown().size(), 1);
}

QTEST_MAIN(TestFrmMachBands)
#include "tst_frmmachbands.moc"
