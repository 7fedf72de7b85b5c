#pragma once
// Light as a wave: the wavelength scroll bar sets how many cycles fit
// across the box (fewer as the wavelength grows) and the hue of the wave
// and of the colour patch; the amplitude scroll bar sets the wave's height
// and the light's brightness.

#include "forms/forms.h"

class FrmBasicLight : public forms::Form
{
    Q_OBJECT

public:
    FrmBasicLight();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void hscFreq_Change();
    void vscAmp_Change();

    void redraw();
    void UpdateLightColor();
    void drawWave();

    forms::PictureBox *picLight = nullptr;
    forms::LineControl *linZeroLine = nullptr;
    forms::VScrollBar *vscAmp = nullptr;
    forms::HScrollBar *hscFreq = nullptr;
    forms::Label *lblWaveTitle = nullptr;
    forms::PictureBox *picShowColor = nullptr;
    forms::Label *lblWavelength = nullptr;
};
