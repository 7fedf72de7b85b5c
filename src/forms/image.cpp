#include "forms/image.h"

#include <QPainter>

namespace forms {

Image::Image(QWidget *parent)
    : Control(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    } else {
        p.drawImage(0, 0, m_picture);
    }
}

} // namespace forms
