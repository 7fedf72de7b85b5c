#pragma once
// Simultaneous contrast, tried: a grey patch on black beside a patch on
// white. The student sets the right patch until the two look alike, then
// clears the backgrounds and slides the patches together to see how far
// apart the two greys really are.

#include "forms/forms.h"


class FrmSimCon1 : public forms::Form
{
    Q_OBJECT

public:
    FrmSimCon1();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdClear_Click();
    void cmdReset_Click();
    void vscrRigh_Change();
    void vscrRigh_Scroll();
    void pickRightGrey();

    forms::ControlArray<forms::PictureBox> picSurround{QStringLiteral("picSurround")};
    forms::ControlArray<forms::PictureBox> picCenter{QStringLiteral("picCenter")};
    forms::VScrollBar *vscrRigh = nullptr;
    forms::CommandButton *cmdClear = nullptr;
    forms::CommandButton *cmdReset = nullptr;

    // True while both surrounds are shown, False once they are cleared.
    bool BackgroundsShown = true;
};
