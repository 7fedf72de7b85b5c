#include "frmsimcon1.h"

using namespace forms;

namespace {
// Where the right patch stands over its surround, and where it stands when
// its left edge touches the right edge of the left patch (1200 + 1095).
constexpr int RightPatchHome = 4560;
constexpr int RightPatchBeside = 2295;
} // namespace

FrmSimCon1::FrmSimCon1()
    : Form({.name = QStringLiteral("frmSimCon1"),
            .caption = QStringLiteral("Simultaneous Contrast"),
            .clientWidth = 7650,
            .clientHeight = 3870,
            .border = Border::FixedSingle,
            .backColor = 0x000000,
            .mdiChild = true})
{
}

void FrmSimCon1::createControls()
{
    addIndexed(picSurround, this, 0, 240, 240, 3135, 2775);
    picSurround[0]->setBackColor(0x000000);
    addIndexed(picSurround, this, 1, 3540, 240, 3135, 2775);
    picSurround[1]->setBackColor(0xFFFFFF);
    // The patches belong to the window, not to the surrounds, and are made
    // after them so they lie in front: the right one can then slide across
    // both surrounds.
    addIndexed(picCenter, this, 0, 1200, 1200, 1095, 855);
    picCenter[0]->setBackColor(0x808080);
    addIndexed(picCenter, this, 1, RightPatchHome, 1200, 1095, 855);
    picCenter[1]->setBackColor(0x808080);
    // The darkest grey at the top.
    vscrRigh = add<VScrollBar>(this, QStringLiteral("vscrRigh"), 6840, 120, 375, 3015);
    vscrRigh->setRange(30, 230);
    vscrRigh->setSmallChange(1);
    vscrRigh->setLargeChange(25);
    vscrRigh->setValue(30);
    cmdClear = add<CommandButton>(this, QStringLiteral("cmdClear"), 1680, 3240, 1935, 375);
    cmdClear->setCaption(QStringLiteral("Clear Backgroud"));
    cmdReset = add<CommandButton>(this, QStringLiteral("cmdReset"), 3960, 3240, 975, 375);
    cmdReset->setCaption(QStringLiteral("Reset"));

    on(cmdClear, &CommandButton::Click, this, &FrmSimCon1::cmdClear_Click);
    on(cmdReset, &CommandButton::Click, this, &FrmSimCon1::cmdReset_Click);
    on(vscrRigh, &ScrollBar::Change, this, &FrmSimCon1::vscrRigh_Change);
    on(vscrRigh, &ScrollBar::Scroll, this, &FrmSimCon1::vscrRigh_Scroll);
}

void FrmSimCon1::Form_Load()
{
    Randomize();
    BackgroundsShown = true;
    pickRightGrey();
    picCenter[0]->setBackColor(RGB(100, 100, 100));
}

void FrmSimCon1::pickRightGrey()
{
    // A random start (30 to 229), so the student cannot match by habit.
    const int g = int(Int(Rnd() * 200.0f)) + 30;
    vscrRigh->setValue(g);
    picCenter[1]->setBackColor(RGB(g, g, g));
}

void FrmSimCon1::cmdReset_Click() { pickRightGrey(); }

void FrmSimCon1::vscrRigh_Change()
{
    const int v = vscrRigh->Value();
    picCenter[1]->setBackColor(RGB(v, v, v));
}

void FrmSimCon1::vscrRigh_Scroll() { vscrRigh_Change(); }

void FrmSimCon1::cmdClear_Click()
{
    // The right patch moves a twip at a time, each step its own assignment
    // of Left, and the whole slide runs before the handler returns.
    if (BackgroundsShown) {
        // Grey 1 rather than 0: practically black, like the left surround.
        picSurround[1]->setBackColor(RGB(1, 1, 1));
        cmdClear->setCaption(QStringLiteral("Restore Backgrounds"));
        for (int left = RightPatchHome; left >= RightPatchBeside; --left)
            picCenter[1]->setLeft(left);
        cmdReset->setEnabled(false);
        BackgroundsShown = false;
    } else {
        for (int left = RightPatchBeside; left <= RightPatchHome; ++left)
            picCenter[1]->setLeft(left);
        picSurround[1]->setBackColor(RGB(255, 255, 255));
        cmdClear->setCaption(QStringLiteral("Clear Backgrounds"));
        cmdReset->setEnabled(true);
        BackgroundsShown = true;
    }
}
