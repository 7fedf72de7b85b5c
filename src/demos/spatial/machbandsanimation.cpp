#include "machbandsanimation.h"

#include "forms/timer.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

namespace {
constexpr QColor ProfileColor(31, 78, 160);
constexpr QColor ProbeColor(200, 0, 0);
constexpr int ProbeStep = 2;   // pixels per tick
constexpr int TickMs = 40;     // 25 frames a second
constexpr int PlotMargin = 6;  // between the plot's frame and levels 0 and 255
} // namespace

MachBandsAnimation::MachBandsAnimation(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_timer(new forms::Timer(this))
{
    setObjectName(QStringLiteral("machBandsAnimation"));
    setWindowTitle(QStringLiteral("Mach Bands Animation"));
    setFixedSize(640, 500);
    // Space and Escape reach the window as soon as it is active.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);
    m_timer->setObjectName(QStringLiteral("timSweep"));
    m_timer->setInterval(TickMs);
    connect(m_timer, &forms::Timer::Tick, this, &MachBandsAnimation::step);
    // Over the program's window, where the student is looking, and whole
    // on its screen.
    if (owner) {
        const QRect over = owner->window()->frameGeometry();
        QRect placed(QPoint(), size());
        placed.moveCenter(over.center());
        if (const QScreen *screen = owner->screen()) {
            const QRect available = screen->availableGeometry();
            placed.moveLeft(std::clamp(placed.left(), available.left(), std::max(available.left(), available.right() - placed.width())));
            placed.moveTop(std::clamp(placed.top(), available.top(), std::max(available.top(), available.bottom() - placed.height())));
        }
        move(placed.topLeft());
    }
}

int MachBandsAnimation::level(Pattern pattern, int x)
{
    if (pattern == Pattern::Staircase)
        return stepLevel(std::clamp(x / StepWidth, 0, Steps - 1));
    if (x < RampStart)
        return RampDark;
    if (x >= RampEnd)
        return RampLight;
    return RampDark + qRound(double(RampLight - RampDark) * (x - RampStart) / (RampEnd - RampStart));
}

void MachBandsAnimation::step()
{
    // The probe sweeps to one end and back; at each end the pattern
    // changes, so every sweep crosses the other one.
    m_probe += ProbeStep * m_direction;
    const int last = PatternRect.width() - 1;
    if (m_probe >= last || m_probe <= 0) {
        m_probe = std::clamp(m_probe, 0, last);
        m_direction = -m_direction;
        m_pattern = m_pattern == Pattern::Staircase ? Pattern::Ramp : Pattern::Staircase;
    }
    update();
}

void MachBandsAnimation::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        m_timer->setEnabled(!m_timer->Enabled());
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

int MachBandsAnimation::plotY(int level) const
{
    const int span = PlotRect.height() - 2 * PlotMargin;
    return PlotRect.bottom() - PlotMargin - qRound(double(span) * level / 255);
}

void MachBandsAnimation::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));

    QFont heading = font();
    heading.setBold(true);
    heading.setPixelSize(15);
    p.setFont(heading);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(PatternRect.left(), 8, PatternRect.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
               m_pattern == Pattern::Staircase ? QStringLiteral("A staircase of eight flat greys")
                                               : QStringLiteral("A ramp between two flat greys"));

    drawPattern(p);
    drawPlot(p);
    drawProbe(p);

    QFont body = font();
    body.setPixelSize(13);
    p.setFont(body);
    p.setPen(palette().color(QPalette::WindowText));
    const QString explanation = m_pattern == Pattern::Staircase
        ? QStringLiteral("Each step looks lighter at its left edge and darker at its right edge, yet "
                         "the plot shows every step flat: the bands are made by the eye, not by the light.")
        : QStringLiteral("A light band is seen where the ramp meets the light grey and a dark band where "
                         "it meets the dark grey, yet the luminance has no peak or dip there.");
    p.drawText(QRect(PatternRect.left(), 424, PatternRect.width(), 40), Qt::TextWordWrap, explanation);
    body.setPixelSize(11);
    p.setFont(body);
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(QRect(PatternRect.left(), 474, PatternRect.width(), 18), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Space: pause or go on     Esc: close"));
}

void MachBandsAnimation::drawPattern(QPainter &p) const
{
    // Every column one grey from top to bottom: nothing in the light marks
    // the edges' bands.
    const auto column = [&](int x, int width, int grey) {
        p.fillRect(QRect(PatternRect.left() + x, PatternRect.top(), width, PatternRect.height()),
                   QColor(grey, grey, grey));
    };
    if (m_pattern == Pattern::Staircase) {
        for (int s = 0; s < Steps; ++s)
            column(s * StepWidth, StepWidth, stepLevel(s));
    } else {
        column(0, RampStart, RampDark);
        for (int x = RampStart; x < RampEnd; ++x)
            column(x, 1, level(Pattern::Ramp, x));
        column(RampEnd, PatternRect.width() - RampEnd, RampLight);
    }
}

void MachBandsAnimation::drawPlot(QPainter &p) const
{
    QFont small = font();
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(PlotRect.left(), PlotRect.top() - 18, PlotRect.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Luminance across the pattern (grey level on the screen)"));
    p.fillRect(PlotRect, Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(PlotRect.adjusted(0, 0, -1, -1));
    for (int grey : {0, 128, 255}) {
        const int y = plotY(grey);
        p.drawLine(PlotRect.left() - 4, y, PlotRect.left(), y);
        p.drawText(QRect(0, y - 8, PlotRect.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(grey));
    }

    // One point per column; a 2-pixel pen on whole rows keeps the flat
    // parts exactly two rows thick.
    QPainterPath profile;
    for (int x = 0; x < PatternRect.width(); ++x) {
        const QPointF at(PlotRect.left() + x, plotY(level(m_pattern, x)));
        if (x == 0)
            profile.moveTo(at);
        else
            profile.lineTo(at);
    }
    profile.lineTo(PlotRect.left() + PatternRect.width(), plotY(level(m_pattern, PatternRect.width() - 1)));
    p.setPen(QPen(ProfileColor, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(profile);

    if (m_pattern == Pattern::Ramp) {
        QFont note = small;
        note.setItalic(true);
        p.setFont(note);
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRect(PlotRect.left() + RampEnd - 60, plotY(RampLight) - 22, 150, 16), Qt::AlignLeft,
                   QStringLiteral("light band seen here"));
        p.drawText(QRect(PlotRect.left() + RampStart - 90, plotY(RampDark) + 6, 150, 16), Qt::AlignLeft,
                   QStringLiteral("dark band seen here"));
    }
}

void MachBandsAnimation::drawProbe(QPainter &p) const
{
    const int x = PatternRect.left() + m_probe;
    const int grey = level(m_pattern, m_probe);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ProbeColor);
    // Pointers above and below the pattern, never over it.
    p.drawPolygon(QPolygonF({QPointF(x - 5, PatternRect.top() - 9), QPointF(x + 5, PatternRect.top() - 9),
                             QPointF(x, PatternRect.top() - 2)}));
    p.drawPolygon(QPolygonF({QPointF(x - 5, PatternRect.bottom() + 10), QPointF(x + 5, PatternRect.bottom() + 10),
                             QPointF(x, PatternRect.bottom() + 3)}));
    // In the plot: the probe's line and the level it reads.
    p.setPen(QPen(ProbeColor, 1, Qt::DashLine));
    p.drawLine(QPointF(x + 0.5, PlotRect.top() + 1), QPointF(x + 0.5, PlotRect.bottom() - 1));
    const int y = plotY(grey);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(x, y), 4, 4);
    // The reading above the plot's right end, clear of the profile.
    QFont small = font();
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    p.setPen(ProbeColor);
    p.drawText(QRect(PlotRect.left(), PlotRect.top() - 18, PlotRect.width(), 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Probe: grey %1").arg(grey));
    p.setRenderHint(QPainter::Antialiasing, false);
}

QIcon MachBandsAnimation::icon()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    for (int s = 0; s < 4; ++s) {
        const int grey = 50 + 55 * s;
        p.fillRect(QRect(2 + 7 * s, 4, 7, 24), QColor(grey, grey, grey));
    }
    p.setPen(QColor(40, 40, 40));
    p.drawRect(1, 3, 29, 25);
    return QIcon(picture);
}
