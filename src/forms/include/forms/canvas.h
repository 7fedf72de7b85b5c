#pragma once
// The persistent drawing of a picture box or a window's client area: an
// image kept at the device pixel ratio (so drawings stay sharp on a
// high-density screen), filled with BackColor, with the surface's Picture
// unscaled at its top left and every drawing primitive painted over them.

#include "forms/surface.h"

#include <QPainter>
#include <memory>
#include <vector>

namespace forms {

class Canvas : public Surface
{
public:
    OleColor BackColor() const { return m_backColor; }
    // Like the platform's, a new back colour clears the drawing.
    void setBackColor(OleColor color);
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    QImage Picture() const { return m_picture; }
    // Shows the picture unscaled at the top left, behind any later drawing.
    void setPicture(const QImage &picture);

    // The persistent drawing as shown, one pixel per logical pixel.
    QImage image() const;

    // Lines take shortcuts that give the very pixels QPainter would (see
    // linepixels.h): they are written straight into the image, and
    // full-height vertical lines side by side (a grating) become one row
    // copied down. Tests turn the shortcuts off to compare both ways pixel
    // for pixel.
    static void setFastDrawing(bool on);
    static bool fastDrawing();

protected:
    // The inner area in logical pixels, its device pixel ratio, and a
    // request to show the drawing again.
    virtual QSize canvasPixels() const = 0;
    virtual qreal canvasRatio() const = 0;
    virtual void canvasChanged() = 0;

    // Draws what is drawn so far with its top left at `at` (logical pixels).
    void paintCanvas(QPainter &p, QPoint at);
    // The inner area changed size or pixel ratio: the drawing follows, keeping
    // what was drawn; new area shows the back colour.
    void fitCanvas();
    // The window unloaded: drawing, picture and settings back to design.
    void discardDrawing();
    // Completes in the image what is drawn so far (a pending clear, columns
    // waiting to be copied down) and closes the painter.
    void flush() const;

    double innerWidthTwips() const override;
    double innerHeightTwips() const override;
    void paintClear() override;
    void paintPoint(QPointF p, OleColor color, int width) override;
    void paintLine(QPointF from, QPointF to, OleColor color, int width) override;
    void paintBox(QPointF from, QPointF to, OleColor color, bool filled) override;
    void paintCircle(QPointF centre, double radius, OleColor color, int width) override;
    void paintDisc(QPointF centre, double radius, OleColor color) override;
    void paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op) override;

private:
    // User coordinates -> device pixels of the persistent image.
    QPointF toDevice(QPointF user) const;
    // A circle's centre and radius in device pixels; false when it is too
    // far off (or not a number) to be drawn.
    bool deviceCircle(QPointF centre, double radius, QPointF &c, double &r);
    void ensureImage();
    // One painter stays open on the drawing between primitives, so that a
    // curve of hundreds of segments does not pay for a painter per segment;
    // it is closed before the drawing is shown, read or reallocated.
    QPainter &painter(QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);
    // A request to show the drawing again, made once until it is painted.
    void changed();

    // Shortcuts for lines between whole device pixels; false when none
    // applies and QPainter must draw the line.
    bool fillAxisLine(QPoint a, QPoint b, QRgb color, qreal penWidth);
    bool fillSegment(QPoint a, QPoint b, QRgb color, qreal penWidth);
    // Before anything is drawn into the image itself: the image exists and
    // what waits (a clear, columns) is in it.
    void makeCurrent();
    void flushColumns() const;
    void fillPendingClear() const;
    void dropPending() const;

    OleColor m_backColor = SystemColor::ButtonFace;
    bool m_autoRedraw = false;
    QImage m_picture;
    QImage m_image; // device pixels
    mutable std::unique_ptr<QPainter> m_painter;
    qreal m_dpr = 1;
    bool m_changeRequested = false;

    // The pen set on the open painter (an RGB32 pixel is never 0: it is opaque).
    QRgb m_penColor = 0;
    qreal m_penWidth = -1;
    // A clear to BackColor not yet filled in: full-height columns may cover
    // it all, and then it never needs to be.
    mutable bool m_clearPending = false;
    // Full-height columns waiting to be copied down: the colour of each
    // column of the image (0 for none), and the span holding them.
    mutable std::vector<QRgb> m_columns;
    mutable int m_columnsFirst = 0;
    mutable int m_columnsLast = -1;
};

} // namespace forms
