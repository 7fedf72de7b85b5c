#pragma once
// Command button, check box and option button. Option buttons form one
// group per container: selecting one clears the others beside it.

#include "control.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace forms {

class CommandButton : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit CommandButton(QWidget *parent);
    QString Caption() const;
    void setCaption(const QString &caption);
    QPushButton *button() const { return m_button; }

signals:
    void Click();

protected:
    void fontChangedSpec() override;
    void geometryChangedTwips() override { fitCaption(); }

private:
    void fitCaption();
    QPushButton *m_button;
};

class CheckBox : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    explicit CheckBox(QWidget *parent);
    QString Caption() const;
    void setCaption(const QString &caption);
    // 0 unchecked, 1 checked, 2 greyed; a new value raises Click.
    int Value() const { return m_value; }
    void setValue(int value);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    QCheckBox *box() const { return m_box; }

signals:
    void Click();

protected:
    void fontChangedSpec() override;
    void geometryChangedTwips() override { fitCaption(); }

private:
    void applyColors();
    void fitCaption();
    QCheckBox *m_box;
    int m_value = 0;
    OleColor m_foreColor = SystemColor::ButtonText;
    OleColor m_backColor = SystemColor::ButtonFace;
};

class OptionButton : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    explicit OptionButton(QWidget *parent);
    QString Caption() const;
    void setCaption(const QString &caption);
    bool Value() const { return m_value; }
    // Selecting clears the other option buttons of the same container and
    // raises Click; clearing raises nothing.
    void setValue(bool value);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    QRadioButton *button() const { return m_button; }

signals:
    void Click();

protected:
    void fontChangedSpec() override;
    void geometryChangedTwips() override { fitCaption(); }

private:
    void select(bool raiseClick);
    void applyColors();
    void fitCaption();
    QRadioButton *m_button;
    bool m_value = false;
    OleColor m_foreColor = SystemColor::ButtonText;
    OleColor m_backColor = SystemColor::ButtonFace;
};

} // namespace forms
