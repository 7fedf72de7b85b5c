#include "frmstdbasic.h"

#include "plotting/moddrawnormal.h"

#include <algorithm>

using namespace forms;
using namespace modDrawNormal;

namespace {

// How each region is hatched: under which curve, on which side of the
// criterion, from where, in what colour. The starts are offset so that the
// lines of hits and false alarms (and of misses and correct rejections)
// interleave, and none falls on the criterion line.
struct RegionLook
{
    bool signal; // under the signal-plus-noise curve, else the noise curve
    bool rightSide;
    double start; // added to the criterion
    int red, green, blue;
};

constexpr std::array<RegionLook, 4> Looks = {{
    {true, true, 0.05, 0, 128, 255},    // hits
    {false, true, 0.12, 255, 0, 0},     // false alarms
    {true, false, -0.05, 0, 255, 45},   // misses
    {false, false, -0.12, 255, 0, 200}, // correct rejections
}};

constexpr double NoiseMean = 2.5;

// The caption beside the signal-plus-noise peak is kept within this many
// twips of the plot: further out it is out of sight anyway, and a d' of
// 9e99 would put it beyond any pixel coordinate.
constexpr double CaptionReach = 1.0e6;

} // namespace

FrmSTDBasic::FrmSTDBasic()
    : Form({.name = QStringLiteral("frmSTDBasic"),
            .caption = QStringLiteral("Signal Detection Theory"),
            .clientWidth = 8310,
            .clientHeight = 5685,
            .border = Border::FixedSingle,
            .backColor = SystemColor::WindowBackground,
            .mdiChild = true})
{
}

void FrmSTDBasic::createControls()
{
    picPlotArea = add<PictureBox>(this, QStringLiteral("picPlotArea"), 120, 120, 7990, 2990);
    picPlotArea->setBackColor(SystemColor::WindowBackground);
    picPlotArea->setForeColor(SystemColor::WindowText);
    picPlotArea->setAutoRedraw(true);

    lblNoise = add<Label>(picPlotArea, QStringLiteral("lblNoise"), 720, 360, 495, 255);
    lblNoise->setCaption(QStringLiteral("Noise"));
    lblNoise->setForeColor(0x0000FF);
    lblNoise->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);
    lblNoise->setBackStyle(0);

    txtSigNoise = add<TextBox>(picPlotArea, QStringLiteral("txtSigNoise"), 2400, 360, 615, 615, true);
    txtSigNoise->setText(QStringLiteral("Signal\r\n+\r\nNoise\r\n"));
    txtSigNoise->setAlignment(TextBox::Center);
    txtSigNoise->setBorderStyle(0);
    txtSigNoise->setBackColor(0xFFFFFF);
    txtSigNoise->setForeColor(0xFFFF00);
    txtSigNoise->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);

    constexpr std::array<double, 13> axisLefts = {120,  755,  1430, 2090, 2765, 3425, 4085,
                                                  4745, 5385, 6080, 6730, 7400, 8075};
    for (int i = 0; i < 13; ++i) {
        addIndexed(lblXaxis, this, i, axisLefts[i], 3240,
                                        i < 10 ? 135 : 255, 255);
        lblXaxis[i]->setCaption(QString::number(i));
        lblXaxis[i]->setBackColor(0xFFFFFF);
    }
    lblSensoryStrength = add<Label>(this, QStringLiteral("lblSensoryStrength"), 2760, 3480, 2535, 255);
    lblSensoryStrength->setCaption(QStringLiteral("Sensory Strength"));
    lblSensoryStrength->setBackColor(0xFFFFFF);
    linXaxis = addLine(this, QStringLiteral("linXaxis"), 120, 3120, 8120, 3120);
    linYaxis = addLine(this, QStringLiteral("linYaxis"), 120, 120, 120, 3120);

    dpLabel = add<Label>(this, QStringLiteral("dpLabel"), 600, 4320, 135, 195);
    dpLabel->setCaption(QStringLiteral("d'"));
    dpLabel->setAlignment(Label::Center);
    dpvalue = add<TextBox>(this, QStringLiteral("dpvalue"), 960, 4275, 735, 285);
    dpvalue->setText(QStringLiteral("1"));
    dpvalue->setAlignment(TextBox::RightJustify);
    dpvalue->setMaxLength(4);
    dpvalue->setToolTipText(
        QStringLiteral("Enter your value for d' here.  Watch the graph change above."));
    hscDPrime = add<HScrollBar>(this, QStringLiteral("hscDPrime"), 1920, 4290, 2535, 255);
    hscDPrime->setRange(0, 140);
    hscDPrime->setSmallChange(1);
    hscDPrime->setLargeChange(20);
    hscDPrime->setValue(20);

    BetaLabel = add<Label>(this, QStringLiteral("BetaLabel"), 240, 4845, 585, 195);
    BetaLabel->setCaption(QStringLiteral("Criterion"));
    BetaLabel->setAlignment(Label::Center);
    BetaValue = add<TextBox>(this, QStringLiteral("BetaValue"), 960, 4800, 735, 285);
    BetaValue->setText(QStringLiteral("1"));
    BetaValue->setAlignment(TextBox::RightJustify);
    BetaValue->setMaxLength(4);
    hscBeta = add<HScrollBar>(this, QStringLiteral("hscBeta"), 1920, 4815, 2535, 255);
    hscBeta->setRange(0, 240);
    hscBeta->setSmallChange(1);
    hscBeta->setLargeChange(20);
    hscBeta->setValue(60);

    // The two-by-two table of outcomes: each caption above its value.
    const auto cell = [this](const char *name, double left, double top, const QString &text) {
        auto *label = add<Label>(this, QString::fromLatin1(name), left, top, 1095, 255);
        label->setCaption(text);
        label->setAlignment(Label::Center);
        label->setBorderStyle(1);
        label->setAppearance(0);
        label->setBackColor(SystemColor::WindowBackground);
        label->setForeColor(SystemColor::WindowText);
        return label;
    };
    HitsLabel = cell("HitsLabel", 4920, 4080, QStringLiteral("% &Hits"));
    HitsLabel->setToolTipText(QStringLiteral("Click here to show the region for hits."));
    FalseAlarmLabel = cell("FalseAlarmLabel", 6000, 4080, QStringLiteral("% &False Alarms"));
    FalseAlarmLabel->setToolTipText(QStringLiteral("Click here to see the region for false alarms."));
    Hits = cell("Hits", 4920, 4320, QStringLiteral("1"));
    FalseAlarms = cell("FalseAlarms", 6000, 4320, QStringLiteral("2"));
    MissesLabel = cell("MissesLabel", 4920, 4560, QStringLiteral("% &Misses"));
    MissesLabel->setToolTipText(QStringLiteral("Click here to see the region for misses."));
    CorrectRejectionLabel = cell("CorrectRejectionLabel", 6000, 4560, QStringLiteral("% &CR"));
    Misses = cell("Misses", 4920, 4800, QStringLiteral("3"));
    CR = cell("CR", 6000, 4800, QStringLiteral("4"));

    dpvalue->setTabIndex(0);
    BetaValue->setTabIndex(1);
    picPlotArea->setTabIndex(2);
    hscDPrime->setTabIndex(3);
    hscBeta->setTabIndex(4);
    txtSigNoise->setTabIndex(5);

    on(hscDPrime, &ScrollBar::Change, this, &FrmSTDBasic::hscDPrime_Change);
    on(hscDPrime, &ScrollBar::Scroll, this, &FrmSTDBasic::hscDPrime_Scroll);
    on(hscBeta, &ScrollBar::Change, this, &FrmSTDBasic::hscBeta_Change);
    on(hscBeta, &ScrollBar::Scroll, this, &FrmSTDBasic::hscBeta_Scroll);
    on(dpvalue, &TextBox::KeyPress, this, &FrmSTDBasic::dpvalue_KeyPress);
    on(BetaValue, &TextBox::KeyPress, this, &FrmSTDBasic::BetaValue_KeyPress);
    on(HitsLabel, &Label::Click, this, &FrmSTDBasic::HitsLabel_Click);
    on(FalseAlarmLabel, &Label::Click, this, &FrmSTDBasic::FalseAlarmLabel_Click);
    on(MissesLabel, &Label::Click, this, &FrmSTDBasic::MissesLabel_Click);
    on(CorrectRejectionLabel, &Label::Click, this, &FrmSTDBasic::CorrectRejectionLabel_Click);
}

void FrmSTDBasic::Form_Load()
{
    FillTailTable();
    picPlotArea->setDrawWidth(2);
    DPrime = 1;
    dpvalue->setText(QStringLiteral("1"));
    dpvalue->setSelStart(int(dpvalue->Text().size()));
    BetaValue->setText(QStringLiteral("3"));
    BetaValue->setSelStart(int(BetaValue->Text().size()));
    UpdatePercentages();
    RedrawPlot();
    // The window opens with the caret in the d' box, first in tab order.
    dpvalue->setFocus();
}

// ---------------------------------------------------------------------------
// Reading the boxes. A box may hold anything while the student is typing.
// Text that is not a number (empty, "abc", a lone "-", one too large for
// any number) does not move anything: the criterion stays where it was last
// read, and d' is the d' of the curves on the plot.

double FrmSTDBasic::criterion()
{
    try {
        Criterion = CDbl(BetaValue->Text());
    } catch (const RuntimeError &) {
    }
    return Criterion;
}

double FrmSTDBasic::dPrimeForPercentages() const
{
    try {
        return CDbl(dpvalue->Text());
    } catch (const RuntimeError &) {
        return DPrime;
    }
}

// ---------------------------------------------------------------------------

void FrmSTDBasic::UpdatePercentages()
{
    const double c = criterion();
    const double d = dPrimeForPercentages();
    Hits->setCaption(CStr(int(TailPercent(c - (d + NoiseMean), true))));
    FalseAlarms->setCaption(CStr(int(TailPercent(c - NoiseMean, true))));
    Misses->setCaption(CStr(int(TailPercent(c - (d + NoiseMean), false))));
    CR->setCaption(CStr(int(TailPercent(c - NoiseMean, false))));
}

void FrmSTDBasic::RedrawPlot()
{
    const double W = picPlotArea->Width();
    const double H = picPlotArea->Height();
    const double c = criterion();

    picPlotArea->Cls();
    DrawNormalCurve(NoiseMean, 1, *picPlotArea, 255, 0, 0);
    DrawNormalCurve(DPrime + NoiseMean, 1, *picPlotArea, 0, 255, 255);
    // The criterion line is drawn after the curves so it stays visible.
    const double x = c * W / 12;
    picPlotArea->Line(x, 0, x, H, RGB(255, 125, 0));

    // The caption stands right of the signal-plus-noise peak, or left of it
    // when the peak is too near the right edge.
    const double peak = (DPrime + NoiseMean) * W / 12;
    double p = peak + 520;
    if (p > W)
        p = peak - 520;
    txtSigNoise->setForeColor(RGB(255, 255, 0));
    txtSigNoise->setLeft(std::clamp(p, -CaptionReach, CaptionReach));

    for (Region region : {Region::Hits, Region::FalseAlarms, Region::Misses, Region::CorrectRejections}) {
        if (caption(region)->Appearance() == 1)
            hatch(region, c);
    }
}

void FrmSTDBasic::hatch(Region region, double c)
{
    const RegionLook &look = Looks[std::size_t(region)];
    double start = c + look.start; // becomes an x position: keep c itself
    ShadeNormalTail(look.signal ? DPrime + NoiseMean : NoiseMean, 1, start, look.rightSide,
                    *picPlotArea, look.red, look.green, look.blue);
}

Label *FrmSTDBasic::caption(Region region) const
{
    switch (region) {
    case Region::Hits: return HitsLabel;
    case Region::FalseAlarms: return FalseAlarmLabel;
    case Region::Misses: return MissesLabel;
    case Region::CorrectRejections: break;
    }
    return CorrectRejectionLabel;
}

// ---------------------------------------------------------------------------
// Scroll bars: dragging only writes the value into its box; the plot and
// the percentages follow when the thumb is released.

void FrmSTDBasic::hscDPrime_Change()
{
    dpvalue->setText(CStr(hscDPrime->Value() / 20.0));
    DPrime = CDbl(dpvalue->Text());
    UpdatePercentages();
    RedrawPlot();
}

void FrmSTDBasic::hscDPrime_Scroll()
{
    dpvalue->setText(CStr(hscDPrime->Value() / 20.0));
    DPrime = CDbl(dpvalue->Text());
}

void FrmSTDBasic::hscBeta_Change()
{
    BetaValue->setText(CStr(hscBeta->Value() / 20.0));
    UpdatePercentages();
    RedrawPlot();
}

void FrmSTDBasic::hscBeta_Scroll() { BetaValue->setText(CStr(hscBeta->Value() / 20.0)); }

// ---------------------------------------------------------------------------
// Enter in a box takes the number it starts with ("4.2x" gives 4.2, text
// without one gives 0). A number too large for any number keeps the value
// in use.

void FrmSTDBasic::dpvalue_KeyPress(int &KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    try {
        DPrime = Val(dpvalue->Text());
    } catch (const RuntimeError &) {
    }
    if (DPrime < 0)
        DPrime = 0;
    dpvalue->setText(CStr(DPrime));
    dpvalue->setSelStart(int(dpvalue->Text().size()));
    UpdatePercentages();
    RedrawPlot();
}

void FrmSTDBasic::BetaValue_KeyPress(int &KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    double c = Criterion;
    try {
        c = Val(BetaValue->Text());
    } catch (const RuntimeError &) {
    }
    BetaValue->setText(CStr(c)); // a negative criterion stays negative
    try {
        DPrime = Val(dpvalue->Text()); // the box itself stays as typed
    } catch (const RuntimeError &) {
    }
    BetaValue->setSelStart(int(BetaValue->Text().size()));
    UpdatePercentages();
    RedrawPlot();
}

// ---------------------------------------------------------------------------
// A region caption switches its hatching on and off; its border shows
// which (three-dimensional when on).

void FrmSTDBasic::regionCaption_Click(Region region)
{
    Label *label = caption(region);
    if (label->Appearance() == 1) {
        // The caption keeps its colour; the plot is drawn again without
        // this region's lines.
        label->setAppearance(0);
        RedrawPlot();
        return;
    }
    const RegionLook &look = Looks[std::size_t(region)];
    label->setAppearance(1);
    label->setBackColor(RGB(look.red, look.green, look.blue));
    hatch(region, criterion());
}

void FrmSTDBasic::HitsLabel_Click() { regionCaption_Click(Region::Hits); }
void FrmSTDBasic::FalseAlarmLabel_Click() { regionCaption_Click(Region::FalseAlarms); }
void FrmSTDBasic::MissesLabel_Click() { regionCaption_Click(Region::Misses); }
void FrmSTDBasic::CorrectRejectionLabel_Click() { regionCaption_Click(Region::CorrectRejections); }
