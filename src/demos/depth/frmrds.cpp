#include "frmrds.h"

// The stored pictures are compiled into the program; a static library
// has to register its resources by hand.
static void registerStoredPictures()
{
    Q_INIT_RESOURCE(frmrds);
}

using namespace forms;

namespace {

// The sweep turns at the first disparity beyond this (twips).
constexpr int SweepLimit = 200;

const QString LcdPictureFile = QStringLiteral("images/RDS.bmp");
const QString AnaglyphPictureFile = QStringLiteral("images\\LeftEyeRDS.bmp");

// The two 792 x 573 dot pictures the window ships with: lit dots white for
// the left eye, the same dots blue for the right eye.
struct StoredPictures
{
    QImage leftEye, rightEye;
};

const StoredPictures &storedPictures()
{
    static const StoredPictures pictures = [] {
        registerStoredPictures();
        return StoredPictures{QImage(QStringLiteral(":/frmRDS/lefteye.png")),
                              QImage(QStringLiteral(":/frmRDS/righteye.png"))};
    }();
    return pictures;
}

} // namespace

FrmRDS::FrmRDS()
    : Form({.name = QStringLiteral("frmRDS"),
            .caption = QStringLiteral("Random Dot Stereogram"),
            .clientWidth = 5970,
            .clientHeight = 7485,
            .border = Border::Sizable,
            .startUp = StartUp::CenterScreen})
{
}

void FrmRDS::createControls()
{
    picBothEyes = add<PictureBox>(this, QStringLiteral("picBothEyes"), 4080, 5880, 975, 615);
    picBothEyes->setBackColor(SystemColor::WindowBackground);
    picBothEyes->setAutoRedraw(true);

    // The dot sources are never seen themselves; only their pictures are
    // copied onto the display.
    const auto source = [this](const char *name, double l, double t, double w, double h) {
        auto *box = add<PictureBox>(this, QString::fromLatin1(name), l, t, w, h);
        box->setVisible(false);
        box->setAutoRedraw(true);
        return box;
    };
    picLeftEye = source("picLeftEye", 2880, 5880, 1095, 855);
    picLeftEye->setPicture(storedPictures().leftEye);
    picRightEye = source("picRightEye", 120, 120, 11880, 5500);
    picRightEye->setPicture(storedPictures().rightEye);
    // Only its size is used: it places the target square.
    picDisp = source("picDisp", 1200, 6000, 1215, 975);

    const char *captions[] = {"LCD Glasses", "Anaglyph"};
    const double lefts[] = {840, 2400};
    for (int i = 0; i < 2; ++i) {
        addIndexed(optAnaglyph, this, i, lefts[i], 7080, 1215, 375);
        optAnaglyph[i]->setCaption(QString::fromLatin1(captions[i]));
    }
    optAnaglyph[0]->setValue(true);

    hscDisp = add<HScrollBar>(this, QStringLiteral("hscDisp"), 4080, 7320, 2175, 255);
    hscDisp->setRange(-300, 300);
    hscDisp->setSmallChange(10);
    hscDisp->setLargeChange(50);
    hscDisp->setValue(0);

    cmdContinuous = add<CommandButton>(this, QStringLiteral("cmdContinuous"), 4680, 6720, 1215, 255);
    cmdContinuous->setCaption(QStringLiteral("Continuous"));

    Timer1 = addTimer(QStringLiteral("Timer1"), 10, false);

    // Change only: a dragged thumb redraws when it is let go.
    on(hscDisp, &ScrollBar::Change, this, &FrmRDS::hscDisp_Change);
    optAnaglyph.on(&OptionButton::Click, this, &FrmRDS::optAnaglyph_Click);
    on(cmdContinuous, &CommandButton::Click, this, &FrmRDS::cmdContinuous_Click);
    on(Timer1, &Timer::Tick, this, &FrmRDS::Timer1_Timer);
}

void FrmRDS::Form_Load()
{
    // An outer size of 800 x 600 pixels, whatever the design size.
    setWidth(800 * Screen::TwipsPerPixelX());
    setHeight(600 * Screen::TwipsPerPixelY());
    const double w = Width();
    const double h = Height();

    picBothEyes->setTop(0);
    picBothEyes->setLeft(0);
    picBothEyes->setWidth(w);
    picBothEyes->setHeight(0.85 * h);
    picLeftEye->setWidth(w);
    picLeftEye->setHeight(0.85 * h);
    picLeftEye->setLeft(0.85 * h);
    picRightEye->setWidth(w);
    picRightEye->setHeight(picLeftEye->Height());
    picRightEye->setLeft(0.85 * w);

    optAnaglyph[0]->setTop(0.9 * h);
    optAnaglyph[1]->setTop(optAnaglyph[0]->Top());
    optAnaglyph[0]->setLeft(w / 2 - optAnaglyph[0]->Width() - 2500);
    optAnaglyph[1]->setLeft(optAnaglyph[0]->Width() + optAnaglyph[0]->Left() + 50);

    // The target square, kept as text: width Ws, height Hs, left Xs, top Ys.
    // It is centred on the display, placed by picDisp's size.
    picBothEyes->setTag(CStr(float(picBothEyes->Width() / 8)));
    hscDisp->setTag(CStr(float(picBothEyes->Height() / 5)));
    picRightEye->setTag(CStr(float(picBothEyes->Height() / 2 - picDisp->Height() / 2)));
    picLeftEye->setTag(CStr(float(picBothEyes->Width() / 2 - picDisp->Width() / 2)));

    hscDisp->setTop(optAnaglyph[1]->Top());
    hscDisp->setLeft(optAnaglyph[1]->Width() + optAnaglyph[1]->Left() + 100);
    cmdContinuous->setTop(optAnaglyph[0]->Top());
    cmdContinuous->setLeft(hscDisp->Width() + hscDisp->Left() + 200);

    Timer1->setTag(QStringLiteral("True"));
    // At zero disparity the square lands on itself: the plain field.
    DrawLcdView();
}

void FrmRDS::hscDisp_Change()
{
    // A disparity beyond the sweep's limits, set by hand or by the sweep,
    // points the sweep back toward zero.
    const int d = hscDisp->Value();
    if (d > SweepLimit)
        Timer1->setTag(QStringLiteral("False"));
    if (d < -SweepLimit)
        Timer1->setTag(QStringLiteral("True"));
    if (optAnaglyph[0]->Value())
        DrawLcdView();
    else
        DrawAnaglyph();
}

void FrmRDS::optAnaglyph_Click(int)
{
    if (optAnaglyph[0]->Value())
        LoadLcdPicture();
    else
        LoadAnaglyphPicture();
}

void FrmRDS::cmdContinuous_Click()
{
    // The scroll bar is locked while the sweep drives it.
    if (cmdContinuous->Caption() == QLatin1String("Continuous")) {
        cmdContinuous->setCaption(QStringLiteral("Stop"));
        hscDisp->setEnabled(false);
        Timer1->setEnabled(true);
    } else {
        Timer1->setEnabled(false);
        hscDisp->setEnabled(true);
        cmdContinuous->setCaption(QStringLiteral("Continuous"));
    }
}

void FrmRDS::Timer1_Timer()
{
    // One pixel per tick; the new value's Change redraws.
    const double t = Screen::TwipsPerPixelX();
    const int d = hscDisp->Value();
    const float next = CBool(Timer1->Tag()) ? float(d + t) : float(d - t);
    hscDisp->setValue(CInt(next));
}

void FrmRDS::LoadLcdPicture()
{
    loadLeftEyePicture(LcdPictureFile);
    DrawLcdView();
}

void FrmRDS::LoadAnaglyphPicture()
{
    loadLeftEyePicture(AnaglyphPictureFile);
    DrawAnaglyph();
}

void FrmRDS::loadLeftEyePicture(const QString &file)
{
    // A missing or broken file must not leave the display empty: the
    // stereogram carries on with the dots it already has.
    try {
        picLeftEye->setPicture(LoadPicture(file));
    } catch (const RuntimeError &e) {
        MsgBox(QStringLiteral("The dot picture \"%1\" could not be loaded (%2), so the stereogram "
                              "keeps the dots it already has.")
                   .arg(file, RuntimeError::errorName(e.code()).toLower()),
               QStringLiteral("Picture Not Loaded"));
    }
}

FrmRDS::TargetSquare FrmRDS::targetSquare() const
{
    return {CDbl(picLeftEye->Tag()), CDbl(picRightEye->Tag()), CDbl(picBothEyes->Tag()), CDbl(hscDisp->Tag())};
}

void FrmRDS::paintShiftedSquare(const QImage &left, const TargetSquare &s)
{
    picBothEyes->PaintPicture(left, s.xs + hscDisp->Value(), CSng(s.ys), s.ws, s.hs, s.xs, s.ys, s.ws, s.hs);
}

void FrmRDS::DrawLcdView()
{
    // One eye's picture at a time (the glasses alternate): the field with
    // its target square moved by the disparity, painted over the unmoved
    // field.
    const QImage left = picLeftEye->Picture();
    picBothEyes->Cls();
    picBothEyes->PaintPicture(left, 0, 0);
    paintShiftedSquare(left, targetSquare());
}

void FrmRDS::DrawAnaglyph()
{
    // The left picture's colours carry the left eye's view: the square
    // moved by the disparity, and the strip it uncovers filled with
    // unrelated dots from near the picture's corner so that no outline
    // gives the square away. OR-ing the blue right picture over it adds
    // the right eye's view, the unchanged field, in the blue channel.
    const QImage left = picLeftEye->Picture();
    const TargetSquare s = targetSquare();
    picBothEyes->Cls();
    picBothEyes->PaintPicture(left, 0, 0);
    picBothEyes->PaintPicture(left, CSng(s.xs), CSng(s.ys), s.ws, s.hs, 50, 75, s.ws, s.hs);
    paintShiftedSquare(left, s);
    picBothEyes->PaintPicture(picRightEye->Picture(), 0, 0, Surface::Omitted, Surface::Omitted,
                              Surface::Omitted, Surface::Omitted, Surface::Omitted, Surface::Omitted,
                              RasterOp::SrcPaint);
}
