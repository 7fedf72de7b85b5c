#pragma once
// Menu item: Caption (with "&" access keys), Checked, Enabled, Visible and
// the Click event. The check mark changes only when code sets Checked.

#include <QAction>

namespace forms {

class MenuItem : public QAction
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    MenuItem(const QString &name, const QString &caption, QObject *parent);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    bool Enabled() const { return isEnabled(); }
    bool Visible() const { return isVisible(); }

signals:
    void Click();

private:
    bool m_checked = false;
};

} // namespace forms
