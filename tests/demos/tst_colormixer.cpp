// The colour mixer as a student uses it: seven patches that follow three
// scroll bars, on screen, while dragging as well as on release.

#include "support/testsupport.h"

using namespace forms;
using testsupport::child;

namespace {
// A point (twips) inside the part of each patch that shows on screen.
const QMap<QString, QPoint> visiblePoint = {
    {"shpRed", {1800, 1000}},   {"shpGreen", {5000, 1000}}, {"shpBlue", {3500, 3400}},
    {"shpRandG", {3500, 900}},  {"shpRandB", {2700, 2200}}, {"shpGandB", {4300, 2200}},
    {"shpRGB", {3500, 2200}},
};
} // namespace

class TestColorMixer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithDesignValues();
    void patchesFollowTheBars_data();
    void patchesFollowTheBars();
    void draggingRecoloursContinuously();
    void arrowAndTroughClicks();
    void reopeningRestoresDesignValues();

private:
    QColor shown(const QString &patch) const;
    std::unique_ptr<MainWindow> main;
    Form *mixer = nullptr;
};

void TestColorMixer::init()
{
    main = std::make_unique<MainWindow>();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    testsupport::choose(*main, "mnuColorMixerItem");
    mixer = main->form("frmColorMixer");
    QVERIFY(mixer && mixer->isShown());
}

void TestColorMixer::cleanup()
{
    main.reset();
    testsupport::settle();
    QVERIFY(testsupport::visibleTopLevels().isEmpty());
}

QColor TestColorMixer::shown(const QString &patch) const
{
    const QPoint twips = visiblePoint.value(patch);
    return testsupport::pixel(mixer, QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y())));
}

void TestColorMixer::opensWithDesignValues()
{
    QCOMPARE(mixer->windowTitle(), QStringLiteral("Color Mixer"));
    QCOMPARE(mixer->size(), QSize(446, 335)); // 6690 x 5025 twips
    QVERIFY(mixer->subWindow());
    for (const char *name : {"scrRed", "scrGreen", "scrBlue"}) {
        auto *bar = child<ScrollBar>(mixer, name);
        QCOMPARE(bar->Value(), 255);
        QCOMPARE(bar->SmallChange(), 1);
        QCOMPARE(bar->LargeChange(), 25);
    }
    QCOMPARE(child<ScrollBar>(mixer, "scrRed")->Min(), 255);
    QCOMPARE(child<ScrollBar>(mixer, "scrBlue")->Max(), 255);
    QCOMPARE(child<ScrollBar>(mixer, "scrGreen")->property("Left").toDouble(), 5760.0);
    const QMap<QString, QColor> expected = {
        {"shpRed", Qt::red},        {"shpGreen", Qt::green},     {"shpBlue", Qt::blue},
        {"shpRandG", Qt::yellow},   {"shpRandB", Qt::magenta},   {"shpGandB", Qt::cyan},
        {"shpRGB", Qt::white},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QCOMPARE(toQColor(child<Shape>(mixer, it.key())->BackColor()), it.value());
        QCOMPARE(shown(it.key()), it.value()); // and that is what shows: stacking is right
    }
    QCOMPARE(testsupport::pixel(mixer, {5, 5}), QColor(Qt::black));
}

void TestColorMixer::patchesFollowTheBars_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("red off") << 0 << 255 << 255;
    QTest::newRow("all off") << 0 << 0 << 0;
    QTest::newRow("mixed") << 200 << 17 << 96;
    QTest::newRow("blue off") << 255 << 255 << 0;
}

void TestColorMixer::patchesFollowTheBars()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    child<ScrollBar>(mixer, "scrRed")->setValue(r);
    child<ScrollBar>(mixer, "scrGreen")->setValue(g);
    child<ScrollBar>(mixer, "scrBlue")->setValue(b);
    const QMap<QString, OleColor> expected = {
        {"shpRed", RGB(r, 0, 0)},   {"shpGreen", RGB(0, g, 0)},  {"shpBlue", RGB(0, 0, b)},
        {"shpRandG", RGB(r, g, 0)}, {"shpRandB", RGB(r, 0, b)},  {"shpGandB", RGB(0, g, b)},
        {"shpRGB", RGB(r, g, b)},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QCOMPARE(child<Shape>(mixer, it.key())->BackColor(), it.value());
        QCOMPARE(shown(it.key()), toQColor(it.value()));
    }
}

void TestColorMixer::draggingRecoloursContinuously()
{
    auto *red = child<ScrollBar>(mixer, "scrRed");
    QList<int> values;
    // Connected after the window's own handler, so it sees the result of
    // every step of the drag, each one before the thumb is released.
    connect(red, &ScrollBar::Scroll, this, [&] {
        values << red->Value();
        QCOMPARE(child<Shape>(mixer, "shpRGB")->BackColor(), RGB(red->Value(), 255, 255));
        QCOMPARE(child<Shape>(mixer, "shpRed")->BackColor(), RGB(red->Value(), 0, 0));
    });
    testsupport::dragThumb(red, {200, 100, 0});
    QVERIFY(values.indexOf(200) >= 0);
    QVERIFY(values.indexOf(100) > values.indexOf(200));
    QCOMPARE(values.last(), 0);
    QCOMPARE(red->Value(), 0);
    QCOMPARE(shown("shpRed"), QColor(Qt::black));
    QCOMPARE(shown("shpRandG"), QColor(Qt::green));
    QCOMPARE(shown("shpRandB"), QColor(Qt::blue));
    QCOMPARE(shown("shpRGB"), QColor(Qt::cyan));
}

void TestColorMixer::arrowAndTroughClicks()
{
    auto *green = child<ScrollBar>(mixer, "scrGreen");
    testsupport::clickArrow(green, true); // the lower arrow
    QCOMPARE(green->Value(), 254);
    QCOMPARE(child<Shape>(mixer, "shpRGB")->BackColor(), RGB(255, 254, 255));
    testsupport::clickTrough(green, true); // below the thumb
    QCOMPARE(green->Value(), 229);
    auto *blue = child<ScrollBar>(mixer, "scrBlue");
    testsupport::clickArrow(blue, false); // the left arrow
    QCOMPARE(blue->Value(), 254);
    QCOMPARE(child<Shape>(mixer, "shpGandB")->BackColor(), RGB(0, 229, 254));
}

void TestColorMixer::reopeningRestoresDesignValues()
{
    child<ScrollBar>(mixer, "scrBlue")->setValue(3);
    testsupport::choose(*main, "mnuColorMixerItem");
    testsupport::choose(*main, "mnuColorMixerItem");
    QVERIFY(mixer->isShown());
    QCOMPARE(child<ScrollBar>(mixer, "scrBlue")->Value(), 255);
    QCOMPARE(child<Shape>(mixer, "shpBlue")->BackColor(), RGB(0, 0, 255));
}

QTEST_MAIN(TestColorMixer)
#include "tst_colormixer.moc"
