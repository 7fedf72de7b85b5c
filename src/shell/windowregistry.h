#pragma once
// The one instance of each window type, made the first time anything
// refers to it and kept for the whole run.

#include <QHash>
#include <QObject>
#include <QString>

class QMdiArea;

namespace forms {
class Form;
}

namespace shell {

class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    explicit WindowRegistry(QMdiArea *mdiArea, QObject *parent = nullptr);
    ~WindowRegistry() override;

    // The window's instance, made now if need be; nullptr for a window
    // that does not exist (yet).
    forms::Form *form(const QString &name);
    bool isAvailable(const QString &name) const;
    // The instances made so far.
    QList<forms::Form *> forms() const { return m_forms.values(); }

private:
    QMdiArea *m_mdiArea;
    QHash<QString, forms::Form *> m_forms;
};

} // namespace shell
