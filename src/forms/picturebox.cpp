#include "forms/picturebox.h"

#include <QMouseEvent>
#include <QPainter>
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

PictureBox::PictureBox(QWidget *parent)
    : Control(parent)
{
    setMouseTracking(true);
    setForeColor(SystemColor::ButtonText);
}

int PictureBox::borderPixels() const
{
    if (m_borderStyle == 0)
        return 0;
    return m_appearance == 1 ? 2 : 1;
}

QPoint PictureBox::clientOrigin() const
{
    return {borderPixels(), borderPixels()};
}

QSize PictureBox::innerPixels() const
{
    const int b = 2 * borderPixels();
    return {std::max(0, spanPixels(Left(), Control::Width()) - b),
            std::max(0, spanPixels(Top(), Control::Height()) - b)};
}

double PictureBox::innerWidthTwips() const
{
    return innerPixels().width() * TwipsPerPixel;
}

double PictureBox::innerHeightTwips() const
{
    return innerPixels().height() * TwipsPerPixel;
}

void PictureBox::setBorderStyle(int style)
{
    m_borderStyle = style;
    ensureImage();
    update();
}

void PictureBox::setAppearance(int appearance)
{
    m_appearance = appearance;
    ensureImage();
    update();
}

void PictureBox::setBackColor(OleColor color)
{
    m_backColor = color;
    paintClear();
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    paintClear();
}

QImage PictureBox::image() const
{
    endPainting();
    if (m_dpr == 1)
        return m_image;
    return m_image.scaled(innerPixels(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void PictureBox::geometryChangedTwips()
{
    ensureImage();
}

void PictureBox::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize wanted = innerPixels() * dpr;
    if (!m_image.isNull() && m_image.size() == wanted && dpr == m_dpr)
        return;
    endPainting();
    // A resized box keeps what was drawn; new area shows the back colour.
    QImage grown(wanted.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(toQColor(m_backColor));
    if (!m_image.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
    } else if (!m_picture.isNull()) {
        QPainter p(&grown);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size()) * dpr), m_picture);
    }
    m_image = grown;
    m_dpr = dpr;
}

QPainter &PictureBox::painter(QPainter::CompositionMode mode)
{
    ensureImage();
    if (!m_painter)
        m_painter = std::make_unique<QPainter>(&m_image);
    m_painter->setCompositionMode(mode);
    return *m_painter;
}

void PictureBox::endPainting() const
{
    m_painter.reset();
}

QPointF PictureBox::toDevice(QPointF user) const
{
    return toTwips(user) * (m_dpr / TwipsPerPixel);
}

void PictureBox::paintClear()
{
    QPainter &p = painter(QPainter::CompositionMode_Source);
    p.fillRect(m_image.rect(), toQColor(m_backColor));
    if (!m_picture.isNull())
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size()) * m_dpr), m_picture);
    update();
}

void PictureBox::paintPoint(QPointF pt, OleColor color, int width)
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
    update();
}

void PictureBox::paintLine(QPointF from, QPointF to, OleColor color, int width)
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
    update();
}

void PictureBox::paintBox(QPointF from, QPointF to, OleColor color, bool filled)
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
    update();
}

void PictureBox::paintCircle(QPointF centre, double radius, OleColor color, int width)
{
    ensureImage();
    const QPointF c = toDevice(centre);
    const double r = userToTwipsX(radius) * m_dpr / TwipsPerPixel;
    if (!std::isfinite(r) || std::abs(c.x()) > Limit || std::abs(c.y()) > Limit || r > Limit)
        return;
    QPainter &p = painter();
    p.setPen(QPen(toQColor(color), width <= 1 && m_dpr == 1 ? 0 : width * m_dpr));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    update();
}

void PictureBox::paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op)
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
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    ensureImage();
    endPainting();
    QPainter p(this);
    const int b = borderPixels();
    const QRect outer = rect();
    if (b == 2) {
        drawSunkenBorder(p, outer);
    } else if (b == 1) {
        p.setPen(Qt::black);
        p.drawRect(outer.adjusted(0, 0, -1, -1));
    }
    QImage shown = m_image;
    shown.setDevicePixelRatio(m_dpr);
    p.setClipRect(outer.adjusted(b, b, -b, -b));
    p.drawImage(QPoint(b, b), shown);
}

void PictureBox::emitMouse(QMouseEvent *event, void (PictureBox::*signal)(int, int, double, double))
{
    int button = 0;
    const Qt::MouseButtons held = event->type() == QEvent::MouseMove ? event->buttons() : event->button();
    if (held & Qt::LeftButton)
        button |= 1;
    if (held & Qt::RightButton)
        button |= 2;
    if (held & Qt::MiddleButton)
        button |= 4;
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    const QPointF pos = event->position() - QPointF(borderPixels(), borderPixels());
    const QPointF twips = pos * TwipsPerPixel;
    const double x = ScaleLeft() + twips.x() * ScaleWidth() / std::max(1.0, innerWidthTwips());
    const double y = ScaleTop() + twips.y() * ScaleHeight() / std::max(1.0, innerHeightTwips());
    emit(this->*signal)(button, shift, x, y);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emitMouse(event, &PictureBox::MouseDown);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emitMouse(event, &PictureBox::MouseMove);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    emitMouse(event, &PictureBox::MouseUp);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

} // namespace forms
