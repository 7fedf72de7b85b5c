// The drawing's shortcuts (lines written straight into the picture, columns
// copied down) give exactly the pixels QPainter gives: every plotting
// routine, a storm of random lines, and every window the menu opens (its
// first picture, then with each scroll bar pushed to its ends) are drawn
// both ways and compared pixel for pixel. CTest runs this program at device
// pixel ratio 1 and again at 2 (QT_SCALE_FACTOR=2).

#include "support/testsupport.h"

#include "plotting/drawsine.h"
#include "plotting/modcolor.h"
#include "plotting/modcorvane.h"
#include "plotting/moddrawnormal.h"
#include "shell/menutable.h"
#include "shell/windowtable.h"

#include <QRandomGenerator>

#include <functional>

using namespace forms;

namespace {

using Drawing = std::function<void(PictureBox &)>;

// The box as it is on screen, at its device pixel ratio.
QImage drawnBothWays(const Drawing &draw, bool fast)
{
    Canvas::setFastDrawing(fast);
    PictureBox box(nullptr);
    box.Move(0, 0, 6855, 3135);
    box.setBackColor(0xFFFFFF);
    box.setAutoRedraw(true);
    draw(box);
    QImage shown = box.grab().toImage();
    Canvas::setFastDrawing(true);
    return shown;
}

// The first pixel where two pictures differ, for the failure message.
QString firstDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("first difference at (%1, %2): %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
        }
    }
    return {};
}

#define COMPARE_PICTURES(generic, fast)                                                                 \
    QVERIFY2((generic) == (fast), qPrintable(firstDifference(generic, fast)))

// Opens a window through its menu command with the random draws scripted,
// so that both openings draw the same.
Form *openScripted(MainWindow &main, const QString &item, const QString &window)
{
    Random::script(QList<float>(8192, 0.37f));
    MenuItem *menuItem = main.menuItem(item);
    if (menuItem->Checked())
        menuItem->trigger(); // a toggle whose mark an earlier close left set
    menuItem->trigger();
    Random::clearScript();
    testsupport::settle();
    return main.form(window);
}

// What the window shows: its first picture, then one after each visible
// scroll bar is pushed to one end and then the other.
QList<QImage> windowPictures(MainWindow &main, const QString &item, const QString &window, bool fast)
{
    Canvas::setFastDrawing(fast);
    Form *form = openScripted(main, item, window);
    QList<QImage> pictures{form->grab().toImage()};
    for (ScrollBar *bar : form->findChildren<ScrollBar *>()) {
        if (!form->isLoaded() || !bar->isVisible() || !bar->isEnabled())
            continue;
        Random::script(QList<float>(8192, 0.61f));
        bar->bar()->triggerAction(QAbstractSlider::SliderToMaximum);
        testsupport::settle();
        pictures << form->grab().toImage();
        bar->bar()->triggerAction(QAbstractSlider::SliderToMinimum);
        Random::clearScript();
        testsupport::settle();
        pictures << form->grab().toImage();
    }
    form->Unload();
    testsupport::settle();
    Canvas::setFastDrawing(true);
    return pictures;
}

} // namespace

class TestDrawingExact : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void routines_data();
    void routines();
    void randomLines_data();
    void randomLines();
    void windows_data();
    void windows();
};

void TestDrawingExact::initTestCase()
{
    QApplication::setCursorFlashTime(0);
    modDrawNormal::FillTailTable();
    qInfo("device pixel ratio %g", qApp->devicePixelRatio());
}

void TestDrawingExact::cleanup()
{
    Canvas::setFastDrawing(true);
    Random::clearScript();
}

void TestDrawingExact::routines_data()
{
    QTest::addColumn<Drawing>("draw");
    const auto row = [](const char *name, Drawing draw) { QTest::newRow(name) << draw; };

    row("sine wave, 30 cycles, full amplitude", [](PictureBox &p) { DrawSine::DrawSineWave(p, 30, 25); });
    row("sine wave, 1 cycle, flat", [](PictureBox &p) { DrawSine::DrawSineWave(p, 1, 0); });
    row("sine wave twice, over each other", [](PictureBox &p) {
        DrawSine::DrawSineWave(p, 3, 20);
        p.setForeColor(0x0000FF);
        DrawSine::DrawSineWave(p, 7, 11);
    });
    row("normal curves with hatched tails", [](PictureBox &p) {
        double criterion = 6.4;
        p.setDrawWidth(2);
        modDrawNormal::DrawNormalCurve(6 * 6855 / 12.0, 6855 / 12.0, p, 0, 0, 255);
        modDrawNormal::DrawNormalCurve(7.5 * 6855 / 12.0, 6855 / 12.0, p, 255, 0, 0);
        modDrawNormal::ShadeNormalTail(6 * 6855 / 12.0, 6855 / 12.0, criterion, true, p, 0, 128, 0);
        criterion = 6.4;
        modDrawNormal::ShadeNormalTail(7.5 * 6855 / 12.0, 6855 / 12.0, criterion, false, p, 255, 0, 255);
        p.Line(criterion, 0, criterion, p.Height(), 0x007DFF);
    });
    row("scaled normal, thin pen", [](PictureBox &p) {
        p.setForeColor(0x008000);
        modDrawNormal::DrawScaledNormal(3000, 900, p, 2.5);
    });
    row("cone curves", [](PictureBox &p) {
        modColor::DrawConeCurve(p, 420, 1);
        modColor::DrawConeCurve(p, 531, 0.8f);
        modColor::DrawConeCurve(p, 558, 0.5f);
    });
    for (double contrast : {0.0, 0.37, 1.0}) {
        for (double cycles : {0.5, 8.0, 128.0}) {
            const QByteArray name = QStringLiteral("grating, %1 cycles at contrast %2").arg(cycles).arg(contrast).toUtf8();
            row(name.constData(), [=](PictureBox &p) { modCorvane::DrawGrating(p, cycles, contrast); });
        }
    }
    row("grating over a picture", [](PictureBox &p) {
        QImage stored(120, 80, QImage::Format_RGB32);
        stored.fill(QColor(10, 200, 30));
        p.setPicture(stored);
        modCorvane::DrawGrating(p, 3, 0.8);
    });
    row("grating, then lines and points over it", [](PictureBox &p) {
        modCorvane::DrawGrating(p, 4, 1);
        p.setDrawWidth(2);
        p.Line(0, 1500, 6855, 1500, 0x0000FF);
        p.PSet(3000, 1000, 0x00FF00);
        p.setDrawWidth(1);
        p.Line(100, -400, 100, 900, 0xFF0000);
    });
    row("wide pens, every direction", [](PictureBox &p) {
        for (int width : {1, 2, 3, 6}) {
            p.setDrawWidth(width);
            for (int angle = 0; angle < 360; angle += 15) {
                const double r = 400 + 300 * width, a = angle * 3.14159265 / 180;
                p.Line(3400, 1500, 3400 + r * std::cos(a), 1500 + r * std::sin(a), 0x102030 * width);
            }
        }
    });
    row("far off and huge coordinates", [](PictureBox &p) {
        p.setDrawWidth(2);
        p.Line(-1e9, 500, 1e9, 520);
        p.Line(300, -1e12, 300, 1e12);
        p.Line(-500, -500, 7500, 3600);
        p.Line(6000, 3000, 6000, 90000);
        p.PSet(-30, -30);
    });
    row("user scale", [](PictureBox &p) {
        p.Scale(0, 1, 1, -1);
        p.setDrawWidth(2);
        p.PSet(0, 0);
        for (int i = 1; i <= 200; ++i)
            p.LineTo(i / 200.0, std::sin(i / 9.0) * 0.8);
    });
    row("cleared midway", [](PictureBox &p) {
        modCorvane::DrawGrating(p, 2, 1);
        p.Cls();
        p.Line(0, 0, 6855, 3135);
        modCorvane::DrawGrating(p, 5, 0.5);
        p.setBackColor(0x00FFFF);
    });
}

void TestDrawingExact::routines()
{
    QFETCH(Drawing, draw);
    const QImage generic = drawnBothWays(draw, false);
    const QImage fast = drawnBothWays(draw, true);
    COMPARE_PICTURES(generic, fast);
}

void TestDrawingExact::randomLines_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 6; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestDrawingExact::randomLines()
{
    QFETCH(quint32, seed);
    // Short and long, slanted and straight, thin and wide, inside and
    // beyond the box, in few colours so that lines meet and overlap.
    const Drawing draw = [seed](PictureBox &p) {
        QRandomGenerator rng(seed);
        const auto coordinate = [&](double extent) { return rng.bounded(extent * 1.4) - extent * 0.2; };
        for (int i = 0; i < 3000; ++i) {
            p.setDrawWidth(int(rng.bounded(4)) + 1);
            const double x = coordinate(6855), y = coordinate(3135);
            const int kind = int(rng.bounded(5));
            const double reach = kind == 0 ? 30000 : 800;
            const double dx = kind == 1 ? 0 : rng.bounded(reach) - reach / 2;
            const double dy = kind == 2 ? 0 : rng.bounded(reach) - reach / 2;
            const OleColor colour = RGB(int(rng.bounded(4)) * 80, int(rng.bounded(4)) * 80, 0);
            if (kind == 3)
                p.LineTo(x + dx, y + dy, colour);
            else if (kind == 4 && i % 7 == 0)
                p.PSet(x, y, colour);
            else
                p.Line(x, y, x + dx, y + dy, colour);
        }
    };
    const QImage generic = drawnBothWays(draw, false);
    const QImage fast = drawnBothWays(draw, true);
    COMPARE_PICTURES(generic, fast);
}

void TestDrawingExact::windows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        if (!entry.window.isEmpty() && shell::findWindow(entry.window)->create)
            QTest::newRow(qPrintable(entry.window)) << entry.name << entry.window;
    }
}

void TestDrawingExact::windows()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    testsupport::MessageRecorder boxes;
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QList<QImage> generic = windowPictures(main, item, window, false);
    const QList<QImage> fast = windowPictures(main, item, window, true);
    QCOMPARE(fast.size(), generic.size());
    for (qsizetype i = 0; i < generic.size(); ++i)
        QVERIFY2(generic[i] == fast[i], qPrintable(QStringLiteral("picture %1: ").arg(i) + firstDifference(generic[i], fast[i])));
}

QTEST_MAIN(TestDrawingExact)
#include "tst_drawingexact.moc"
