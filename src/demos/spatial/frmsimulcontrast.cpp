#include "frmsimulcontrast.h"

using namespace forms;

FrmSimulContrast::FrmSimulContrast()
    : Form({.name = QStringLiteral("frmSimulContrast"),
            .caption = QStringLiteral("Simultaneous Constrast"),
            .clientWidth = 5460,
            .clientHeight = 5130,
            .border = Border::FixedSingle,
            .mdiChild = true})
{
}

void FrmSimulContrast::createControls()
{
    picSurround = add<PictureBox>(this, QStringLiteral("picSurround"), 120, 120, 5175, 3855);
    picSurround->setBackColor(0x000000);
    picSurround->setAutoRedraw(true);
    // The patch is a child of the surround, so it always lies on top of it.
    picCenter = add<PictureBox>(picSurround, QStringLiteral("picCenter"), 2040, 1440, 1095, 735);
    cmdStart = add<CommandButton>(this, QStringLiteral("cmdStart"), 2160, 4200, 1335, 375);
    cmdStart->setCaption(QStringLiteral("Start"));
    Timer1 = addTimer(QStringLiteral("Timer1"), 2, false);

    on(cmdStart, &CommandButton::Click, this, &FrmSimulContrast::cmdStart_Click);
    on(Timer1, &Timer::Tick, this, &FrmSimulContrast::Timer1_Timer);
}

void FrmSimulContrast::Form_Load()
{
    picCenter->setBackColor(RGB(150, 150, 150));
    SurroundLevel = 25;
    picSurround->setBackColor(RGB(SurroundLevel, SurroundLevel, SurroundLevel));
    SurroundDirection = QStringLiteral("up");
}

void FrmSimulContrast::cmdStart_Click()
{
    // Stopping keeps the level and the direction, so Start resumes the
    // ramp where it was frozen.
    if (Timer1->Enabled()) {
        Timer1->setEnabled(false);
        cmdStart->setCaption(QStringLiteral("Start"));
    } else {
        Timer1->setEnabled(true);
        cmdStart->setCaption(QStringLiteral("Stop"));
    }
}

void FrmSimulContrast::Timer1_Timer()
{
    // Steps of 10 between 25 and 255: 23 ticks up and 23 down, so one
    // light-dark-light cycle takes 46 ticks. The limits turn the ramp round.
    if (SurroundDirection == QLatin1String("up")) {
        SurroundLevel += 10;
        if (SurroundLevel >= 255) {
            SurroundDirection = QStringLiteral("down");
            SurroundLevel = 255;
        }
    } else {
        SurroundLevel -= 10;
        if (SurroundLevel <= 25) {
            SurroundDirection = QStringLiteral("up");
            SurroundLevel = 25;
        }
    }
    picSurround->setBackColor(RGB(SurroundLevel, SurroundLevel, SurroundLevel));
}
