#include "frmtrichromatic.h"

#include "plotting/modcolor.h"

using namespace forms;

namespace {
constexpr OleColor Black = 0x000000;
constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Blue = 0xFF0000;
constexpr OleColor Green = 0x00FF00;
constexpr OleColor Red = 0x0000FF;
// Every bar stands on this line (twips); a full bar is 1000 tall.
constexpr double BarBaseline = 6040;
} // namespace

FrmTrichromatic::FrmTrichromatic()
    : Form({.name = QStringLiteral("frmTrichromatic"),
            .caption = QStringLiteral("Trichromatic Theory"),
            .clientWidth = 5835,
            .clientHeight = 6450,
            .border = Border::Sizable,
            .backColor = Black})
{
}

void FrmTrichromatic::createControls()
{
    const auto label = [this](const char *name, double l, double t, double w, double h,
                              const char *caption, OleColor colour, int alignment) {
        auto *lbl = add<Label>(this, QString::fromLatin1(name), l, t, w, h);
        lbl->setCaption(QString::fromLatin1(caption));
        lbl->setForeColor(colour);
        lbl->setBackColor(Black);
        lbl->setAlignment(alignment);
        return lbl;
    };

    picChannels = add<PictureBox>(this, QStringLiteral("picChannels"), 240, 360, 3615, 3375);
    picChannels->setBackColor(SystemColor::WindowBackground);
    picChannels->setAutoRedraw(true);

    hscSF = add<HScrollBar>(this, QStringLiteral("hscSF"), 240, 3840, 3615, 255);
    hscSF->setRange(350, 650);
    hscSF->setSmallChange(1);
    hscSF->setLargeChange(50);
    hscSF->setValue(350);

    Label1 = label("Label1", 960, 4200, 1935, 255, "Wavelength", White, Label::Center);
    Label4 = label("Label4", 480, 4680, 1425, 195, "Add/Remove Cone:", White, Label::LeftJustify);

    const auto coneButton = [this](const char *name, double left, const char *caption) {
        auto *button = add<CommandButton>(this, QString::fromLatin1(name), left, 5040, 255, 255);
        button->setCaption(QString::fromLatin1(caption));
        button->setTag(QStringLiteral("True"));
        return button;
    };
    cmdB = coneButton("cmdB", 840, "B");
    cmdG = coneButton("cmdG", 1200, "G");
    cmdR = coneButton("cmdR", 1560, "R");

    lblCondition = label("lblCondition", 840, 5400, 1095, 375, "Label5", White, Label::LeftJustify);
    Label2 = label("Label2", 2400, 4440, 1455, 495, "Relative Firing Rates of Cones", White, Label::Center);

    // The bars. The boxes inside two of them sit beyond their narrow
    // inside and are clipped away.
    const auto bar = [this](const char *name, double left, OleColor colour) {
        auto *box = add<PictureBox>(this, QString::fromLatin1(name), left, 5040, 135, 1000);
        box->setBackColor(colour);
        return box;
    };
    picAact = bar("picAact", 2640, Blue);
    picBact = bar("picBact", 3000, Green);
    Picture2 = add<PictureBox>(picBact, QStringLiteral("Picture2"), 120, 0, 135, 1095);
    Picture2->setBackColor(SystemColor::WindowBackground);
    picCact = bar("picCact", 3360, Red);
    Picture4 = add<PictureBox>(picCact, QStringLiteral("Picture4"), 120, 0, 135, 1095);
    Picture4->setBackColor(SystemColor::WindowBackground);

    Label3 = label("Label3", 2640, 6120, 255, 255, "B", Blue, Label::LeftJustify);
    Label7 = label("Label7", 3000, 6120, 255, 255, "G", Green, Label::LeftJustify);
    Label8 = label("Label8", 3360, 6120, 255, 255, "R", Red, Label::LeftJustify);

    const auto patch = [this](int index, double top, double height) {
        auto *shape = addIndexed(Shape1, this, index, 4200, top, 1095, height);
        shape->setBackStyle(1);
    };
    addIndexed(Label5, this, 0, 4245, 240, 1005, 195);
    patch(0, 480, 975);
    patch(1, 1680, 975);
    patch(2, 2880, 975);
    addIndexed(Label5, this, 1, 4080, 4320, 1335, 195);
    patch(3, 4560, 1575);
    Label5[0]->setCaption(QStringLiteral("Cone Outputs"));
    Label5[1]->setCaption(QStringLiteral("Combined Outputs"));
    for (Label *lbl : Label5.members()) {
        lbl->setForeColor(White);
        lbl->setBackColor(Black);
        lbl->setAlignment(Label::Center);
    }

    on(hscSF, &ScrollBar::Change, this, &FrmTrichromatic::hscSF_Change);
    on(hscSF, &ScrollBar::Scroll, this, &FrmTrichromatic::hscSF_Scroll);
    on(cmdB, &CommandButton::Click, this, &FrmTrichromatic::cmdB_Click);
    on(cmdG, &CommandButton::Click, this, &FrmTrichromatic::cmdG_Click);
    on(cmdR, &CommandButton::Click, this, &FrmTrichromatic::cmdR_Click);
    on(picChannels, &PictureBox::MouseDown, this, &FrmTrichromatic::picChannels_MouseDown);
    on(picChannels, &PictureBox::MouseMove, this, &FrmTrichromatic::picChannels_MouseMove);
}

void FrmTrichromatic::Form_Load()
{
    RedrawChannels();
}

void FrmTrichromatic::hscSF_Change() { RedrawChannels(); }
void FrmTrichromatic::hscSF_Scroll() { RedrawChannels(); }

void FrmTrichromatic::cmdB_Click() { toggleCone(cmdB); }
void FrmTrichromatic::cmdG_Click() { toggleCone(cmdG); }
void FrmTrichromatic::cmdR_Click() { toggleCone(cmdR); }

void FrmTrichromatic::toggleCone(CommandButton *button)
{
    button->setTag(CBool(button->Tag()) ? QStringLiteral("False") : QStringLiteral("True"));
    RedrawChannels();
}

void FrmTrichromatic::picChannels_MouseDown(int Button, int, double X, double)
{
    pickWavelength(Button, X);
}

void FrmTrichromatic::picChannels_MouseMove(int Button, int, double X, double)
{
    pickWavelength(Button, X);
}

// The plot's width spans 350 to 650 nm. Only the left button alone picks;
// beyond the plot's edges the wavelength is out of range and stays where
// it was.
void FrmTrichromatic::pickWavelength(int Button, double X)
{
    if (Button != 1)
        return;
    try {
        hscSF->setValue(CInt(X * 300 / picChannels->Width() + 350));
    } catch (const RuntimeError &) {
    }
}

void FrmTrichromatic::RedrawChannels()
{
    try {
        const double W = picChannels->Width();
        const double m = (hscSF->Value() - 350) / 300.0 * W;
        picChannels->Cls();

        // A removed cone draws no curve and does not respond.
        const auto cone = [this](CommandButton *button, qint16 peak, OleColor colour) {
            if (!CBool(button->Tag()))
                return 0.0;
            picChannels->setForeColor(colour);
            modColor::DrawConeCurve(*picChannels, peak, 1.0f);
            return modColor::ConeSensitivity(hscSF->Value(), peak);
        };
        const double SensB = cone(cmdB, 419, RGB(0, 0, 255));
        const double SensG = cone(cmdG, 531, RGB(0, 255, 0));
        const double SensR = cone(cmdR, 558, RGB(255, 0, 0));

        // The marker is drawn after the curves so it stays visible over them.
        picChannels->setForeColor(RGB(0, 0, 0));
        picChannels->Line(m, 0, m, picChannels->Height());

        double SensMax = SensB;
        if (SensG > SensMax)
            SensMax = SensG;
        if (SensR > SensMax)
            SensMax = SensR;

        // Each bar's height is kept as text in its Tag and read back from
        // there; the strongest cone always gets the full 1000 twips. With
        // every cone removed SensMax is 0 and this is where it fails.
        const std::pair<PictureBox *, double> bars[] = {{picAact, SensB}, {picBact, SensG}, {picCact, SensR}};
        for (const auto &[bar, sens] : bars) {
            bar->setTag(CStr(1000 * Round(Div(sens, SensMax), 3)));
            const double height = CDbl(bar->Tag());
            bar->setHeight(height);
            bar->setTop(BarBaseline - height);
        }

        const qint16 b = CInt(Div(255 * SensB, SensMax));
        const qint16 g = CInt(Div(255 * SensG, SensMax));
        const qint16 r = CInt(Div(255 * SensR, SensMax));
        Shape1[0]->setBackColor(RGB(0, 0, b));
        Shape1[1]->setBackColor(RGB(0, g, 0));
        Shape1[2]->setBackColor(RGB(r, 0, 0));
        Shape1[3]->setBackColor(RGB(r, g, b));

        ShowCondition();
    } catch (const RuntimeError &) {
        // The removal stands; bars, patches and the observer's name keep
        // what they showed until a cone is restored.
        if (!CBool(cmdB->Tag()) && !CBool(cmdG->Tag()) && !CBool(cmdR->Tag()))
            MsgBox(QStringLiteral("You need to have at least on of the cones activated"),
                   QStringLiteral("No Cone"));
    }
}

void FrmTrichromatic::ShowCondition()
{
    const bool b = CBool(cmdB->Tag());
    const bool g = CBool(cmdG->Tag());
    const bool r = CBool(cmdR->Tag());
    QString caption = QStringLiteral("Monochromat");
    if (b && g && r)
        caption = QStringLiteral("Trichromat");
    else if (b && g)
        caption = QStringLiteral("Dichromat Protanope");
    else if (b && r)
        caption = QStringLiteral("Dichromat Deuteranope");
    else if (g && r)
        caption = QStringLiteral("Dichromat Tritanope");
    lblCondition->setCaption(caption);
    // A trichromat is the normal case and needs no name.
    lblCondition->setVisible(!(b && g && r));
}
