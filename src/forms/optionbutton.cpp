#include "forms/optionbutton.h"

#include <QSignalBlocker>

namespace forms {

namespace {
// Option buttons, like check boxes, answer a click anywhere in their
// rectangle.
class WholeAreaRadioButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
} // namespace

OptionButton::OptionButton(QWidget *parent)
    : OptionButton(parent, new WholeAreaRadioButton)
{
}

OptionButton::OptionButton(QWidget *parent, QRadioButton *button)
    : IndicatorButton(parent, button)
    , m_button(button)
{
    // Grouping is by container, done here rather than by Qt's auto-exclusion
    // so that code and user selections behave alike.
    m_button->setAutoExclusive(false);
    // Clicking the selected button keeps it selected and still raises Click.
    connect(m_button, &QRadioButton::clicked, this, &OptionButton::select);
}

void OptionButton::setValue(bool value)
{
    if (value) {
        if (!m_value)
            select();
        return;
    }
    m_value = false;
    const QSignalBlocker blocker(m_button);
    m_button->setChecked(false);
}

void OptionButton::select()
{
    if (QWidget *container = parentWidget()) {
        for (auto *sibling : container->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly)) {
            if (sibling != this && sibling->m_value)
                sibling->setValue(false);
        }
    }
    m_value = true;
    {
        const QSignalBlocker blocker(m_button);
        m_button->setChecked(true);
    }
    emit Click();
}

} // namespace forms
