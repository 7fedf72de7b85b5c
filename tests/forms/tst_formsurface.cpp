// A window's client area is a drawing surface: its Picture shows unscaled
// at the top left behind what is drawn, child controls stay above the
// drawing, fill settings fill outlines, and Unload discards it all. Read
// back from the pixels on screen.

#include "support/recordingsurface.h"
#include "support/testsupport.h"

using namespace forms;

namespace {

class DrawnForm : public Form
{
public:
    DrawnForm()
        : Form({.name = QStringLiteral("frmDrawn"), .clientWidth = 3000, .clientHeight = 1500,
                .border = Border::FixedSingle, .backColor = 0xFFFFFF})
    {
    }
    Label *lblOver = nullptr;

protected:
    void createControls() override
    {
        lblOver = add<Label>(this, QStringLiteral("lblOver"), 1500, 750, 600, 300);
        lblOver->setBackColor(0x00FF00);
    }
};

QImage picture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor shown(Form &form, QPoint at)
{
    return testsupport::shownImage(&form).pixelColor(at);
}

} // namespace

class TestFormSurface : public QObject
{
    Q_OBJECT

private slots:
    void pictureAndDrawingShowUnderControls();
    void pictureShowsAgainWhenTheWindowGrows();
    void fillStyleFillsOutlines();
    void fillStyleIsRecorded();
    void unloadDiscardsTheDrawing();
    void mappingRoundTrips();
};

void TestFormSurface::pictureAndDrawingShowUnderControls()
{
    DrawnForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // 200 x 100 client pixels; a 40 x 30 red picture, unscaled at the top left.
    form.setPicture(picture({40, 30}, Qt::red));
    QCOMPARE(shown(form, {39, 29}), QColor(Qt::red));
    QCOMPARE(shown(form, {40, 29}), QColor(Qt::white));
    QCOMPARE(shown(form, {39, 30}), QColor(Qt::white));
    // A line across the window, under the label.
    form.setForeColor(0xFF0000); // blue
    form.Line(0, 900, 2990, 900);
    QCOMPARE(shown(form, {60, 60}), QColor(Qt::blue));
    QCOMPARE(shown(form, {110, 60}), QColor(Qt::green)); // the label stays above
    // Cls keeps the picture and clears the drawing.
    form.Cls();
    QCOMPARE(shown(form, {60, 60}), QColor(Qt::white));
    QCOMPARE(shown(form, {10, 10}), QColor(Qt::red));
    QCOMPARE(form.CurrentX(), 0.0);
    form.Unload();
}

void TestFormSurface::pictureShowsAgainWhenTheWindowGrows()
{
    DrawnForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setPicture(picture({40, 30}, Qt::red));
    form.setForeColor(0xFF0000); // blue
    form.Line(0, 60, 2990, 60);  // row 4, across the picture
    // Made smaller than the picture, then larger again.
    form.setFixedSize(20, 10);
    testsupport::settle();
    form.setFixedSize(200, 100);
    testsupport::settle();
    QCOMPARE(shown(form, {39, 29}), QColor(Qt::red));
    QCOMPARE(shown(form, {30, 20}), QColor(Qt::red));
    QCOMPARE(shown(form, {40, 29}), QColor(Qt::white));
    // What was drawn inside the smaller window stays over the picture;
    // what lay beyond it is gone.
    QCOMPARE(shown(form, {10, 4}), QColor(Qt::blue));
    QCOMPARE(shown(form, {30, 4}), QColor(Qt::red));
    QCOMPARE(shown(form, {60, 4}), QColor(Qt::white));
    form.Unload();
}

void TestFormSurface::fillStyleFillsOutlines()
{
    DrawnForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setForeColor(0x000000);
    form.setFillColor(0x0000FF); // red
    form.Box(150, 150, 750, 750, 0x000000, false); // transparent fill: white inside
    QCOMPARE(shown(form, {25, 25}), QColor(Qt::white));
    form.setFillStyle(0);
    form.Box(150, 150, 750, 750, 0x000000, false);
    QCOMPARE(shown(form, {25, 25}), QColor(Qt::red));
    QCOMPARE(shown(form, {10, 25}), QColor(Qt::black)); // the outline over the fill
    form.Circle(1500, 300, 150);
    QCOMPARE(shown(form, {100, 20}), QColor(Qt::red));
    form.Unload();
}

void TestFormSurface::fillStyleIsRecorded()
{
    RecordingSurface s(3000, 1500);
    s.Circle(100, 100, 50);
    s.setFillStyle(0);
    s.setFillColor(0x123456);
    s.Circle(100, 100, 50);
    const auto circles = s.primitives(RecordingSurface::Kind::Circle);
    QCOMPARE(circles.size(), 3);
    QVERIFY(!circles[0].filled);
    QVERIFY(circles[1].filled);
    QCOMPARE(circles[1].color, OleColor(0x123456));
    QVERIFY(!circles[2].filled);
}

void TestFormSurface::unloadDiscardsTheDrawing()
{
    DrawnForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setPicture(picture({40, 30}, Qt::red));
    form.setBackColor(0x000000);
    form.setFillStyle(0);
    form.Scale(0, 0, 1, 1);
    form.Unload();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(shown(form, {10, 10}), QColor(Qt::white));
    QVERIFY(form.Picture().isNull());
    QCOMPARE(form.FillStyle(), 1);
    QCOMPARE(form.ScaleWidth(), 3000.0);
    form.Unload();
}

void TestFormSurface::mappingRoundTrips()
{
    RecordingSurface s(3000, 1500);
    s.Scale(-1, 10, 1, -10);
    QCOMPARE(s.toUser({1500, 750}), QPointF(0, 0));
    QCOMPARE(s.toUser({0, 0}), QPointF(-1, 10));
    QCOMPARE(s.toTwips({1, -10}), QPointF(3000, 1500));
    QCOMPARE(s.toTwips(s.toUser({300, 600})), QPointF(300, 600));
    s.ScaleReset();
    QCOMPARE(s.toUser({300, 600}), QPointF(300, 600));
}

QTEST_MAIN(TestFormSurface)
#include "tst_formsurface.moc"
