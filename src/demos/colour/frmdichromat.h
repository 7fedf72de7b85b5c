#pragma once
// Colour matching with two cone types, S (peak 531 nm, drawn green) and L
// (558 nm, red). Each light is shown as the colour whose red and green are
// the numbers the L and S cones absorb. With one comparison light the
// student finds pairs of different wavelengths that both cones cannot tell
// apart; with two fixed primaries (475 and 620 nm) "Match" solves for the
// mixture that gives both cones the standard's numbers, and shows that
// some standards would need a negative amount of one primary.

#include "forms/forms.h"

class FrmDiChromat : public forms::Form
{
    Q_OBJECT

public:
    FrmDiChromat();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdReset_Click();
    void cmdAddPrimary_Click();
    void cmdMatch_Click();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void VScroll1_Change();
    void VScroll1_Scroll();
    void hscStandard_Change();
    void hscStandard_Scroll();
    void vscPrim2_Change();
    void vscPrim2_Scroll();
    void picComparison_MouseDown(int Button, int Shift, double X, double Y);
    void picComparison_MouseMove(int Button, int Shift, double X, double Y);
    void picStandard_MouseDown(int Button, int Shift, double X, double Y);
    void picStandard_MouseMove(int Button, int Shift, double X, double Y);

    void UpdateComparison();
    void UpdateStandard();
    void UpdateMixture();

    void enterTwoPrimaries();
    void leaveTwoPrimaries();
    void showTwoPrimaryControls(bool two);
    // The black marker at the wavelength, then the S and L curves over it.
    void plotLight(forms::PictureBox *p, double wavelength);
    double markerAt(double wavelength) const;
    // The primary's marker on the comparison plot, and the percents its
    // light gives the S and L cones (columns s and l).
    void plotPrimary(const forms::Label *primary, forms::OleColor colour, int s, int l);
    // The standard at intensity 175 in both cones; its numbers absorbed
    // come from the full percents or from the rounded ones shown.
    void standardLight(bool fromShownPercents);
    // Cone peak of column i: S for the columns 0, 1 and 4, L for 2, 3 and 5.
    double peakOf(int i) const;
    // The S curve, then the L curve, in their colours.
    void showCurves(forms::PictureBox *p);
    // lblRatio(r): s / l to 2 decimals; a ratio of the numbers absorbed
    // reads "---" while the L number shows as 0.
    void showRatio(int r, double s, double l);
    void showNumberRatio(int r, const forms::Label *s, const forms::Label *l);

    forms::Shape *cirStandard = nullptr;
    forms::Shape *cirComparison = nullptr;
    forms::PictureBox *picStandard = nullptr;
    forms::PictureBox *picComparison = nullptr;
    forms::HScrollBar *hscStandard = nullptr;
    forms::HScrollBar *HScroll1 = nullptr;
    forms::VScrollBar *VScroll1 = nullptr;
    forms::VScrollBar *vscPrim2 = nullptr;
    forms::Label *lblStandard = nullptr;
    forms::Label *lblEqual = nullptr;
    forms::Label *lblComparison = nullptr;
    forms::Label *lblPrim1 = nullptr;
    forms::Label *lblPrim2 = nullptr;
    forms::ControlArray<forms::Label> Label19{QStringLiteral("Label19")};
    forms::ControlArray<forms::Label> Label20{QStringLiteral("Label20")};
    forms::ControlArray<forms::Label> Label18{QStringLiteral("Label18")};
    forms::ControlArray<forms::Label> lblInput{QStringLiteral("lblInput")};
    forms::ControlArray<forms::Label> lblPercent{QStringLiteral("lblPercent")};
    forms::ControlArray<forms::Label> lblAbsorbed{QStringLiteral("lblAbsorbed")};
    forms::ControlArray<forms::Label> lblRatio{QStringLiteral("lblRatio")};
    forms::LineControl *Line3 = nullptr;
    forms::Label *lblTotalS = nullptr;
    forms::Label *lblS = nullptr;
    forms::Label *lblTotalL = nullptr;
    forms::Label *lblL = nullptr;
    forms::CommandButton *cmdAddPrimary = nullptr;
    forms::CommandButton *cmdReset = nullptr;
    forms::CommandButton *cmdMatch = nullptr;
    forms::Label *lblMatch = nullptr;
};
