#pragma once
// Apparent (beta) motion: two red squares flash one after the other, and
// with the right spacing and timing the viewer sees a single square jump
// back and forth. Scroll bars set the gap between the squares, the dark
// interval between flashes and the length of each flash.

#include "forms/forms.h"

class FrmAppMot : public forms::Form
{
    Q_OBJECT

public:
    FrmAppMot();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdStart_Click();
    void hscDistApart_Change();
    void hscTimeBetween_Change();
    void hscTimeOne_Change();
    void timStimDur_Timer();
    void timISI_Timer();

    forms::PictureBox *picLeft = nullptr;
    forms::PictureBox *picRight = nullptr;
    forms::Label *lblDistApart = nullptr;
    forms::HScrollBar *hscDistApart = nullptr;
    forms::Label *lblDistApatValue = nullptr;
    forms::Label *lblTimeBetween = nullptr;
    forms::HScrollBar *hscTimeBetween = nullptr;
    forms::Label *lblTBValue = nullptr;
    forms::Label *lblTimeOn = nullptr;
    forms::HScrollBar *hscTimeOne = nullptr;
    forms::Label *lblFDValue = nullptr;
    forms::CommandButton *cmdStart = nullptr;
    forms::Timer *timStimDur = nullptr;
    forms::Timer *timISI = nullptr;
};
