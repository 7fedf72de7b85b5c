#include "forms/shape.h"

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

} // namespace forms
