#include "forms/indicatorbutton.h"

#include <QPalette>

namespace forms {

namespace {
void colorize(QWidget *w, OleColor fore, OleColor back)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, toQColor(fore));
    pal.setColor(QPalette::Window, toQColor(back));
    w->setPalette(pal);
    // Qt's buttons fill with the Button role; the back colour is Window.
    w->setBackgroundRole(QPalette::Window);
    w->setAutoFillBackground(true);
}
} // namespace

IndicatorButton::IndicatorButton(QWidget *parent, QAbstractButton *inner)
    : ButtonControl(parent, inner)
{
    applyColors();
}

void IndicatorButton::setForeColor(OleColor color)
{
    m_foreColor = color;
    applyColors();
}

void IndicatorButton::setBackColor(OleColor color)
{
    m_backColor = color;
    applyColors();
}

void IndicatorButton::applyColors()
{
    colorize(inner(), m_foreColor, m_backColor);
}

} // namespace forms
