#pragma once
// Shape: a rectangle or circle painted by its container. Like lines and
// images it takes no mouse input, so clicks fall through to what is below,
// as on the original platform.

#include "forms/control.h"

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

} // namespace forms
