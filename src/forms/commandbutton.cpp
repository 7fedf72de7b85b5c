#include "forms/commandbutton.h"


namespace forms {

CommandButton::CommandButton(QWidget *parent)
    : CommandButton(parent, new QPushButton)
{
}

CommandButton::CommandButton(QWidget *parent, QPushButton *button)
    : ButtonControl(parent, button)
    , m_button(button)
{
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &CommandButton::Click);
}

} // namespace forms
