#include "forms/olecontainer.h"

#include "forms/events.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace forms {

namespace {
constexpr int IconSize = 32;
} // namespace

OleContainer::OleContainer(QWidget *parent)
    : Control(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OleContainer::setObject(Object object)
{
    m_object = std::move(object);
    setAccessibleName(m_object.label);
    update();
}

void OleContainer::DoVerb()
{
    if (!m_window) {
        if (!m_object.open)
            return;
        m_window = m_object.open(this);
        if (!m_window)
            return;
        // Closing the object's window ends the object's run: nothing of
        // it stays behind.
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void OleContainer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect outer = rect();
    p.fillRect(outer, palette().color(QPalette::Base));
    p.setPen(Qt::black);
    p.drawRect(outer.adjusted(0, 0, -1, -1));

    // The icon at the top middle, its label centred under it.
    const QFontMetrics metrics(font());
    const int labelHeight = m_object.label.isEmpty() ? 0 : metrics.height();
    const int top = std::max(2, (outer.height() - IconSize - labelHeight - 2) / 2);
    const QRect iconRect((outer.width() - IconSize) / 2, top, IconSize, IconSize);
    if (!m_object.icon.isNull())
        m_object.icon.paint(&p, iconRect);
    QRect labelRect;
    if (labelHeight > 0) {
        labelRect = metrics.boundingRect(m_object.label).adjusted(-2, 0, 2, 0);
        labelRect.moveTo((outer.width() - labelRect.width()) / 2, iconRect.bottom() + 3);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(labelRect, Qt::AlignCenter, m_object.label);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = labelHeight > 0 ? labelRect : outer.adjusted(2, 2, -2, -2);
        option.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void OleContainer::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        guarded([this] { DoVerb(); });
        event->accept();
        return;
    }
    Control::mouseDoubleClickEvent(event);
}

void OleContainer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        guarded([this] { DoVerb(); });
        event->accept();
        return;
    }
    Control::keyPressEvent(event);
}

void OleContainer::focusInEvent(QFocusEvent *event)
{
    Control::focusInEvent(event);
    update();
}

void OleContainer::focusOutEvent(QFocusEvent *event)
{
    Control::focusOutEvent(event);
    update();
}

} // namespace forms
