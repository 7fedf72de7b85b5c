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

// The control's font, condensed if need be so that the caption fits the
// room the button leaves for it (left of it: the indicator or margin).
QFont fitting(const Control *control, const QString &caption, int left, int right)
{
    const QRect room(0, 0, control->width() - left - right, control->height());
    if (room.width() <= 0)
        return control->font();
    return fittingFont(control->font(), room, Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignVCenter, caption);
}

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

CommandButton::CommandButton(QWidget *parent)
    : Control(parent)
    , m_button(new QPushButton(this))
{
    fill(this, m_button);
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &CommandButton::Click);
}

QString CommandButton::Caption() const { return m_button->text(); }
void CommandButton::setCaption(const QString &caption)
{
    m_button->setText(caption);
    fitCaption();
}

void CommandButton::fontChangedSpec() { fitCaption(); }

void CommandButton::fitCaption()
{
    const int margin = m_button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, m_button) + 2;
    m_button->setFont(fitting(this, m_button->text(), margin, margin));
}

CheckBox::CheckBox(QWidget *parent)
    : Control(parent)
    , m_box(new WholeAreaCheckBox(this))
{
    fill(this, m_box);
    applyColors();
    connect(m_box, &QCheckBox::clicked, this, [this] {
        // A user toggle: follow the box and raise Click once.
        m_value = m_box->isChecked() ? 1 : 0;
        emit Click();
    });
}

QString CheckBox::Caption() const { return m_box->text(); }
void CheckBox::setCaption(const QString &caption)
{
    m_box->setText(caption);
    fitCaption();
}

void CheckBox::fitCaption()
{
    const QStyle *style = m_box->style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_box)
                          + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, m_box);
    m_box->setFont(fitting(this, m_box->text(), indicator, 0));
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

void CheckBox::setForeColor(OleColor color) { m_foreColor = color; applyColors(); }
void CheckBox::setBackColor(OleColor color) { m_backColor = color; applyColors(); }
void CheckBox::applyColors() { colorize(m_box, m_foreColor, m_backColor); }
void CheckBox::fontChangedSpec() { fitCaption(); }

OptionButton::OptionButton(QWidget *parent)
    : Control(parent)
    , m_button(new WholeAreaRadioButton(this))
{
    fill(this, m_button);
    // Grouping is by container, done here rather than by Qt's auto-exclusion
    // so that code and user selections behave alike.
    m_button->setAutoExclusive(false);
    applyColors();
    connect(m_button, &QRadioButton::clicked, this, [this] {
        // Clicking the selected button keeps it selected and still raises Click.
        select(true);
    });
}

QString OptionButton::Caption() const { return m_button->text(); }
void OptionButton::setCaption(const QString &caption)
{
    m_button->setText(caption);
    fitCaption();
}

void OptionButton::fitCaption()
{
    const QStyle *style = m_button->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, m_button)
                          + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, m_button);
    m_button->setFont(fitting(this, m_button->text(), indicator, 0));
}

void OptionButton::setValue(bool value)
{
    if (value) {
        if (!m_value)
            select(true);
        return;
    }
    m_value = false;
    const QSignalBlocker blocker(m_button);
    m_button->setChecked(false);
}

void OptionButton::select(bool raiseClick)
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
    if (raiseClick)
        emit Click();
}

void OptionButton::setForeColor(OleColor color) { m_foreColor = color; applyColors(); }
void OptionButton::setBackColor(OleColor color) { m_backColor = color; applyColors(); }
void OptionButton::applyColors() { colorize(m_button, m_foreColor, m_backColor); }
void OptionButton::fontChangedSpec() { fitCaption(); }

} // namespace forms
