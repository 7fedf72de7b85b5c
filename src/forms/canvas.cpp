#include "forms/canvas.h"

#include "forms/control.h"
#include "linepixels.h"

#include <cmath>
#include <cstring>

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
    // The common case first: both ends already inside (NaN fails it too).
    if (std::abs(a.x()) <= Limit && std::abs(a.y()) <= Limit && std::abs(b.x()) <= Limit && std::abs(b.y()) <= Limit)
        return true;
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

bool &fastDrawingOn()
{
    static bool on = true;
    return on;
}

} // namespace

void Canvas::setFastDrawing(bool on)
{
    fastDrawingOn() = on;
}

bool Canvas::fastDrawing()
{
    return fastDrawingOn();
}

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
    flush();
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
    m_changeRequested = false;
    flush();
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
    dropPending();
    flush();
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
    flush();
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
    m_columns.assign(size_t(m_image.width()), 0);
}

QPainter &Canvas::painter(QPainter::CompositionMode mode)
{
    makeCurrent();
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_penWidth = -1;
    }
    m_painter->setCompositionMode(mode);
    return *m_painter;
}

void Canvas::flush() const
{
    flushColumns();
    fillPendingClear();
    m_painter.reset();
}

void Canvas::makeCurrent()
{
    if (m_image.isNull())
        ensureImage();
    flushColumns();
    fillPendingClear();
}

void Canvas::dropPending() const
{
    m_clearPending = false;
    std::fill(m_columns.begin(), m_columns.end(), 0);
    m_columnsFirst = 0;
    m_columnsLast = -1;
}

void Canvas::fillPendingClear() const
{
    if (!m_clearPending)
        return;
    m_clearPending = false;
    const_cast<QImage &>(m_image).fill(toQColor(m_backColor));
}

void Canvas::flushColumns() const
{
    if (m_columnsLast < m_columnsFirst)
        return;
    // The runs of neighbouring columns, each copied into every row at once.
    std::vector<std::pair<int, int>> runs;
    for (int x = m_columnsFirst; x <= m_columnsLast; ++x) {
        if (!m_columns[size_t(x)])
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    // A clear that the columns cover from edge to edge need not be filled.
    if (runs.size() == 1 && runs.front() == std::pair(0, m_image.width() - 1))
        m_clearPending = false;
    fillPendingClear();
    auto *bits = const_cast<QImage &>(m_image).bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int y = 0; y < m_image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(bits + y * stride);
        for (const auto &[first, last] : runs)
            std::memcpy(row + first, m_columns.data() + first, size_t(last - first + 1) * sizeof(QRgb));
    }
    std::fill(m_columns.begin() + m_columnsFirst, m_columns.begin() + m_columnsLast + 1, 0);
    m_columnsFirst = 0;
    m_columnsLast = -1;
}

void Canvas::changed()
{
    // One request until the drawing is painted: a grating of a thousand
    // lines needs one repaint, not a thousand requests for it.
    if (m_changeRequested)
        return;
    m_changeRequested = true;
    canvasChanged();
}

bool Canvas::fillAxisLine(QPoint a, QPoint b, QRgb color, qreal penWidth)
{
    const bool vertical = a.x() == b.x();
    if (vertical == (a.y() == b.y()))
        return false; // slanted, or a single point
    const int from = vertical ? a.y() : a.x(), to = vertical ? b.y() : b.x();
    const linepixels::AxisShape &shape = linepixels::axisShape(penWidth, vertical, to > from);
    const int lo = std::min(from, to), hi = std::max(from, to);
    if (!shape.usable || hi - lo < shape.minLength)
        return false;
    const int across = vertical ? a.x() : a.y();
    const int width = m_image.width(), height = m_image.height();

    if (vertical && lo + shape.bodyStart <= 0 && hi + shape.tailStart >= height) {
        // The body covers every row and the caps none: the columns take the
        // colour from top to bottom, copied down when something else is drawn
        // or the drawing is shown.
        const int first = std::max(0, across + shape.body.first);
        const int last = std::min(width - 1, across + shape.body.last);
        if (first > last)
            return true;
        for (int x = first; x <= last; ++x)
            m_columns[size_t(x)] = color;
        if (m_columnsLast < m_columnsFirst) {
            m_columnsFirst = first;
            m_columnsLast = last;
        } else {
            m_columnsFirst = std::min(m_columnsFirst, first);
            m_columnsLast = std::max(m_columnsLast, last);
        }
        return true;
    }

    makeCurrent();
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const int alongEnd = vertical ? height : width, acrossEnd = vertical ? width : height;
    shape.forRows(lo, hi, [&](int u, linepixels::Span span) {
        if (u < 0 || u >= alongEnd)
            return;
        const int first = std::max(0, across + span.first), last = std::min(acrossEnd - 1, across + span.last);
        for (int v = first; v <= last; ++v) {
            const int x = vertical ? v : u, y = vertical ? u : v;
            reinterpret_cast<QRgb *>(bits + y * stride)[x] = color;
        }
    });
    return true;
}

bool Canvas::fillSegment(QPoint a, QPoint b, QRgb color, qreal penWidth)
{
    // Only lines whose pixels all lie inside the image: QPainter clips a
    // slanted line that crosses the edge before drawing it, which shifts
    // its pixels a little.
    const int width = m_image.width(), height = m_image.height();
    const int margin = int(std::ceil(penWidth)) + 2;
    if (std::min(a.x(), b.x()) < margin || std::min(a.y(), b.y()) < margin
        || std::max(a.x(), b.x()) >= width - margin || std::max(a.y(), b.y()) >= height - margin)
        return false;
    const std::vector<linepixels::RowSpan> *rows = linepixels::segment(penWidth, b.x() - a.x(), b.y() - a.y());
    if (!rows)
        return false;
    makeCurrent();
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (const linepixels::RowSpan &r : *rows) {
        auto *line = reinterpret_cast<QRgb *>(bits + (a.y() + r.row) * stride);
        std::fill(line + a.x() + r.span.first, line + a.x() + r.span.last + 1, color);
    }
    return true;
}

QPointF Canvas::toDevice(QPointF user) const
{
    return toTwips(user) * (m_dpr / TwipsPerPixel);
}

void Canvas::paintClear()
{
    if (m_image.isNull() && m_picture.isNull()) {
        changed(); // nothing drawn: the back colour shows as it is
        return;
    }
    ensureImage();
    dropPending(); // all of it is cleared away
    if (m_picture.isNull() && fastDrawingOn()) {
        m_clearPending = true;
    } else {
        QPainter &p = painter(QPainter::CompositionMode_Source);
        p.fillRect(m_image.rect(), toQColor(m_backColor));
        if (!m_picture.isNull())
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size()) * m_dpr), m_picture);
    }
    changed();
}

void Canvas::paintPoint(QPointF pt, OleColor color, int width)
{
    makeCurrent();
    const QPointF d = toDevice(pt);
    if (!std::isfinite(d.x()) || !std::isfinite(d.y()))
        return;
    const QColor c = toQColor(color);
    const double size = width * m_dpr;
    if (size <= 1.0) {
        const int x = int(std::floor(d.x())), y = int(std::floor(d.y()));
        if (!m_image.rect().contains(x, y))
            return;
        if (fastDrawingOn())
            reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = c.rgb();
        else
            painter(QPainter::CompositionMode_Source).fillRect(x, y, 1, 1, c);
    } else if (std::abs(d.x()) < Limit && std::abs(d.y()) < Limit) {
        QPainter &p = painter();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        const QPointF centre(std::floor(d.x()) + 0.5, std::floor(d.y()) + 0.5);
        p.drawEllipse(centre, size / 2, size / 2);
        m_penWidth = -1;
    }
    changed();
}

void Canvas::paintLine(QPointF from, QPointF to, OleColor color, int width)
{
    if (m_image.isNull())
        ensureImage();
    QPointF a = toDevice(from), b = toDevice(to);
    if (!clipLine(a, b))
        return;
    // Whole device pixels, so that lines a fraction of a pixel apart still
    // cover every column between them.
    const QPoint p1(int(std::floor(a.x())), int(std::floor(a.y())));
    const QPoint p2(int(std::floor(b.x())), int(std::floor(b.y())));
    const QRgb rgb = toRgb(color);
    const qreal penWidth = width <= 1 && m_dpr == 1 ? 0 : width * m_dpr;
    if (!fastDrawingOn() || !(fillAxisLine(p1, p2, rgb, penWidth) || fillSegment(p1, p2, rgb, penWidth))) {
        QPainter &p = painter();
        if (rgb != m_penColor || penWidth != m_penWidth) {
            p.setPen(linepixels::pen(rgb, penWidth));
            m_penColor = rgb;
            m_penWidth = penWidth;
        }
        p.drawLine(p1, p2);
    }
    changed();
}

void Canvas::paintBox(QPointF from, QPointF to, OleColor color, bool filled)
{
    makeCurrent();
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
        m_penWidth = -1;
    }
    changed();
}

bool Canvas::deviceCircle(QPointF centre, double radius, QPointF &c, double &r)
{
    makeCurrent();
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
    m_penWidth = -1;
    changed();
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
    m_penWidth = -1;
    changed();
}

void Canvas::paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op)
{
    makeCurrent();
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
    changed();
}

} // namespace forms
