#include "uctcorvane.h"

#include "plotting/modcorvane.h"

#include <cmath>

using namespace forms;

namespace {
// The frequency captions under the buttons and where they start (twips).
// Each button doubles the cycles of the one before it, from half a cycle
// up to 128; the last two labels have room for three digits and start
// further left.
struct FrequencyCaption
{
    const char *caption;
    double left;
    double width;
};
constexpr FrequencyCaption frequencyCaptions[] = {
    {"0.5", 2640, 255}, {"  1", 3120, 255}, {" 2", 3600, 255}, {" 4", 4080, 255}, {" 8", 4560, 255},
    {"16", 5040, 255},  {"32", 5520, 255},  {" 64", 5880, 375}, {"128", 6480, 375},
};
} // namespace

UctCorvane::UctCorvane(QWidget *parent)
    : UserControl(parent)
{
    createControls();
    guarded([this] { UserControl_Initialize(); });
}

void UctCorvane::createControls()
{
    picGrating = add<PictureBox>(QStringLiteral("picGrating"), 120, 240, 9495, 4335);
    picGrating->setBackColor(SystemColor::WindowBackground);
    picGrating->setForeColor(SystemColor::WindowText);
    picGrating->setAutoRedraw(true);

    // Contrast in thousandths, full contrast at the top.
    vscContrastRatio = add<VScrollBar>(QStringLiteral("vscContrastRatio"), 9840, 240, 255, 4335);
    vscContrastRatio->setRange(1000, 0);
    vscContrastRatio->setSmallChange(1);
    vscContrastRatio->setLargeChange(100);
    vscContrastRatio->setValue(100);

    Label3 = add<Label>(QStringLiteral("Label3"), 9600, 4800, 615, 615);
    Label3->setCaption(QStringLiteral("Contrast (% of Max) ="));
    Label3->setAlignment(Label::Center);

    lblContrast = add<Label>(QStringLiteral("lblContrast"), 9720, 5520, 375, 255);
    lblContrast->setCaption(QStringLiteral("Label4"));
    lblContrast->setAlignment(Label::Center);

    Label2 = add<Label>(QStringLiteral("Label2"), 3240, 4680, 3375, 255);
    Label2->setCaption(QStringLiteral("Spatial Frequency (Cycles in the grating)"));

    for (int i = 0; i < 9; ++i) {
        // The buttons are too narrow to show their caption: the labels
        // below them tell the frequency.
        addIndexed(optSF, i, 2640 + 480 * i, 4920, 255, 255)->setCaption(QStringLiteral("1"));
        const FrequencyCaption &f = frequencyCaptions[i];
        addIndexed(Label1, i, f.left, 5160, f.width, 255)->setCaption(QString::fromLatin1(f.caption));
    }
    optSF[0]->setValue(true);

    // Dragging redraws continuously: Scroll does what Change does.
    on(vscContrastRatio, &ScrollBar::Change, this, &UctCorvane::vscContrastRatio_Change);
    on(vscContrastRatio, &ScrollBar::Scroll, this, &UctCorvane::vscContrastRatio_Scroll);
    optSF.on(&OptionButton::Click, this, &UctCorvane::optSF_Click);
}

void UctCorvane::UserControl_Initialize()
{
    Randomize();
    chooseRandomContrast();
}

// Also a click on the button already selected: a new search starts.
void UctCorvane::optSF_Click(int) { chooseRandomContrast(); }

void UctCorvane::chooseRandomContrast()
{
    const int c = int(Int(Rnd() * 1000.0f));
    // Setting the value the bar already has raises no Change.
    if (c == vscContrastRatio->Value())
        vscContrastRatio_Change();
    else
        vscContrastRatio->setValue(c);
}

void UctCorvane::vscContrastRatio_Change()
{
    int i = 0;
    while (i < optSF.UBound() && !optSF[i]->Value())
        ++i;
    const double cycles = std::pow(2.0, i - 1);
    const int c = vscContrastRatio->Value();
    lblContrast->setCaption(CStr(c / 10.0));
    modCorvane::DrawGrating(*picGrating, cycles, c / 1000.0);
}

void UctCorvane::vscContrastRatio_Scroll() { vscContrastRatio_Change(); }
