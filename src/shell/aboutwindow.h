#pragma once
// The About window: the program's name, course, version and credit.

#include "forms/forms.h"

class FrmAbout : public forms::Form
{
    Q_OBJECT

public:
    FrmAbout();

protected:
    void createControls() override;

private:
    void Command1_Click();

    forms::Label *Label1 = nullptr;
    forms::Frame *Frame1 = nullptr;
    forms::Image *Image1 = nullptr;
    forms::Frame *Frame2 = nullptr;
    forms::Frame *Frame3 = nullptr;
    forms::CommandButton *Command1 = nullptr;
};
