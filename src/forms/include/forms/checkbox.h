#pragma once
// Check box: Value 0 unchecked, 1 checked, 2 greyed.

#include "forms/indicatorbutton.h"

#include <QCheckBox>

namespace forms {

class CheckBox : public IndicatorButton
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)

public:
    explicit CheckBox(QWidget *parent);
    // 0 unchecked, 1 checked, 2 greyed; a new value raises Click.
    int Value() const { return m_value; }
    void setValue(int value);
    QCheckBox *box() const { return m_box; }

private:
    CheckBox(QWidget *parent, QCheckBox *box);
    QCheckBox *m_box;
    int m_value = 0;
};

} // namespace forms
