#include "forms/usercontrol.h"

#include <QPainter>

namespace forms {

UserControl::UserControl(QWidget *parent)
    : Control(parent)
{
}

void UserControl::setBackColor(OleColor color)
{
    m_backColor = color;
    update();
}

void UserControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_backColor));
}

} // namespace forms
