#pragma once
// The lightweight controls painted by their container: shapes, lines and
// images. They take no mouse input, so clicks fall through to what is
// below, as on the original platform.

#include "control.h"

#include <QImage>

namespace forms {

class Shape : public Control
{
    Q_OBJECT
    Q_PROPERTY(int Shape READ ShapeKind WRITE setShapeKind)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int FillStyle READ FillStyle WRITE setFillStyle)
    Q_PROPERTY(quint32 FillColor READ FillColor WRITE setFillColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
    explicit Shape(QWidget *parent);

    int ShapeKind() const { return m_shape; }
    void setShapeKind(int shape) { m_shape = shape; update(); }
    // 0 transparent (the default), 1 opaque: filled with BackColor.
    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style) { m_backStyle = style; update(); }
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color) { m_backColor = color; update(); }
    // 0 solid, 1 transparent (the default); drawn over the back colour.
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; update(); }
    OleColor FillColor() const { return m_fillColor; }
    void setFillColor(OleColor color) { m_fillColor = color; update(); }
    // 0 none, 1 solid (the default).
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style) { m_borderStyle = style; update(); }
    OleColor BorderColor() const { return m_borderColor; }
    void setBorderColor(OleColor color) { m_borderColor = color; update(); }
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width) { m_borderWidth = std::max(1, width); update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_shape = Rectangle;
    int m_backStyle = 0;
    OleColor m_backColor = SystemColor::WindowBackground;
    int m_fillStyle = 1;
    OleColor m_fillColor = 0;
    int m_borderStyle = 1;
    OleColor m_borderColor = SystemColor::WindowText;
    int m_borderWidth = 1;
};

// A line control: end points X1, Y1, X2, Y2 in its container's twips.
class LineControl : public Control
{
    Q_OBJECT
    Q_PROPERTY(double X1 READ X1 WRITE setX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(double X2 READ X2 WRITE setX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE setY2)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

public:
    enum { Transparent = 0, Solid = 1, Dash = 2, Dot = 3, DashDot = 4, DashDotDot = 5 };
    explicit LineControl(QWidget *parent);

    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    void setX1(double v) { m_x1 = v; placeLine(); }
    void setY1(double v) { m_y1 = v; placeLine(); }
    void setX2(double v) { m_x2 = v; placeLine(); }
    void setY2(double v) { m_y2 = v; placeLine(); }
    void setPoints(double x1, double y1, double x2, double y2);
    OleColor BorderColor() const { return m_color; }
    void setBorderColor(OleColor color) { m_color = color; update(); }
    int BorderStyle() const { return m_style; }
    void setBorderStyle(int style) { m_style = style; update(); }
    int BorderWidth() const { return m_width; }
    void setBorderWidth(int width) { m_width = std::max(1, width); placeLine(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeLine();
    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    OleColor m_color = SystemColor::WindowText;
    int m_style = Solid;
    int m_width = 1;
};

class Image : public Control
{
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    explicit Image(QWidget *parent);
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture) { m_picture = picture; update(); }
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch) { m_stretch = stretch; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};

} // namespace forms
