#include "frmcolormixer.h"

using namespace forms;

FrmColorMixer::FrmColorMixer()
    : Form({.name = QStringLiteral("frmColorMixer"),
            .caption = QStringLiteral("Color Mixer"),
            .clientWidth = 6690,
            .clientHeight = 5025,
            .border = Border::FixedSingle,
            .backColor = 0x000000,
            .mdiChild = true})
{
}

void FrmColorMixer::createControls()
{
    // Patches are made back to front, so the mixtures lie over the
    // primaries and cover every region where two primaries overlap.
    const auto patch = [this](const char *name, double l, double t, double w, double h, OleColor c) {
        auto *shape = add<Shape>(this, QString::fromLatin1(name), l, t, w, h);
        shape->setBackStyle(1);
        shape->setBorderStyle(0);
        shape->setBackColor(c);
        return shape;
    };
    shpRed = patch("shpRed", 1560, 480, 2055, 2175, 0x0000FF);
    shpGreen = patch("shpGreen", 3480, 480, 2055, 2175, 0x00FF00);
    shpBlue = patch("shpBlue", 2400, 1560, 2295, 2055, 0xFF0000);
    shpRandG = patch("shpRandG", 3120, 480, 855, 1095, 0x00FFFF);
    shpRandB = patch("shpRandB", 2400, 1560, 735, 1095, 0xFF00FF);
    shpGandB = patch("shpGandB", 3960, 1560, 735, 1095, 0xFFFF00);
    shpRGB = patch("shpRGB", 3120, 1560, 855, 1095, 0xFFFFFF);

    // Full intensity at the top of the vertical bars: Min 255, Max 0.
    const auto bar = [](ScrollBar *s, int min, int max) {
        s->setRange(min, max);
        s->setValue(255);
        s->setSmallChange(1);
        s->setLargeChange(25);
    };
    scrGreen = add<VScrollBar>(this, QStringLiteral("scrGreen"), 5760, 240, 255, 3015);
    bar(scrGreen, 255, 0);
    scrBlue = add<HScrollBar>(this, QStringLiteral("scrBlue"), 2160, 3720, 2895, 255);
    bar(scrBlue, 0, 255);
    scrRed = add<VScrollBar>(this, QStringLiteral("scrRed"), 840, 360, 255, 2895);
    bar(scrRed, 255, 0);
    scrGreen->setTabIndex(0);
    scrBlue->setTabIndex(1);
    scrRed->setTabIndex(2);

    on(scrRed, &ScrollBar::Change, this, &FrmColorMixer::scrRed_Change);
    on(scrRed, &ScrollBar::Scroll, this, &FrmColorMixer::scrRed_Scroll);
    on(scrGreen, &ScrollBar::Change, this, &FrmColorMixer::scrGreen_Change);
    on(scrGreen, &ScrollBar::Scroll, this, &FrmColorMixer::scrGreen_Scroll);
    on(scrBlue, &ScrollBar::Change, this, &FrmColorMixer::scrBlue_Change);
    on(scrBlue, &ScrollBar::Scroll, this, &FrmColorMixer::scrBlue_Scroll);
}

// Each handler recolours only the four patches that contain its primary;
// the others are still right because their primaries did not change.

void FrmColorMixer::scrRed_Change()
{
    shpRed->setBackColor(RGB(scrRed->Value(), 0, 0));
    shpRandG->setBackColor(RGB(scrRed->Value(), scrGreen->Value(), 0));
    shpRandB->setBackColor(RGB(scrRed->Value(), 0, scrBlue->Value()));
    shpRGB->setBackColor(RGB(scrRed->Value(), scrGreen->Value(), scrBlue->Value()));
}

void FrmColorMixer::scrRed_Scroll() { scrRed_Change(); }

void FrmColorMixer::scrGreen_Change()
{
    shpGreen->setBackColor(RGB(0, scrGreen->Value(), 0));
    shpRandG->setBackColor(RGB(scrRed->Value(), scrGreen->Value(), 0));
    shpGandB->setBackColor(RGB(0, scrGreen->Value(), scrBlue->Value()));
    shpRGB->setBackColor(RGB(scrRed->Value(), scrGreen->Value(), scrBlue->Value()));
}

void FrmColorMixer::scrGreen_Scroll() { scrGreen_Change(); }

void FrmColorMixer::scrBlue_Change()
{
    shpBlue->setBackColor(RGB(0, 0, scrBlue->Value()));
    shpRandB->setBackColor(RGB(scrRed->Value(), 0, scrBlue->Value()));
    shpGandB->setBackColor(RGB(0, scrGreen->Value(), scrBlue->Value()));
    shpRGB->setBackColor(RGB(scrRed->Value(), scrGreen->Value(), scrBlue->Value()));
}

void FrmColorMixer::scrBlue_Scroll() { scrBlue_Change(); }
