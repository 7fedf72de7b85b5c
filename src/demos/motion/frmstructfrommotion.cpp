#include "frmstructfrommotion.h"

#include <QPainter>
#include <QPixmap>

#include <random>

// The stored field is compiled into the program; a static library has to
// register its resources by hand.
static void registerStoredField()
{
    Q_INIT_RESOURCE(frmstructfrommotion);
}

using namespace forms;

namespace {

constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Black = 0x000000;
// How far the square goes per move tick (twips).
constexpr double Step = 50;

// The 556 x 390 grey random-dot field the window ships with.
const QImage &storedField()
{
    static const QImage field = [] {
        registerStoredField();
        return QImage(QStringLiteral(":/frmStructFromMotion/field.png"));
    }();
    return field;
}

// Random dots with a square of them outlined in red.
QPixmap structIconPixmap(int size)
{
    QImage dots(size, size, QImage::Format_RGB32);
    std::mt19937 random(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            dots.setPixel(x, y, random() % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QPixmap pixmap = QPixmap::fromImage(dots);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::red, std::max(1, size / 16)));
    const int side = size / 2;
    p.drawRect(QRect(size / 4, size / 4, side, side));
    p.end();
    return pixmap;
}

QIcon structIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(structIconPixmap(size));
    return icon;
}

} // namespace

FrmStructFromMotion::FrmStructFromMotion()
    : Form({.name = QStringLiteral("frmStructFromMotion"),
            .caption = QStringLiteral("Structure from Motion"),
            .clientWidth = 8640,
            .clientHeight = 6600,
            .border = Border::Sizable,
            .icon = structIcon()})
{
}

void FrmStructFromMotion::createControls()
{
    // The frame's size bounds the square's moves.
    frame1 = add<Frame>(this, QStringLiteral("frame1"), 120, 120, 8295, 5775);
    frame1->setBorderStyle(0);
    picStruct = add<PictureBox>(frame1, QStringLiteral("picStruct"), 0, 0, 8295, 5775);
    picStruct->setAutoRedraw(true);
    picStruct->setPicture(storedField());
    // No border: an outline would give the square away while it stands
    // still.
    Square = add<PictureBox>(picStruct, QStringLiteral("Square"), 1320, 720, 855, 855);
    Square->setBorderStyle(0);
    Square->setBackColor(White);
    Square->setAutoRedraw(true);

    cmdMove = add<CommandButton>(this, QStringLiteral("cmdMove"), 3120, 6120, 1455, 375);
    cmdMove->setCaption(QStringLiteral("Move"));

    timMove = addTimer(QStringLiteral("timMove"), 5, false);
    timPause = addTimer(QStringLiteral("timPause"), 2000, false);

    on(cmdMove, &CommandButton::Click, this, &FrmStructFromMotion::cmdMove_Click);
    on(timPause, &Timer::Tick, this, &FrmStructFromMotion::timPause_Timer);
    on(timMove, &Timer::Tick, this, &FrmStructFromMotion::timMove_Timer);
}

void FrmStructFromMotion::Form_Load()
{
    Randomize();
    TextureSquare();
}

void FrmStructFromMotion::TextureSquare()
{
    // Points 10 twips apart, two thirds of a pixel: every pixel gets one or
    // two of them and ends up white or black at random.
    const double w = Square->Width();
    const double h = Square->Height();
    for (double x = 0; x <= w; x += 10) {
        for (double y = 0; y <= h; y += 10) {
            const float R = Rnd();
            Square->setForeColor(R < 0.5f ? White : Black);
            Square->PSet(x, y);
        }
    }
}

void FrmStructFromMotion::cmdMove_Click()
{
    if (cmdMove->Caption() == QLatin1String("Move")) {
        cmdMove->setCaption(QStringLiteral("Stop"));
        // The first move starts at once, without a rest.
        timPause_Timer();
    } else {
        // Also cancels a move that was due after the rest.
        cmdMove->setCaption(QStringLiteral("Move"));
        timMove->setEnabled(false);
        timPause->setEnabled(false);
    }
}

void FrmStructFromMotion::timPause_Timer()
{
    // A random direction, taken only when the square is not already in the
    // last quarter of the field that way; each test weighs the draw against
    // its own bound, so a draw one direction refuses may fall to a later
    // one. A draw that no direction takes is made again.
    const double W = frame1->Width();
    const double H = frame1->Height();
    const double L = Square->Left();
    const double T = Square->Top();
    const double SW = Square->Width();
    const double SH = Square->Height();
    QString direction;
    double target = 0;
    while (direction.isEmpty()) {
        const float R = Rnd();
        if (R < 0.25f && CSng(3 * W / 4) > L) {
            // Rightward, 25 % to 80 % of the free space on the right.
            direction = QStringLiteral("Left");
            target = (W - L - SW) * (0.25 + 0.55 * Rnd()) + L;
        } else if (R < 0.5f && L > W / 4) {
            // Leftward, to anywhere up to three quarters of the way from the edge.
            direction = QStringLiteral("Right");
            target = Rnd() * 0.75 * L;
        } else if (R < 0.75f && 3 * H / 4 > T) {
            // Downward, 25 % to 100 % of the free space below.
            direction = QStringLiteral("Up");
            target = (H - T - SH) * (0.25 + 0.75 * Rnd()) + T;
        } else if (T > H / 4) {
            // Upward, to anywhere up to three quarters of the way from the edge.
            direction = QStringLiteral("Down");
            target = Rnd() * 0.75 * T;
        }
    }
    Square->setTag(direction);
    timMove->setTag(CStr(target));
    timPause->setEnabled(false);
    timMove->setEnabled(true);
}

void FrmStructFromMotion::timMove_Timer()
{
    // "Left" and "Right" name the property Left and which way it changes,
    // not the way the square goes on screen: "Left" moves it to the right.
    const QString direction = Square->Tag();
    const bool horizontal = direction == QLatin1String("Left") || direction == QLatin1String("Right");
    const bool increasing = direction == QLatin1String("Left") || direction == QLatin1String("Up");
    if (!horizontal && direction != QLatin1String("Up") && direction != QLatin1String("Down"))
        return;
    const double target = CSng(CDbl(timMove->Tag()));
    const double at = horizontal ? Square->Left() : Square->Top();
    if (increasing ? target > at : target < at) {
        // The last step may pass the target by up to a step.
        const double next = increasing ? at + Step : at - Step;
        if (horizontal)
            Square->setLeft(next);
        else
            Square->setTop(next);
    } else {
        // Arrived: a rest, then the next move.
        timMove->setEnabled(false);
        timPause->setEnabled(true);
    }
}
