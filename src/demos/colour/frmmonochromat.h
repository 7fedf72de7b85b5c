#pragma once
// Colour matching with a single cone type: the cone only counts the
// photons it absorbs, so any comparison light matches the standard once its
// intensity makes the number absorbed the same, whatever the two
// wavelengths. Each light is shown as the grey its absorption gives.

#include "forms/forms.h"

class FrmMonoChromat : public forms::Form
{
    Q_OBJECT

public:
    FrmMonoChromat();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdReset_Click();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void VScroll1_Change();
    void VScroll1_Scroll();
    void picComparison_MouseDown(int Button, int Shift, double X, double Y);
    void picComparison_MouseMove(int Button, int Shift, double X, double Y);

    void UpdateComparison();
    // The wavelength's marker position on a plot, and the percentage the
    // cone absorbs there (curve height relative to its peak, kept in the
    // plot's Tag).
    double markerAt(double wavelength) const;
    double percentAbsorbed(const forms::PictureBox *plot, double wavelength) const;
    // The percent, number absorbed and grey patch of light i.
    void showAbsorption(int i, const forms::PictureBox *plot, double wavelength, forms::Shape *patch);

    forms::Shape *cirStandard = nullptr;
    forms::Shape *cirComparison = nullptr;
    forms::PictureBox *picStandard = nullptr;
    forms::PictureBox *picComparison = nullptr;
    forms::HScrollBar *HScroll1 = nullptr;
    forms::VScrollBar *VScroll1 = nullptr;
    forms::Label *lblStandard = nullptr;
    forms::Label *lblComparison = nullptr;
    forms::ControlArray<forms::Label> lblInput{QStringLiteral("lblInput")};
    forms::ControlArray<forms::Label> lblPercent{QStringLiteral("lblPercent")};
    forms::ControlArray<forms::Label> lblAbsorbed{QStringLiteral("lblAbsorbed")};
    forms::CommandButton *cmdReset = nullptr;
    forms::Label *lblMatch = nullptr;
};
