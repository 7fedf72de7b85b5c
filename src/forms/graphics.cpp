#include "graphics.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace forms {

Shape::Shape(QWidget *parent)
    : Control(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRectF r = rect();
    if (m_shape == Square || m_shape == Circle || m_shape == RoundedSquare) {
        // Square and circle take the smaller side, centred in the box.
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const bool round = m_shape == Oval || m_shape == Circle;
    const bool rounded = m_shape == RoundedRectangle || m_shape == RoundedSquare;
    p.setRenderHint(QPainter::Antialiasing, round || rounded);
    const auto fillWith = [&](const QColor &c) {
        QPainterPath path;
        if (round)
            path.addEllipse(r);
        else if (rounded)
            path.addRoundedRect(r, r.width() / 8, r.height() / 8);
        else
            path.addRect(r);
        p.fillPath(path, c);
    };
    if (m_backStyle == 1)
        fillWith(toQColor(m_backColor));
    if (m_fillStyle == 0)
        fillWith(toQColor(m_fillColor));
    if (m_borderStyle != 0) {
        const double w = m_borderWidth;
        QPen pen(toQColor(m_borderColor), w);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QRectF inside = r.adjusted(w / 2, w / 2, -w / 2, -w / 2);
        if (round)
            p.drawEllipse(inside);
        else if (rounded)
            p.drawRoundedRect(inside, r.width() / 8, r.height() / 8);
        else
            p.drawRect(inside);
    }
}

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

Image::Image(QWidget *parent)
    : Control(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    } else {
        p.drawImage(0, 0, m_picture);
    }
}

} // namespace forms
