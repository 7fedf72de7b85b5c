#include "frmlininterp.h"

using namespace forms;

namespace {
const QString CheckTitle = QStringLiteral("Check your data");
const QString LowerBelowThreshold =
    QStringLiteral("The Lower Threshold should be lower than the percentage for the threshold.");
} // namespace

FrmLinInterp::FrmLinInterp()
    : Form({.name = QStringLiteral("frmLinInterp"),
            .caption = QStringLiteral("Psychophysical Linear Interpolater"),
            .clientWidth = 6330,
            .clientHeight = 3195,
            .border = Border::FixedSingle,
            .backColor = 0xFFFFFF,
            .mdiChild = true})
{
}

void FrmLinInterp::createControls()
{
    const QString face = QStringLiteral("MS Sans Serif");
    // The formula's symbols: transparent labels on the white window.
    const auto symbol = [&](Label *label, const QString &caption) {
        label->setCaption(caption);
        label->setBackStyle(0);
        label->setFontSpec(face, 12);
        return label;
    };
    const auto term = [&](const char *name, double left, double top, double width,
                          const QString &placeholder, const QString &tip) {
        auto *box = add<TextBox>(this, QString::fromLatin1(name), left, top, width, 360);
        box->setText(placeholder);
        box->setToolTipText(tip);
        box->setAlignment(TextBox::Center);
        box->setFontSpec(face, 12);
        return box;
    };
    const auto minus = [&](int i, double left, double top) {
        symbol(addIndexed(lblMinus, this, i, left, top, 255, 255), QStringLiteral("-"));
        lblMinus[i]->setFontBold(true);
        lblMinus[i]->setAlignment(Label::Center);
    };

    // Threshold = ( Threshold% - Lower% ) * ( UpperValue - LowerValue ) / ( Upper% - Lower% ) + LowerValue
    // The answer's label reaches from the margin to the equals sign and keeps
    // its text against it: at the designed 735 twips, "Threshold" or an
    // answer such as -1234.56 would lose its last characters.
    lblThresh = symbol(add<Label>(this, QStringLiteral("lblThresh"), 120, 960, 1140, 255),
                       QStringLiteral("Threshold"));
    lblThresh->setAlignment(Label::RightJustify);
    lblequal = symbol(add<Label>(this, QStringLiteral("lblequal"), 1320, 960, 135, 255), QStringLiteral("="));
    symbol(addIndexed(lblLeftParens, this, 0, 1560, 960, 135, 255), QStringLiteral("("));
    txtThreshPercent = term("txtThreshPercent", 1680, 960, 375, QStringLiteral("Threshold %"),
                            QStringLiteral("Enter the percentage for your threshold."));
    minus(0, 2040, 960);
    txtLowerPersentage = term("txtLowerPersentage", 2280, 960, 615, QStringLiteral("Lower %"),
                              QStringLiteral("Enter the percentage that is below the threshold percentage."));
    symbol(addIndexed(lblRight, this, 0, 2880, 960, 255, 255), QStringLiteral(") *"));

    // The numerator of the fraction.
    symbol(addIndexed(lblLeftParens, this, 1, 3240, 720, 135, 255), QStringLiteral("("));
    txtUpperVal = term("txtUpperVal", 3360, 720, 615, QStringLiteral("Upper Value"),
                       QStringLiteral("Enter the value associated with the percentage that is greater "
                                      "than the threshold percentage."));
    minus(1, 3960, 720);
    txtLowerVal = term("txtLowerVal", 4200, 720, 615, QStringLiteral("Lower Value"),
                       QStringLiteral("Enter the value associated with the percentage that is less than "
                                      "the threshold percentage."));
    symbol(addIndexed(lblRight, this, 1, 4800, 720, 255, 255), QStringLiteral(") "));
    Line1 = addLine(this, QStringLiteral("Line1"), 3120, 1080, 5040, 1080);

    // The denominator: its lower percentage mirrors the box on the left.
    symbol(addIndexed(lblLeftParens, this, 2, 3240, 1200, 135, 255), QStringLiteral("("));
    txtUpperPercent = term("txtUpperPercent", 3360, 1200, 615, QStringLiteral("Upper %"),
                           QStringLiteral("Enter here the percentage above the threshold."));
    minus(2, 3960, 1200);
    lblLowerPercent = symbol(add<Label>(this, QStringLiteral("lblLowerPercent"), 4200, 1200, 615, 255),
                             QStringLiteral("Lower%"));
    symbol(addIndexed(lblRight, this, 2, 4800, 1200, 255, 255), QStringLiteral(") "));

    lblPlus = symbol(add<Label>(this, QStringLiteral("lblPlus"), 5100, 960, 135, 255), QStringLiteral("+"));
    symbol(addIndexed(lblLowerVal, this, 1, 5280, 960, 615, 255), QStringLiteral("LowerValue"));

    cmdCalc = add<CommandButton>(this, QStringLiteral("cmdCalc"), 2760, 1920, 1095, 375);
    cmdCalc->setCaption(QStringLiteral("Calculate"));
    cmdCalc->setFontSpec(face, 9.75);

    txtThreshPercent->setTabIndex(0);
    txtLowerPersentage->setTabIndex(1);
    txtUpperVal->setTabIndex(2);
    txtLowerVal->setTabIndex(3);
    txtUpperPercent->setTabIndex(4);
    cmdCalc->setTabIndex(5);

    on(txtLowerPersentage, &TextBox::Change, this, &FrmLinInterp::txtLowerPersentage_Change);
    on(txtLowerVal, &TextBox::Change, this, &FrmLinInterp::txtLowerVal_Change);
    on(cmdCalc, &CommandButton::Click, this, &FrmLinInterp::cmdCalc_Click);
    on(txtThreshPercent, &Control::Validate, this, &FrmLinInterp::txtThreshPercent_Validate);
    on(txtLowerPersentage, &Control::Validate, this, &FrmLinInterp::txtLowerPersentage_Validate);
    on(txtUpperPercent, &Control::Validate, this, &FrmLinInterp::txtUpperPercent_Validate);
    on(txtLowerVal, &Control::Validate, this, &FrmLinInterp::txtLowerVal_Validate);
    on(txtUpperVal, &Control::Validate, this, &FrmLinInterp::txtUpperVal_Validate);
}

void FrmLinInterp::txtLowerPersentage_Change()
{
    lblLowerPercent->setCaption(txtLowerPersentage->Text());
}

void FrmLinInterp::txtLowerVal_Change()
{
    lblLowerVal[1]->setCaption(txtLowerVal->Text());
}

void FrmLinInterp::cmdCalc_Click()
{
    double Lp2, UV, LV, UP, Lp, TP;
    try {
        Lp2 = CDbl(txtLowerPersentage->Text());
        UV = CDbl(txtUpperVal->Text());
        LV = CDbl(txtLowerVal->Text());
        UP = CDbl(txtUpperPercent->Text());
        Lp = CDbl(lblLowerPercent->Caption());
        TP = CDbl(txtThreshPercent->Text());
    } catch (const RuntimeError &) {
        // A placeholder, a stray letter, or a number too large to hold.
        MsgBox(QStringLiteral("You need to enter only numerical values in all of the text boxes."),
               QStringLiteral("Not a number"));
        return;
    }

    float threshold;
    try {
        const double d = checked(UV - LV);
        const double s = Div(d, checked(UP - Lp));
        const double t = checked(checked(TP - Lp2) * s);
        threshold = CSng(checked(LV + t));
    } catch (const RuntimeError &) {
        // Equal percentages, or an answer too large to show. A red number
        // left from earlier data would pass for the answer to this data,
        // so the label goes back to its word.
        lblThresh->setCaption(QStringLiteral("Threshold"));
        lblThresh->setForeColor(SystemColor::ButtonText);
        return;
    }
    lblThresh->setCaption(CStr(float(Round(threshold, 2))));
    lblThresh->setForeColor(RGB(255, 0, 0));
}

std::optional<bool> FrmLinInterp::inOrder(const TextBox *lower, const TextBox *upper)
{
    // The checks compare whole numbers, as the percentages are usually
    // typed: 49.6 and 50.4 both count as 50.
    try {
        return CIntText(lower->Text()) < CIntText(upper->Text());
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

void FrmLinInterp::warn(const QString &text)
{
    MsgBox(text, CheckTitle);
}

// The checks only warn: the focus moves on to where the student sent it.

void FrmLinInterp::txtThreshPercent_Validate(bool &)
{
    if (inOrder(txtLowerPersentage, txtThreshPercent) == false)
        warn(LowerBelowThreshold);
    else if (inOrder(txtThreshPercent, txtUpperPercent) == false)
        warn(QStringLiteral("The upper threshold should be greater than the percentage for the threshold."));
}

void FrmLinInterp::txtLowerPersentage_Validate(bool &)
{
    if (inOrder(txtLowerPersentage, txtThreshPercent) == false)
        warn(LowerBelowThreshold);
}

void FrmLinInterp::txtUpperPercent_Validate(bool &)
{
    if (inOrder(txtThreshPercent, txtUpperPercent) == false)
        warn(QStringLiteral("The upper percentage should be greater than the percentage for the threshold."));
}

void FrmLinInterp::txtLowerVal_Validate(bool &)
{
    if (inOrder(txtLowerVal, txtUpperVal) == false)
        warn(QStringLiteral("The lower value less than the upper value."));
}

void FrmLinInterp::txtUpperVal_Validate(bool &)
{
    if (inOrder(txtLowerVal, txtUpperVal) == false)
        warn(QStringLiteral("The lower value should be less than the upper value."));
}
