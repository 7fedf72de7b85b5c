#pragma once
// One spatial-frequency channel cannot tell spatial frequency from
// contrast. The channel's sensitivity is a bell over log spatial
// frequency; its firing rate for a grating is that sensitivity times the
// grating's contrast. The student sets a comparison grating's frequency
// and contrast until the channel fires as it does for a standard of random
// frequency, and finds many pairs that the channel cannot tell apart from
// the standard ("Match").

#include "forms/forms.h"

class FrmSFChannel : public forms::Form
{
    Q_OBJECT

public:
    FrmSFChannel();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdReset_Click();
    void hscSF_Change();
    void hscSF_Scroll();
    void vscContrast_Change();
    void vscContrast_Scroll();

    void UpdateChannelResponse();

    forms::PictureBox *picChannel = nullptr;
    forms::Label *Label1 = nullptr;
    forms::Label *Label3 = nullptr;
    forms::Label *Label4 = nullptr;
    forms::Label *Label2 = nullptr;
    forms::ControlArray<forms::PictureBox> picAct{QStringLiteral("picAct")};
    forms::CommandButton *cmdReset = nullptr;
    forms::Label *lblMatch = nullptr;
    // Its Tag holds the standard's log spatial frequency as text.
    forms::PictureBox *picStandard = nullptr;
    forms::PictureBox *picComparison = nullptr;
    forms::HScrollBar *hscSF = nullptr;
    forms::VScrollBar *vscContrast = nullptr;
};
