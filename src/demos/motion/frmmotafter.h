#pragma once
// The spiral (motion) aftereffect: a spiral turns at a chosen speed and in
// a chosen direction for a chosen number of seconds, then stops; a viewer
// who has fixated its centre then sees the still spiral seem to turn the
// other way. The turning is a flip-book of 36 pictures, each 10 degrees
// further round, read from files when the window loads.

#include "forms/forms.h"

class FrmMotAfter : public forms::Form
{
    Q_OBJECT

public:
    FrmMotAfter();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void LoadSpiralFrames();
    void vscSpeed_Change();
    void vscDuration_Change();
    void optDirection_Click(int Index);
    void cmdStart_Click();
    void tim1_Timer();
    void timTotal_Timer();
    // Shows or hides what can only be changed between runs.
    void showSettings(bool shown);

    forms::Frame *MotionFrame = nullptr;
    forms::Image *imgSpiral = nullptr;
    forms::Label *Label1 = nullptr;
    forms::VScrollBar *vscSpeed = nullptr;
    forms::Label *Label2 = nullptr;
    forms::VScrollBar *vscDuration = nullptr;
    forms::Label *Label3 = nullptr;
    forms::ControlArray<forms::OptionButton> optDirection{QStringLiteral("optDirection")};
    forms::CommandButton *cmdStart = nullptr;
    forms::Timer *tim1 = nullptr;
    forms::Timer *timTotal = nullptr;
};
