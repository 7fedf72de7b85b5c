#pragma once
// Option button. Option buttons form one group per container: selecting
// one clears the others beside it.

#include "forms/indicatorbutton.h"

#include <QRadioButton>

namespace forms {

class OptionButton : public IndicatorButton
{
    Q_OBJECT
    Q_PROPERTY(bool Value READ Value WRITE setValue)

public:
    explicit OptionButton(QWidget *parent);
    bool Value() const { return m_value; }
    // Selecting clears the other option buttons of the same container and
    // raises Click; clearing raises nothing.
    void setValue(bool value);
    QRadioButton *button() const { return m_button; }

private:
    OptionButton(QWidget *parent, QRadioButton *button);
    void select();
    QRadioButton *m_button;
    bool m_value = false;
};

} // namespace forms
