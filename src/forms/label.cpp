#include "forms/label.h"

#include <QMouseEvent>
#include <QPainter>

namespace forms {

Label::Label(QWidget *parent)
    : Control(parent)
{
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return; // windows often write back the caption they show
    m_caption = caption;
    update();
}

void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void Label::setBackStyle(int style)
{
    m_backStyle = style;
    update();
}

void Label::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void Label::setAppearance(int appearance)
{
    m_appearance = appearance;
    update();
}

void Label::setBackColor(OleColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void Label::setForeColor(OleColor color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}


void Label::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect text = rect();
    if (m_backStyle == 1)
        p.fillRect(rect(), toQColor(m_backColor));
    if (m_borderStyle == 1) {
        if (m_appearance == 1) {
            drawSunkenBorder(p, rect());
            text.adjust(2, 2, -2, -2);
        } else {
            p.setPen(Qt::black);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
            text.adjust(1, 1, -1, -1);
        }
    }
    int flags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop;
    flags |= m_alignment == RightJustify ? Qt::AlignRight
           : m_alignment == Center       ? Qt::AlignHCenter
                                         : Qt::AlignLeft;
    p.setPen(toQColor(m_foreColor));
    if (m_fit.caption != m_caption || m_fit.area != text || m_fit.flags != flags || m_fit.font != font())
        m_fit = {m_caption, text, flags, font(), fittingFont(font(), text, flags, m_caption)};
    p.setFont(m_fit.fitted);
    p.drawText(text, flags, m_caption);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = m_pressed && event->button() == Qt::LeftButton
                         && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (clicked)
        emit Click();
}

} // namespace forms
