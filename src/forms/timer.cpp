#include "forms/timer.h"

namespace forms {

Timer::Timer(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
    restart();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void Timer::restart()
{
    if (m_enabled && m_interval > 0 && !m_dead)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void Timer::fire()
{
    if (m_enabled && !m_dead)
        tick();
}

void Timer::shutDown()
{
    m_dead = true;
    m_timer.stop();
}

void Timer::tick()
{
    // A handler that shows a message box runs a nested event loop; the
    // timer must not re-enter its own handler meanwhile.
    if (m_inTick || m_dead)
        return;
    m_inTick = true;
    emit Tick();
    m_inTick = false;
}

} // namespace forms
