#include "forms/linecontrol.h"

#include <QPainter>
#include <cmath>

namespace forms {

LineControl::LineControl(QWidget *parent)
    : Control(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setPoints(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    placeLine();
}

void LineControl::placeLine()
{
    // The widget covers the line's bounding box, widened by the pen.
    const double pad = (m_width + 1) * TwipsPerPixel;
    Move(std::min(m_x1, m_x2) - pad, std::min(m_y1, m_y2) - pad,
         std::abs(m_x2 - m_x1) + 2 * pad, std::abs(m_y2 - m_y1) + 2 * pad);
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    if (m_style == Transparent)
        return;
    QPainter p(this);
    QPen pen(toQColor(m_color), m_width == 1 ? 0 : m_width);
    switch (m_style) {
    case Dash: pen.setStyle(Qt::DashLine); break;
    case Dot: pen.setStyle(Qt::DotLine); break;
    case DashDot: pen.setStyle(Qt::DashDotLine); break;
    case DashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    p.setPen(pen);
    const QPoint origin = pos();
    QPoint container;
    if (auto *c = qobject_cast<Control *>(parentWidget()))
        container = c->clientOrigin();
    const auto local = [&](double x, double y) {
        return QPoint(container.x() + twipsToPixels(x), container.y() + twipsToPixels(y)) - origin;
    };
    p.drawLine(local(m_x1, m_y1), local(m_x2, m_y2));
}

} // namespace forms
