#include "forms/scrollbar.h"

#include "forms/errors.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace forms {

namespace {
int clamp16(int v) { return std::clamp(v, -32768, 32767); }

// Qt 6 reads the Left and Right keys of a horizontal scroll bar through
// the inverted controls that make Up and Page Up move a vertical bar up,
// so Right would move the thumb left. Here the arrow keys move the thumb
// the way they point.
class ArrowKeyScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (orientation() == Qt::Horizontal && (key == Qt::Key_Left || key == Qt::Key_Right)) {
            const bool rightward = (key == Qt::Key_Right) != isRightToLeft();
            triggerAction(rightward ? SliderSingleStepAdd : SliderSingleStepSub);
            event->accept();
            return;
        }
        QScrollBar::keyPressEvent(event);
    }
};
} // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent)
    : Control(parent)
    , m_bar(new ArrowKeyScrollBar(orientation, this))
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
