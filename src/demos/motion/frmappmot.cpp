#include "frmappmot.h"

using namespace forms;

namespace {
constexpr OleColor SquareRed = 0x0000C0;
constexpr double SquareSize = 735;
// The squares are placed symmetrically about this x (twips).
constexpr double Centre = 5760.0 / 2;
// A flash and the dark interval after it never last less than this
// together (ms).
constexpr int ShortestCycle = 17;
} // namespace

FrmAppMot::FrmAppMot()
    : Form({.name = QStringLiteral("frmAppMot"),
            .caption = QStringLiteral("Apparent Motion"),
            .clientWidth = 5670,
            .clientHeight = 3195,
            .border = Border::FixedSingle,
            .mdiChild = true})
{
}

void FrmAppMot::createControls()
{
    const auto square = [this](const char *name, double left) {
        auto *box = add<PictureBox>(this, QString::fromLatin1(name), left, 480, SquareSize, SquareSize);
        box->setBackColor(SquareRed);
        box->setVisible(false);
        return box;
    };
    picLeft = square("picLeft", 240);
    picRight = square("picRight", 4680);

    const auto label = [this](const char *name, double left, double top, double width, const char *caption) {
        auto *l = add<Label>(this, QString::fromLatin1(name), left, top, width, 255);
        l->setCaption(QString::fromLatin1(caption));
        return l;
    };
    const auto bar = [this](const char *name, double top, int min, int max, int largeChange, int value) {
        auto *s = add<HScrollBar>(this, QString::fromLatin1(name), 1920, top, 1575, 255);
        s->setRange(min, max);
        s->setSmallChange(1);
        s->setLargeChange(largeChange);
        s->setValue(value);
        return s;
    };
    lblDistApart = label("lblDistApart", 480, 1560, 1215, "Distance Apart");
    hscDistApart = bar("hscDistApart", 1560, 100, 4000, 1, 500);
    lblDistApatValue = label("lblDistApatValue", 3600, 1560, 615, "Label1");
    lblTimeBetween = label("lblTimeBetween", 480, 2040, 1095, "Time Between");
    hscTimeBetween = bar("hscTimeBetween", 2040, 1, 2000, 25, 1);
    lblTBValue = label("lblTBValue", 3600, 2040, 615, "Label1");
    lblTimeOn = label("lblTimeOn", 480, 2520, 1095, "Flash Duration");
    hscTimeOne = bar("hscTimeOne", 2520, 1, 1000, 100, 1);
    lblFDValue = label("lblFDValue", 3600, 2520, 615, "Label1");
    cmdStart = add<CommandButton>(this, QStringLiteral("cmdStart"), 4440, 1800, 855, 375);
    cmdStart->setCaption(QStringLiteral("Start"));
    timStimDur = addTimer(QStringLiteral("timStimDur"), 1, false);
    timISI = addTimer(QStringLiteral("timISI"), 1, false);

    on(cmdStart, &CommandButton::Click, this, &FrmAppMot::cmdStart_Click);
    // Change only: a dragged thumb takes effect when it is released.
    on(hscDistApart, &ScrollBar::Change, this, &FrmAppMot::hscDistApart_Change);
    on(hscTimeBetween, &ScrollBar::Change, this, &FrmAppMot::hscTimeBetween_Change);
    on(hscTimeOne, &ScrollBar::Change, this, &FrmAppMot::hscTimeOne_Change);
    on(timStimDur, &Timer::Tick, this, &FrmAppMot::timStimDur_Timer);
    on(timISI, &Timer::Tick, this, &FrmAppMot::timISI_Timer);
}

void FrmAppMot::Form_Load()
{
    lblDistApatValue->setCaption(QString::number(hscDistApart->Value()));
    hscDistApart_Change();
    // The window's own Left says which square flashes next: 0 the left one,
    // anything else the right one.
    setLeft(0);
    hscTimeBetween->setValue(16);
    lblTBValue->setCaption(QString::number(hscTimeBetween->Value()));
    lblFDValue->setCaption(QString::number(hscTimeOne->Value()));
    timISI->setInterval(hscTimeBetween->Value());
    timStimDur->setInterval(hscTimeOne->Value());
    timISI->setEnabled(false);
    timStimDur->setEnabled(false);
}

void FrmAppMot::hscDistApart_Change()
{
    // The gap between the squares' inner edges is d, centred on the window;
    // halves of an odd d are kept (single precision, as positions are).
    const float d = float(hscDistApart->Value());
    picLeft->setLeft(float(Centre - SquareSize - d / 2));
    picRight->setLeft(float(Centre + d / 2));
    lblDistApatValue->setCaption(QString::number(hscDistApart->Value()));
}

// The two time bars keep the cycle at least ShortestCycle ms long: when
// the user shortens one too far, the other is raised to make up the rest.

void FrmAppMot::hscTimeBetween_Change()
{
    const int b = hscTimeBetween->Value();
    timISI->setInterval(b);
    lblTBValue->setCaption(QString::number(b));
    if (b + hscTimeOne->Value() < ShortestCycle) {
        hscTimeOne->setValue(ShortestCycle - b);
        lblFDValue->setCaption(QString::number(hscTimeOne->Value()));
        timStimDur->setInterval(hscTimeOne->Value());
    }
}

void FrmAppMot::hscTimeOne_Change()
{
    const int f = hscTimeOne->Value();
    timStimDur->setInterval(f);
    lblFDValue->setCaption(QString::number(f));
    if (hscTimeBetween->Value() + f < ShortestCycle) {
        hscTimeBetween->setValue(ShortestCycle - f);
        lblTBValue->setCaption(QString::number(hscTimeBetween->Value()));
        timISI->setInterval(hscTimeBetween->Value());
    }
}

void FrmAppMot::cmdStart_Click()
{
    if (cmdStart->Caption() == QLatin1String("Start")) {
        // Both squares are hidden while idle, so the first one appears a
        // flash duration plus a dark interval after the click.
        timStimDur->setInterval(hscTimeOne->Value());
        timStimDur->setEnabled(true);
        cmdStart->setCaption(QStringLiteral("Stop"));
    } else {
        // The alternation flag is left alone: the next run starts with the
        // square that was due.
        timStimDur->setEnabled(false);
        timISI->setEnabled(false);
        picLeft->setVisible(false);
        picRight->setVisible(false);
        cmdStart->setCaption(QStringLiteral("Start"));
    }
}

// Two one-shot timers hand over to each other: a flash, then darkness,
// then a flash of the other square.

void FrmAppMot::timStimDur_Timer()
{
    timStimDur->setEnabled(false);
    picLeft->setVisible(false);
    picRight->setVisible(false);
    timISI->setEnabled(true);
}

void FrmAppMot::timISI_Timer()
{
    timISI->setEnabled(false);
    if (Left() == 0) {
        picLeft->setVisible(true);
        setLeft(-1);
    } else {
        picRight->setVisible(true);
        setLeft(0);
    }
    timStimDur->setEnabled(true);
}
