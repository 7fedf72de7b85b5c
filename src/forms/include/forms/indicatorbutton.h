#pragma once
// Check and option buttons: a button with an indicator and its own colours.

#include "forms/buttoncontrol.h"

namespace forms {

// Check and option buttons also show their own fore and back colours.
class IndicatorButton : public ButtonControl
{
    Q_OBJECT
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);

protected:
    IndicatorButton(QWidget *parent, QAbstractButton *inner);

private:
    void applyColors();
    OleColor m_foreColor = SystemColor::ButtonText;
    OleColor m_backColor = SystemColor::ButtonFace;
};

} // namespace forms
