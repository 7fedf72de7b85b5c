#pragma once
// The random-dot stereogram: a field of random dots in which a square
// patch carries a horizontal disparity, so that a viewer with suitable
// glasses sees the square float in front of or behind the field although
// neither eye's picture shows any outline. The disparity is set with a
// scroll bar or swept back and forth; the display is composed by copying
// rectangles between dot pictures, either for LCD shutter glasses or as a
// red/blue anaglyph.

#include "forms/forms.h"


class FrmRDS : public forms::Form
{
    Q_OBJECT

public:
    FrmRDS();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void hscDisp_Change();
    void optAnaglyph_Click(int Index);
    void cmdContinuous_Click();
    void Timer1_Timer();

    void DrawLcdView();
    void DrawAnaglyph();
    void LoadLcdPicture();
    void LoadAnaglyphPicture();
    // Loads a dot picture file into picLeftEye; on failure says so and
    // keeps the picture the box already holds.
    void loadLeftEyePicture(const QString &file);
    // The target square, read from where it is kept as text (twips).
    struct TargetSquare
    {
        double xs, ys, ws, hs;
    };
    TargetSquare targetSquare() const;
    // The left picture's target square, moved by the disparity.
    void paintShiftedSquare(const QImage &left, const TargetSquare &s);

    forms::PictureBox *picBothEyes = nullptr;
    forms::PictureBox *picLeftEye = nullptr;
    forms::PictureBox *picRightEye = nullptr;
    forms::PictureBox *picDisp = nullptr;
    forms::ControlArray<forms::OptionButton> optAnaglyph{QStringLiteral("optAnaglyph")};
    forms::HScrollBar *hscDisp = nullptr;
    forms::CommandButton *cmdContinuous = nullptr;
    forms::Timer *Timer1 = nullptr;
};
