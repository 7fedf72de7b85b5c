#pragma once
// Additive colour mixing: three primary lights overlap like a Venn
// diagram, and the overlaps show their mixtures. Each scroll bar sets one
// primary's intensity, and every patch containing it follows at once,
// while dragging as well.

#include "forms/forms.h"

class FrmColorMixer : public forms::Form
{
    Q_OBJECT

public:
    FrmColorMixer();

protected:
    void createControls() override;

private:
    void scrRed_Change();
    void scrRed_Scroll();
    void scrGreen_Change();
    void scrGreen_Scroll();
    void scrBlue_Change();
    void scrBlue_Scroll();

    forms::VScrollBar *scrRed = nullptr;
    forms::VScrollBar *scrGreen = nullptr;
    forms::HScrollBar *scrBlue = nullptr;
    forms::Shape *shpRGB = nullptr;
    forms::Shape *shpGandB = nullptr;
    forms::Shape *shpRandB = nullptr;
    forms::Shape *shpRandG = nullptr;
    forms::Shape *shpBlue = nullptr;
    forms::Shape *shpGreen = nullptr;
    forms::Shape *shpRed = nullptr;
};
