#pragma once
// Colour opponent theory: the three cones' outputs are recombined into two
// opponent channels. Blue-yellow is excited by the blue cone and inhibited
// by the mean of red and green (yellow); red-green is excited by red and
// inhibited by green. Each channel's circle takes the colour it signals.
// The student sets each cone's activity, adapts a cone (halves its output,
// as after staring at a colour, which explains negative afterimages) or
// removes it, and watches the channels' balance shift.

#include "forms/forms.h"

class FrmColorOpponent : public forms::Form
{
    Q_OBJECT

public:
    FrmColorOpponent();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void vscB_Change();
    void vscB_Scroll();
    void vscG_Change();
    void vscG_Scroll();
    void vscR_Change();
    void vscR_Scroll();
    void cmdB_Click();
    void cmdG_Click();
    void cmdR_Click();
    void cmdRemoveB_Click();
    void cmdRemoveG_Click();
    void cmdRemoveR_Click();

    void UpdateOpponent();

    // What belongs to one cone: its bar, labels, buttons and the links it
    // feeds into the channels.
    struct Cone
    {
        QString letter;
        forms::VScrollBar *bar;
        forms::Label *letterLabel;
        forms::Label *valueLabel;
        forms::CommandButton *adapt;
        forms::CommandButton *remove;
        std::vector<forms::LineControl *> links;
    };
    Cone coneB() const;
    Cone coneG() const;
    Cone coneR() const;
    void toggleAdaptation(const Cone &cone);
    void toggleRemoval(const Cone &cone);

    forms::VScrollBar *vscB = nullptr;
    forms::VScrollBar *vscG = nullptr;
    forms::VScrollBar *vscR = nullptr;
    forms::Shape *rectB = nullptr;
    forms::Shape *rectG = nullptr;
    forms::Shape *rectR = nullptr;
    forms::Label *lblB = nullptr;
    forms::Label *lblG = nullptr;
    forms::Label *lblR = nullptr;
    forms::Label *lblBAct = nullptr;
    forms::Label *lblGact = nullptr;
    forms::Label *lblRact = nullptr;
    forms::LineControl *linB = nullptr;
    forms::ControlArray<forms::LineControl> linG{QStringLiteral("linG")};
    forms::ControlArray<forms::LineControl> linR{QStringLiteral("linR")};
    forms::Shape *cirBY = nullptr;
    forms::Label *Label2 = nullptr;
    forms::Shape *cirRG = nullptr;
    forms::Label *Label3 = nullptr;
    forms::ControlArray<forms::Label> Label1{QStringLiteral("Label1")};
    forms::ControlArray<forms::Label> Label4{QStringLiteral("Label4")};
    forms::ControlArray<forms::Label> Label5{QStringLiteral("Label5")};
    forms::Label *lblBin = nullptr;
    forms::Label *lblYin = nullptr;
    forms::Label *lblRin = nullptr;
    forms::Label *lblGin = nullptr;
    forms::ControlArray<forms::LineControl> Line6{QStringLiteral("Line6")};
    forms::Label *lblBYout = nullptr;
    forms::Label *lblRGout = nullptr;
    forms::Label *lblBYcolor = nullptr;
    forms::Label *lblRGcolor = nullptr;
    forms::CommandButton *cmdB = nullptr;
    forms::CommandButton *cmdG = nullptr;
    forms::CommandButton *cmdR = nullptr;
    forms::CommandButton *cmdRemoveB = nullptr;
    forms::CommandButton *cmdRemoveG = nullptr;
    forms::CommandButton *cmdRemoveR = nullptr;
};
