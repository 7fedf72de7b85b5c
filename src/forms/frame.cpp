#include "forms/frame.h"

#include <QPainter>

namespace forms {

Frame::Frame(QWidget *parent)
    : Control(parent)
{
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_backColor));
    if (m_borderStyle == 0)
        return;
    p.setFont(font());
    const QFontMetrics metrics(font());
    const int textTop = 0;
    const int lineY = metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineY, -1, -1);
    // Etched line: dark grey with a white line inside it.
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (m_caption.isEmpty())
        return;
    const int textLeft = 8;
    const QRect textRect(textLeft, textTop, width() - textLeft - 2, metrics.height());
    const QRect bounds = metrics.boundingRect(textRect, Qt::TextShowMnemonic | Qt::AlignLeft, m_caption);
    p.fillRect(bounds.adjusted(-2, 0, 2, 0), toQColor(m_backColor));
    p.setPen(toQColor(m_foreColor));
    p.drawText(textRect, Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop, m_caption);
}

} // namespace forms
