#include "frmballistic.h"

using namespace forms;

namespace {
constexpr OleColor SquareRed = 0x0000C0;
} // namespace

FrmBallistic::FrmBallistic()
    : Form({.name = QStringLiteral("frmBallistic"),
            .caption = QStringLiteral("Ballistic Saccades"),
            .clientWidth = 5745,
            .clientHeight = 2505,
            .border = Border::FixedSingle,
            .mdiChild = true})
{
}

void FrmBallistic::createControls()
{
    picLeft = add<PictureBox>(this, QStringLiteral("picLeft"), 240, 480, 735, 735);
    picLeft->setBackColor(SquareRed);
    picLeft->setVisible(false);
    picRight = add<PictureBox>(this, QStringLiteral("picRight"), 4440, 480, 735, 735);
    picRight->setBackColor(SquareRed);
    picRight->setVisible(false);
    lblDuration = add<Label>(this, QStringLiteral("lblDuration"), 600, 1560, 1575, 255);
    lblDuration->setCaption(QStringLiteral("Short Stimuls Duration"));
    // The short flash in ms; read afresh at every right-hand flash.
    hscStimDur = add<HScrollBar>(this, QStringLiteral("hscStimDur"), 2280, 1560, 2415, 255);
    hscStimDur->setRange(50, 500);
    hscStimDur->setSmallChange(1);
    hscStimDur->setLargeChange(1);
    hscStimDur->setValue(100);
    cmdStart = add<CommandButton>(this, QStringLiteral("cmdStart"), 2520, 1920, 855, 375);
    cmdStart->setCaption(QStringLiteral("Start"));
    timStimDur = addTimer(QStringLiteral("timStimDur"), 1000, false);

    on(cmdStart, &CommandButton::Click, this, &FrmBallistic::cmdStart_Click);
    on(timStimDur, &Timer::Tick, this, &FrmBallistic::timStimDur_Timer);
}

void FrmBallistic::Form_Load()
{
    Randomize();
    picRight->setVisible(false);
    picLeft->setVisible(false);
}

void FrmBallistic::cmdStart_Click()
{
    if (cmdStart->Caption() == QLatin1String("Start")) {
        // Every run begins with the fixation square for a full second.
        timStimDur->setInterval(1000);
        timStimDur->setEnabled(true);
        picLeft->setVisible(true);
        cmdStart->setCaption(QStringLiteral("Stop"));
        // The short duration cannot change in the middle of a run.
        lblDuration->setVisible(false);
        hscStimDur->setVisible(false);
    } else {
        timStimDur->setEnabled(false);
        picLeft->setVisible(false);
        picRight->setVisible(false);
        cmdStart->setCaption(QStringLiteral("Start"));
        lblDuration->setVisible(true);
        hscStimDur->setVisible(true);
    }
}

void FrmBallistic::timStimDur_Timer()
{
    // The timer keeps running; each new Interval times the phase that has
    // just begun.
    if (picLeft->Visible()) {
        // Fixation over: the target flashes, mostly too briefly to be
        // caught by the eyes (70 %), otherwise for half a second.
        picLeft->setVisible(false);
        picRight->setVisible(true);
        const float r = Rnd();
        timStimDur->setInterval(r < 0.7f ? hscStimDur->Value() : 500);
    } else {
        // Target over: fixate again for 1.5 or 2 s, so the jump cannot be
        // anticipated.
        picLeft->setVisible(true);
        picRight->setVisible(false);
        const float r = Rnd();
        timStimDur->setInterval(r < 0.5f ? 1500 : 2000);
    }
}
