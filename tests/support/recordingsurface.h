#pragma once
// A drawing surface that paints nothing and remembers every primitive it
// is asked to draw, in the user coordinates it was given, with the colour
// and line width chosen for it. Tests of plotting routines read the exact
// geometry back from it instead of guessing it from pixels.

#include "forms/surface.h"

#include <QList>
#include <QRectF>

namespace forms {

class RecordingSurface : public Surface
{
public:
    enum class Kind { Clear, Point, Line, Box, Circle, Picture };

    struct Primitive
    {
        Kind kind = Kind::Clear;
        // Point, line start, box corner, circle centre, picture target corner.
        QPointF from;
        // Line end, opposite box corner; the same as `from` for the others.
        QPointF to;
        OleColor color = 0;
        int width = 1;        // DrawWidth at the time (pixels)
        double radius = 0;    // circles
        bool filled = false;  // boxes, circles (a filled disc)
        QRectF target;        // pictures: destination (twips) and source (pixels)
        QRectF source;
        RasterOp op = RasterOp::SrcCopy;
    };

    // Outer size in twips; the inner size follows it until set on its own.
    RecordingSurface(double width, double height);

    double Width() const override { return m_width; }
    double Height() const override { return m_height; }
    QString Tag() const override { return m_tag; }
    void setWidth(double twips) { m_width = twips; }
    void setHeight(double twips) { m_height = twips; }
    void setTag(const QString &tag) { m_tag = tag; }
    // A border makes the inner area smaller than the outer size.
    void setInnerSize(double width, double height);

    const QList<Primitive> &primitives() const { return m_primitives; }
    // Only the primitives of one kind, in drawing order.
    QList<Primitive> primitives(Kind kind) const;
    void clearRecord() { m_primitives.clear(); }

protected:
    double innerWidthTwips() const override;
    double innerHeightTwips() const override;
    void paintClear() override;
    void paintPoint(QPointF p, OleColor color, int width) override;
    void paintLine(QPointF from, QPointF to, OleColor color, int width) override;
    void paintBox(QPointF from, QPointF to, OleColor color, bool filled) override;
    void paintCircle(QPointF centre, double radius, OleColor color, int width) override;
    // Recorded as a circle with `filled` set.
    void paintDisc(QPointF centre, double radius, OleColor color) override;
    void paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op) override;

private:
    double m_width;
    double m_height;
    double m_innerWidth = -1; // negative: the outer size
    double m_innerHeight = -1;
    QString m_tag;
    QList<Primitive> m_primitives;
};

} // namespace forms
