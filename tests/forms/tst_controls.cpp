// The service layer as windows rely on it: scroll-bar events and ranges,
// persistent drawing, text-box keys, option groups, timers, window
// lifetime, error reporting and data files.

#include "support/testsupport.h"

#include <QStyle>
#include <QTemporaryDir>

using namespace forms;
using testsupport::MessageRecorder;

namespace {

// A small window with one of each control the tests drive.
class ProbeForm : public Form
{
public:
    ProbeForm(bool mdiChild = false)
        : Form({.name = QStringLiteral("frmProbe"),
                .caption = QStringLiteral("Probe"),
                .clientWidth = 6000,
                .clientHeight = 4500,
                .border = Border::FixedSingle,
                .mdiChild = mdiChild})
    {
    }

    int loads = 0;
    int ticks = 0;
    int surviving = 0; // a window variable: keeps its value across Unload
    QStringList events;
    ScrollBar *hsc = nullptr;
    ScrollBar *vsc = nullptr;
    PictureBox *pic = nullptr;
    TextBox *txt = nullptr;
    CommandButton *cmdClose = nullptr;
    CommandButton *cmdFail = nullptr;
    Timer *tim = nullptr;
    ControlArray<OptionButton> opt{QStringLiteral("opt")};
    OptionButton *optInPic = nullptr;

protected:
    void createControls() override
    {
        hsc = add<HScrollBar>(this, QStringLiteral("hsc"), 120, 120, 3000, 255);
        hsc->setRange(0, 100);
        hsc->setSmallChange(1);
        hsc->setLargeChange(10);
        vsc = add<VScrollBar>(this, QStringLiteral("vsc"), 5400, 120, 255, 3000);
        vsc->setRange(255, 0);
        vsc->setValue(255);
        vsc->setLargeChange(25);
        pic = add<PictureBox>(this, QStringLiteral("pic"), 120, 600, 3000, 1500);
        pic->setAutoRedraw(true);
        pic->setBackColor(0xFFFFFF);
        pic->setForeColor(0x000000);
        optInPic = add<OptionButton>(pic, QStringLiteral("optInPic"), 60, 60, 1000, 255);
        txt = add<TextBox>(this, QStringLiteral("txt"), 120, 2300, 2000, 315);
        txt->setMaxLength(4);
        cmdClose = add<CommandButton>(this, QStringLiteral("cmdClose"), 3300, 2300, 1000, 375);
        cmdFail = add<CommandButton>(this, QStringLiteral("cmdFail"), 3300, 2800, 1000, 375);
        for (int i = 0; i < 3; ++i)
            addIndexed(opt, this, i, 120, 2800 + i * 300, 1500, 255);
        opt[0]->setValue(true);
        tim = addTimer(QStringLiteral("tim"), 50, false);

        on(hsc, &ScrollBar::Change, this, [this] { events << QStringLiteral("Change %1").arg(hsc->Value()); });
        on(hsc, &ScrollBar::Scroll, this, [this] { events << QStringLiteral("Scroll %1").arg(hsc->Value()); });
        on(vsc, &ScrollBar::Change, this, [this] { events << QStringLiteral("vChange %1").arg(vsc->Value()); });
        on(txt, &TextBox::KeyPress, this, [this](int &key) {
            events << QStringLiteral("Key %1").arg(key);
            if (key == 'x')
                key = 0;
            else if (key == 'a')
                key = 'A';
        });
        on(txt, &TextBox::Change, this, [this] { events << QStringLiteral("Text ") + txt->Text(); });
        on(cmdClose, &CommandButton::Click, this, [this] {
            Hide();
            Unload();
        });
        on(cmdFail, &CommandButton::Click, this, [] { Div(1, 0); });
        for (int i = 0; i < 3; ++i)
            on(opt[i], &OptionButton::Click, this, [this, i] { events << QStringLiteral("opt %1").arg(i); });
        on(tim, &Timer::Tick, this, [this] { ++ticks; });
    }

    void Form_Load() override { ++loads; }
};

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void scrollBarAssignments_data();
    void scrollBarAssignments();
    void scrollBarChangeRunsInsideTheAssignment();
    void scrollBarDragScrollsThenChangesOnce();
    void scrollBarArrowsAndTroughWhenMinExceedsMax();
    void scrollBarNewRangePullsValueIn();
    void scrollBarKeysMoveTheThumbTheWayTheyPoint_data();
    void scrollBarKeysMoveTheThumbTheWayTheyPoint();

    void clsClearsAndResetsCurrentPoint();
    void lineColourArgumentLeavesForeColor();
    void closeVerticalLinesCoverEveryColumn();
    void paintPictureCopiesAndOrs();
    void pictureStaysBehindDrawingAfterCls();
    void drawingFarOutsideIsClippedQuietly();
    void userScaleMapsCorners();

    void textBoxKeyPress();
    void textBoxMaxLengthLimitsTypingOnly();
    void validateWhenFocusMovesToAnotherControl();
    void labelClickAndMnemonic();

    void optionButtonsGroupByContainer();
    void buttonCaptionsFitTheirButtons();

    void timerTicksOnlyWhileEnabled();
    void timerTicksForReal();

    void positionsReadBackExactly();
    void hideOnUnloadedWindowLoadsWithoutShowing();
    void unloadDiscardsControlsAndKeepsVariables();
    void unloadFromOwnHandlerAndWithRunningTimer();
    void errorInHandlerIsReportedAndProgramGoesOn();

    void loadPictureFindsFilesAndReportsMissingOnes();
    void fontsAndColoursResolve();
};

void TestControls::cleanup()
{
    testsupport::settle();
    QVERIFY(testsupport::visibleTopLevels().isEmpty());
}

void TestControls::scrollBarAssignments_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("inside") << 0 << 100 << 40 << true;
    QTest::newRow("at max") << 0 << 100 << 100 << true;
    QTest::newRow("above max") << 0 << 100 << 101 << false;
    QTest::newRow("below min") << 0 << 100 << -1 << false;
    QTest::newRow("min above max, inside") << 255 << 0 << 17 << true;
    QTest::newRow("min above max, beyond min") << 255 << 0 << 256 << false;
    QTest::newRow("min above max, beyond max") << 255 << 0 << -1 << false;
    QTest::newRow("negative min") << -300 << 300 << -300 << true;
    QTest::newRow("negative min, beyond") << -300 << 300 << -301 << false;
}

void TestControls::scrollBarAssignments()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(bool, accepted);

    QWidget parent;
    VScrollBar bar(&parent);
    bar.setRange(min, max);
    const int before = bar.Value();
    QSignalSpy changes(&bar, &ScrollBar::Change);
    if (accepted) {
        bar.setValue(value);
        QCOMPARE(bar.Value(), value);
        QCOMPARE(changes.count(), value == before ? 0 : 1);
        bar.setValue(value); // the same value again: no Change
        QCOMPARE(changes.count(), value == before ? 0 : 1);
    } else {
        try {
            bar.setValue(value);
            QFAIL("an out-of-range value was accepted");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.code(), ErrorCode::InvalidPropertyValue);
        }
        QCOMPARE(bar.Value(), before);
        QCOMPARE(changes.count(), 0);
    }
}

void TestControls::scrollBarChangeRunsInsideTheAssignment()
{
    // A Change handler that sets another bar: the whole chain has run by
    // the time the first assignment returns.
    QWidget parent;
    HScrollBar a(&parent), b(&parent);
    a.setRange(0, 10);
    b.setRange(0, 10);
    QStringList order;
    QObject::connect(&a, &ScrollBar::Change, [&] {
        order << QStringLiteral("a");
        b.setValue(a.Value());
        order << QStringLiteral("a done");
    });
    QObject::connect(&b, &ScrollBar::Change, [&] { order << QStringLiteral("b"); });
    a.setValue(3);
    QCOMPARE(order, (QStringList{"a", "b", "a done"}));
    QCOMPARE(b.Value(), 3);
}

void TestControls::scrollBarDragScrollsThenChangesOnce()
{
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.events.clear();
    testsupport::dragThumb(form.hsc, {20, 50, 70});
    QCOMPARE(form.events, (QStringList{"Scroll 20", "Scroll 50", "Scroll 70", "Change 70"}));
    QCOMPARE(form.hsc->Value(), 70);
    form.Unload();
}

void TestControls::scrollBarArrowsAndTroughWhenMinExceedsMax()
{
    // Min 255, Max 0: full value at the top; the lower arrow and the trough
    // below the thumb step toward Max.
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.events.clear();
    testsupport::clickArrow(form.vsc, true);
    QCOMPARE(form.vsc->Value(), 254);
    testsupport::clickTrough(form.vsc, true);
    QCOMPARE(form.vsc->Value(), 229);
    testsupport::clickArrow(form.vsc, false);
    QCOMPARE(form.vsc->Value(), 230);
    QCOMPARE(form.events, (QStringList{"vChange 254", "vChange 229", "vChange 230"}));
    // The thumb is at the top for the Min end.
    form.vsc->setValue(255);
    QCOMPARE(form.vsc->bar()->value(), form.vsc->bar()->minimum());
    form.Unload();
}

void TestControls::scrollBarNewRangePullsValueIn()
{
    QWidget parent;
    HScrollBar bar(&parent);
    bar.setRange(0, 100);
    bar.setValue(80);
    QSignalSpy changes(&bar, &ScrollBar::Change);
    bar.setMax(50);
    QCOMPARE(bar.Value(), 50);
    bar.setRange(40000, -40000); // 16-bit limits
    QCOMPARE(bar.Min(), 32767);
    QCOMPARE(bar.Max(), -32768);
    QCOMPARE(changes.count(), 0);
}

void TestControls::scrollBarKeysMoveTheThumbTheWayTheyPoint_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");      // from 50
    QTest::addColumn<int>("thumbMoves"); // 1: right or down, -1: left or up

    QTest::newRow("horizontal, right arrow") << true << 0 << 100 << int(Qt::Key_Right) << 51 << 1;
    QTest::newRow("horizontal, left arrow") << true << 0 << 100 << int(Qt::Key_Left) << 49 << -1;
    QTest::newRow("horizontal, page down") << true << 0 << 100 << int(Qt::Key_PageDown) << 60 << 1;
    QTest::newRow("horizontal, Min above Max, right arrow") << true << 100 << 0 << int(Qt::Key_Right) << 49 << 1;
    QTest::newRow("horizontal, Min above Max, left arrow") << true << 100 << 0 << int(Qt::Key_Left) << 51 << -1;
    QTest::newRow("vertical, down arrow") << false << 0 << 100 << int(Qt::Key_Down) << 51 << 1;
    QTest::newRow("vertical, up arrow") << false << 0 << 100 << int(Qt::Key_Up) << 49 << -1;
    QTest::newRow("vertical, Min above Max, up arrow") << false << 100 << 0 << int(Qt::Key_Up) << 51 << -1;
    QTest::newRow("vertical, Min above Max, page down") << false << 100 << 0 << int(Qt::Key_PageDown) << 40 << 1;
    QTest::newRow("vertical, left arrow") << false << 0 << 100 << int(Qt::Key_Left) << 49 << -1;
    QTest::newRow("vertical, right arrow") << false << 0 << 100 << int(Qt::Key_Right) << 51 << 1;
    QTest::newRow("vertical, Min above Max, right arrow") << false << 100 << 0 << int(Qt::Key_Right) << 49 << 1;
    QTest::newRow("horizontal, page up") << true << 0 << 100 << int(Qt::Key_PageUp) << 40 << -1;
    QTest::newRow("horizontal, home") << true << 0 << 100 << int(Qt::Key_Home) << 0 << -1;
    QTest::newRow("horizontal, end") << true << 0 << 100 << int(Qt::Key_End) << 100 << 1;
    QTest::newRow("horizontal, negative Min, home") << true << -300 << 300 << int(Qt::Key_Home) << -300 << -1;
    QTest::newRow("vertical, Min above Max, home") << false << 100 << 0 << int(Qt::Key_Home) << 100 << -1;
    QTest::newRow("vertical, Min above Max, end") << false << 100 << 0 << int(Qt::Key_End) << 0 << 1;
}

void TestControls::scrollBarKeysMoveTheThumbTheWayTheyPoint()
{
    QFETCH(bool, horizontal);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(int, thumbMoves);

    QWidget parent;
    ScrollBar bar(horizontal ? Qt::Horizontal : Qt::Vertical, &parent);
    bar.Move(0, 0, horizontal ? 3000 : 255, horizontal ? 255 : 3000);
    bar.setRange(min, max);
    bar.setSmallChange(1);
    bar.setLargeChange(10);
    bar.setValue(50);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy changes(&bar, &ScrollBar::Change);
    const int thumbBefore = bar.bar()->sliderPosition();
    bar.bar()->setFocus();
    QTest::keyClick(bar.bar(), Qt::Key(key));
    QCOMPARE(bar.Value(), value);
    QCOMPARE(changes.count(), 1);
    const int moved = bar.bar()->sliderPosition() - thumbBefore;
    QCOMPARE(moved > 0 ? 1 : -1, thumbMoves);
}

void TestControls::clsClearsAndResetsCurrentPoint()
{
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 1560, 1560); // 104 px outer, 100 px inside the border
    pic.setBackColor(0xFFFFFF);
    pic.setForeColor(0x0000FF);
    pic.Line(300, 300, 900, 600);
    QCOMPARE(pic.CurrentX(), 900.0);
    QCOMPARE(pic.CurrentY(), 600.0);
    pic.Cls();
    QCOMPARE(pic.CurrentX(), 0.0);
    QCOMPARE(pic.CurrentY(), 0.0);
    QCOMPARE(pic.image().pixelColor(30, 30), QColor(Qt::white));
    // "Line -(x, y)" right after Cls starts at the top-left corner.
    pic.LineTo(1200, 0);
    QCOMPARE(pic.image().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(pic.image().pixelColor(40, 0), QColor(Qt::red));
    QCOMPARE(pic.image().size(), QSize(100, 100));
    QCOMPARE(pic.ScaleWidth(), 1500.0);
    QCOMPARE(pic.Width(), 1560.0);
}

void TestControls::lineColourArgumentLeavesForeColor()
{
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 1560, 1560);
    pic.setBackColor(0xFFFFFF);
    pic.setForeColor(0x000000);
    pic.Line(0, 150, 1500, 150, RGB(255, 125, 0));
    QCOMPARE(pic.ForeColor(), OleColor(0));
    QCOMPARE(fromQColor(pic.image().pixelColor(50, 10)), RGB(255, 125, 0));
    pic.setDrawWidth(2);
    pic.PSet(750, 750);
    QCOMPARE(pic.image().pixelColor(50, 50), QColor(Qt::black));
}

void TestControls::closeVerticalLinesCoverEveryColumn()
{
    // A grating is drawn as vertical lines every 10 twips, two thirds of a
    // pixel apart: they must leave no column unpainted.
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 3060, 660);
    pic.setBackColor(0xFFFFFF);
    for (double x = 0; x < pic.ScaleWidth(); x += 10)
        pic.Line(x, 0, x, pic.ScaleHeight(), 0x000000);
    const QImage image = pic.image();
    for (int x = 0; x < image.width(); ++x)
        QVERIFY2(image.pixelColor(x, 20) == QColor(Qt::black), qPrintable(QString::number(x)));
}

void TestControls::paintPictureCopiesAndOrs()
{
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 660, 660); // 40 x 40 inside
    pic.setBackColor(0x000000);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    QImage blue(10, 10, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    pic.PaintPicture(red, 0, 0);
    pic.PaintPicture(blue, 75, 0, Surface::Omitted, Surface::Omitted, Surface::Omitted,
                     Surface::Omitted, Surface::Omitted, Surface::Omitted, RasterOp::SrcPaint);
    const QImage image = pic.image();
    QCOMPARE(image.pixelColor(2, 2), QColor(255, 0, 0));   // red alone
    QCOMPARE(image.pixelColor(7, 2), QColor(255, 0, 255)); // red OR blue
    QCOMPARE(image.pixelColor(12, 2), QColor(0, 0, 255));  // blue over black
    // A source rectangle copied to a destination that runs past the edge.
    QImage ramp(20, 20, QImage::Format_RGB32);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 20; ++y)
            ramp.setPixelColor(x, y, QColor(x * 10, y * 10, 0));
    pic.Cls();
    pic.PaintPicture(ramp, 450, 450, 150, 150, 75, 30, 150, 150);
    QCOMPARE(pic.image().pixelColor(30, 30), QColor(50, 20, 0));
    QCOMPARE(pic.image().pixelColor(39, 39), QColor(140, 110, 0));
}

void TestControls::pictureStaysBehindDrawingAfterCls()
{
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 660, 660);
    pic.setBackColor(0xFFFFFF);
    QImage green(10, 10, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    pic.setPicture(green);
    pic.Line(0, 30, 600, 30, 0x000000);
    QCOMPARE(pic.image().pixelColor(5, 2), QColor(Qt::black));
    pic.Cls();
    QCOMPARE(pic.image().pixelColor(5, 2), QColor(0, 255, 0));
    QCOMPARE(pic.image().pixelColor(20, 20), QColor(Qt::white));
}

void TestControls::drawingFarOutsideIsClippedQuietly()
{
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 660, 660);
    pic.setBackColor(0xFFFFFF);
    const double huge = 1e30;
    pic.Line(-huge, 150, huge, 150, 0x000000);
    pic.Line(0, 0, std::numeric_limits<double>::infinity(), 10);
    pic.PSet(-huge, huge);
    pic.Circle(300, 300, huge);
    pic.setDrawWidth(6);
    pic.PSet(huge, 0);
    QCOMPARE(pic.image().pixelColor(20, 10), QColor(Qt::black)); // the long line is there
}

void TestControls::userScaleMapsCorners()
{
    QWidget parent;
    PictureBox pic(&parent);
    pic.Move(0, 0, 1560, 1560); // 100 x 100 inside
    pic.setBackColor(0xFFFFFF);
    pic.Scale(0, 10, 100, 0); // y grows upward
    QCOMPARE(pic.ScaleWidth(), 100.0);
    QCOMPARE(pic.ScaleHeight(), -10.0);
    pic.PSet(25, 2.5, 0x000000);
    QCOMPARE(pic.image().pixelColor(25, 75), QColor(Qt::black));
}

void TestControls::textBoxKeyPress()
{
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.events.clear();
    QTest::keyClicks(form.txt->editor(), QStringLiteral("bxa"));
    QTest::keyClick(form.txt->editor(), Qt::Key_Return);
    // 'x' was discarded, 'a' replaced by 'A'; Enter is reported as 13.
    QCOMPARE(form.txt->Text(), QStringLiteral("bA"));
    QCOMPARE(form.events, (QStringList{"Key 98", "Text b", "Key 120", "Key 97", "Text bA", "Key 13"}));
    form.Unload();
}

void TestControls::textBoxMaxLengthLimitsTypingOnly()
{
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClicks(form.txt->editor(), QStringLiteral("123456"));
    QCOMPARE(form.txt->Text(), QStringLiteral("1234"));
    form.txt->setText(QStringLiteral("0.132980760209787"));
    QCOMPARE(form.txt->Text(), QStringLiteral("0.132980760209787"));
    form.txt->setSelStart(int(form.txt->Text().size()));
    QCOMPARE(form.txt->SelStart(), 17);
    // Beyond MaxLength, but not beyond what a text box holds.
    const QString longText(TextBox::SingleLineLimit, QLatin1Char('9'));
    form.txt->setText(longText);
    QCOMPARE(form.txt->Text(), longText);
    form.Unload();
}

void TestControls::validateWhenFocusMovesToAnotherControl()
{
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::setActiveWindow(&form);
    int validations = 0;
    bool cancelNext = false;
    QObject::connect(form.txt, &Control::Validate, [&](bool &cancel) {
        ++validations;
        cancel = cancelNext;
    });
    form.txt->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return form.txt->editor()->hasFocus(); }));
    cancelNext = true; // refused: the focus stays in the box
    form.cmdClose->button()->setFocus(Qt::TabFocusReason);
    QCOMPARE(validations, 1);
    QVERIFY(form.txt->editor()->hasFocus());
    cancelNext = false;
    form.cmdClose->button()->setFocus(Qt::TabFocusReason);
    QCOMPARE(validations, 2);
    QVERIFY(form.cmdClose->button()->hasFocus());
    form.cmdFail->button()->setFocus(Qt::TabFocusReason); // between buttons: nothing
    QCOMPARE(validations, 2);
    form.Unload();
}

void TestControls::labelClickAndMnemonic()
{
    QWidget parent;
    parent.resize(200, 100);
    Label label(&parent);
    label.Move(0, 0, 1500, 600);
    label.setCaption(QStringLiteral("% &Hits"));
    label.setBackColor(0xFFFFFF);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(&label, &Label::Click);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    // The ampersand marks an access key and is not drawn: the caption's
    // ink is no wider than "% Hits" drawn plainly.
    const QImage drawn = label.grab().toImage();
    int right = 0;
    for (int x = 0; x < drawn.width(); ++x)
        for (int y = 0; y < drawn.height(); ++y)
            if (drawn.pixelColor(x, y) != QColor(Qt::white))
                right = std::max(right, x);
    QVERIFY(right < QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("% Hits")) + 2);
}

void TestControls::optionButtonsGroupByContainer()
{
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.optInPic->setValue(true); // another container: its own group
    form.events.clear();
    QTest::mouseClick(form.opt[2]->button(), Qt::LeftButton);
    QCOMPARE(form.opt[0]->Value(), false);
    QCOMPARE(form.opt[2]->Value(), true);
    QCOMPARE(form.optInPic->Value(), true);
    // Clicking the selected button keeps it and raises Click again.
    QTest::mouseClick(form.opt[2]->button(), Qt::LeftButton);
    QCOMPARE(form.opt[2]->Value(), true);
    form.opt[1]->setValue(true);
    QCOMPARE(form.opt[2]->Value(), false);
    QCOMPARE(form.events, (QStringList{"opt 2", "opt 2", "opt 1"}));
    QCOMPARE(form.opt[1]->objectName(), QStringLiteral("opt(1)"));
    QCOMPARE(form.opt[1]->property("Index").toInt(), 1);
    form.Unload();
}

void TestControls::buttonCaptionsFitTheirButtons()
{
    // The stand-in face runs wider than the designed one: a caption laid
    // out to fit is condensed rather than cut off; a roomy one is left alone.
    QWidget parent;
    OptionButton tight(&parent);
    tight.Move(0, 0, 1215, 375);
    tight.setCaption(QStringLiteral("LCD Glasses"));
    const QStyle *style = tight.button()->style();
    const int room = tight.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                     - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    QVERIFY(QFontMetrics(tight.font()).horizontalAdvance(tight.Caption()) > room);
    QVERIFY(QFontMetrics(tight.button()->font()).horizontalAdvance(tight.Caption()) <= room);
    CommandButton roomy(&parent);
    roomy.Move(0, 0, 3000, 375);
    roomy.setCaption(QStringLiteral("Start"));
    QCOMPARE(roomy.button()->font(), roomy.font());
}

void TestControls::timerTicksOnlyWhileEnabled()
{
    ProbeForm form;
    form.Load();
    form.tim->fire();
    QCOMPARE(form.ticks, 0);
    form.tim->setEnabled(true);
    QVERIFY(form.tim->isRunning());
    form.tim->fire();
    QCOMPARE(form.ticks, 1);
    form.tim->setInterval(0);
    QVERIFY(!form.tim->isRunning());
    form.tim->setInterval(60000); // beyond the 16-bit range
    QCOMPARE(form.tim->Interval(), 60000);
    QVERIFY(form.tim->isRunning());
    form.tim->setEnabled(false);
    QVERIFY(!form.tim->isRunning());
    form.Unload();
}

void TestControls::timerTicksForReal()
{
    ProbeForm form;
    form.Load();
    form.tim->setInterval(5);
    form.tim->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(form.ticks >= 3, 2000);
    form.Unload();
}

void TestControls::positionsReadBackExactly()
{
    ProbeForm form;
    form.Load();
    form.setLeft(-1);
    QCOMPARE(form.Left(), -1.0);
    form.hsc->setLeft(5392.5);
    QCOMPARE(form.hsc->Left(), 5392.5);
    QCOMPARE(form.hsc->property("Left").toDouble(), 5392.5);
    form.pic->setHeight(0);
    QCOMPARE(form.pic->Height(), 0.0);
    QVERIFY(form.pic->setProperty("Top", 6040.0 - 1000.0 / 3.0));
    QCOMPARE(form.pic->Top(), 6040.0 - 1000.0 / 3.0);
    form.vsc->setLeft(6e102); // far away, but still a position
    QCOMPARE(form.vsc->Left(), 6e102);
    QVERIFY(form.vsc->x() > 1000000);
    form.vsc->setLeft(5400);
    form.hsc->setVisible(false);
    QCOMPARE(form.hsc->Visible(), false);
    QCOMPARE(form.vsc->Visible(), true); // its own flag, though the window is hidden
    form.Unload();
}

void TestControls::hideOnUnloadedWindowLoadsWithoutShowing()
{
    ProbeForm form;
    form.Hide();
    QCOMPARE(form.loads, 1);
    QVERIFY(form.isLoaded());
    QVERIFY(!form.isVisible());
    form.Unload();
    QVERIFY(!form.isLoaded());
}

void TestControls::unloadDiscardsControlsAndKeepsVariables()
{
    ProbeForm form;
    form.Show();
    form.hsc->setValue(30);
    form.surviving = 7;
    form.Unload();
    testsupport::settle();
    QVERIFY(!form.findChild<QObject *>(QStringLiteral("hsc")));
    QVERIFY(!form.isVisible());
    QCOMPARE(form.surviving, 7);
    form.Show();
    QCOMPARE(form.loads, 2);
    QCOMPARE(form.hsc->Value(), 0); // design value again
    QCOMPARE(testsupport::child<ScrollBar>(&form, QStringLiteral("hsc")), form.hsc);
    form.Unload();
}

void TestControls::unloadFromOwnHandlerAndWithRunningTimer()
{
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.tim->setInterval(1);
    form.tim->setEnabled(true);
    QTest::mouseClick(form.cmdClose->button(), Qt::LeftButton);
    QVERIFY(!form.isLoaded());
    const int ticks = form.ticks;
    QTest::qWait(30);
    testsupport::settle();
    QCOMPARE(form.ticks, ticks);
}

void TestControls::errorInHandlerIsReportedAndProgramGoesOn()
{
    MessageRecorder boxes;
    ProbeForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.cmdFail->button(), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Division by zero")});
    // Still running: the window answers the next event.
    form.hsc->setValue(5);
    QCOMPARE(form.events.last(), QStringLiteral("Change 5"));
    form.Unload();
}

void TestControls::loadPictureFindsFilesAndReportsMissingOnes()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    QImage dot(4, 3, QImage::Format_RGB32);
    dot.fill(Qt::red);
    QVERIFY(dot.save(dir.filePath(QStringLiteral("images/dot.bmp"))));
    QFile junk(dir.filePath(QStringLiteral("images/junk.bmp")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QImage loaded = LoadPicture(QStringLiteral("images\\dot.bmp"));
    QCOMPARE(loaded.size(), QSize(4, 3));
    QCOMPARE(LoadPicture(QStringLiteral("images/dot.bmp")).size(), QSize(4, 3));
    try {
        LoadPicture(QStringLiteral("images\\missing.bmp"));
        QFAIL("a missing file loaded");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), ErrorCode::FileNotFound);
        QVERIFY(e.message().contains(QStringLiteral("images\\missing.bmp")));
    }
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images/folder.bmp")));
    try {
        LoadPicture(QStringLiteral("images\\folder.bmp"));
        QFAIL("a folder loaded as a picture");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), ErrorCode::FileNotFound);
        QVERIFY(e.message().contains(QStringLiteral("folder.bmp")));
    }
    try {
        LoadPicture(QStringLiteral("images\\junk.bmp"));
        QFAIL("a broken file loaded");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), ErrorCode::InvalidPicture);
    }
    QDir::setCurrent(previous);
}

void TestControls::fontsAndColoursResolve()
{
    QWidget parent;
    Label label(&parent);
    label.setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);
    QCOMPARE(label.font().pixelSize(), 11);
    QVERIFY(label.font().bold());
    label.setBackColor(SystemColor::WindowBackground);
    QCOMPARE(label.BackColor(), SystemColor::WindowBackground); // the code, not the colour
    QCOMPARE(toQColor(SystemColor::WindowBackground), QApplication::palette().color(QPalette::Base));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
