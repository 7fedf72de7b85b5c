#pragma once
// The frame of reference in seeing motion: a wheel with four spokes rolls
// across a strip with a red dot on its rim. With the wheel shown the dot is
// seen to circle the hub; with the wheel removed, the same dot is seen to
// travel along a row of arches (a cycloid).

#include "forms/forms.h"

class FrmFrame : public forms::Form
{
    Q_OBJECT

public:
    FrmFrame();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void cmdStart_Click();
    void cmdRemove_Click();
    void timFrame_Timer();
    void DrawRimDot(forms::Surface &p, double X, double Y, double r);

    // The hub's position along the strip (twips); the wheel's turn is
    // worked out from it.
    double HubX = -500;

    forms::PictureBox *picFrame = nullptr;
    forms::CommandButton *cmdStart = nullptr;
    forms::CommandButton *cmdRemove = nullptr;
    forms::Timer *timFrame = nullptr;
};
