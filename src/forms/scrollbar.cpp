#include "forms/scrollbar.h"

#include "forms/errors.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace forms {

namespace {
int clamp16(int v) { return std::clamp(v, -32768, 32767); }

// The keys of a scroll bar with the focus, on either orientation: Left and
// Up step toward Min by SmallChange, Right and Down toward Max, Page Up and
// Page Down by LargeChange, Home and End go to Min and Max. (Qt's own
// reading sends Right leftward on a horizontal bar and Left downward on a
// vertical one.)
class KeyboardScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->modifiers() & ~Qt::KeypadModifier) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        const bool flipped = orientation() == Qt::Horizontal && isRightToLeft();
        SliderAction action = SliderNoAction;
        switch (event->key()) {
        case Qt::Key_Left: action = flipped ? SliderSingleStepAdd : SliderSingleStepSub; break;
        case Qt::Key_Right: action = flipped ? SliderSingleStepSub : SliderSingleStepAdd; break;
        case Qt::Key_Up: action = SliderSingleStepSub; break;
        case Qt::Key_Down: action = SliderSingleStepAdd; break;
        case Qt::Key_PageUp: action = SliderPageStepSub; break;
        case Qt::Key_PageDown: action = SliderPageStepAdd; break;
        case Qt::Key_Home: action = SliderToMinimum; break;
        case Qt::Key_End: action = SliderToMaximum; break;
        default: QScrollBar::keyPressEvent(event); return;
        }
        triggerAction(action);
        event->accept();
    }
};
} // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent)
    : Control(parent)
    , m_bar(new KeyboardScrollBar(orientation, this))
{
    // A scroll bar is a tab stop, as on the original platform: the keyboard
    // reaches it, and focus leaving it raises Validate.
    m_bar->setFocusPolicy(Qt::StrongFocus);
    embed(m_bar);
    // Tracking stays on: with it off, an arrow click's change arrives late.
    m_bar->setTracking(true);
    syncBar();
    connect(m_bar, &QScrollBar::valueChanged, this, &ScrollBar::barValueChanged);
    connect(m_bar, &QScrollBar::sliderReleased, this, &ScrollBar::barReleased);
}

void ScrollBar::setMin(int min) { setRange(min, m_max); }
void ScrollBar::setMax(int max) { setRange(m_min, max); }

void ScrollBar::setRange(int min, int max)
{
    m_min = clamp16(min);
    m_max = clamp16(max);
    m_value = std::clamp(m_value, std::min(m_min, m_max), std::max(m_min, m_max));
    syncBar();
}

void ScrollBar::setValue(int value)
{
    if (value < std::min(m_min, m_max) || value > std::max(m_min, m_max))
        forms::raise(ErrorCode::InvalidPropertyValue,
              QStringLiteral("%1 is outside %2 to %3").arg(value).arg(m_min).arg(m_max));
    if (value == m_value)
        return;
    m_value = value;
    syncBar();
    emit Change();
}

void ScrollBar::setSmallChange(int step)
{
    m_smallChange = std::max(1, step);
    m_bar->setSingleStep(m_smallChange);
}

void ScrollBar::setLargeChange(int step)
{
    m_largeChange = std::max(1, step);
    m_bar->setPageStep(m_largeChange);
}

void ScrollBar::syncBar()
{
    const QSignalBlocker blocker(m_bar);
    m_syncing = true;
    if (inverted())
        m_bar->setRange(-m_min, -m_max);
    else
        m_bar->setRange(m_min, m_max);
    m_bar->setSingleStep(m_smallChange);
    m_bar->setPageStep(m_largeChange);
    m_bar->setValue(toBar(m_value));
    m_syncing = false;
}

void ScrollBar::barValueChanged(int barValue)
{
    if (m_syncing)
        return;
    const int value = fromBar(barValue);
    if (value == m_value)
        return;
    m_value = value;
    if (m_bar->isSliderDown()) {
        m_dragMoved = true;
        emit Scroll();
    } else {
        emit Change();
    }
}

void ScrollBar::barReleased()
{
    if (!m_dragMoved)
        return;
    m_dragMoved = false;
    emit Change();
}

} // namespace forms
