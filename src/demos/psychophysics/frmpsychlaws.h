#pragma once
// Two classic answers to "how does sensation grow with intensity?":
// Fechner's logarithmic law S = k*log(I) and Stevens' power law S = a*I^b.
// The student switches each law on, moves Fechner's k, and compares up to
// three power functions with exponents of their own: compressive (b < 1),
// linear (b = 1) and expansive (b > 1) growth side by side.

#include "forms/forms.h"


class FrmPsychLaws : public forms::Form
{
    Q_OBJECT

public:
    FrmPsychLaws();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void chkLaws_Click(int Index);
    void hscK_Change();
    void hscK_Scroll();
    void hscB_Change(int Index);
    void hscB_Scroll(int Index);
    void chkB_Click(int Index);

    void DrawLaws();
    double exponent(int i) const;
    QString exponentText(int i) const;

    forms::PictureBox *picGraph = nullptr;
    forms::TextBox *txtSensation = nullptr;
    forms::Label *lblIntensity = nullptr;
    forms::ControlArray<forms::CheckBox> chkLaws{QStringLiteral("chkLaws")};
    forms::Label *lblFechner = nullptr;
    forms::Label *lblK = nullptr;
    forms::HScrollBar *hscK = nullptr;
    forms::Label *lblSteven = nullptr;
    forms::ControlArray<forms::Label> lblB{QStringLiteral("lblB")}; // member 0: the exponent of "S=a*I"
    forms::ControlArray<forms::CheckBox> chkB{QStringLiteral("chkB")};
    forms::ControlArray<forms::Label> lblBRange{QStringLiteral("lblBRange")};
    forms::ControlArray<forms::HScrollBar> hscB{QStringLiteral("hscB")};
};
