#include "forms/checkbox.h"

#include <QSignalBlocker>

namespace forms {

namespace {
// Check boxes answer a click anywhere in their rectangle, as option
// buttons do, not only on the indicator and the caption's text.
class WholeAreaCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
} // namespace

CheckBox::CheckBox(QWidget *parent)
    : CheckBox(parent, new WholeAreaCheckBox)
{
}

CheckBox::CheckBox(QWidget *parent, QCheckBox *box)
    : IndicatorButton(parent, box)
    , m_box(box)
{
    connect(m_box, &QCheckBox::clicked, this, [this] {
        // A user toggle: follow the box and raise Click once.
        m_value = m_box->isChecked() ? 1 : 0;
        emit Click();
    });
}

void CheckBox::setValue(int value)
{
    value = std::clamp(value, 0, 2);
    if (value == m_value)
        return;
    m_value = value;
    {
        const QSignalBlocker blocker(m_box);
        m_box->setTristate(value == 2);
        m_box->setCheckState(value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked);
    }
    emit Click();
}

} // namespace forms
