#pragma once
// Trichromatic theory: three cone types with broad, overlapping
// sensitivities encode a wavelength by the ratio of their responses. The
// student picks a wavelength on the scroll bar or in the plot and reads
// the three cones' relative firing rates as bars and as colour patches,
// then removes cones to see which wavelengths the dichromat or
// monochromat left over can still tell apart.

#include "forms/forms.h"

class FrmTrichromatic : public forms::Form
{
    Q_OBJECT

public:
    FrmTrichromatic();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void hscSF_Change();
    void hscSF_Scroll();
    void cmdB_Click();
    void cmdG_Click();
    void cmdR_Click();
    void picChannels_MouseDown(int Button, int Shift, double X, double Y);
    void picChannels_MouseMove(int Button, int Shift, double X, double Y);

    void RedrawChannels();
    void ShowCondition();
    // Present ("True") or removed ("False"), kept in the button's Tag.
    void toggleCone(forms::CommandButton *button);
    void pickWavelength(int Button, double X);

    forms::PictureBox *picChannels = nullptr;
    forms::HScrollBar *hscSF = nullptr;
    forms::Label *Label1 = nullptr;
    forms::Label *Label4 = nullptr;
    forms::CommandButton *cmdB = nullptr;
    forms::CommandButton *cmdG = nullptr;
    forms::CommandButton *cmdR = nullptr;
    forms::Label *lblCondition = nullptr;
    forms::Label *Label2 = nullptr;
    forms::PictureBox *picAact = nullptr;
    forms::PictureBox *picBact = nullptr;
    forms::PictureBox *Picture2 = nullptr;
    forms::PictureBox *picCact = nullptr;
    forms::PictureBox *Picture4 = nullptr;
    forms::Label *Label3 = nullptr;
    forms::Label *Label7 = nullptr;
    forms::Label *Label8 = nullptr;
    forms::ControlArray<forms::Label> Label5{QStringLiteral("Label5")};
    forms::ControlArray<forms::Shape> Shape1{QStringLiteral("Shape1")};
};
