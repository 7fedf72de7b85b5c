#pragma once
// A threshold by linear interpolation: between a stimulus value whose
// response percentage lies below the threshold percentage and one whose
// percentage lies above it. The window is laid out as the formula itself,
// a text box in the place of each term, and the answer replaces the word
// "Threshold" on the left of the equals sign.

#include "forms/forms.h"

#include <optional>

class FrmLinInterp : public forms::Form
{
    Q_OBJECT

public:
    FrmLinInterp();

protected:
    void createControls() override;

private:
    void txtLowerPersentage_Change();
    void txtLowerVal_Change();
    void cmdCalc_Click();
    void txtThreshPercent_Validate(bool &Cancel);
    void txtLowerPersentage_Validate(bool &Cancel);
    void txtUpperPercent_Validate(bool &Cancel);
    void txtLowerVal_Validate(bool &Cancel);
    void txtUpperVal_Validate(bool &Cancel);

    // One order check: warns when the first box's number is not below the
    // second's. Boxes without a whole-number value skip the check.
    static std::optional<bool> inOrder(const forms::TextBox *lower, const forms::TextBox *upper);
    static void warn(const QString &text);

    forms::Label *lblThresh = nullptr;
    forms::Label *lblequal = nullptr;
    forms::ControlArray<forms::Label> lblLeftParens{QStringLiteral("lblLeftParens")};
    forms::ControlArray<forms::Label> lblMinus{QStringLiteral("lblMinus")};
    forms::ControlArray<forms::Label> lblRight{QStringLiteral("lblRight")};
    forms::TextBox *txtThreshPercent = nullptr;
    forms::TextBox *txtLowerPersentage = nullptr;
    forms::TextBox *txtUpperVal = nullptr;
    forms::TextBox *txtLowerVal = nullptr;
    forms::TextBox *txtUpperPercent = nullptr;
    forms::LineControl *Line1 = nullptr;
    forms::Label *lblLowerPercent = nullptr;
    forms::Label *lblPlus = nullptr;
    forms::ControlArray<forms::Label> lblLowerVal{QStringLiteral("lblLowerVal")}; // member 1 only
    forms::CommandButton *cmdCalc = nullptr;
};
