#include "frmpsychlaws.h"

#include <cmath>

using namespace forms;

namespace {
// Each power-law curve keeps one colour, matching its row of controls.
constexpr std::array<OleColor, 3> CurveColor = {0x000080, 0x008000, 0x800000};
constexpr std::array<OleColor, 3> CheckColor = {0x000080, 0x008000, 0xFF0000};
constexpr OleColor Black = 0x000000;
} // namespace

FrmPsychLaws::FrmPsychLaws()
    : Form({.name = QStringLiteral("frmPsychLaws"),
            .caption = QStringLiteral("Psychophysical Laws"),
            .clientWidth = 10875,
            .clientHeight = 7590,
            .border = Border::Sizable,
            .mdiChild = true})
{
}

void FrmPsychLaws::createControls()
{
    picGraph = add<PictureBox>(this, QStringLiteral("picGraph"), 3600, 120, 6000, 5635);
    picGraph->setBackColor(SystemColor::WindowBackground);
    picGraph->setForeColor(SystemColor::WindowText);
    picGraph->setAutoRedraw(false);

    // The vertical axis caption: one letter per line down the graph's side.
    txtSensation = add<TextBox>(this, QStringLiteral("txtSensation"), 3000, 720, 375, 3015, true);
    txtSensation->setFontSpec(QStringLiteral("MS Sans Serif"), 13.5);
    txtSensation->setAlignment(TextBox::Center);
    txtSensation->setBackColor(SystemColor::MenuBackground);
    QString letters;
    for (QChar c : QStringLiteral("Sensation"))
        letters += c + QStringLiteral("\r\n");
    txtSensation->setText(letters);

    lblIntensity = add<Label>(this, QStringLiteral("lblIntensity"), 4920, 5729, 2895, 375);
    lblIntensity->setCaption(QStringLiteral("Intensity"));
    lblIntensity->setAlignment(Label::Center);
    lblIntensity->setFontSpec(QStringLiteral("MS Sans Serif"), 13.5);

    addIndexed(chkLaws, this, 0, 480, 840, 1575, 195);
    chkLaws[0]->setCaption(QStringLiteral("Fechner's Law"));
    lblFechner = add<Label>(this, QStringLiteral("lblFechner"), 840, 1080, 1935, 255);
    lblFechner->setCaption(QStringLiteral("S=k*log(I)"));
    lblK = add<Label>(this, QStringLiteral("lblK"), 1200, 1560, 735, 255);
    lblK->setCaption(QStringLiteral("k"));
    lblK->setAlignment(Label::Center);
    hscK = add<HScrollBar>(this, QStringLiteral("hscK"), 480, 1920, 2295, 255);
    hscK->setRange(1, 100);
    hscK->setValue(1);
    hscK->setSmallChange(1);
    hscK->setLargeChange(1);

    addIndexed(chkLaws, this, 1, 480, 2520, 1935, 195);
    chkLaws[1]->setCaption(QStringLiteral("Steven's Power Law"));
    lblSteven = add<Label>(this, QStringLiteral("lblSteven"), 840, 2880, 1935, 255);
    lblSteven->setCaption(QStringLiteral("S=a*I"));
    // Made after lblSteven and a little higher, so it reads as a superscript.
    addIndexed(lblB, this, 0, 1320, 2760, 375, 255);
    lblB[0]->setCaption(QStringLiteral("b"));

    // The three exponent rows stay hidden until the power law is chosen.
    for (int i = 0; i < 3; ++i) {
        const double top = 3240 + 960 * i;
        addIndexed(chkB, this, i, 1080, top, 855, 255);
        chkB[i]->setCaption(QStringLiteral("b - %1").arg(i + 1));
        chkB[i]->setForeColor(CheckColor[i]);
        chkB[i]->setVisible(false);
        addIndexed(lblBRange, this, i, 480, top + 360, 2295, 255);
        lblBRange[i]->setCaption(QStringLiteral("= "));
        lblBRange[i]->setForeColor(CurveColor[i]);
        lblBRange[i]->setAlignment(Label::Center);
        lblBRange[i]->setVisible(false);
        addIndexed(hscB, this, i, 480, top + 600, 2295, 255);
        hscB[i]->setRange(1, 70);
        hscB[i]->setValue(2);
        hscB[i]->setSmallChange(1);
        hscB[i]->setLargeChange(10);
        hscB[i]->setVisible(false);
    }

    Control *tabOrder[] = {txtSensation, chkLaws[0], chkLaws[1], hscK, hscB[0], chkB[0],
                           hscB[1],      chkB[1],    hscB[2],    chkB[2]};
    for (size_t i = 0; i < std::size(tabOrder); ++i)
        tabOrder[i]->setTabIndex(int(i));

    chkLaws.on(&CheckBox::Click, this, &FrmPsychLaws::chkLaws_Click);
    on(hscK, &ScrollBar::Change, this, &FrmPsychLaws::hscK_Change);
    on(hscK, &ScrollBar::Scroll, this, &FrmPsychLaws::hscK_Scroll);
    hscB.on(&ScrollBar::Change, this, &FrmPsychLaws::hscB_Change);
    hscB.on(&ScrollBar::Scroll, this, &FrmPsychLaws::hscB_Scroll);
    chkB.on(&CheckBox::Click, this, &FrmPsychLaws::chkB_Click);
}

void FrmPsychLaws::Form_Load()
{
    // The graph stays empty until a law is chosen.
    picGraph->setDrawWidth(2);
    // The curves are laid out on the box's outer size; its own scale spreads
    // that size over the area inside the border, so the baseline y = H is
    // the visible bottom edge and the flat k = 1 curve shows along it.
    picGraph->Scale(0, 0, picGraph->Width(), picGraph->Height());
}

double FrmPsychLaws::exponent(int i) const
{
    return hscB[i]->Value() / 20.0;
}

QString FrmPsychLaws::exponentText(int i) const
{
    return QStringLiteral("= ") + Str(exponent(i));
}

void FrmPsychLaws::chkLaws_Click(int)
{
    // Either box may change; the power-law rows follow the second one only,
    // and keep their exponents and check marks while hidden.
    const bool power = chkLaws[1]->Value() == 1;
    for (int i = 0; i < 3; ++i) {
        if (power)
            lblBRange[i]->setCaption(exponentText(i));
        chkB[i]->setVisible(power);
        hscB[i]->setVisible(power);
        lblBRange[i]->setVisible(power);
    }
    DrawLaws();
}

void FrmPsychLaws::hscK_Change() { DrawLaws(); }
void FrmPsychLaws::hscK_Scroll() { DrawLaws(); }

void FrmPsychLaws::hscB_Change(int Index)
{
    lblBRange[Index]->setCaption(exponentText(Index));
    DrawLaws();
}

void FrmPsychLaws::hscB_Scroll(int Index) { hscB_Change(Index); }
void FrmPsychLaws::chkB_Click(int Index) { hscB_Change(Index); }

void FrmPsychLaws::DrawLaws()
{
    // Intensity grows to the right from the left edge, sensation upward
    // from the bottom edge.
    const double W = picGraph->Width();
    const double H = picGraph->Height();
    picGraph->Cls();

    if (chkLaws[0]->Value() == 1) {
        picGraph->setForeColor(Black);
        picGraph->PSet(0, H);
        for (double x = 1; x <= W; x += 10) {
            const qint16 threeK = CInt(3.0 * hscK->Value());
            const float y = CSng(H - threeK * std::log(x));
            picGraph->LineTo(x, y);
        }
    }

    if (chkLaws[1]->Value() == 1) {
        for (int i = 0; i < 3; ++i) {
            picGraph->setForeColor(CurveColor[i]);
            if (chkB[i]->Value() != 1)
                continue;
            // a is fixed so that every curve passes through (500, 500):
            // the exponents then differ only in how the curves bend.
            const double b = exponent(i);
            picGraph->PSet(0, H);
            for (double x = 1; x <= W; x += 30) {
                double y = H - 500.0 * std::pow(x / 500.0, b);
                if (y < 0)
                    y = -1; // a steep curve runs on along the top edge
                picGraph->LineTo(x, y);
            }
        }
    }
}
