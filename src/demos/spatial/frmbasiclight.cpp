#include "frmbasiclight.h"

#include "plotting/drawsine.h"

using namespace forms;

FrmBasicLight::FrmBasicLight()
    : Form({.name = QStringLiteral("frmBasicLight"),
            .caption = QStringLiteral("Basics of Light"),
            .clientWidth = 7335,
            .clientHeight = 5145,
            .border = Border::Sizable,
            .mdiChild = true})
{
}

void FrmBasicLight::createControls()
{
    picLight = add<PictureBox>(this, QStringLiteral("picLight"), 360, 120, 6855, 3135);
    picLight->setBackColor(0x000000);
    picLight->setForeColor(0x0000FF);
    picLight->setAutoRedraw(true);
    // A child of the box, so it is painted over the wave and stays visible
    // even when the wave is black.
    linZeroLine = addLine(picLight, QStringLiteral("linZeroLine"), 0, 1560, 6840, 1560);
    linZeroLine->setBorderColor(0xFFFFFF);

    // The largest amplitude at the top: Min 25, Max 0.
    vscAmp = add<VScrollBar>(this, QStringLiteral("vscAmp"), 0, 120, 255, 3135);
    vscAmp->setRange(25, 0);
    vscAmp->setSmallChange(1);
    vscAmp->setLargeChange(5);
    vscAmp->setValue(25);

    hscFreq = add<HScrollBar>(this, QStringLiteral("hscFreq"), 360, 3360, 6855, 255);
    hscFreq->setRange(460, 750);
    hscFreq->setSmallChange(1);
    hscFreq->setLargeChange(20);
    hscFreq->setValue(460);

    lblWaveTitle = add<Label>(this, QStringLiteral("lblWaveTitle"), 1680, 3840, 1335, 255);
    lblWaveTitle->setCaption(QStringLiteral("Wavelength"));
    lblWaveTitle->setFontSpec(QStringLiteral("MS Sans Serif"), 9.75, true);

    picShowColor = add<PictureBox>(this, QStringLiteral("picShowColor"), 3240, 3840, 1455, 855);
    picShowColor->setBackColor(0x0000FF);

    lblWavelength = add<Label>(this, QStringLiteral("lblWavelength"), 1680, 4200, 1335, 255);
    lblWavelength->setCaption(QStringLiteral("Label1"));
    lblWavelength->setAlignment(Label::Center);
    lblWavelength->setFontSpec(QStringLiteral("MS Sans Serif"), 9.75, true, true);

    // Change only: a dragged thumb takes effect when it is released.
    on(hscFreq, &ScrollBar::Change, this, &FrmBasicLight::hscFreq_Change);
    on(vscAmp, &ScrollBar::Change, this, &FrmBasicLight::vscAmp_Change);
}

void FrmBasicLight::Form_Load()
{
    UpdateLightColor();
    drawWave();
}

// Both bars redraw alike: a fresh box, the light's colour, then the wave.
void FrmBasicLight::hscFreq_Change() { redraw(); }
void FrmBasicLight::vscAmp_Change() { redraw(); }

void FrmBasicLight::redraw()
{
    picLight->Cls();
    UpdateLightColor();
    drawWave();
}

void FrmBasicLight::UpdateLightColor()
{
    const int lambda = hscFreq->Value();
    // Brightness follows the amplitude: 1 at the top of the bar, 0 at the bottom.
    const double s = double(vscAmp->Value()) / vscAmp->Min();
    const auto level = [s](double value) { return CInt(s * value); };

    // Four bands, each ramping one component: blue to cyan, cyan to green,
    // green to yellow, yellow to red.
    int red, green, blue;
    if (lambda <= 510) {
        const double t = (255.0 / 50.0) * (lambda - 460);
        red = 0, green = level(t), blue = level(255);
    } else if (lambda <= 555) {
        const double t = 255.0 - (225.0 / 45.0) * (lambda - 510);
        red = 0, green = level(255), blue = level(t);
    } else if (lambda <= 605) {
        const double t = (255.0 / 50.0) * (lambda - 555);
        red = level(t), green = level(255), blue = 0;
    } else {
        const double t = 255.0 - (255.0 / 145.0) * (lambda - 605);
        red = level(255), green = level(t), blue = 0;
    }

    const OleColor light = RGB(red, green, blue);
    picLight->setForeColor(light);
    picShowColor->setBackColor(light);
    lblWavelength->setCaption(CStr(lambda));
    lblWavelength->setCaption(lblWavelength->Caption() + QStringLiteral(" nm"));
}

void FrmBasicLight::drawWave()
{
    // 30 cycles across the box at 460 nm, one at 750 nm.
    const double cycles = (760.0 - hscFreq->Value()) / 10.0;
    DrawSine::DrawSineWave(*picLight, cycles, vscAmp->Value());
}
