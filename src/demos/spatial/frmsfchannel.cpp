#include "frmsfchannel.h"

#include "plotting/modcorvane.h"
#include "plotting/moddrawnormal.h"

#include <cmath>

using namespace forms;
using modDrawNormal::NormalDensity;

namespace {
// The channel: a bell over the log-frequency axis (0 to 12 across the
// plot) peaking at 6.
constexpr double ChannelPeak = 6;
constexpr double ChannelSd = 3;
constexpr double StandardContrast = 0.5;
// The firing-rate bars grow upward from this line.
constexpr double BarBase = 2800;

// Where the comparison sits on the log-frequency axis.
double comparisonPosition(int v) { return (v - 1) / 10.0; }
} // namespace

FrmSFChannel::FrmSFChannel()
    : Form({.name = QStringLiteral("frmSFChannel"),
            .caption = QStringLiteral("A Single Spatial Frequency Channel"),
            .clientWidth = 7995,
            .clientHeight = 6450,
            .border = Border::Sizable})
{
}

void FrmSFChannel::createControls()
{
    const auto whiteBox = [this](const QString &name, double left, double top, double width, double height) {
        auto *box = add<PictureBox>(this, name, left, top, width, height);
        box->setBackColor(SystemColor::WindowBackground);
        box->setForeColor(SystemColor::WindowText);
        box->setAutoRedraw(true);
        return box;
    };
    picChannel = whiteBox(QStringLiteral("picChannel"), 240, 0, 2895, 2415);

    Label1 = add<Label>(this, QStringLiteral("Label1"), 480, 2520, 1935, 255);
    Label1->setCaption(QStringLiteral("Log Spatial Frequency"));
    Label1->setAlignment(Label::Center);
    Label3 = add<Label>(this, QStringLiteral("Label3"), 3360, 360, 1095, 255);
    Label3->setCaption(QStringLiteral("Standard"));
    Label3->setBackColor(SystemColor::WindowBackground);
    Label4 = add<Label>(this, QStringLiteral("Label4"), 3360, 600, 1095, 255);
    Label4->setCaption(QStringLiteral("Comparison"));
    Label4->setBackColor(SystemColor::WindowBackground);
    Label4->setForeColor(0xFFFF00);
    Label4->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);
    Label2 = add<Label>(this, QStringLiteral("Label2"), 3360, 1560, 1215, 255);
    Label2->setCaption(QStringLiteral("Firing Rate"));
    Label2->setAlignment(Label::Center);

    // The standard's bar black, the comparison's cyan like its label.
    addIndexed(picAct, this, 0, 3480, 1800, 135, 1000);
    picAct[0]->setBackColor(0x000000);
    addIndexed(picAct, this, 1, 4200, 1800, 135, 1000);
    picAct[1]->setBackColor(0xFFFF00);

    cmdReset = add<CommandButton>(this, QStringLiteral("cmdReset"), 5040, 480, 975, 255);
    cmdReset->setCaption(QStringLiteral("Reset"));
    lblMatch = add<Label>(this, QStringLiteral("lblMatch"), 5280, 2040, 1575, 495);
    lblMatch->setCaption(QStringLiteral("Match"));
    lblMatch->setForeColor(0x0000FF);
    lblMatch->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);

    picStandard = whiteBox(QStringLiteral("picStandard"), 240, 2880, 3615, 2535);
    picComparison = whiteBox(QStringLiteral("picComparison"), 3960, 2880, 3615, 2535);

    hscSF = add<HScrollBar>(this, QStringLiteral("hscSF"), 3960, 5520, 3615, 255);
    hscSF->setRange(1, 120);
    hscSF->setSmallChange(1);
    hscSF->setLargeChange(10);
    hscSF->setValue(1);
    // Full contrast at the top.
    vscContrast = add<VScrollBar>(this, QStringLiteral("vscContrast"), 7680, 2880, 255, 2535);
    vscContrast->setRange(100, 0);
    vscContrast->setSmallChange(1);
    vscContrast->setLargeChange(10);
    vscContrast->setValue(100);

    on(cmdReset, &CommandButton::Click, this, &FrmSFChannel::cmdReset_Click);
    on(hscSF, &ScrollBar::Change, this, &FrmSFChannel::hscSF_Change);
    on(hscSF, &ScrollBar::Scroll, this, &FrmSFChannel::hscSF_Scroll);
    on(vscContrast, &ScrollBar::Change, this, &FrmSFChannel::vscContrast_Change);
    on(vscContrast, &ScrollBar::Scroll, this, &FrmSFChannel::vscContrast_Scroll);
}

void FrmSFChannel::Form_Load()
{
    Randomize();
    cmdReset_Click();
}

// A new standard of random frequency, and a new random comparison
// frequency to start the search from.
void FrmSFChannel::cmdReset_Click()
{
    const float T = Rnd() * 12.0f + 1.0f; // 1 up to 13
    picStandard->setTag(CStr(T));
    modCorvane::DrawGrating(*picStandard, std::pow(2.0, double(T) / 2.0), StandardContrast);

    const float draw = Rnd() * 120.0f + 1.0f;
    const int v = std::min<int>(CInt(draw), 120);
    // An unchanged value raises no Change; the display must still show the
    // new standard.
    if (v == hscSF->Value())
        hscSF_Change();
    else
        hscSF->setValue(v);
}

void FrmSFChannel::hscSF_Change()
{
    const int v = hscSF->Value();
    modCorvane::DrawGrating(*picComparison, std::pow(2.0, v / 20.0), vscContrast->Value() / 100.0);
    UpdateChannelResponse();
}

void FrmSFChannel::hscSF_Scroll() { hscSF_Change(); }
void FrmSFChannel::vscContrast_Change() { hscSF_Change(); }
void FrmSFChannel::vscContrast_Scroll() { hscSF_Change(); }

void FrmSFChannel::UpdateChannelResponse()
{
    const double zc = comparisonPosition(hscSF->Value());
    const double W = picChannel->Width();
    const double H = picChannel->Height();
    const double unit = CSng(W / 12.0);
    picChannel->Cls();

    picChannel->setForeColor(RGB(256, 128, 0)); // orange: red 256 counts as 255
    modDrawNormal::DrawScaledNormal(ChannelPeak, ChannelSd, *picChannel, 1);

    // The markers: the standard in black (beyond the right edge for T above
    // 12), the comparison in cyan.
    const double T = CDbl(picStandard->Tag());
    const double xs = T * unit;
    picChannel->setForeColor(RGB(0, 0, 0));
    picChannel->Line(xs, 0, xs, H);
    const double xc = std::min(unit * zc, W);
    picChannel->setForeColor(RGB(0, 255, 255));
    picChannel->Line(xc, 0, xc, H);
    picChannel->setForeColor(RGB(0, 0, 0));

    // Each bar shows its rate as a share of the channel's peak sensitivity,
    // to two decimals, 1000 twips for the whole peak.
    const double rc = NormalDensity(ChannelPeak, ChannelSd, zc) * (vscContrast->Value() / 100.0);
    const double rs = NormalDensity(ChannelPeak, ChannelSd, T) * StandardContrast;
    const double peak = NormalDensity(ChannelPeak, ChannelSd, ChannelPeak);
    const double rates[] = {rs, rc};
    for (int i = 0; i < 2; ++i) {
        picAct[i]->setHeight(Round(rates[i] / peak, 2) * 1000.0);
        picAct[i]->setTop(BarBase - picAct[i]->Height());
    }
    // Heights are kept exactly as set, so equal heights are equal rounded
    // rates.
    lblMatch->setVisible(picAct[0]->Height() == picAct[1]->Height());
}
