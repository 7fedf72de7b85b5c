#pragma once
// Simultaneous contrast, observed: a grey patch of fixed level sits on a
// surround whose grey ramps up and down while the timer runs. The patch
// seems to darken as the surround lightens and to lighten as it darkens,
// although it never changes.

#include "forms/forms.h"

class FrmSimulContrast : public forms::Form
{
    Q_OBJECT

public:
    FrmSimulContrast();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdStart_Click();
    void Timer1_Timer();

    forms::PictureBox *picSurround = nullptr;
    forms::PictureBox *picCenter = nullptr;
    forms::CommandButton *cmdStart = nullptr;
    forms::Timer *Timer1 = nullptr;

    // The surround's grey level (25 to 255) and where the ramp heads next
    // ("up" or "down"); they live with the window, not its controls.
    int SurroundLevel = 25;
    QString SurroundDirection = QStringLiteral("up");
};
