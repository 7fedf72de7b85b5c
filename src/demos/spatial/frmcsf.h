#pragma once
// The contrast-sensitivity function at a glance: a chart whose grating
// rises in spatial frequency from left to right and in contrast from top
// to bottom, so that the boundary where the bars fade into grey traces the
// viewer's own sensitivity, highest at middle frequencies.

#include "forms/forms.h"

class FrmCSF : public forms::Form
{
    Q_OBJECT

public:
    FrmCSF();

protected:
    void createControls() override;
};
