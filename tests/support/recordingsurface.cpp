#include "support/recordingsurface.h"

namespace forms {

RecordingSurface::RecordingSurface(double width, double height)
    : m_width(width)
    , m_height(height)
{
}

void RecordingSurface::setInnerSize(double width, double height)
{
    m_innerWidth = width;
    m_innerHeight = height;
}

QList<RecordingSurface::Primitive> RecordingSurface::primitives(Kind kind) const
{
    QList<Primitive> result;
    for (const Primitive &p : m_primitives) {
        if (p.kind == kind)
            result << p;
    }
    return result;
}

double RecordingSurface::innerWidthTwips() const { return m_innerWidth < 0 ? m_width : m_innerWidth; }
double RecordingSurface::innerHeightTwips() const { return m_innerHeight < 0 ? m_height : m_innerHeight; }

void RecordingSurface::paintClear() { m_primitives << Primitive{.kind = Kind::Clear}; }

void RecordingSurface::paintPoint(QPointF p, OleColor color, int width)
{
    m_primitives << Primitive{.kind = Kind::Point, .from = p, .to = p, .color = color, .width = width};
}

void RecordingSurface::paintLine(QPointF from, QPointF to, OleColor color, int width)
{
    m_primitives << Primitive{.kind = Kind::Line, .from = from, .to = to, .color = color, .width = width};
}

void RecordingSurface::paintBox(QPointF from, QPointF to, OleColor color, bool filled)
{
    m_primitives << Primitive{
        .kind = Kind::Box, .from = from, .to = to, .color = color, .width = DrawWidth(), .filled = filled};
}

void RecordingSurface::paintCircle(QPointF centre, double radius, OleColor color, int width)
{
    m_primitives << Primitive{.kind = Kind::Circle, .from = centre, .to = centre, .color = color,
                              .width = width, .radius = radius};
}

void RecordingSurface::paintDisc(QPointF centre, double radius, OleColor color)
{
    m_primitives << Primitive{.kind = Kind::Circle, .from = centre, .to = centre, .color = color,
                              .width = DrawWidth(), .radius = radius, .filled = true};
}

void RecordingSurface::paintPicture(const QImage &, QRectF target, QRectF source, RasterOp op)
{
    m_primitives << Primitive{.kind = Kind::Picture, .from = target.topLeft(), .to = target.topLeft(),
                              .width = DrawWidth(), .target = target, .source = source, .op = op};
}

} // namespace forms
