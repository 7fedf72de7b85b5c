#pragma once
// Horizontal and vertical scroll bars with 16-bit Min, Max and Value.
// Min may exceed Max: the value then falls toward the Max end, and the
// arrows and trough step toward it. Scroll fires while the thumb is
// dragged (Value reads the thumb position), Change once when a value is
// set by code or by the user, and only when it differs; a value outside
// the range is refused with an error, never clamped.

#include "forms/control.h"

#include <QScrollBar>

namespace forms {

class ScrollBar : public Control
{
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE setSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE setLargeChange)

public:
    ScrollBar(Qt::Orientation orientation, QWidget *parent);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Value() const { return m_value; }
    int SmallChange() const { return m_smallChange; }
    int LargeChange() const { return m_largeChange; }
    // A new range pulls the value inside it without raising Change.
    void setMin(int min);
    void setMax(int max);
    void setRange(int min, int max);
    // Raises InvalidPropertyValue outside Min..Max; raises Change inside
    // the assignment when the value differs.
    void setValue(int value);
    void setSmallChange(int step);
    void setLargeChange(int step);

    // The Qt bar inside, for tests that drive it as a user would.
    QScrollBar *bar() const { return m_bar; }

signals:
    void Change();
    void Scroll();

private:
    bool inverted() const { return m_min > m_max; }
    int toBar(int value) const { return inverted() ? -value : value; }
    int fromBar(int barValue) const { return inverted() ? -barValue : barValue; }
    void syncBar();
    void barValueChanged(int barValue);
    void barReleased();

    QScrollBar *m_bar;
    int m_min = 0;
    int m_max = 32767;
    int m_value = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_syncing = false;
    bool m_dragMoved = false;
};

} // namespace forms
