#pragma once
// Mach bands: the window holds one embedded object, an animation of Mach
// bands. Activating it (a double click, or Enter when it has the focus)
// opens the animation in a window of its own: a staircase and a ramp whose
// edges show light and dark bands that are not in the light, with the
// luminance drawn beneath.

#include "forms/forms.h"

class FrmMachBands : public forms::Form
{
    Q_OBJECT

public:
    FrmMachBands();

protected:
    void createControls() override;

private:
    forms::OleContainer *oleMachBands = nullptr;
};
