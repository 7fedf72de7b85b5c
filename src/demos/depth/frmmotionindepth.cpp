#include "frmmotionindepth.h"

#include <QPainter>
#include <QPixmap>

using namespace forms;

namespace {

constexpr OleColor Grey = 0x808080;
constexpr OleColor White = 0xFFFFFF;
// The sweep turns at the first disparity beyond this many pixels.
constexpr double SweepLimitPixels = 20;

// The object's place on a surface, from its outer size: a rectangle a
// tenth of the width wide and two fifteenths of the height high, centred.
struct Geometry
{
    double cx, cy, hw, hh;
};

Geometry geometryOf(const PictureBox *p)
{
    const double w = p->Width();
    const double h = p->Height();
    return {Int(w / 2), Int(h / 2), Int(w / 20), Int(h / 15)};
}

// Grey ground, the red-filter copy shifted left, the blue one shifted
// right, magenta where they overlap: the anaglyph in a nutshell.
QIcon motionInDepthIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(QColor(128, 128, 128));
        QPainter p(&pixmap);
        const QRectF object(size * 0.25, size * 0.3, size * 0.5, size * 0.4);
        const double shift = size * 0.12;
        p.fillRect(object.translated(-shift, 0), QColor(255, 128, 128));
        p.fillRect(object.translated(shift, 0), QColor(128, 128, 255));
        p.fillRect(object.adjusted(shift, 0, -shift, 0), QColor(255, 128, 255));
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

FrmMotionInDepth::FrmMotionInDepth()
    : Form({.name = QStringLiteral("frmMotionInDepth"),
            .caption = QStringLiteral("Motion In Depth"),
            .clientWidth = 8445,
            .clientHeight = 6060,
            .border = Border::FixedSingle,
            .backColor = Grey,
            .startUp = StartUp::CenterScreen,
            .icon = motionInDepthIcon()})
{
}

void FrmMotionInDepth::createControls()
{
    picDepth = add<PictureBox>(this, QStringLiteral("picDepth"), 0, 0, 735, 615);
    picDepth->setBackColor(Grey);
    picDepth->setForeColor(White);
    picDepth->setAutoRedraw(true);

    cmdStart = add<CommandButton>(this, QStringLiteral("cmdStart"), 3960, 5280, 975, 375);
    cmdStart->setCaption(QStringLiteral("Start"));

    const char *captions[] = {"Stereo Pairs", "Anaglyph"};
    const double lefts[] = {5400, 6960};
    for (int i = 0; i < 2; ++i) {
        auto *option = addIndexed(optAnaglyph, this, i, lefts[i], 5280, 1335, 375);
        option->setCaption(QString::fromLatin1(captions[i]));
        option->setBackColor(Grey);
        option->setForeColor(White);
    }
    optAnaglyph[0]->setValue(true);

    Timer1 = addTimer(QStringLiteral("Timer1"), 100, false);

    on(cmdStart, &CommandButton::Click, this, &FrmMotionInDepth::cmdStart_Click);
    optAnaglyph.on(&OptionButton::Click, this, &FrmMotionInDepth::optAnaglyph_Click);
    on(Timer1, &Timer::Tick, this, &FrmMotionInDepth::Timer1_Timer);
}

void FrmMotionInDepth::Form_Load()
{
    // The disparity lives in the window's Tag, the sweep's direction in
    // the picture's.
    setTag(QStringLiteral("0"));
    picDepth->setTag(QStringLiteral("True"));
    picDepth->setForeColor(RGB(255, 255, 255));

    // The whole screen, so that nothing but the object and the bar is seen.
    setWidth(Screen::Width(this));
    setHeight(Screen::Height(this));
    picDepth->setWidth(Screen::Width(this));
    picDepth->setHeight(0.8 * Screen::Height(this));

    // The button is centred under the picture with a mode on either side.
    cmdStart->setTop(picDepth->Height() + 50);
    cmdStart->setLeft(Int(Width() / 2) - Int(cmdStart->Width() / 2));
    optAnaglyph[0]->setTop(cmdStart->Top());
    optAnaglyph[1]->setTop(cmdStart->Top());
    optAnaglyph[0]->setLeft(cmdStart->Left() - 1500);
    optAnaglyph[1]->setLeft(cmdStart->Width() + cmdStart->Left() + (1500 - optAnaglyph[1]->Width()));

    DrawStereoPair(picDepth, CSng(CDbl(Tag())));
}

void FrmMotionInDepth::cmdStart_Click()
{
    // Only the timer is switched: a stopped object keeps its disparity and
    // direction, and the next Start carries on from there.
    if (cmdStart->Caption() == QLatin1String("Start")) {
        cmdStart->setCaption(QStringLiteral("Stop"));
        Timer1->setEnabled(true);
    } else {
        cmdStart->setCaption(QStringLiteral("Start"));
        Timer1->setEnabled(false);
    }
}

void FrmMotionInDepth::optAnaglyph_Click(int)
{
    redraw(CSng(CDbl(Tag())));
}

void FrmMotionInDepth::Timer1_Timer()
{
    // One pixel per tick, turning at the first value beyond the limit:
    // 0, 15, ..., 300, 315, 300, ..., -315, -300, ... at 15 twips a pixel.
    const double t = Screen::TwipsPerPixelX();
    const float limit = float(SweepLimitPixels * t);
    double d = CDbl(Tag());
    if (CBool(picDepth->Tag())) {
        d = d + t;
        setTag(CStr(d));
        if (d > limit)
            picDepth->setTag(QStringLiteral("False"));
    } else {
        d = d - t;
        setTag(CStr(d));
        if (d < -limit)
            picDepth->setTag(QStringLiteral("True"));
    }
    redraw(CSng(CDbl(Tag())));
}

void FrmMotionInDepth::redraw(float d)
{
    if (optAnaglyph[0]->Value())
        DrawStereoPair(picDepth, d);
    else
        DrawAnaglyphPair(picDepth, d);
}

void FrmMotionInDepth::DrawStereoPair(PictureBox *p, float d)
{
    // Even rows (from the top of the object) carry the left-shifted copy
    // and odd rows the right-shifted one, for glasses that show alternate
    // rows to alternate eyes. Both loops draw the same number of rows, so
    // the last odd row may lie one row below the object's bottom.
    const auto [cx, cy, hw, hh] = geometryOf(p);
    const double t = Screen::TwipsPerPixelY();
    p->Cls();
    for (double y = Int(cy - hh); y <= Int(cy + hh); y += 2 * t)
        p->Line(cx - hw - d, y, cx + hw - d, y);
    for (double y = Int(cy - hh) + t; y <= Int(cy + hh) + t; y += 2 * t)
        p->Line(cx - hw + d, y, cx + hw + d, y);
    DrawReferenceBar(p);
}

void FrmMotionInDepth::DrawAnaglyphPair(PictureBox *p, float d)
{
    // The red-channel picture (red and magenta) is the left-shifted copy,
    // the blue-channel picture (blue and magenta) the right-shifted one.
    // Each colour differs from the grey ground in the red channel, the blue
    // channel or both, so a red filter passes one copy and a blue filter
    // the other.
    const OleColor red = RGB(255, 128, 128);
    const OleColor magenta = RGB(255, 128, 255);
    const OleColor blue = RGB(128, 128, 255);
    const auto [cx, cy, hw, hh] = geometryOf(p);
    const double t = Screen::TwipsPerPixelY();
    const auto segment = [p](OleColor colour, double x1, double x2, double y) {
        p->setForeColor(colour);
        p->Line(x1, y, x2, y);
    };
    p->Cls();
    for (double y = Int(cy - hh); y <= Int(cy + hh); y += t) {
        if (d >= 0) {
            segment(red, cx - hw - d, cx - hw + d, y);
            segment(magenta, cx - hw + d, cx + hw - d, y);
            segment(blue, cx + hw - d, cx + hw + d, y);
        } else {
            segment(red, cx + hw - d, cx + hw + d, y);
            segment(magenta, cx + hw + d, cx - hw - d, y);
            segment(blue, cx - hw - d, cx - hw + d, y);
        }
    }
    p->setForeColor(RGB(255, 255, 255));
    DrawReferenceBar(p);
}

void FrmMotionInDepth::DrawReferenceBar(PictureBox *p)
{
    // The same for both eyes: white rows for the stereo pairs, magenta
    // (which passes both filters) for the anaglyph.
    p->setForeColor(optAnaglyph[1]->Value() ? RGB(255, 0, 255) : RGB(255, 255, 255));
    const auto [cx, cy, hw, hh] = geometryOf(p);
    const double t = Screen::TwipsPerPixelY();
    for (double y = Int(1.5 * hh + cy); y <= Int(3.5 * hh + cy); y += t)
        p->Line(cx - hw, y, cx + hw, y);
    p->setForeColor(RGB(255, 255, 255));
}
