#pragma once
// Motion in depth from binocular disparity alone: a rectangle is drawn
// once for each eye, the two copies shifted sideways in opposite
// directions by a disparity that a timer sweeps back and forth, so the
// rectangle seems to come toward the viewer and recede although its size
// never changes. A bar below it is the same for both eyes and stays put.
// The two eyes' copies are told apart either by alternate pixel rows
// (stereo pairs, for row-interleaving glasses) or by colour (anaglyph,
// red and blue filters).

#include "forms/forms.h"


class FrmMotionInDepth : public forms::Form
{
    Q_OBJECT

public:
    FrmMotionInDepth();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdStart_Click();
    void optAnaglyph_Click(int Index);
    void Timer1_Timer();

    void DrawStereoPair(forms::PictureBox *p, float d);
    void DrawAnaglyphPair(forms::PictureBox *p, float d);
    void DrawReferenceBar(forms::PictureBox *p);
    void redraw(float d);

    forms::PictureBox *picDepth = nullptr;
    forms::CommandButton *cmdStart = nullptr;
    forms::ControlArray<forms::OptionButton> optAnaglyph{QStringLiteral("optAnaglyph")};
    forms::Timer *Timer1 = nullptr;
};
