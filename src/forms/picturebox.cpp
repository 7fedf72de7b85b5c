#include "forms/picturebox.h"

#include "forms/errors.h"

#include <QMouseEvent>
#include <QPainter>

namespace forms {

PictureBox::PictureBox(QWidget *parent)
    : Control(parent)
{
    // The border and the drawing cover every pixel of the box.
    setAttribute(Qt::WA_OpaquePaintEvent);
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

QSize PictureBox::canvasPixels() const
{
    const int b = 2 * borderPixels();
    return {std::max(0, spanPixels(Left(), Control::Width()) - b),
            std::max(0, spanPixels(Top(), Control::Height()) - b)};
}

void PictureBox::setBorderStyle(int style)
{
    m_borderStyle = style;
    fitCanvas();
    update();
}

void PictureBox::setAppearance(int appearance)
{
    m_appearance = appearance;
    fitCanvas();
    update();
}

void PictureBox::setAlign(int edge)
{
    if (edge < AlignNone || edge > AlignRight)
        forms::raise(ErrorCode::InvalidPropertyValue, QStringLiteral("Align %1").arg(edge));
    m_align = edge;
    if (QWidget *container = parentWidget()) {
        container->removeEventFilter(this);
        if (m_align != AlignNone)
            container->installEventFilter(this);
    }
    alignToContainer();
}

void PictureBox::alignToContainer()
{
    const QWidget *container = parentWidget();
    if (!container || m_align == AlignNone)
        return;
    const double width = container->width() * TwipsPerPixel;
    const double height = container->height() * TwipsPerPixel;
    switch (m_align) {
    case AlignTop:
        Move(0, 0, width, Height());
        break;
    case AlignBottom:
        Move(0, height - Height(), width, Height());
        break;
    case AlignLeft:
        Move(0, 0, Width(), height);
        break;
    case AlignRight:
        Move(width - Width(), 0, Width(), height);
        break;
    }
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        alignToContainer();
    return Control::eventFilter(watched, event);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int b = borderPixels();
    const QRect outer = rect();
    if (b == 2) {
        drawSunkenBorder(p, outer);
    } else if (b == 1) {
        // Filled rather than stroked, so that every device pixel of the
        // border is covered at any pixel ratio (the box paints all of itself).
        for (const QRect &side : {QRect(0, 0, outer.width(), 1), QRect(0, outer.height() - 1, outer.width(), 1),
                                  QRect(0, 0, 1, outer.height()), QRect(outer.width() - 1, 0, 1, outer.height())})
            p.fillRect(side, Qt::black);
    }
    p.setClipRect(outer.adjusted(b, b, -b, -b));
    paintCanvas(p, QPoint(b, b));
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
    const QPointF user = toUser(pos * TwipsPerPixel);
    emit(this->*signal)(button, shift, user.x(), user.y());
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
