#pragma once
// Timer control: Interval in milliseconds (32-bit, beyond 60000), Enabled,
// Tag, and the Timer event (Tick) on the user-interface thread. Precise timing;
// enabling starts a fresh interval, disabling drops any pending tick, and a
// new Interval retimes at once, even inside the timer's own tick.

#include <QObject>
#include <QTimer>

namespace forms {

class Timer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(int Index READ Index)

public:
    explicit Timer(QObject *parent);

    int Interval() const { return m_interval; }
    void setInterval(int ms);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    int Index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // True while a tick is pending (enabled with a non-zero interval).
    bool isRunning() const { return m_timer.isActive(); }
    // Delivers one tick now, as if the interval had elapsed (for tests and
    // tools); does nothing while the timer is disabled.
    void fire();
    // Stops for good: the window that owns the timer is being unloaded.
    void shutDown();

signals:
    // The Timer event (a signal cannot share the class's name).
    void Tick();

private:
    void restart();
    void tick();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
    bool m_inTick = false;
    bool m_dead = false;
    QString m_tag;
    int m_index = -1;
};

} // namespace forms
