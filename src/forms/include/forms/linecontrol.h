#pragma once
// Line control, painted by its container; takes no mouse input.

#include "forms/control.h"

namespace forms {

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

} // namespace forms
