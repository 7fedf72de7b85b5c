#pragma once
// Spatial-frequency channels: three channels tuned to low, middle and high
// frequencies (A, B, C) fire in proportions that tell the input grating's
// frequency. Adapting the middle channel cuts its sensitivity to a third;
// read with the unadapted system's eyes, the adapted proportions then name
// a frequency further from the adapting one, and the window shows the
// grating as it looks after adaptation: the spatial-frequency aftereffect.

#include "forms/forms.h"

class FrmSFChannels : public forms::Form
{
    Q_OBJECT

public:
    FrmSFChannels();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void hscSF_Change();
    void hscSF_Scroll();
    void cmdAdapt_Click();

    void UpdateChannels();
    void ShowAdaptedAppearance();
    bool adapted() const;

    forms::Label *Label4 = nullptr;
    forms::Label *Label5 = nullptr;
    forms::Label *Label6 = nullptr;
    forms::PictureBox *picChannels = nullptr;
    forms::HScrollBar *hscSF = nullptr;
    forms::Label *Label1 = nullptr;
    forms::Label *lblInput = nullptr;
    forms::Label *lblAdaptSF = nullptr;
    forms::Label *lblAdaptedSF = nullptr;
    forms::Label *Label2 = nullptr;
    // Each bar's Tag holds its channel's relative firing rate times 1000.
    forms::PictureBox *picAact = nullptr;
    forms::PictureBox *picBact = nullptr;
    forms::PictureBox *picCact = nullptr;
    forms::Label *Label3 = nullptr;
    forms::Label *Label7 = nullptr;
    forms::Label *Label8 = nullptr;
    // Its caption is the mode: "Adapt" while unadapted, "Restore" while adapted.
    forms::CommandButton *cmdAdapt = nullptr;
    forms::PictureBox *picGrating = nullptr;
    forms::Label *lblUnadapt = nullptr;
    forms::PictureBox *picAdapt = nullptr;
    forms::Label *lblAdapt = nullptr;
};
