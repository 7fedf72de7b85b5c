#pragma once
// Command button: a push button whose Click runs its handler.

#include "forms/buttoncontrol.h"

#include <QPushButton>

namespace forms {

class CommandButton : public ButtonControl
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent);
    QPushButton *button() const { return m_button; }

private:
    CommandButton(QWidget *parent, QPushButton *button);
    QPushButton *m_button;
};

} // namespace forms
