#include "frmsfchannels.h"

#include "plotting/modcorvane.h"
#include "plotting/moddrawnormal.h"

#include <cmath>

using namespace forms;
using modDrawNormal::DrawScaledNormal;
using modDrawNormal::NormalDensity;

namespace {
// The three channels over the log-frequency axis (0 to 12 across the
// plot): peaks, a common spread, and the weights of the outer two.
constexpr double PeakA = 3, PeakB = 6, PeakC = 9;
constexpr double Sd = 1.6;
constexpr double WeightA = 0.65 / 0.7;
constexpr double WeightC = 0.6 / 0.7;
// Adaptation cuts channel B to a third.
constexpr double AdaptedB = 1.0 / 3.0;
// The curves are drawn a little lower than the unit height.
constexpr double CurveScale = 0.8;
// The bars grow upward from this line.
constexpr double BarBase = 6040;
// The apparent frequency is searched in these steps.
constexpr double SearchStep = 0.01;

const QString AdaptCaption = QStringLiteral("Adapt");
const QString RestoreCaption = QStringLiteral("Restore");
} // namespace

FrmSFChannels::FrmSFChannels()
    : Form({.name = QStringLiteral("frmSFChannels"),
            .caption = QStringLiteral("Spatial Frequency Channels"),
            .clientWidth = 7995,
            .clientHeight = 6450,
            .border = Border::Sizable})
{
}

void FrmSFChannels::createControls()
{
    const auto label = [this](const QString &name, double left, double top, double width, double height,
                              const QString &caption, int alignment = Label::LeftJustify) {
        auto *l = add<Label>(this, name, left, top, width, height);
        l->setCaption(caption);
        l->setAlignment(alignment);
        return l;
    };
    const auto whiteBox = [this](const QString &name, double left, double top, double width, double height) {
        auto *box = add<PictureBox>(this, name, left, top, width, height);
        box->setBackColor(SystemColor::WindowBackground);
        box->setForeColor(SystemColor::WindowText);
        box->setAutoRedraw(true);
        return box;
    };
    // A coloured caption on white, its colour the one of its marker.
    const auto markerLabel = [&](const QString &name, double top, const QString &caption, OleColor colour) {
        auto *l = label(name, 120, top, 2535, 255, caption);
        l->setForeColor(colour);
        l->setBackColor(0xFFFFFF);
        return l;
    };
    const auto bar = [this](const QString &name, double left, OleColor colour) {
        auto *box = add<PictureBox>(this, name, left, 5040, 135, 1000);
        box->setBackColor(colour);
        return box;
    };

    Label4 = label(QStringLiteral("Label4"), 1080, 120, 255, 255, QStringLiteral("A"));
    Label5 = label(QStringLiteral("Label5"), 1920, 120, 255, 255, QStringLiteral("B"), Label::Center);
    Label6 = label(QStringLiteral("Label6"), 2760, 120, 255, 255, QStringLiteral("C"), Label::RightJustify);
    picChannels = whiteBox(QStringLiteral("picChannels"), 240, 360, 3615, 3375);
    hscSF = add<HScrollBar>(this, QStringLiteral("hscSF"), 240, 3840, 3615, 255);
    hscSF->setRange(1, 120);
    hscSF->setSmallChange(1);
    hscSF->setLargeChange(10);
    hscSF->setValue(1);
    Label1 = label(QStringLiteral("Label1"), 1080, 4200, 1935, 255, QStringLiteral("Log Spatial Frequency"),
                   Label::Center);
    lblInput = markerLabel(QStringLiteral("lblInput"), 4440, QStringLiteral("Grating Spatial Frequency"), 0x00FF00);
    lblAdaptSF = markerLabel(QStringLiteral("lblAdaptSF"), 4680, QStringLiteral("Spatial Frequency it Appears"),
                             0x0000FF);
    lblAdaptSF->setVisible(false);
    lblAdaptedSF = markerLabel(QStringLiteral("lblAdaptedSF"), 4920, QStringLiteral("Spatial Frequency Adapted to"),
                               0xFF00FF);
    lblAdaptedSF->setVisible(false);
    Label2 = label(QStringLiteral("Label2"), 2760, 4440, 1455, 495, QStringLiteral("Relative Firing Rates"),
                   Label::Center);
    picAact = bar(QStringLiteral("picAact"), 3000, 0x0080FF);
    picBact = bar(QStringLiteral("picBact"), 3360, 0xFF0000);
    picCact = bar(QStringLiteral("picCact"), 3720, 0x808000);
    Label3 = label(QStringLiteral("Label3"), 3000, 6120, 255, 255, QStringLiteral("A:"));
    Label7 = label(QStringLiteral("Label7"), 3360, 6120, 255, 255, QStringLiteral("B:"));
    Label8 = label(QStringLiteral("Label8"), 3720, 6120, 255, 255, QStringLiteral("C:"));
    cmdAdapt = add<CommandButton>(this, QStringLiteral("cmdAdapt"), 5640, 120, 1095, 255);
    cmdAdapt->setCaption(AdaptCaption);
    picGrating = whiteBox(QStringLiteral("picGrating"), 4320, 480, 3615, 2535);
    lblUnadapt = label(QStringLiteral("lblUnadapt"), 5160, 3120, 2055, 255, QStringLiteral("Unadapted or Input Grating"));
    lblUnadapt->setVisible(false);
    picAdapt = whiteBox(QStringLiteral("picAdapt"), 4320, 3480, 3615, 2535);
    picAdapt->setVisible(false);
    lblAdapt = label(QStringLiteral("lblAdapt"), 4920, 6120, 2535, 255, QStringLiteral("Adapted Appearance of Grating"),
                     Label::Center);
    lblAdapt->setVisible(false);

    on(hscSF, &ScrollBar::Change, this, &FrmSFChannels::hscSF_Change);
    on(hscSF, &ScrollBar::Scroll, this, &FrmSFChannels::hscSF_Scroll);
    on(cmdAdapt, &CommandButton::Click, this, &FrmSFChannels::cmdAdapt_Click);
}

void FrmSFChannels::Form_Load()
{
    // The bar starts at 1, but the first grating has exactly one cycle.
    modCorvane::DrawGrating(*picGrating, 1, 1);
    UpdateChannels();
}

void FrmSFChannels::hscSF_Change()
{
    modCorvane::DrawGrating(*picGrating, std::pow(2.0, hscSF->Value() / 20.0), 1);
    UpdateChannels();
}

void FrmSFChannels::hscSF_Scroll() { hscSF_Change(); }

bool FrmSFChannels::adapted() const
{
    return cmdAdapt->Caption() != AdaptCaption;
}

void FrmSFChannels::cmdAdapt_Click()
{
    const bool adapting = !adapted();
    cmdAdapt->setCaption(adapting ? RestoreCaption : AdaptCaption);
    for (Control *control : std::initializer_list<Control *>{lblUnadapt, picAdapt, lblAdapt, lblAdaptSF,
                                                             lblAdaptedSF})
        control->setVisible(adapting);
    lblInput->setCaption(adapting ? QStringLiteral("Input Grating Spatial Frequency")
                                  : QStringLiteral("Grating Spatial Frequency"));
    UpdateChannels();
}

void FrmSFChannels::UpdateChannels()
{
    const bool isAdapted = adapted();
    const double z = (hscSF->Value() - 1) / 10.0;
    const double W = picChannels->Width();
    const double H = picChannels->Height();
    picChannels->Cls();

    picChannels->setForeColor(RGB(256, 128, 0)); // orange: red 256 counts as 255
    DrawScaledNormal(PeakA, Sd, *picChannels, WeightA * CurveScale);
    picChannels->setForeColor(RGB(0, 128, 128));
    DrawScaledNormal(PeakC, Sd, *picChannels, WeightC * CurveScale);
    // Adapted, B's own curve fades to light grey behind its lowered one.
    picChannels->setForeColor(isAdapted ? RGB(225, 225, 225) : RGB(0, 0, 0));
    DrawScaledNormal(PeakB, Sd, *picChannels, CurveScale);
    if (isAdapted) {
        picChannels->setForeColor(RGB(0, 0, 255));
        DrawScaledNormal(PeakB, Sd, *picChannels, AdaptedB * CurveScale);
    }

    const double x = std::min(double(CSng(W / 12.0)) * z, W);
    picChannels->setForeColor(RGB(0, 255, 0));
    picChannels->Line(x, 0, x, H);
    picChannels->setForeColor(RGB(0, 0, 0));

    const double rA = NormalDensity(PeakA, Sd, z) * WeightA;
    double rB = NormalDensity(PeakB, Sd, z);
    const double rC = NormalDensity(PeakC, Sd, z) * WeightC;
    if (isAdapted)
        rB = rB * AdaptedB;
    double m = rA;
    if (rB > m)
        m = rB;
    if (rC > m)
        m = rC;

    // The strongest channel's bar is 1000 twips tall; the tags keep the
    // rates, to three decimals, for the adapted reading below.
    picAact->setTag(CStr(Round(rA / m, 3) * 1000.0));
    picAact->setHeight(CDbl(picAact->Tag()));
    picAact->setTop(BarBase - picAact->Height());
    picBact->setTag(CStr(Round(rB / m, 3) * 1000.0));
    picBact->setHeight(CDbl(picBact->Tag()));
    picBact->setTop(BarBase - rB * 1000.0 / m);
    picCact->setTag(CStr(Round(rC / m, 3) * 1000.0));
    picCact->setHeight(CDbl(picCact->Tag()));
    picCact->setTop(BarBase - rC * 1000.0 / m);

    if (isAdapted)
        ShowAdaptedAppearance();
}

// The unadapted system reads frequency from the ratio of B to its
// neighbour. The adapted bars give a smaller ratio, which the unadapted
// system would have seen further from the adapting frequency: walking out
// from 6 until the unadapted ratio falls to the adapted one finds where
// the grating appears to lie.
void FrmSFChannels::ShowAdaptedAppearance()
{
    const int v = hscSF->Value();
    const double z = (v - 1) / 10.0;
    const double a = CDbl(picAact->Tag());
    const double b = CDbl(picBact->Tag());
    const double c = CDbl(picCact->Tag());
    const auto search = [&](double neighbourPeak, double neighbourWeight, double neighbourRate, double step) {
        const double R = Div(b, neighbourRate);
        if (R == 0)
            return z;
        double zApparent = PeakB;
        double q;
        do {
            zApparent = zApparent + step;
            q = NormalDensity(PeakB, Sd, zApparent) / (NormalDensity(neighbourPeak, Sd, zApparent) * neighbourWeight);
        } while (!(q <= R));
        return zApparent;
    };
    double zApparent = PeakB;
    if (v > 61)
        zApparent = search(PeakC, WeightC, c, SearchStep);
    else if (v < 61)
        zApparent = search(PeakA, WeightA, a, -SearchStep);

    modCorvane::DrawGrating(*picAdapt, std::pow(2.0, zApparent / 2.0 + 0.25), 1);

    const double W = picChannels->Width();
    const double H = picChannels->Height();
    // Below 0 the marker falls outside the box on its own.
    const double xApparent = std::min(W * zApparent / 12.0, W);
    picChannels->setForeColor(RGB(255, 0, 0));
    picChannels->Line(xApparent, 0, xApparent, H);
    picChannels->setForeColor(RGB(255, 0, 255));
    picChannels->Line(W / 2, 0, W / 2, H);
    picChannels->setForeColor(RGB(0, 0, 0));
}
