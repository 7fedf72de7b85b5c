#pragma once
// Signal detection theory: the noise and signal-plus-noise distributions
// of sensory strength, d' apart, and the observer's criterion between
// them. The student sets d' and the criterion, reads the percentages of
// hits, misses, false alarms and correct rejections, and hatches each of
// those regions under its curve.

#include "forms/forms.h"


class FrmSTDBasic : public forms::Form
{
    Q_OBJECT

public:
    FrmSTDBasic();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    enum class Region { Hits, FalseAlarms, Misses, CorrectRejections };

    void hscDPrime_Change();
    void hscDPrime_Scroll();
    void hscBeta_Change();
    void hscBeta_Scroll();
    void dpvalue_KeyPress(int &KeyAscii);
    void BetaValue_KeyPress(int &KeyAscii);
    void HitsLabel_Click();
    void FalseAlarmLabel_Click();
    void MissesLabel_Click();
    void CorrectRejectionLabel_Click();

    void RedrawPlot();
    void UpdatePercentages();
    void regionCaption_Click(Region region);
    void hatch(Region region, double criterion);
    forms::Label *caption(Region region) const;
    double criterion();
    double dPrimeForPercentages() const;

    forms::PictureBox *picPlotArea = nullptr;
    forms::Label *lblNoise = nullptr;
    forms::TextBox *txtSigNoise = nullptr;
    forms::ControlArray<forms::Label> lblXaxis{QStringLiteral("lblXaxis")};
    forms::Label *lblSensoryStrength = nullptr;
    forms::LineControl *linXaxis = nullptr;
    forms::LineControl *linYaxis = nullptr;
    forms::Label *dpLabel = nullptr;
    forms::TextBox *dpvalue = nullptr;
    forms::HScrollBar *hscDPrime = nullptr;
    forms::Label *BetaLabel = nullptr;
    forms::TextBox *BetaValue = nullptr;
    forms::HScrollBar *hscBeta = nullptr;
    forms::Label *HitsLabel = nullptr;
    forms::Label *FalseAlarmLabel = nullptr;
    forms::Label *Hits = nullptr;
    forms::Label *FalseAlarms = nullptr;
    forms::Label *MissesLabel = nullptr;
    forms::Label *CorrectRejectionLabel = nullptr;
    forms::Label *Misses = nullptr;
    forms::Label *CR = nullptr;

    // The d' of the curves on the plot.
    double DPrime = 1;
    // The criterion last read from its box: while the box holds text that
    // is not a number (being edited, say), the plot keeps this one.
    double Criterion = 3;
};
