#include "forms/canvas.h"

#include "forms/control.h"

#include <cmath>

namespace forms {

namespace {

// Far-away coordinates are pulled in before they reach the rasteriser,
// which would otherwise spend its time (or overflow) on what is clipped.
constexpr double Limit = 1.0e5;

// Clips the segment to [-Limit, Limit] on both axes, one edge at a time,
// placing each cut exactly on its edge so that huge coordinates lose no
// precision where it matters.
bool clipLine(QPointF &a, QPointF &b)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return false;
    const auto clipX = [](QPointF &p, const QPointF &q, double edge) {
        p = QPointF(edge, p.y() + (edge - p.x()) * (q.y() - p.y()) / (q.x() - p.x()));
    };
    const auto clipY = [](QPointF &p, const QPointF &q, double edge) {
        p = QPointF(p.x() + (edge - p.y()) * (q.x() - p.x()) / (q.y() - p.y()), edge);
    };
    for (double edge : {-Limit, Limit}) {
        const auto outside = [edge](double v) { return edge < 0 ? v < edge : v > edge; };
        if (outside(a.x()) && outside(b.x()))
            return false;
        if (outside(a.x()))
            clipX(a, b, edge);
        else if (outside(b.x()))
            clipX(b, a, edge);
        if (outside(a.y()) && outside(b.y()))
            return false;
        if (outside(a.y()))
            clipY(a, b, edge);
        else if (outside(b.y()))
            clipY(b, a, edge);
    }
    return std::abs(a.x()) <= Limit && std::abs(a.y()) <= Limit && std::abs(b.x()) <= Limit
           && std::abs(b.y()) <= Limit;
}

QPainter::CompositionMode compositionFor(RasterOp op)
{
    switch (op) {
    case RasterOp::SrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::SrcInvert: return QPainter::RasterOp_SourceXorDestination;
    case RasterOp::SrcCopy: break;
    }
    return QPainter::CompositionMode_Source;
}

} // namespace

double Canvas::innerWidthTwips() const
{
    return canvasPixels().width() * TwipsPerPixel;
}

double Canvas::innerHeightTwips() const
{
    return canvasPixels().height() * TwipsPerPixel;
}

void Canvas::setBackColor(OleColor color)
{
    m_backColor = color;
    paintClear();
}

void Canvas::setPicture(const QImage &picture)
{
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    paintClear();
}

QImage Canvas::image() const
{
    endPainting();
    if (m_image.isNull()) {
        QImage plain(canvasPixels().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        plain.fill(toQColor(m_backColor));
        return plain;
    }
    if (m_dpr == 1)
        return m_image;
    return m_image.scaled(canvasPixels(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Canvas::paintCanvas(QPainter &p, QPoint at)
{
    endPainting();
    if (!m_image.isNull() && canvasRatio() != m_dpr)
        ensureImage(); // moved to a screen of another pixel density
    if (m_image.isNull()) {
        p.fillRect(QRect(at, canvasPixels()), toQColor(m_backColor));
        return;
    }
    QImage shown = m_image;
    shown.setDevicePixelRatio(m_dpr);
    p.drawImage(at, shown);
}

void Canvas::fitCanvas()
{
    // Nothing drawn yet: the drawing is made when something is drawn.
    if (!m_image.isNull())
        ensureImage();
}

void Canvas::discardDrawing()
{
    endPainting();
    m_image = QImage();
    m_picture = QImage();
    m_autoRedraw = false;
    resetSettings();
}

void Canvas::ensureImage()
{
    const qreal dpr = canvasRatio();
    const QSize wanted = canvasPixels() * dpr;
    if (!m_image.isNull() && m_image.size() == wanted.expandedTo(QSize(1, 1)) && dpr == m_dpr)
        return;
    endPainting();
    QImage grown(wanted.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(toQColor(m_backColor));
    if (!m_image.isNull() || !m_picture.isNull()) {
        QPainter p(&grown);
        // The picture lies behind everything, so area the surface gains
        // shows it where it reaches (a window made smaller and then larger
        // again shows its whole picture); what was drawn lies over it.
        if (!m_picture.isNull())
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size()) * dpr), m_picture);
        if (!m_image.isNull())
            p.drawImage(0, 0, m_image);
    }
    m_image = grown;
    m_dpr = dpr;
}

QPainter &Canvas::painter(QPainter::CompositionMode mode)
{
    ensureImage();
    if (!m_painter)
        m_painter = std::make_unique<QPainter>(&m_image);
    m_painter->setCompositionMode(mode);
    return *m_painter;
}

void Canvas::endPainting() const
{
    m_painter.reset();
}

QPointF Canvas::toDevice(QPointF user) const
{
    return toTwips(user) * (m_dpr / TwipsPerPixel);
}

void Canvas::paintClear()
{
    if (m_image.isNull() && m_picture.isNull()) {
        canvasChanged(); // nothing drawn: the back colour shows as it is
        return;
    }
    QPainter &p = painter(QPainter::CompositionMode_Source);
    p.fillRect(m_image.rect(), toQColor(m_backColor));
    if (!m_picture.isNull())
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size()) * m_dpr), m_picture);
    canvasChanged();
}

void Canvas::paintPoint(QPointF pt, OleColor color, int width)
{
    ensureImage();
    const QPointF d = toDevice(pt);
    if (!std::isfinite(d.x()) || !std::isfinite(d.y()))
        return;
    const QColor c = toQColor(color);
    const double size = width * m_dpr;
    if (size <= 1.0) {
        const int x = int(std::floor(d.x())), y = int(std::floor(d.y()));
        if (m_image.rect().contains(x, y))
            painter(QPainter::CompositionMode_Source).fillRect(x, y, 1, 1, c);
    } else if (std::abs(d.x()) < Limit && std::abs(d.y()) < Limit) {
        QPainter &p = painter();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        const QPointF centre(std::floor(d.x()) + 0.5, std::floor(d.y()) + 0.5);
        p.drawEllipse(centre, size / 2, size / 2);
    }
    canvasChanged();
}

void Canvas::paintLine(QPointF from, QPointF to, OleColor color, int width)
{
    ensureImage();
    QPointF a = toDevice(from), b = toDevice(to);
    if (!clipLine(a, b))
        return;
    QPainter &p = painter();
    QPen pen(toQColor(color));
    pen.setWidthF(width <= 1 && m_dpr == 1 ? 0 : width * m_dpr);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    // Whole device pixels, so that lines a fraction of a pixel apart still
    // cover every column between them.
    p.drawLine(QPoint(int(std::floor(a.x())), int(std::floor(a.y()))),
               QPoint(int(std::floor(b.x())), int(std::floor(b.y()))));
    canvasChanged();
}

void Canvas::paintBox(QPointF from, QPointF to, OleColor color, bool filled)
{
    ensureImage();
    QPointF a = toDevice(from), b = toDevice(to);
    if (!clipLine(a, b))
        return;
    const QRect r = QRect(QPoint(int(std::floor(a.x())), int(std::floor(a.y()))),
                          QPoint(int(std::floor(b.x())), int(std::floor(b.y()))))
                        .normalized();
    QPainter &p = painter();
    if (filled) {
        p.fillRect(r, toQColor(color));
    } else {
        p.setPen(QPen(toQColor(color), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    canvasChanged();
}

bool Canvas::deviceCircle(QPointF centre, double radius, QPointF &c, double &r)
{
    ensureImage();
    c = toDevice(centre);
    r = userToTwipsX(radius) * m_dpr / TwipsPerPixel;
    return std::isfinite(r) && std::abs(c.x()) <= Limit && std::abs(c.y()) <= Limit && r <= Limit;
}

void Canvas::paintCircle(QPointF centre, double radius, OleColor color, int width)
{
    QPointF c;
    double r;
    if (!deviceCircle(centre, radius, c, r))
        return;
    QPainter &p = painter();
    p.setPen(QPen(toQColor(color), width <= 1 && m_dpr == 1 ? 0 : width * m_dpr));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    canvasChanged();
}

void Canvas::paintDisc(QPointF centre, double radius, OleColor color)
{
    QPointF c;
    double r;
    if (!deviceCircle(centre, radius, c, r))
        return;
    QPainter &p = painter();
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(color));
    p.drawEllipse(c, r, r);
    canvasChanged();
}

void Canvas::paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op)
{
    ensureImage();
    const QPointF topLeft = toDevice(target.topLeft());
    const QPointF bottomRight = toDevice(target.bottomRight());
    const QRectF device(topLeft, bottomRight);
    if (!std::isfinite(device.width()) || std::abs(device.left()) > Limit || std::abs(device.top()) > Limit)
        return;
    QPainter &p = painter(compositionFor(op));
    if (m_dpr == 1 && device.size() == source.size() && source.topLeft().toPoint() == source.topLeft()
        && device.topLeft().toPoint() == device.topLeft()) {
        // The common case: an unscaled block copy, the fast path.
        p.drawImage(device.topLeft().toPoint(), picture, source.toRect());
    } else {
        p.drawImage(device, picture, source);
    }
    canvasChanged();
}

} // namespace forms
