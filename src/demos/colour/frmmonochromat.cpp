#include "frmmonochromat.h"

#include "plotting/moddrawnormal.h"

using namespace forms;
using namespace modDrawNormal;

namespace {
// The cone's sensitivity: a normal curve over the 400 to 750 nm axis,
// mapped onto 12 units, peaking at 575 nm.
constexpr double Mean = 6;
constexpr double Sd = 3;
constexpr double ShortestNm = 400;
constexpr double SpanNm = 350;
constexpr OleColor Red = 0x0000FF;

OleColor grey(const Label *absorbed)
{
    const qint16 n = CIntText(absorbed->Caption());
    return RGB(n, n, n);
}
} // namespace

FrmMonoChromat::FrmMonoChromat()
    : Form({.name = QStringLiteral("frmMonoChromat"),
            .caption = QStringLiteral("Color Matching in a Monochromat"),
            .clientWidth = 7410,
            .clientHeight = 6060,
            .border = Border::Sizable})
{
}

void FrmMonoChromat::createControls()
{
    const auto label = [this](const QString &name, double left, double top, double width, double height,
                              const QString &caption) {
        Label *l = add<Label>(this, name, left, top, width, height);
        l->setCaption(caption);
        return l;
    };
    const auto circle = [this](const QString &name, double left) {
        Shape *s = add<Shape>(this, name, left, 120, 1215, 975);
        s->setShapeKind(Shape::Circle);
        s->setBackStyle(1);
        return s;
    };
    const auto plot = [this](const QString &name, double left) {
        PictureBox *p = add<PictureBox>(this, name, left, 1200, 2655, 2295);
        p->setAutoRedraw(true);
        p->setBackColor(SystemColor::WindowBackground);
        p->setForeColor(SystemColor::WindowText);
        return p;
    };

    cirStandard = circle(QStringLiteral("cirStandard"), 960);
    cirComparison = circle(QStringLiteral("cirComparison"), 5040);
    picStandard = plot(QStringLiteral("picStandard"), 240);
    picComparison = plot(QStringLiteral("picComparison"), 4320);

    // The axes: 0 to 100 percent up the side (the digits of 100 stacked
    // by the narrow label), 400 to 750 nm along the bottom.
    label(QStringLiteral("Label1"), 120, 960, 135, 615, QStringLiteral("1 0 0"));
    label(QStringLiteral("Label2"), 120, 3360, 135, 255, QStringLiteral("0"));
    label(QStringLiteral("Label5"), 4200, 960, 135, 615, QStringLiteral("1 0 0"));
    label(QStringLiteral("Label6"), 4200, 3360, 135, 255, QStringLiteral("0"));
    label(QStringLiteral("Label3"), 240, 3600, 375, 255, QStringLiteral("400"));
    label(QStringLiteral("Label4"), 2520, 3600, 375, 255, QStringLiteral("750"));
    label(QStringLiteral("Label7"), 4320, 3600, 375, 255, QStringLiteral("400"));
    label(QStringLiteral("Label8"), 6600, 3600, 375, 255, QStringLiteral("750"));

    HScroll1 = add<HScrollBar>(this, QStringLiteral("HScroll1"), 4320, 3840, 2655, 255);
    HScroll1->setRange(400, 750);
    HScroll1->setSmallChange(1);
    HScroll1->setLargeChange(25);
    HScroll1->setValue(400);
    // The brightest intensity at the top: Min 500, Max 0.
    VScroll1 = add<VScrollBar>(this, QStringLiteral("VScroll1"), 7080, 1080, 255, 2415);
    VScroll1->setRange(500, 0);
    VScroll1->setSmallChange(1);
    VScroll1->setLargeChange(10);
    VScroll1->setValue(255);

    label(QStringLiteral("Label9"), 840, 3840, 1335, 255, QStringLiteral("Wavelength"))
        ->setAlignment(Label::Center);
    label(QStringLiteral("Label17"), 1320, 4080, 135, 135, QStringLiteral("="));
    lblStandard = label(QStringLiteral("lblStandard"), 1440, 4080, 495, 255, QStringLiteral("Label18"));
    label(QStringLiteral("Label10"), 5040, 4200, 1335, 255, QStringLiteral("Wavelength"))
        ->setAlignment(Label::Center);
    label(QStringLiteral("Label18"), 5520, 4440, 135, 135, QStringLiteral("="));
    lblComparison = label(QStringLiteral("lblComparison"), 5640, 4440, 495, 255, QStringLiteral("Label18"));

    // One table per light: the row titles, a rule above the last row, and
    // the values in red.
    for (int i = 0; i < 2; ++i) {
        const double left = i == 0 ? 240 : 4320;
        const int first = i == 0 ? 11 : 14;
        label(QStringLiteral("Label%1").arg(first), left, 4800, 1335, 255, QStringLiteral("Input Intensity"));
        label(QStringLiteral("Label%1").arg(first + 1), left, 5160, 1335, 255, QStringLiteral("% Absorbed"));
        label(QStringLiteral("Label%1").arg(first + 2), left, 5640, 1455, 255, QStringLiteral("Number Absorbed"));
        addLine(this, QStringLiteral("Line%1").arg(i + 1), left, 5520, left + 2040, 5520);

        const double valueLeft = i == 0 ? 1680 : 5760;
        const auto value = [&](ControlArray<Label> &array, double top) {
            Label *l = addIndexed(array, this, i, valueLeft, top, 615, 255);
            l->setCaption(QStringLiteral("Label17"));
            l->setForeColor(Red);
            l->setAlignment(Label::RightJustify);
        };
        value(lblInput, 4800);
        value(lblPercent, 5160);
        value(lblAbsorbed, 5640);
    }

    cmdReset = add<CommandButton>(this, QStringLiteral("cmdReset"), 3000, 4920, 975, 255);
    cmdReset->setCaption(QStringLiteral("Reset"));

    lblMatch = label(QStringLiteral("lblMatch"), 2880, 5400, 1215, 495, QStringLiteral("Match"));
    lblMatch->setAlignment(Label::Center);
    lblMatch->setForeColor(Red);
    lblMatch->setBackColor(SystemColor::ButtonText);
    lblMatch->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);

    on(cmdReset, &CommandButton::Click, this, &FrmMonoChromat::cmdReset_Click);
    on(HScroll1, &ScrollBar::Change, this, &FrmMonoChromat::HScroll1_Change);
    on(HScroll1, &ScrollBar::Scroll, this, &FrmMonoChromat::HScroll1_Scroll);
    on(VScroll1, &ScrollBar::Change, this, &FrmMonoChromat::VScroll1_Change);
    on(VScroll1, &ScrollBar::Scroll, this, &FrmMonoChromat::VScroll1_Scroll);
    on(picComparison, &PictureBox::MouseDown, this, &FrmMonoChromat::picComparison_MouseDown);
    on(picComparison, &PictureBox::MouseMove, this, &FrmMonoChromat::picComparison_MouseMove);
}

void FrmMonoChromat::Form_Load()
{
    Randomize();
    // The curve's peak height, against which every percentage is taken.
    const QString peak = CStr(NormalDensity(Mean, Sd, Mean));
    picStandard->setTag(peak);
    picComparison->setTag(peak);
    cmdReset_Click();
}

double FrmMonoChromat::markerAt(double wavelength) const
{
    // Both plots have the standard's size.
    return (wavelength - ShortestNm) / SpanNm * picStandard->Width();
}

double FrmMonoChromat::percentAbsorbed(const PictureBox *plot, double wavelength) const
{
    const float scale = CSng(12.0 / plot->Width());
    const double x = double(scale) * markerAt(wavelength);
    return Round(100.0 * NormalDensity(Mean, Sd, x) / CDbl(plot->Tag()));
}

void FrmMonoChromat::showAbsorption(int i, const PictureBox *plot, double wavelength, Shape *patch)
{
    lblPercent[i]->setCaption(CStr(percentAbsorbed(plot, wavelength)));
    // What the student reads is what is multiplied: the captions.
    const double absorbed = CDbl(lblInput[i]->Caption()) * CDbl(lblPercent[i]->Caption()) / 100.0;
    lblAbsorbed[i]->setCaption(CStr(Round(absorbed)));
    patch->setBackColor(grey(lblAbsorbed[i]));
}

void FrmMonoChromat::cmdReset_Click()
{
    picStandard->Cls();
    lblStandard->setCaption(CStr(Round(Rnd() * float(SpanNm) + float(ShortestNm))));
    // A new comparison wavelength redraws the comparison at once.
    HScroll1->setValue(CInt(Rnd() * float(SpanNm) + float(ShortestNm)));

    const double standard = CDbl(lblStandard->Caption());
    const double m = markerAt(standard);
    picStandard->Line(m, 0, m, picStandard->Height());
    DrawScaledNormal(Mean, Sd, *picStandard, 1);

    lblInput[0]->setCaption(QStringLiteral("175"));
    showAbsorption(0, picStandard, standard, cirStandard);
    UpdateComparison();
}

void FrmMonoChromat::UpdateComparison()
{
    picComparison->Cls();
    // The curve goes in the plot's pen (black after the first update),
    // then the cyan marker over it.
    DrawScaledNormal(Mean, Sd, *picComparison, 1);
    picComparison->setForeColor(RGB(0, 255, 255));
    const double m = markerAt(HScroll1->Value());
    picComparison->Line(m, 0, m, picComparison->Height());
    picComparison->setForeColor(RGB(0, 0, 0));

    lblComparison->setCaption(CStr(HScroll1->Value()));
    lblInput[1]->setCaption(CStr(VScroll1->Value()));
    showAbsorption(1, picComparison, HScroll1->Value(), cirComparison);

    lblMatch->setVisible(lblAbsorbed[1]->Caption() == lblAbsorbed[0]->Caption());
}

void FrmMonoChromat::HScroll1_Change() { UpdateComparison(); }
void FrmMonoChromat::HScroll1_Scroll() { UpdateComparison(); }
void FrmMonoChromat::VScroll1_Change() { UpdateComparison(); }
void FrmMonoChromat::VScroll1_Scroll() { UpdateComparison(); }

void FrmMonoChromat::picComparison_MouseDown(int Button, int, double X, double)
{
    // The left button alone picks the wavelength under the pointer.
    if (Button != 1)
        return;
    try {
        HScroll1->setValue(CInt(X / picComparison->Width() * SpanNm + ShortestNm));
    } catch (const RuntimeError &) {
        // Beyond the plot's edges: the wavelength stays where it was.
    }
}

void FrmMonoChromat::picComparison_MouseMove(int Button, int Shift, double X, double Y)
{
    picComparison_MouseDown(Button, Shift, X, Y);
}
