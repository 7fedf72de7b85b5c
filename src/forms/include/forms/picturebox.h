#pragma once
// Picture box: a control that is also a drawing surface with persistent
// drawing, a stored Picture shown behind the drawing, a 3-D border (so the
// inner area is smaller than the outer size), child controls placed in its
// inner coordinates, and mouse events in those coordinates. A box aligned
// to an edge of its window sits along that edge and stretches with it.

#include "forms/canvas.h"
#include "forms/control.h"

namespace forms {

class PictureBox : public Control, public Canvas
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 FillColor READ FillColor WRITE setFillColor)
    Q_PROPERTY(int FillStyle READ FillStyle WRITE setFillStyle)
    Q_PROPERTY(int DrawWidth READ DrawWidth WRITE setDrawWidth)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(int Align READ Align WRITE setAlign)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(double ScaleWidth READ ScaleWidth)
    Q_PROPERTY(double ScaleHeight READ ScaleHeight)
    Q_PROPERTY(double CurrentX READ CurrentX WRITE setCurrentX)
    Q_PROPERTY(double CurrentY READ CurrentY WRITE setCurrentY)

public:
    explicit PictureBox(QWidget *parent);

    double Width() const override { return Control::Width(); }
    double Height() const override { return Control::Height(); }
    QString Tag() const override { return Control::Tag(); }

    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    enum AlignEdge { AlignNone = 0, AlignTop = 1, AlignBottom = 2, AlignLeft = 3, AlignRight = 4 };
    int Align() const { return m_align; }
    void setAlign(int edge);

    QPoint clientOrigin() const override;

signals:
    // X and Y in the box's user coordinates.
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseMove(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);
    void Click();

protected:
    QSize canvasPixels() const override;
    qreal canvasRatio() const override { return devicePixelRatioF(); }
    void canvasChanged() override { update(); }

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void geometryChangedTwips() override { fitCanvas(); }
    // Follows the window's size before the window's own Resize handler runs.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int borderPixels() const;
    void emitMouse(QMouseEvent *event, void (PictureBox::*signal)(int, int, double, double));
    void alignToContainer();

    int m_borderStyle = 1;
    int m_appearance = 1;
    int m_align = AlignNone;
};

} // namespace forms
