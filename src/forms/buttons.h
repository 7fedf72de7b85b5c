#pragma once
// Command button, check box and option button. Option buttons form one
// group per container: selecting one clears the others beside it.

#include "control.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace forms {

// What the three buttons share: a Qt button inside, its caption (condensed
// when it would not fit the room the button leaves for it) and Click.
class ButtonControl : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    QString Caption() const { return m_inner->text(); }
    void setCaption(const QString &caption);

signals:
    void Click();

protected:
    // Takes the Qt button in and fills itself with it.
    ButtonControl(QWidget *parent, QAbstractButton *inner);
    QAbstractButton *inner() const { return m_inner; }
    void fontChangedSpec() override { fitCaption(); }
    void geometryChangedTwips() override { fitCaption(); }

private:
    void fitCaption();
    QAbstractButton *m_inner;
};

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
