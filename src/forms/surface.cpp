#include "forms/surface.h"

#include "forms/control.h"

#include <cmath>

namespace forms {

double Surface::ScaleLeft() const { return m_userScale ? m_scaleLeft : 0.0; }
double Surface::ScaleTop() const { return m_userScale ? m_scaleTop : 0.0; }
double Surface::ScaleWidth() const { return m_userScale ? m_scaleWidth : innerWidthTwips(); }
double Surface::ScaleHeight() const { return m_userScale ? m_scaleHeight : innerHeightTwips(); }

void Surface::Scale(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2)
        return; // a degenerate scale would map everything to a point
    m_userScale = true;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
}

void Surface::ScaleReset() { m_userScale = false; }

QPointF Surface::toTwips(QPointF user) const
{
    if (!m_userScale)
        return user;
    return {(user.x() - m_scaleLeft) * innerWidthTwips() / m_scaleWidth,
            (user.y() - m_scaleTop) * innerHeightTwips() / m_scaleHeight};
}

QPointF Surface::toUser(QPointF twips) const
{
    if (!m_userScale)
        return twips;
    return {m_scaleLeft + twips.x() * m_scaleWidth / std::max(1.0, innerWidthTwips()),
            m_scaleTop + twips.y() * m_scaleHeight / std::max(1.0, innerHeightTwips())};
}

void Surface::resetSettings()
{
    m_userScale = false;
    m_foreColor = SystemColor::WindowText;
    m_fillColor = 0;
    m_fillStyle = 1;
    m_drawWidth = 1;
    m_current = {};
}

double Surface::userToTwipsX(double dx) const
{
    return m_userScale ? dx * innerWidthTwips() / std::abs(m_scaleWidth) : dx;
}

void Surface::Cls()
{
    paintClear();
    m_current = {};
}

void Surface::PSet(double x, double y) { PSet(x, y, m_foreColor); }

void Surface::PSet(double x, double y, OleColor color)
{
    m_current = {x, y};
    paintPoint(m_current, color, m_drawWidth);
}

void Surface::Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, m_foreColor); }

void Surface::Line(double x1, double y1, double x2, double y2, OleColor color)
{
    m_current = {x2, y2};
    paintLine({x1, y1}, {x2, y2}, color, m_drawWidth);
}

void Surface::LineTo(double x2, double y2) { LineTo(x2, y2, m_foreColor); }

void Surface::LineTo(double x2, double y2, OleColor color)
{
    const QPointF from = m_current;
    m_current = {x2, y2};
    paintLine(from, m_current, color, m_drawWidth);
}

void Surface::Box(double x1, double y1, double x2, double y2, OleColor color, bool filled)
{
    m_current = {x2, y2};
    if (!filled && m_fillStyle == 0)
        paintBox({x1, y1}, {x2, y2}, m_fillColor, true);
    paintBox({x1, y1}, {x2, y2}, color, filled);
}

void Surface::Circle(double x, double y, double radius) { Circle(x, y, radius, m_foreColor); }

void Surface::Circle(double x, double y, double radius, OleColor color)
{
    m_current = {x, y};
    if (m_fillStyle == 0)
        paintDisc(m_current, radius, m_fillColor);
    paintCircle(m_current, radius, color, m_drawWidth);
}

void Surface::PaintPicture(const QImage &picture, double x1, double y1, double width1,
                           double height1, double x2, double y2, double width2, double height2,
                           RasterOp op)
{
    if (picture.isNull())
        return;
    const double pictureWidth = picture.width() * TwipsPerPixel;
    const double pictureHeight = picture.height() * TwipsPerPixel;
    const auto given = [](double v, double fallback) { return std::isnan(v) ? fallback : v; };
    const double sx = given(x2, 0.0);
    const double sy = given(y2, 0.0);
    const double sw = given(width2, pictureWidth - sx);
    const double sh = given(height2, pictureHeight - sy);
    const double dw = given(width1, sw);
    const double dh = given(height1, sh);
    const QRectF source(sx / TwipsPerPixel, sy / TwipsPerPixel, sw / TwipsPerPixel, sh / TwipsPerPixel);
    paintPicture(picture, QRectF(x1, y1, dw, dh), source, op);
}

} // namespace forms
