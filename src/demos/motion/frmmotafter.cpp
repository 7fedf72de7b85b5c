#include "frmmotafter.h"

#include "modmotionvar.h"

using namespace forms;
using namespace modMotionVar;

namespace {

// "images\spiral" and the leading-blank form of i, then "0.bmp": the
// number in the name is the picture's angle in degrees after one blank,
// as in "images\spiral 350.bmp".
QString spiralFile(int i)
{
    return QStringLiteral("images\\spiral") + Str(double(i)) + QStringLiteral("0.bmp");
}

} // namespace

FrmMotAfter::FrmMotAfter()
    : Form({.name = QStringLiteral("frmMotAfter"),
            .caption = QStringLiteral("Motion Aftereffect"),
            .clientWidth = 9390,
            .clientHeight = 5535,
            .border = Border::Sizable})
{
}

void FrmMotAfter::createControls()
{
    // The frame is a 5000-twip window onto the larger stretched picture.
    MotionFrame = add<Frame>(this, QStringLiteral("MotionFrame"), 720, 240, 5000, 5000);
    MotionFrame->setBorderStyle(0);
    imgSpiral = add<Image>(MotionFrame, QStringLiteral("imgSpiral"), -840, -1005, 7005, 7005);
    imgSpiral->setStretch(true);

    const auto label = [this](const char *name, double left, double top, double width, const char *caption) {
        auto *l = add<Label>(this, QString::fromLatin1(name), left, top, width, 255);
        l->setCaption(QString::fromLatin1(caption));
        return l;
    };
    // Both bars run from their largest value at the top to the smallest at
    // the bottom.
    const auto bar = [this](const char *name, double left, int min, int max, int largeChange, int value) {
        auto *s = add<VScrollBar>(this, QString::fromLatin1(name), left, 720, 255, 3255);
        s->setRange(min, max);
        s->setSmallChange(1);
        s->setLargeChange(largeChange);
        s->setValue(value);
        return s;
    };
    Label1 = label("Label1", 6000, 480, 495, "Speed");
    vscSpeed = bar("vscSpeed", 6120, 150, 1, 10, 25);
    Label2 = label("Label2", 6720, 480, 1095, "Duration");
    vscDuration = bar("vscDuration", 6840, 240, 10, 30, 60);
    Label3 = label("Label3", 7440, 960, 1215, "Direction");

    const char *captions[] = {"Clockwise", "Counter Clockwise"};
    for (int i = 0; i < 2; ++i) {
        addIndexed(optDirection, this, i, 7440, 1320 + 360 * i, 1695, 195);
        optDirection[i]->setCaption(QString::fromLatin1(captions[i]));
    }
    optDirection[0]->setValue(true);

    cmdStart = add<CommandButton>(this, QStringLiteral("cmdStart"), 6000, 4440, 1095, 255);
    cmdStart->setCaption(QStringLiteral("Start"));

    tim1 = addTimer(QStringLiteral("tim1"), 100, false);
    timTotal = addTimer(QStringLiteral("timTotal"), 60000, false);

    // Change only: a dragged thumb takes effect when it is let go.
    on(vscSpeed, &ScrollBar::Change, this, &FrmMotAfter::vscSpeed_Change);
    on(vscDuration, &ScrollBar::Change, this, &FrmMotAfter::vscDuration_Change);
    optDirection.on(&OptionButton::Click, this, &FrmMotAfter::optDirection_Click);
    on(cmdStart, &CommandButton::Click, this, &FrmMotAfter::cmdStart_Click);
    on(tim1, &Timer::Tick, this, &FrmMotAfter::tim1_Timer);
    on(timTotal, &Timer::Tick, this, &FrmMotAfter::timTotal_Timer);
}

void FrmMotAfter::Form_Load()
{
    Clockwise = true;
    LoadSpiralFrames();
    vscSpeed_Change();
    vscDuration_Change();
    // FrameIndex is left where the last run left it: the spiral is shown
    // at 0 degrees, and the first tick goes on from there.
    imgSpiral->setPicture(SpiralFrames[0]);
}

void FrmMotAfter::LoadSpiralFrames()
{
    // A picture that cannot be loaded stays empty and is skipped as the
    // spiral turns; the user hears of it once, with the first such file.
    QString firstFailed;
    QString reason;
    int failed = 0;
    for (int i = 0; i < int(SpiralFrames.size()); ++i) {
        try {
            SpiralFrames[i] = LoadPicture(spiralFile(i));
        } catch (const RuntimeError &e) {
            SpiralFrames[i] = QImage();
            if (failed++ == 0) {
                firstFailed = spiralFile(i);
                reason = RuntimeError::errorName(e.code()).toLower();
            }
        }
    }
    if (failed == 0)
        return;
    const int frames = int(SpiralFrames.size());
    QString what = QStringLiteral("The spiral picture \"%1\"").arg(firstFailed);
    if (failed > 1)
        what += QStringLiteral(" and %1 other spiral pictures").arg(failed - 1);
    const QString consequence = failed == frames
                                    ? QStringLiteral("so no spiral can be shown")
                                    : QStringLiteral("so the spiral skips %1 as it turns")
                                          .arg(failed == 1 ? QStringLiteral("that picture") : QStringLiteral("them"));
    MsgBox(QStringLiteral("%1 could not be loaded (%2), %3.").arg(what, reason, consequence),
           QStringLiteral("Picture Not Loaded"));
}

void FrmMotAfter::vscSpeed_Change()
{
    // s milliseconds per 10 degrees; at fast speeds the timer runs at half
    // that rate and the spiral jumps two pictures at a time.
    const int s = vscSpeed->Value();
    if (s > 75) {
        tim1->setInterval(s);
        FrameStep = 1;
    } else {
        tim1->setInterval(2 * s);
        FrameStep = 2;
    }
}

void FrmMotAfter::vscDuration_Change()
{
    // A timer interval may not exceed 60000 ms, so a long run is counted
    // in up to four equal run-timer ticks.
    const int v = vscDuration->Value();
    if (v <= 60) {
        timTotal->setInterval(1000 * v);
        TicksNeeded = 1;
    } else if (v <= 120) {
        timTotal->setInterval(500 * v);
        TicksNeeded = 2;
    } else if (v <= 180) {
        timTotal->setInterval(CLng(333.3333 * v));
        TicksNeeded = 3;
    } else {
        timTotal->setInterval(250 * v);
        TicksNeeded = 4;
    }
}

void FrmMotAfter::optDirection_Click(int Index)
{
    // Also during a run: the next frame tick turns the other way.
    if (Index == 0)
        Clockwise = true;
    else if (Index == 1)
        Clockwise = false;
}

void FrmMotAfter::cmdStart_Click()
{
    tim1->setEnabled(true);
    timTotal->setEnabled(true);
    // The direction stays within reach during the run.
    showSettings(false);
    TickCount = 1;
}

void FrmMotAfter::tim1_Timer()
{
    // The index wraps to the first or last picture, not by the remainder.
    if (Clockwise) {
        FrameIndex = qint16(FrameIndex + FrameStep);
        if (FrameIndex > 35)
            FrameIndex = 0;
    } else {
        FrameIndex = qint16(FrameIndex - FrameStep);
        if (FrameIndex < 0)
            FrameIndex = 35;
    }
    // A picture that could not be loaded leaves the last one on screen
    // rather than flashing an empty square.
    if (!SpiralFrames[FrameIndex].isNull())
        imgSpiral->setPicture(SpiralFrames[FrameIndex]);
}

void FrmMotAfter::timTotal_Timer()
{
    if (TickCount == TicksNeeded) {
        // The spiral stays on its last picture.
        tim1->setEnabled(false);
        timTotal->setEnabled(false);
        showSettings(true);
    } else {
        TickCount = qint16(TickCount + 1);
    }
}

void FrmMotAfter::showSettings(bool shown)
{
    vscSpeed->setVisible(shown);
    vscDuration->setVisible(shown);
    cmdStart->setVisible(shown);
    Label1->setVisible(shown);
    Label2->setVisible(shown);
}
