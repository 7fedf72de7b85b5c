#pragma once
// Picture box: a control that is also a drawing surface with persistent
// drawing, a stored Picture shown behind the drawing, a 3-D border (so the
// inner area is smaller than the outer size), child controls placed in its
// inner coordinates, and mouse events in those coordinates.

#include "forms/control.h"
#include "forms/surface.h"

#include <QPainter>
#include <memory>

namespace forms {

class PictureBox : public Control, public Surface
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int DrawWidth READ DrawWidth WRITE setDrawWidth)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)
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

    OleColor BackColor() const { return m_backColor; }
    // Like the platform's, a new back colour clears the drawing.
    void setBackColor(OleColor color);
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    QImage Picture() const { return m_picture; }
    // Shows the picture unscaled at the top left, behind any later drawing.
    void setPicture(const QImage &picture);

    QPoint clientOrigin() const override;
    // The persistent drawing as shown, one pixel per logical pixel.
    QImage image() const;

signals:
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseMove(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);
    void Click();

protected:
    double innerWidthTwips() const override;
    double innerHeightTwips() const override;
    void paintClear() override;
    void paintPoint(QPointF p, OleColor color, int width) override;
    void paintLine(QPointF from, QPointF to, OleColor color, int width) override;
    void paintBox(QPointF from, QPointF to, OleColor color, bool filled) override;
    void paintCircle(QPointF centre, double radius, OleColor color, int width) override;
    void paintPicture(const QImage &picture, QRectF target, QRectF source, RasterOp op) override;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void geometryChangedTwips() override;

private:
    int borderPixels() const;
    QSize innerPixels() const;
    // User coordinates -> device pixels of the persistent image.
    QPointF toDevice(QPointF user) const;
    void ensureImage();
    // One painter stays open on the drawing between primitives, so that a
    // curve of hundreds of segments does not pay for a painter per segment;
    // it is closed before the drawing is shown, read or reallocated.
    QPainter &painter(QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);
    void endPainting() const;
    void emitMouse(QMouseEvent *event, void (PictureBox::*signal)(int, int, double, double));

    OleColor m_backColor = SystemColor::ButtonFace;
    bool m_autoRedraw = false;
    int m_borderStyle = 1;
    int m_appearance = 1;
    QImage m_picture;
    QImage m_image; // device pixels
    mutable std::unique_ptr<QPainter> m_painter;
    qreal m_dpr = 1;
};

} // namespace forms
