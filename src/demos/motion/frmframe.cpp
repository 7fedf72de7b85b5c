#include "frmframe.h"

#include "modcircle.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

using namespace forms;

namespace {

constexpr OleColor Red = 0x0000FF;
constexpr OleColor Black = 0x000000;
// Hub advance per tick (twips).
constexpr double Step = 75;

// A wheel with its spokes and the red dot on its rim.
QPixmap frameIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF hub(size / 2.0, size / 2.0);
    const double r = size * 0.38;
    const QPointF spoke(r * 0.8, r * 0.6);
    p.setPen(QPen(Qt::black, std::max(1.0, size / 16.0)));
    p.drawEllipse(hub, r, r);
    p.drawLine(hub - spoke, hub + spoke);
    p.drawLine(hub + QPointF(spoke.y(), -spoke.x()), hub - QPointF(spoke.y(), -spoke.x()));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    const double dot = std::max(1.5, size / 10.0);
    p.drawEllipse(hub - spoke, dot, dot);
    p.end();
    return pixmap;
}

QIcon frameIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(frameIconPixmap(size));
    return icon;
}

} // namespace

FrmFrame::FrmFrame()
    : Form({.name = QStringLiteral("frmFrame"),
            .caption = QStringLiteral("Frame of Reference"),
            .clientWidth = 10080,
            .clientHeight = 3195,
            .border = Border::Sizable,
            .icon = frameIcon()})
{
}

void FrmFrame::createControls()
{
    picFrame = add<PictureBox>(this, QStringLiteral("picFrame"), 120, 120, 9735, 2295);
    picFrame->setAutoRedraw(true);

    cmdStart = add<CommandButton>(this, QStringLiteral("cmdStart"), 2880, 2520, 975, 375);
    cmdStart->setCaption(QStringLiteral("Start"));
    cmdRemove = add<CommandButton>(this, QStringLiteral("cmdRemove"), 4440, 2520, 1575, 375);
    cmdRemove->setCaption(QStringLiteral("Remove Wheel"));
    cmdRemove->setVisible(false);

    timFrame = addTimer(QStringLiteral("timFrame"), 25, false);

    on(cmdStart, &CommandButton::Click, this, &FrmFrame::cmdStart_Click);
    on(cmdRemove, &CommandButton::Click, this, &FrmFrame::cmdRemove_Click);
    on(timFrame, &Timer::Tick, this, &FrmFrame::timFrame_Timer);
}

void FrmFrame::Form_Load()
{
    picFrame->setDrawWidth(2);
    // The wheel starts wholly left of the strip.
    HubX = -500;
    // Radius and rim length, kept as text; the rim length is what the
    // wheel's turn is measured against.
    cmdStart->setTag(QStringLiteral("500"));
    picFrame->setTag(CStr(CDbl(cmdStart->Tag()) * 6.2831853));
    cmdRemove->setTag(QStringLiteral("True"));
}

void FrmFrame::cmdStart_Click()
{
    if (cmdStart->Caption() == QLatin1String("Start")) {
        timFrame->setEnabled(true);
        cmdStart->setCaption(QStringLiteral("Stop"));
        cmdRemove->setVisible(true);
    } else {
        // The last picture stays and the next run rolls on from it, with
        // the wheel shown again.
        timFrame->setEnabled(false);
        cmdStart->setCaption(QStringLiteral("Start"));
        cmdRemove->setVisible(false);
        cmdRemove->setTag(QStringLiteral("True"));
        cmdRemove->setCaption(QStringLiteral("Remove Wheel"));
    }
}

void FrmFrame::cmdRemove_Click()
{
    // Seen from the next tick on.
    if (CBool(cmdRemove->Tag())) {
        cmdRemove->setTag(QStringLiteral("False"));
        cmdRemove->setCaption(QStringLiteral("Restore Wheel"));
    } else {
        cmdRemove->setTag(QStringLiteral("True"));
        cmdRemove->setCaption(QStringLiteral("Remove Wheel"));
    }
}

void FrmFrame::timFrame_Timer()
{
    // A fresh strip every tick, so the dot leaves no trail.
    picFrame->Cls();
    const double hubY = picFrame->Height() / 2;
    const double r = CDbl(cmdStart->Tag());
    if (CBool(cmdRemove->Tag()))
        modCircle::DrawWheel(*picFrame, HubX, hubY, r);
    DrawRimDot(*picFrame, HubX, hubY, r);
    HubX = HubX + Step;
    // Past the right edge the wheel comes back half off the left edge.
    if (HubX > picFrame->Width() + 700)
        HubX = -250;
}

void FrmFrame::DrawRimDot(Surface &p, double X, double Y, double r)
{
    // At the end of the wheel's first diameter.
    p.setDrawWidth(6);
    p.setForeColor(Red);
    const double theta = modCircle::wheelAngle(X, CDbl(p.Tag()));
    p.PSet(X - r * std::cos(theta), Y + r * std::sin(theta));
    p.setForeColor(Black);
    p.setDrawWidth(2);
}
