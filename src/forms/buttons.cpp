#include "buttons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

namespace forms {

namespace {
// Check boxes and option buttons answer a click anywhere in their
// rectangle, not only on the indicator and the caption's text.
class WholeAreaCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

class WholeAreaRadioButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

void fill(QWidget *outer, QWidget *inner)
{
    auto *layout = new QGridLayout(outer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner);
    outer->setFocusProxy(inner);
}

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

ButtonControl::ButtonControl(QWidget *parent, QAbstractButton *inner)
    : Control(parent)
    , m_inner(inner)
{
    fill(this, inner);
}

void ButtonControl::setCaption(const QString &caption)
{
    m_inner->setText(caption);
    fitCaption();
}

void ButtonControl::fitCaption()
{
    // The room the button leaves for its caption: beside the indicator of a
    // check or option button, between the margins of a command button.
    const QStyle *style = m_inner->style();
    int left = 0;
    int right = 0;
    if (qobject_cast<QRadioButton *>(m_inner)) {
        left = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, m_inner)
               + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, m_inner);
    } else if (qobject_cast<QCheckBox *>(m_inner)) {
        left = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_inner)
               + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, m_inner);
    } else {
        left = right = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, m_inner) + 2;
    }
    const QRect room(0, 0, width() - left - right, height());
    const int flags = Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignVCenter;
    m_inner->setFont(room.width() <= 0 ? font() : fittingFont(font(), room, flags, m_inner->text()));
}

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
