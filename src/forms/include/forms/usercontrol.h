#pragma once
// A user control: a control built from other controls (its constituents),
// placed at their design positions in its own twips on its BackColor. A
// component library supplies its visual controls as user controls; the
// host only creates, places and sizes them.

#include "forms/control.h"
#include "forms/controlarray.h"

namespace forms {

class UserControl : public Control
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    explicit UserControl(QWidget *parent);

    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);

protected:
    // Creates a constituent of type T at left, top, width x height twips.
    template <typename T>
    T *add(const QString &name, double left, double top, double width, double height)
    {
        auto *control = new T(this);
        control->setObjectName(name);
        control->Move(left, top, width, height);
        return control;
    }
    // Member index of a control array, named "name(index)".
    template <typename T>
    T *addIndexed(ControlArray<T> &array, int index, double left, double top, double width,
                  double height)
    {
        T *control = add<T>(array.memberName(index), left, top, width, height);
        control->setIndex(index);
        array.insert(index, control);
        return control;
    }

    void paintEvent(QPaintEvent *event) override;

private:
    OleColor m_backColor = SystemColor::ButtonFace;
};

} // namespace forms
