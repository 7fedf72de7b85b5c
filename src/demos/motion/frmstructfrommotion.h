#pragma once
// Form from motion alone: a small square of random black and white dots
// lies on a larger field of random dots. Standing still it cannot be told
// from the field; as soon as it moves it is seen at once. It makes
// straight moves in random directions to random targets, resting two
// seconds between moves, for as long as the user lets it run.

#include "forms/forms.h"

class FrmStructFromMotion : public forms::Form
{
    Q_OBJECT

public:
    FrmStructFromMotion();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void TextureSquare();
    void cmdMove_Click();
    void timPause_Timer();
    void timMove_Timer();

    forms::Frame *frame1 = nullptr;
    forms::PictureBox *picStruct = nullptr;
    forms::PictureBox *Square = nullptr;
    forms::CommandButton *cmdMove = nullptr;
    forms::Timer *timMove = nullptr;
    forms::Timer *timPause = nullptr;
};
