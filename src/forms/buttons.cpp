#include "buttons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

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

CommandButton::CommandButton(QWidget *parent)
    : Control(parent)
    , m_button(new QPushButton(this))
{
    fill(this, m_button);
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &CommandButton::Click);
}

QString CommandButton::Caption() const { return m_button->text(); }
void CommandButton::setCaption(const QString &caption) { m_button->setText(caption); }
void CommandButton::fontChangedSpec() { m_button->setFont(font()); }

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
void CheckBox::setCaption(const QString &caption) { m_box->setText(caption); }

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
void CheckBox::fontChangedSpec() { m_box->setFont(font()); }

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
void OptionButton::setCaption(const QString &caption) { m_button->setText(caption); }

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
void OptionButton::fontChangedSpec() { m_button->setFont(font()); }

} // namespace forms
