#pragma once
// What the command, check and option buttons share.

#include "forms/control.h"

#include <QAbstractButton>

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

} // namespace forms
