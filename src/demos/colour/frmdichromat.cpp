#include "frmdichromat.h"

#include "plotting/modcolor.h"
#include "plotting/modtwounknowns.h"

using namespace forms;
using namespace modColor;

namespace {
constexpr OleColor Background = 0xC0C0C0;
constexpr OleColor DarkGreen = 0x008000; // the S cone's numbers
constexpr OleColor Red = 0x0000FF;       // the L cone's numbers
constexpr double ShortestNm = 350;
constexpr double SpanNm = 300;
const QString AddPrimary = QStringLiteral("Add Primary");
const QString OnePrimary = QStringLiteral("One Primary");
const QString NotMarked = QString();
const QString Marked = QStringLiteral("No");

// A number kept twice: in full in the Tag, rounded in the Caption.
void keep(Label *label, double value, int decimals)
{
    label->setTag(CStr(value));
    label->setCaption(CStr(Round(CDbl(label->Tag()), decimals)));
}

double full(const Control *c) { return CDbl(c->Tag()); }
double shown(const Label *l) { return CDbl(l->Caption()); }
} // namespace

FrmDiChromat::FrmDiChromat()
    : Form({.name = QStringLiteral("frmDiChromat"),
            .caption = QStringLiteral("Color Matching in a Dichromat"),
            .clientWidth = 10560,
            .clientHeight = 6690,
            .border = Border::Sizable,
            .backColor = Background})
{
}

void FrmDiChromat::createControls()
{
    // Labels take the window's light grey, so only their text shows.
    const auto label = [this](const QString &name, double left, double top, double width, double height,
                              const QString &caption) {
        Label *l = add<Label>(this, name, left, top, width, height);
        l->setBackColor(Background);
        l->setCaption(caption);
        return l;
    };
    const auto indexed = [this](ControlArray<Label> &array, int i, double left, double top, double width,
                                double height, const QString &caption) {
        Label *l = addIndexed(array, this, i, left, top, width, height);
        l->setBackColor(Background);
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
        return p;
    };
    const auto wavelengthBar = [this](const QString &name, double left) {
        HScrollBar *bar = add<HScrollBar>(this, name, left, 3840, 2655, 255);
        bar->setRange(350, 650);
        bar->setSmallChange(1);
        bar->setLargeChange(25);
        bar->setValue(400);
        return bar;
    };
    // The brightest intensity at the top: Min 500, Max 0.
    const auto intensityBar = [this](const QString &name, double left) {
        VScrollBar *bar = add<VScrollBar>(this, name, left, 1080, 255, 2415);
        bar->setRange(500, 0);
        bar->setSmallChange(1);
        bar->setLargeChange(10);
        bar->setValue(250);
        return bar;
    };

    cirStandard = circle(QStringLiteral("cirStandard"), 960);
    cirComparison = circle(QStringLiteral("cirComparison"), 5880);
    picStandard = plot(QStringLiteral("picStandard"), 240);
    picComparison = plot(QStringLiteral("picComparison"), 5160);

    // The axes: 0 to 100 percent up the side (the digits of 100 stacked
    // by the narrow label), 350 to 650 nm along the bottom.
    for (const auto &[first, left] : {std::pair{1, 120.0}, std::pair{5, 5040.0}}) {
        label(QStringLiteral("Label%1").arg(first), left, 960, 135, 615, QStringLiteral("1 0 0"));
        label(QStringLiteral("Label%1").arg(first + 1), left, 3360, 135, 255, QStringLiteral("0"));
    }
    label(QStringLiteral("Label3"), 240, 3600, 375, 255, QStringLiteral("350"));
    label(QStringLiteral("Label4"), 2520, 3600, 375, 255, QStringLiteral("650"));
    label(QStringLiteral("Label7"), 5160, 3600, 375, 255, QStringLiteral("350"));
    label(QStringLiteral("Label8"), 7440, 3600, 375, 255, QStringLiteral("650"));

    hscStandard = wavelengthBar(QStringLiteral("hscStandard"), 240);
    HScroll1 = wavelengthBar(QStringLiteral("HScroll1"), 5160);
    VScroll1 = intensityBar(QStringLiteral("VScroll1"), 7920);
    vscPrim2 = intensityBar(QStringLiteral("vscPrim2"), 8280);

    label(QStringLiteral("Label9"), 600, 4200, 1335, 255, QStringLiteral("Wavelength"))->setAlignment(Label::Center);
    label(QStringLiteral("Label10"), 5400, 4200, 1335, 255, QStringLiteral("Wavelength"))->setAlignment(Label::Center);
    label(QStringLiteral("Label17"), 1080, 4440, 135, 135, QStringLiteral("="));
    lblStandard = label(QStringLiteral("lblStandard"), 1200, 4440, 495, 255, QStringLiteral("Label18"));
    lblEqual = label(QStringLiteral("lblEqual"), 5880, 4440, 135, 135, QStringLiteral("="));
    lblComparison = label(QStringLiteral("lblComparison"), 6000, 4440, 495, 255, QStringLiteral("Label18"));
    lblPrim1 = label(QStringLiteral("lblPrim1"), 7080, 4440, 495, 255, QString());
    lblPrim1->setForeColor(0xFF0000);
    lblPrim1->setAlignment(Label::Center);
    lblPrim2 = label(QStringLiteral("lblPrim2"), 9000, 4440, 495, 255, QString());
    lblPrim2->setForeColor(0x0080FF);
    lblPrim2->setAlignment(Label::Center);

    // Column heads of the standard, the comparison (or primary 1) and primary 2.
    constexpr double HeadLefts[] = {1800, 6720, 8640};
    for (int i = 0; i < 3; ++i) {
        indexed(Label19, i, HeadLefts[i], 4560, 375, 255, QStringLiteral("S"))->setAlignment(Label::Center);
        indexed(Label20, i, HeadLefts[i] + 840, 4560, 255, 255, QStringLiteral("L"))->setAlignment(Label::Center);
    }

    for (const auto &[first, left] : {std::pair{11, 240.0}, std::pair{14, 5160.0}}) {
        label(QStringLiteral("Label%1").arg(first), left, 4800, 1335, 255, QStringLiteral("Input Intensity"));
        label(QStringLiteral("Label%1").arg(first + 1), left, 5160, 1335, 255, QStringLiteral("% Absorbed"));
        label(QStringLiteral("Label%1").arg(first + 2), left, 5640, 1455, 255, QStringLiteral("Number Absorbed"));
    }
    addLine(this, QStringLiteral("Line1"), 240, 5520, 3600, 5520);
    addLine(this, QStringLiteral("Line2"), 5160, 5520, 8400, 5520);
    Line3 = addLine(this, QStringLiteral("Line3"), 7080, 5520, 10560, 5520);

    // Columns: 0 standard S, 1 comparison (or primary 1) S, 2 standard L,
    // 3 comparison (or primary 1) L, 4 primary 2 S, 5 primary 2 L.
    constexpr double ColumnLefts[] = {1680, 6600, 2400, 7320, 8520, 9240};
    for (int i = 0; i < 6; ++i) {
        const OleColor colour = (i == 0 || i == 1 || i == 4) ? DarkGreen : Red;
        for (const auto &[array, top] : {std::pair{&lblInput, 4800.0}, std::pair{&lblPercent, 5160.0},
                                         std::pair{&lblAbsorbed, 5640.0}}) {
            Label *value = indexed(*array, i, ColumnLefts[i], top, 615, 255, QStringLiteral("Label17"));
            value->setForeColor(colour);
            value->setAlignment(Label::RightJustify);
        }
    }

    indexed(Label18, 0, 3120, 4680, 615, 375, QStringLiteral("Ratio S/L"));
    indexed(Label18, 1, 8040, 4680, 495, 375, QStringLiteral("Ratio S/L"));
    indexed(Label18, 2, 9960, 4680, 615, 375, QStringLiteral("Ratio S/L"));
    constexpr double RatioLefts[] = {3120, 8040, 9960};
    for (int i = 0; i < 6; ++i)
        indexed(lblRatio, i, RatioLefts[i / 2], i % 2 == 0 ? 5160 : 5640, 495, 255, QString());
    indexed(lblRatio, 6, 9600, 6120, 495, 255, QString());

    lblTotalS = label(QStringLiteral("lblTotalS"), 5760, 6120, 1095, 255, QStringLiteral("Total on S = "));
    lblTotalS->setAlignment(Label::RightJustify);
    lblTotalS->setForeColor(DarkGreen);
    lblS = label(QStringLiteral("lblS"), 6960, 6120, 495, 255, QString());
    lblS->setForeColor(DarkGreen);
    lblTotalL = label(QStringLiteral("lblTotalL"), 8040, 6120, 855, 255, QStringLiteral("Total on L ="));
    lblTotalL->setForeColor(Red);
    lblL = label(QStringLiteral("lblL"), 9000, 6120, 495, 255, QString());
    lblL->setForeColor(Red);

    cmdAddPrimary = add<CommandButton>(this, QStringLiteral("cmdAddPrimary"), 3720, 4440, 1215, 255);
    cmdAddPrimary->setCaption(AddPrimary);
    cmdReset = add<CommandButton>(this, QStringLiteral("cmdReset"), 3720, 4920, 1215, 255);
    cmdReset->setCaption(QStringLiteral("Reset"));
    cmdMatch = add<CommandButton>(this, QStringLiteral("cmdMatch"), 3720, 5400, 1215, 255);
    cmdMatch->setCaption(QStringLiteral("Match"));

    lblMatch = label(QStringLiteral("lblMatch"), 3720, 5760, 1215, 495, QStringLiteral("Match"));
    lblMatch->setAlignment(Label::Center);
    lblMatch->setForeColor(Red);
    lblMatch->setBackColor(SystemColor::ButtonText);
    lblMatch->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);

    // The window opens with one comparison light.
    showTwoPrimaryControls(false);

    on(cmdReset, &CommandButton::Click, this, &FrmDiChromat::cmdReset_Click);
    on(cmdAddPrimary, &CommandButton::Click, this, &FrmDiChromat::cmdAddPrimary_Click);
    on(cmdMatch, &CommandButton::Click, this, &FrmDiChromat::cmdMatch_Click);
    on(HScroll1, &ScrollBar::Change, this, &FrmDiChromat::HScroll1_Change);
    on(HScroll1, &ScrollBar::Scroll, this, &FrmDiChromat::HScroll1_Scroll);
    on(VScroll1, &ScrollBar::Change, this, &FrmDiChromat::VScroll1_Change);
    on(VScroll1, &ScrollBar::Scroll, this, &FrmDiChromat::VScroll1_Scroll);
    on(hscStandard, &ScrollBar::Change, this, &FrmDiChromat::hscStandard_Change);
    on(hscStandard, &ScrollBar::Scroll, this, &FrmDiChromat::hscStandard_Scroll);
    on(vscPrim2, &ScrollBar::Change, this, &FrmDiChromat::vscPrim2_Change);
    on(vscPrim2, &ScrollBar::Scroll, this, &FrmDiChromat::vscPrim2_Scroll);
    on(picComparison, &PictureBox::MouseDown, this, &FrmDiChromat::picComparison_MouseDown);
    on(picComparison, &PictureBox::MouseMove, this, &FrmDiChromat::picComparison_MouseMove);
    on(picStandard, &PictureBox::MouseDown, this, &FrmDiChromat::picStandard_MouseDown);
    on(picStandard, &PictureBox::MouseMove, this, &FrmDiChromat::picStandard_MouseMove);
}

void FrmDiChromat::Form_Load()
{
    Randomize();
    // The cones' peaks and the colours their curves are drawn in.
    lblInput[0]->setTag(QStringLiteral("531"));
    lblInput[1]->setTag(CStr(int(RGB(0, 255, 0))));
    lblInput[2]->setTag(QStringLiteral("558"));
    lblInput[3]->setTag(CStr(int(RGB(255, 0, 0))));
    lblPrim1->setCaption(QStringLiteral("475"));
    lblPrim2->setCaption(QStringLiteral("620"));
    cmdReset_Click();
}

void FrmDiChromat::showTwoPrimaryControls(bool two)
{
    HScroll1->setVisible(!two);
    cmdReset->setVisible(!two);
    lblComparison->setVisible(!two);
    lblEqual->setVisible(!two);
    Control *twoOnly[] = {
        hscStandard,   vscPrim2,      lblPrim1,       lblPrim2,       Label19[2], Label20[2],
        lblInput[4],   lblInput[5],   lblPercent[4],  lblPercent[5],  lblAbsorbed[4],
        lblAbsorbed[5], Line3,        cmdMatch,       lblTotalS,      lblTotalL,  lblS,
        lblL,          Label18[2],    lblRatio[4],    lblRatio[5],    lblRatio[6],
    };
    for (Control *c : twoOnly)
        c->setVisible(two);
}

double FrmDiChromat::peakOf(int i) const
{
    const bool s = i == 0 || i == 1 || i == 4;
    return CDbl(lblInput[s ? 0 : 2]->Tag());
}

double FrmDiChromat::markerAt(double wavelength) const
{
    // Both plots have the standard's size.
    return (wavelength - ShortestNm) / SpanNm * picStandard->Width();
}

void FrmDiChromat::showCurves(PictureBox *p)
{
    p->setForeColor(OleColor(CLngText(lblInput[1]->Tag())));
    DrawConeCurve(*p, CIntText(lblInput[0]->Tag()), 1.0f);
    p->setForeColor(OleColor(CLngText(lblInput[3]->Tag())));
    DrawConeCurve(*p, CIntText(lblInput[2]->Tag()), 1.0f);
}

void FrmDiChromat::plotLight(PictureBox *p, double wavelength)
{
    p->Cls();
    const double m = markerAt(wavelength);
    p->setForeColor(RGB(0, 0, 0));
    p->Line(m, 0, m, picStandard->Height());
    // The curves go over the marker.
    showCurves(p);
}

void FrmDiChromat::standardLight(bool fromShownPercents)
{
    const double wavelength = shown(lblStandard);
    for (int i : {0, 2}) {
        lblInput[i]->setCaption(QStringLiteral("175"));
        keep(lblPercent[i], 100 * ConeSensitivity(wavelength, peakOf(i)), 2);
        const double percent = fromShownPercents ? shown(lblPercent[i]) : full(lblPercent[i]);
        keep(lblAbsorbed[i], shown(lblInput[i]) * percent / 100, 0);
    }
    cirStandard->setBackColor(RGB(CIntText(lblAbsorbed[2]->Caption()), CIntText(lblAbsorbed[0]->Caption()), 0));
}

void FrmDiChromat::showRatio(int r, double s, double l)
{
    lblRatio[r]->setCaption(CStr(Round(Div(s, l), 2)));
}

void FrmDiChromat::showNumberRatio(int r, const Label *s, const Label *l)
{
    // Nothing to divide by while the L count shows as 0.
    if (shown(l) == 0)
        lblRatio[r]->setCaption(QStringLiteral("---"));
    else
        showRatio(r, full(s), full(l));
}

void FrmDiChromat::cmdReset_Click()
{
    picStandard->Cls();
    lblStandard->setCaption(CStr(Round(Rnd() * float(SpanNm) + float(ShortestNm))));
    // A new comparison wavelength redraws the comparison at once.
    HScroll1->setValue(CInt(Rnd() * float(SpanNm) + float(ShortestNm)));

    plotLight(picStandard, shown(lblStandard));
    standardLight(false);
    showRatio(0, full(lblPercent[0]), full(lblPercent[2]));
    showNumberRatio(1, lblAbsorbed[0], lblAbsorbed[2]);
    UpdateComparison();
}

void FrmDiChromat::UpdateComparison()
{
    lblComparison->setCaption(CStr(HScroll1->Value()));
    const double wavelength = shown(lblComparison);
    plotLight(picComparison, wavelength);

    for (int i : {1, 3}) {
        lblInput[i]->setCaption(CStr(VScroll1->Value()));
        keep(lblPercent[i], 100 * ConeSensitivity(wavelength, peakOf(i)), 2);
        // The comparison's numbers come from the percents as shown.
        keep(lblAbsorbed[i], shown(lblInput[i]) * shown(lblPercent[i]) / 100, 0);
    }
    cirComparison->setBackColor(RGB(CIntText(lblAbsorbed[3]->Caption()), CIntText(lblAbsorbed[1]->Caption()), 0));

    showRatio(2, shown(lblPercent[1]), shown(lblPercent[3]));
    showNumberRatio(3, lblAbsorbed[1], lblAbsorbed[3]);

    lblMatch->setVisible(lblAbsorbed[1]->Caption() == lblAbsorbed[0]->Caption()
                         && lblAbsorbed[3]->Caption() == lblAbsorbed[2]->Caption());
}

void FrmDiChromat::HScroll1_Change() { UpdateComparison(); }
void FrmDiChromat::HScroll1_Scroll() { UpdateComparison(); }

void FrmDiChromat::VScroll1_Change()
{
    VScroll1->setTag(CStr(VScroll1->Value()));
    if (cmdReset->Visible())
        UpdateComparison();
    else
        UpdateMixture();
}

void FrmDiChromat::VScroll1_Scroll() { VScroll1_Change(); }

void FrmDiChromat::picComparison_MouseDown(int Button, int, double X, double)
{
    // The left button alone picks the comparison's wavelength, with one light.
    if (Button != 1 || !cmdReset->Visible())
        return;
    try {
        HScroll1->setValue(CInt(X / picComparison->Width() * SpanNm + ShortestNm));
    } catch (const RuntimeError &) {
        // Beyond the plot's edges: the wavelength stays where it was.
    }
}

void FrmDiChromat::picComparison_MouseMove(int Button, int Shift, double X, double Y)
{
    picComparison_MouseDown(Button, Shift, X, Y);
}

// ---- The two-primary mode ----

void FrmDiChromat::cmdAddPrimary_Click()
{
    if (cmdAddPrimary->Caption() == AddPrimary)
        enterTwoPrimaries();
    else
        leaveTwoPrimaries();
}

void FrmDiChromat::plotPrimary(const Label *primary, OleColor colour, int s, int l)
{
    const double wavelength = shown(primary);
    const double m = markerAt(wavelength);
    picComparison->setForeColor(colour);
    picComparison->Line(m, 0, m, picStandard->Height());
    keep(lblPercent[s], 100 * ConeSensitivity(wavelength, peakOf(s)), 2);
    keep(lblPercent[l], 100 * ConeSensitivity(wavelength, peakOf(l)), 2);
}

void FrmDiChromat::enterTwoPrimaries()
{
    cmdAddPrimary->setCaption(OnePrimary);
    // The intensity bars' exact values start as their positions.
    VScroll1->setTag(CStr(VScroll1->Value()));
    vscPrim2->setTag(CStr(vscPrim2->Value()));
    showTwoPrimaryControls(true);

    // The primaries' markers go over the curves.
    picComparison->Cls();
    showCurves(picComparison);
    plotPrimary(lblPrim1, RGB(0, 0, 255), 1, 3);
    plotPrimary(lblPrim2, RGB(255, 128, 0), 4, 5);

    // The standard's bar takes the standard's wavelength without redrawing
    // for it (that comes below). The mark is cleared either way, so that
    // the user's next change is not ignored, even when the bar already
    // stood there and raised no change.
    hscStandard->setTag(Marked);
    hscStandard->setValue(CIntText(lblStandard->Caption()));
    hscStandard->setTag(NotMarked);

    showRatio(2, full(lblPercent[1]), full(lblPercent[3]));
    showRatio(4, full(lblPercent[4]), full(lblPercent[5]));
    UpdateStandard();
}

void FrmDiChromat::leaveTwoPrimaries()
{
    cmdAddPrimary->setCaption(AddPrimary);
    showTwoPrimaryControls(false);
    // The standard keeps the wavelength and numbers it had.
    UpdateComparison();
}

void FrmDiChromat::hscStandard_Change()
{
    if (hscStandard->Tag() == Marked) {
        hscStandard->setTag(NotMarked);
        return;
    }
    UpdateStandard();
}

void FrmDiChromat::hscStandard_Scroll() { UpdateStandard(); }

void FrmDiChromat::vscPrim2_Change()
{
    vscPrim2->setTag(CStr(vscPrim2->Value()));
    UpdateMixture();
}

void FrmDiChromat::vscPrim2_Scroll() { vscPrim2_Change(); }

void FrmDiChromat::picStandard_MouseDown(int Button, int, double X, double)
{
    // The left button alone picks the standard's wavelength, with two primaries.
    if (Button != 1 || cmdReset->Visible())
        return;
    try {
        hscStandard->setValue(CInt(X / picStandard->Width() * SpanNm + ShortestNm));
    } catch (const RuntimeError &) {
        // Beyond the plot's edges: the wavelength stays where it was.
    }
}

void FrmDiChromat::picStandard_MouseMove(int Button, int Shift, double X, double Y)
{
    picStandard_MouseDown(Button, Shift, X, Y);
}

void FrmDiChromat::UpdateStandard()
{
    picStandard->Cls();
    lblStandard->setCaption(CStr(hscStandard->Value()));
    plotLight(picStandard, shown(lblStandard));
    standardLight(true);
    UpdateMixture();
}

void FrmDiChromat::UpdateMixture()
{
    // Each primary's numbers come from its exact intensity (kept in its
    // bar's Tag) and its full percents.
    const auto primary = [this](ScrollBar *bar, int s, int l) {
        const double intensity = full(bar);
        for (int i : {s, l}) {
            lblInput[i]->setCaption(CStr(bar->Value()));
            keep(lblAbsorbed[i], intensity * full(lblPercent[i]) / 100, 0);
        }
    };
    primary(VScroll1, 1, 3);
    primary(vscPrim2, 4, 5);
    keep(lblL, full(lblAbsorbed[3]) + full(lblAbsorbed[5]), 0);
    keep(lblS, full(lblAbsorbed[1]) + full(lblAbsorbed[4]), 0);
    cirComparison->setBackColor(RGB(CIntText(lblL->Caption()), CIntText(lblS->Caption()), 0));

    showRatio(0, full(lblPercent[0]), full(lblPercent[2]));
    showNumberRatio(1, lblAbsorbed[0], lblAbsorbed[2]);
    showNumberRatio(3, lblAbsorbed[1], lblAbsorbed[3]);
    showNumberRatio(5, lblAbsorbed[4], lblAbsorbed[5]);
    showNumberRatio(6, lblS, lblL);

    lblMatch->setVisible(Round(shown(lblS)) == Round(shown(lblAbsorbed[0]))
                         && Round(shown(lblL)) == Round(shown(lblAbsorbed[2])));
}

void FrmDiChromat::cmdMatch_Click()
{
    const QString negative = QStringLiteral("To make this match one of the primaries needs to be negative.");
    const QString title = QStringLiteral("Negative Primary");
    double I1 = VScroll1->Value();
    double I2 = vscPrim2->Value();
    try {
        // Fractions of each primary absorbed by S and L, and the standard's
        // numbers: a1 I1 + b1 I2 = c1 (S), a2 I1 + b2 I2 = c2 (L).
        const double a1 = full(lblPercent[1]) / 100;
        const double a2 = full(lblPercent[3]) / 100;
        const double b1 = full(lblPercent[4]) / 100;
        const double b2 = full(lblPercent[5]) / 100;
        const double c1 = full(lblAbsorbed[0]);
        const double c2 = full(lblAbsorbed[2]);
        modTwoUnknowns::SolveTwoUnknowns(I1, a1, a2, I2, b1, b2, c1, c2);
        if (I1 >= 0 && I2 >= 0) {
            // Each bar's change handler keeps its rounded position; the
            // exact intensity written after it replaces that.
            VScroll1->setValue(CInt(I1));
            VScroll1->setTag(CStr(I1));
            vscPrim2->setValue(CInt(I2));
            vscPrim2->setTag(CStr(I2));
            UpdateMixture();
        } else {
            MsgBox(negative, title);
        }
    } catch (const RuntimeError &) {
        if (I1 < 0 || I2 < 0)
            MsgBox(negative, title);
    }
}
