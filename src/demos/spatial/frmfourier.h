#pragma once
// Fourier analysis: a square wave is the sum of sine waves. The top row
// shows a square wave as a trace and as the grating of bars it describes;
// the bottom row shows the sum of sixteen harmonics whose amplitudes the
// student sets. They start at 1/n for the odd harmonics and 0 for the even
// ones, so the sum already looks much like the square wave; showing one
// harmonic alone, zeroing or resetting them one at a time shows what each
// contributes to the edges and the flat tops.

#include "forms/forms.h"

#include <vector>

class FrmFourier : public forms::Form
{
    Q_OBJECT

public:
    FrmFourier();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void vscHarmonic_Change(int Index);
    void vscHarmonic_Scroll(int Index);
    void vscHarmonic_Validate(int Index, bool &Cancel);
    void smdShow_Click(int Index);
    void cmdAdd_Click(int Index);
    void cmdZero_Click(int Index);
    void cmdZeroAll_Click();
    void cmdReset_Click();

    void SetSquareWaveHarmonics();
    void DrawStandardSquareWave();
    void DrawHarmonicSum();

    // While a handler sets many amplitudes, their Change events leave the
    // drawing alone; the handler draws the sum once at the end.
    void holdRedraws(bool hold);
    // sin(k x n) for every column x of the sum and harmonic n, which stay
    // the same from one drawing to the next while the box keeps its width.
    const std::vector<double> &harmonicSines(double boxWidth);

    forms::ControlArray<forms::PictureBox> picShow{QStringLiteral("picShow")};
    forms::ControlArray<forms::VScrollBar> vscHarmonic{QStringLiteral("vscHarmonic")};
    forms::ControlArray<forms::CommandButton> smdShow{QStringLiteral("smdShow")};
    forms::ControlArray<forms::CommandButton> cmdAdd{QStringLiteral("cmdAdd")};
    forms::ControlArray<forms::CommandButton> cmdZero{QStringLiteral("cmdZero")};
    forms::CommandButton *cmdReset = nullptr;
    forms::CommandButton *cmdZeroAll = nullptr;
    forms::Label *lblStandard = nullptr;
    forms::Label *Label3 = nullptr;
    forms::Label *Label1 = nullptr;
    forms::Label *Label2 = nullptr;
    forms::Label *lblHarmonics = nullptr;
    forms::Label *lblShow = nullptr;
    forms::Label *lblAdd = nullptr;
    forms::Label *lblZero = nullptr;

    double sinesWidth = -1;
    std::vector<double> sines;
};
