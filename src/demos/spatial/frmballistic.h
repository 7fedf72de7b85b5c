#pragma once
// Ballistic saccades: a saccade, once launched, cannot be corrected. The
// viewer fixates a red square on the left; when it goes out, a square
// flashes on the right and the eyes jump to it. Most right-hand flashes are
// shorter than the jump, so the square is gone before the eyes land.

#include "forms/forms.h"

class FrmBallistic : public forms::Form
{
    Q_OBJECT

public:
    FrmBallistic();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdStart_Click();
    void timStimDur_Timer();

    forms::PictureBox *picLeft = nullptr;
    forms::PictureBox *picRight = nullptr;
    forms::Label *lblDuration = nullptr;
    forms::HScrollBar *hscStimDur = nullptr;
    forms::CommandButton *cmdStart = nullptr;
    forms::Timer *timStimDur = nullptr;
};
