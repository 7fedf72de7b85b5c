#pragma once
// Measuring contrast sensitivity by hand: a vertical sine-wave grating, a
// scroll bar that sets its contrast in tenths of a percent, a readout of
// that contrast, and nine buttons that choose how many cycles the grating
// has. Choosing a frequency (and creating the control) jumps the contrast
// to a random value, so the viewer searches for the faintest grating still
// visible without starting from the last setting.

#include "forms/forms.h"

class UctCorvane : public forms::UserControl
{
    Q_OBJECT

public:
    // Builds the face at its design layout (10260 x 5775 twips) and runs
    // UserControl_Initialize. The face does not follow the control's size.
    explicit UctCorvane(QWidget *parent);

private:
    void createControls();

    void UserControl_Initialize();
    void optSF_Click(int Index);
    void vscContrastRatio_Change();
    void vscContrastRatio_Scroll();

    // A random contrast from 0 to 99.9 %, then the grating redrawn (also
    // when the scroll bar already stood there).
    void chooseRandomContrast();

    forms::PictureBox *picGrating = nullptr;
    forms::VScrollBar *vscContrastRatio = nullptr;
    forms::Label *Label3 = nullptr;
    forms::Label *lblContrast = nullptr;
    forms::Label *Label2 = nullptr;
    forms::ControlArray<forms::OptionButton> optSF{QStringLiteral("optSF")};
    forms::ControlArray<forms::Label> Label1{QStringLiteral("Label1")};
};
