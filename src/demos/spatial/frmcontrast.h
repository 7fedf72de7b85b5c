#pragma once
// Measuring one's own contrast sensitivity: the window hosts the grating
// control of the Corvane library, created by its class name when the
// window loads. Everything the window does is done by the control; if the
// control cannot be created, the window says why where the control would be.

#include "forms/forms.h"

class FrmContrast : public forms::Form
{
    Q_OBJECT

public:
    FrmContrast();

protected:
    void createControls() override;

private:
    forms::Control *uctCorvane1 = nullptr;
    // Stands in for the control when it cannot be created.
    forms::Label *lblNoControl = nullptr;
};
