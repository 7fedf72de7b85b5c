#include "frmfourier.h"

#include <cmath>

using namespace forms;

namespace {
constexpr int Harmonics = 16;
// Three periods of the fundamental across a box.
constexpr double ThreePeriods = 18.8495559;
// The sum is drawn every 10 twips, finer than a screen pixel.
constexpr double Step = 10;
// Amplitude units: 1000 swings the trace by 0.45 of a box height and the
// grating's grey by 62.5 around its mean 162.5.
constexpr double TraceShare = 0.45;
constexpr double GreyPerUnit = 125.0 / 2000.0;
constexpr double MeanGrey = 162.5;
const QString NoRedraw = QStringLiteral("NO");

// The square wave's own amplitude of harmonic n = index + 1: 1000 / n for
// the odd harmonics, none for the even ones.
int squareWaveAmplitude(int index)
{
    return index % 2 == 0 ? CInt(1000.0 / (index + 1)) : 0;
}
} // namespace

FrmFourier::FrmFourier()
    : Form({.name = QStringLiteral("frmFourier"),
            .caption = QStringLiteral("Fourier Analysis"),
            .clientWidth = 9105,
            .clientHeight = 7650,
            .border = Border::Sizable,
            .startUp = StartUp::CenterOwner})
{
}

void FrmFourier::createControls()
{
    const struct { double left, top; } boxes[] = {{360, 120}, {4800, 120}, {360, 2520}, {4800, 2520}};
    for (int i = 0; i < 4; ++i) {
        PictureBox *box = addIndexed(picShow, this, i, boxes[i].left, boxes[i].top, 4000, 2175);
        box->setBackColor(SystemColor::WindowBackground);
        box->setForeColor(SystemColor::WindowText);
        box->setAutoRedraw(true);
    }

    // All the scroll bars first, then the three button rows, so that Tab
    // walks along the amplitudes before it reaches the buttons.
    for (int i = 0; i < Harmonics; ++i) {
        VScrollBar *bar = addIndexed(vscHarmonic, this, i, 2760 + 240 * i, 4800, 135, 1900);
        // The largest amplitude at the top.
        bar->setRange(1000, 0);
        bar->setSmallChange(2);
        bar->setLargeChange(100);
        bar->setValue(1000);
    }
    const auto buttonRow = [this](ControlArray<CommandButton> &row, double top, const QString &tip) {
        for (int i = 0; i < Harmonics; ++i) {
            CommandButton *button = addIndexed(row, this, i, 2760 + 240 * i, top, 135, 195);
            button->setToolTipText(tip.arg(i + 1));
        }
    };
    buttonRow(smdShow, 6720, QStringLiteral("Show harmonic %1 alone"));
    buttonRow(cmdAdd, 7080, QStringLiteral("Reset harmonic %1"));
    buttonRow(cmdZero, 7440, QStringLiteral("Set harmonic %1 to zero"));

    cmdReset = add<CommandButton>(this, QStringLiteral("cmdReset"), 6840, 6000, 1215, 255);
    cmdReset->setCaption(QStringLiteral("Reset All"));
    cmdZeroAll = add<CommandButton>(this, QStringLiteral("cmdZeroAll"), 6840, 6600, 1215, 255);
    cmdZeroAll->setCaption(QStringLiteral("Zero All"));

    // Narrow labels wrap one letter to a line down the side of a box.
    lblStandard = add<Label>(this, QStringLiteral("lblStandard"), 120, 240, 135, 2055);
    lblStandard->setCaption(QStringLiteral("S q u a r e w a v e"));
    Label3 = add<Label>(this, QStringLiteral("Label3"), 120, 2640, 135, 1455);
    Label3->setCaption(QStringLiteral("S u m"));
    Label1 = add<Label>(this, QStringLiteral("Label1"), 1200, 4800, 1215, 255);
    Label1->setCaption(QStringLiteral("Waveform"));
    Label2 = add<Label>(this, QStringLiteral("Label2"), 7080, 4800, 1575, 735);
    Label2->setCaption(QStringLiteral("The way the waveform looks as a grating."));
    lblHarmonics = add<Label>(this, QStringLiteral("lblHarmonics"), 1080, 5160, 1575, 1215);
    lblHarmonics->setCaption(QStringLiteral("The Contrast or Amplitude of the Different Sine Wave Components"));
    lblHarmonics->setAlignment(Label::RightJustify);
    lblHarmonics->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);
    const auto rowLabel = [this](const QString &name, double top, const QString &caption) {
        Label *label = add<Label>(this, name, 1800, top, 855, 255);
        label->setCaption(caption);
        label->setAlignment(Label::RightJustify);
        return label;
    };
    lblShow = rowLabel(QStringLiteral("lblShow"), 6720, QStringLiteral("Show Alone"));
    lblAdd = rowLabel(QStringLiteral("lblAdd"), 7080, QStringLiteral("Reset"));
    lblZero = rowLabel(QStringLiteral("lblZero"), 7440, QStringLiteral("Zero"));

    vscHarmonic.on(&ScrollBar::Change, this, &FrmFourier::vscHarmonic_Change);
    vscHarmonic.on(&ScrollBar::Scroll, this, &FrmFourier::vscHarmonic_Scroll);
    vscHarmonic.on(&ScrollBar::Validate, this, &FrmFourier::vscHarmonic_Validate);
    smdShow.on(&CommandButton::Click, this, &FrmFourier::smdShow_Click);
    cmdAdd.on(&CommandButton::Click, this, &FrmFourier::cmdAdd_Click);
    cmdZero.on(&CommandButton::Click, this, &FrmFourier::cmdZero_Click);
    on(cmdZeroAll, &CommandButton::Click, this, &FrmFourier::cmdZeroAll_Click);
    on(cmdReset, &CommandButton::Click, this, &FrmFourier::cmdReset_Click);
}

void FrmFourier::Form_Load()
{
    DrawStandardSquareWave();
    SetSquareWaveHarmonics();
    DrawHarmonicSum();
}

void FrmFourier::vscHarmonic_Change(int Index)
{
    if (vscHarmonic[Index]->Tag().isEmpty())
        DrawHarmonicSum();
}

// A dragged thumb redraws whatever the flag says: no handler holds the
// redraws while the user drags.
void FrmFourier::vscHarmonic_Scroll(int) { DrawHarmonicSum(); }

void FrmFourier::vscHarmonic_Validate(int, bool &) { DrawHarmonicSum(); }

void FrmFourier::smdShow_Click(int Index)
{
    holdRedraws(true);
    for (int i = 0; i < Harmonics; ++i) {
        if (i != Index)
            vscHarmonic[i]->setValue(0);
    }
    DrawHarmonicSum();
    holdRedraws(false);
}

void FrmFourier::cmdAdd_Click(int Index)
{
    holdRedraws(true);
    vscHarmonic[Index]->setValue(squareWaveAmplitude(Index));
    DrawHarmonicSum();
    holdRedraws(false);
}

// The bar's own Change redraws, so a harmonic already at zero redraws
// nothing.
void FrmFourier::cmdZero_Click(int Index) { vscHarmonic[Index]->setValue(0); }

void FrmFourier::cmdZeroAll_Click()
{
    for (int i = 0; i < Harmonics; ++i) {
        vscHarmonic[i]->setTag(NoRedraw);
        vscHarmonic[i]->setValue(0);
    }
    DrawHarmonicSum();
    holdRedraws(false);
}

void FrmFourier::cmdReset_Click()
{
    SetSquareWaveHarmonics();
    DrawHarmonicSum();
}

void FrmFourier::holdRedraws(bool hold)
{
    for (VScrollBar *bar : vscHarmonic.members())
        bar->setTag(hold ? NoRedraw : QString());
}

void FrmFourier::SetSquareWaveHarmonics()
{
    holdRedraws(true);
    for (int i = 0; i < Harmonics; ++i)
        vscHarmonic[i]->setValue(squareWaveAmplitude(i));
    holdRedraws(false);
}

// The reference is drawn once, half-period by half-period, a line every
// twip: the trace on box 0 and a bar of the grating on box 1. Box 1's
// colour says which half comes next, so the first half is light (its
// design colour is neither grey) and the halves alternate from there.
void FrmFourier::DrawStandardSquareWave()
{
    PictureBox &trace = *picShow[0];
    PictureBox &grating = *picShow[1];
    const float w = CSng(trace.Width() / 6.0); // half a period
    const double H0 = trace.Height();
    const double H1 = grating.Height();
    const OleColor light = RGB(225, 225, 225);
    const OleColor dark = RGB(100, 100, 100);
    // Seven halves: the seventh lies beyond the right edge and is clipped.
    for (int i = 0; i <= 6; ++i) {
        double y;
        if (grating.ForeColor() == light) {
            grating.setForeColor(dark);
            y = H0 * 0.95;
        } else {
            grating.setForeColor(light);
            y = H0 * 0.05;
        }
        for (int j = 1; j <= w; ++j) {
            const float x = float(j) + w * float(i);
            trace.LineTo(x, y);
            grating.Line(x, 0, x, H1);
        }
    }
}

const std::vector<double> &FrmFourier::harmonicSines(double boxWidth)
{
    if (boxWidth != sinesWidth) {
        const double k = ThreePeriods / boxWidth;
        sines.clear();
        for (long column = 0; Step * column <= boxWidth; ++column) {
            const double x = Step * column;
            for (int i = 0; i < Harmonics; ++i)
                sines.push_back(std::sin(k * x * (i + 1)));
        }
        sinesWidth = boxWidth;
    }
    return sines;
}

void FrmFourier::DrawHarmonicSum()
{
    PictureBox &trace = *picShow[2];
    PictureBox &grating = *picShow[3];
    trace.Cls();
    grating.Cls();
    const double W2 = trace.Width();
    const double H2 = trace.Height();
    const double H3 = grating.Height();
    const double a = picShow[1]->Height() * TraceShare / 1000.0;

    // Only the harmonics that are present add anything to a column.
    struct Term
    {
        int index;
        double trace, grey;
    };
    std::vector<Term> terms;
    for (int i = 0; i < Harmonics; ++i) {
        const int v = vscHarmonic[i]->Value();
        if (v != 0)
            terms.push_back({i, a * v, GreyPerUnit * v});
    }

    const std::vector<double> &s = harmonicSines(W2);
    for (long column = 0; Step * column <= W2; ++column) {
        const double x = Step * column;
        const double *sine = &s[std::size_t(column) * Harmonics];
        float y = CSng(H2 / 2);
        double g = MeanGrey;
        for (const Term &term : terms) {
            y = float(y + sine[term.index] * term.trace);
            g = g + sine[term.index] * term.grey;
        }
        // A positive sum plots above the mid-line; the first segment runs
        // from the top-left corner, where Cls left the current point.
        trace.LineTo(x, H2 - y);
        // Several harmonics raised high can take the grey beyond 0 to 255;
        // RGB takes it into that range.
        const int n = CInt(g);
        grating.setForeColor(RGB(n, n, n));
        grating.Line(x, 0, x, H3);
    }
}
