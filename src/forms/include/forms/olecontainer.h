#pragma once
// OLE container: holds one embedded object and shows it as the object
// chose to be shown (a package shows its icon over its label) inside a
// thin frame. It takes the focus like any control, and the object is
// activated the usual way: a double click, or Enter while the container
// has the focus. Activating opens the object's own window, or brings that
// window to the front when it is open already. The window belongs to the
// container: when the container goes (its window unloads), so does the
// object's window.

#include "forms/control.h"

#include <QIcon>
#include <QPointer>
#include <functional>

namespace forms {

class OleContainer : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption)

public:
    // What the container holds: how the object shows, and what opens it.
    // open makes the object's window (a top-level widget) with the
    // container as its owner.
    struct Object
    {
        QIcon icon;
        QString label;
        std::function<QWidget *(QWidget *owner)> open;
    };

    explicit OleContainer(QWidget *parent);

    void setObject(Object object);
    // The label the object shows under its icon.
    QString Caption() const { return m_object.label; }

    // Runs the object's primary verb: opens it, or brings its open window
    // to the front.
    void DoVerb();
    // The object's window while it is open, else nullptr.
    QWidget *objectWindow() const { return m_window; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Object m_object;
    QPointer<QWidget> m_window;
};

} // namespace forms
