#pragma once
// A drawing surface: persistent drawing in a coordinate system (twips until
// Scale sets a user scale), a current point, ForeColor and DrawWidth. The
// picture box is the surface windows draw on; RecordingSurface records the
// calls so that the exact geometry of a plotting routine can be tested.

#include "forms/color.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <limits>

namespace forms {

enum class RasterOp : quint32 {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086, // source OR destination, per channel
    SrcAnd = 0x008800C6,
    SrcInvert = 0x00660046,
};

class Surface
{
public:
    virtual ~Surface() = default;

    // Outer size in twips (plot extents are read from it); the drawing
    // itself happens in the inner area and is clipped there.
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual QString Tag() const = 0;

    // Inner extent in the current coordinate system.
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Maps the inner area's corners to (x1, y1) and (x2, y2).
    void Scale(double x1, double y1, double x2, double y2);
    void ScaleReset();

    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor c) { m_foreColor = c; }
    // FillStyle 0 (solid) fills the inside of boxes and circles drawn as
    // outlines with FillColor; 1 (transparent, the default) leaves it.
    OleColor FillColor() const { return m_fillColor; }
    void setFillColor(OleColor c) { m_fillColor = c; }
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = std::max(1, pixels); }
    double CurrentX() const { return m_current.x(); }
    double CurrentY() const { return m_current.y(); }
    void setCurrentX(double x) { m_current.setX(x); }
    void setCurrentY(double y) { m_current.setY(y); }

    // Clears the drawing to BackColor and puts the current point at (0, 0).
    void Cls();
    void PSet(double x, double y);
    void PSet(double x, double y, OleColor color);
    // Line (x1, y1)-(x2, y2); the end point becomes the current point.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, OleColor color);
    // Line -(x2, y2): from the current point.
    void LineTo(double x2, double y2);
    void LineTo(double x2, double y2, OleColor color);
    // Line (x1, y1)-(x2, y2), colour, B or BF.
    void Box(double x1, double y1, double x2, double y2, OleColor color, bool filled);
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, OleColor color);

    // Copies a picture (or a source rectangle of it) to a destination
    // rectangle, all in twips; an omitted size (NaN) means the picture's own.
    static constexpr double Omitted = std::numeric_limits<double>::quiet_NaN();
    void PaintPicture(const QImage &picture, double x1, double y1, double width1 = Omitted,
                      double height1 = Omitted, double x2 = Omitted, double y2 = Omitted,
                      double width2 = Omitted, double height2 = Omitted,
                      RasterOp op = RasterOp::SrcCopy);

    // The one mapping between user coordinates and twips of the inner area
    // (from its top left), used by drawing and by mouse events alike.
    QPointF toTwips(QPointF user) const;
    QPointF toUser(QPointF twips) const;

protected:
    // Back to the settings of a new surface: no user scale, default colours
    // and widths, the current point at (0, 0).
    void resetSettings();

    // Inner size in twips, the base of the default coordinate system.
    virtual double innerWidthTwips() const = 0;
    virtual double innerHeightTwips() const = 0;

    // Primitives in user coordinates; the colour is already chosen.
    virtual void paintClear() = 0;
    virtual void paintPoint(QPointF p, OleColor color, int width) = 0;
    virtual void paintLine(QPointF from, QPointF to, OleColor color, int width) = 0;
    virtual void paintBox(QPointF from, QPointF to, OleColor color, bool filled) = 0;
    virtual void paintCircle(QPointF centre, double radius, OleColor color, int width) = 0;
    virtual void paintDisc(QPointF centre, double radius, OleColor color) = 0;
    // Rectangles in twips of the destination and pixels of the source.
    virtual void paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op) = 0;

    double userToTwipsX(double dx) const;

private:
    bool m_userScale = false;
    double m_scaleLeft = 0;
    double m_scaleTop = 0;
    double m_scaleWidth = 1;
    double m_scaleHeight = 1;
    OleColor m_foreColor = SystemColor::WindowText;
    OleColor m_fillColor = 0;
    int m_fillStyle = 1;
    int m_drawWidth = 1;
    QPointF m_current;
};

} // namespace forms
