// The colour mixer as a student uses it: seven patches that follow three
// scroll bars, on screen, while dragging as well as on release.

#include "support/testsupport.h"

using namespace forms;

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
    Form *mixer() const { return fixture.form(); }
    ScrollBar *scrollBar(const QString &name) const { return fixture.control<ScrollBar>(name); }
    Shape *shape(const QString &name) const { return fixture.control<Shape>(name); }
    QColor shown(const QString &patch) const;

    testsupport::WindowFixture fixture;
};

void TestColorMixer::init()
{
    fixture.start();
    fixture.open("mnuColorMixerItem", "frmColorMixer");
}

void TestColorMixer::cleanup()
{
    fixture.finish();
}

QColor TestColorMixer::shown(const QString &patch) const
{
    const QPoint twips = visiblePoint.value(patch);
    return testsupport::pixel(mixer(), QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y())));
}

void TestColorMixer::opensWithDesignValues()
{
    QCOMPARE(mixer()->windowTitle(), QStringLiteral("Color Mixer"));
    QCOMPARE(mixer()->size(), QSize(446, 335)); // 6690 x 5025 twips
    QVERIFY(mixer()->subWindow());
    for (const char *name : {"scrRed", "scrGreen", "scrBlue"}) {
        auto *bar = scrollBar(name);
        QCOMPARE(bar->Value(), 255);
        QCOMPARE(bar->SmallChange(), 1);
        QCOMPARE(bar->LargeChange(), 25);
    }
    QCOMPARE(scrollBar("scrRed")->Min(), 255);
    QCOMPARE(scrollBar("scrBlue")->Max(), 255);
    QCOMPARE(scrollBar("scrGreen")->property("Left").toDouble(), 5760.0);
    const QMap<QString, QColor> expected = {
        {"shpRed", Qt::red},        {"shpGreen", Qt::green},     {"shpBlue", Qt::blue},
        {"shpRandG", Qt::yellow},   {"shpRandB", Qt::magenta},   {"shpGandB", Qt::cyan},
        {"shpRGB", Qt::white},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QCOMPARE(toQColor(shape(it.key())->BackColor()), it.value());
        QCOMPARE(shown(it.key()), it.value()); // and that is what shows: stacking is right
    }
    QCOMPARE(testsupport::pixel(mixer(), {5, 5}), QColor(Qt::black));
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
    scrollBar("scrRed")->setValue(r);
    scrollBar("scrGreen")->setValue(g);
    scrollBar("scrBlue")->setValue(b);
    const QMap<QString, OleColor> expected = {
        {"shpRed", RGB(r, 0, 0)},   {"shpGreen", RGB(0, g, 0)},  {"shpBlue", RGB(0, 0, b)},
        {"shpRandG", RGB(r, g, 0)}, {"shpRandB", RGB(r, 0, b)},  {"shpGandB", RGB(0, g, b)},
        {"shpRGB", RGB(r, g, b)},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QCOMPARE(shape(it.key())->BackColor(), it.value());
        QCOMPARE(shown(it.key()), toQColor(it.value()));
    }
}

void TestColorMixer::draggingRecoloursContinuously()
{
    auto *red = scrollBar("scrRed");
    QList<int> values;
    // Connected after the window's own handler, so it sees the result of
    // every step of the drag, each one before the thumb is released.
    connect(red, &ScrollBar::Scroll, this, [&] {
        values << red->Value();
        QCOMPARE(shape("shpRGB")->BackColor(), RGB(red->Value(), 255, 255));
        QCOMPARE(shape("shpRed")->BackColor(), RGB(red->Value(), 0, 0));
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
    auto *green = scrollBar("scrGreen");
    testsupport::clickArrow(green, true); // the lower arrow
    QCOMPARE(green->Value(), 254);
    QCOMPARE(shape("shpRGB")->BackColor(), RGB(255, 254, 255));
    testsupport::clickTrough(green, true); // below the thumb
    QCOMPARE(green->Value(), 229);
    auto *blue = scrollBar("scrBlue");
    testsupport::clickArrow(blue, false); // the left arrow
    QCOMPARE(blue->Value(), 254);
    QCOMPARE(shape("shpGandB")->BackColor(), RGB(0, 229, 254));
}

void TestColorMixer::reopeningRestoresDesignValues()
{
    scrollBar("scrBlue")->setValue(3);
    testsupport::choose(fixture.main(), "mnuColorMixerItem");
    testsupport::choose(fixture.main(), "mnuColorMixerItem");
    QVERIFY(mixer()->isShown());
    QCOMPARE(scrollBar("scrBlue")->Value(), 255);
    QCOMPARE(shape("shpBlue")->BackColor(), RGB(0, 0, 255));
}

QTEST_MAIN(TestColorMixer)
#include "tst_colormixer.moc"
