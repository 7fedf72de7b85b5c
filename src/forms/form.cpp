#include "forms/form.h"

#include "forms/linecontrol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QScreen>

namespace forms {

namespace {

// The frame of a child window: its close box unloads the window inside.
class FormSubWindow : public QMdiSubWindow
{
public:
    explicit FormSubWindow(Form *form)
        : m_form(form)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        // Every frame's menu would claim Ctrl+F4 for itself, and a key
        // claimed by several open windows closes none of them; the main
        // window's Ctrl+F4 closes the active one instead.
        if (QMenu *menu = systemMenu()) {
            for (QAction *action : menu->actions())
                action->setShortcuts({});
        }
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        // Unloading takes the window out of this frame and disposes of it.
        if (m_form)
            m_form->Unload();
        event->accept();
    }

private:
    QPointer<Form> m_form;
};

// The nearest control at or above w inside form.
Control *controlOf(QWidget *w, const Form *form)
{
    for (; w && w != form; w = w->parentWidget()) {
        if (auto *control = qobject_cast<Control *>(w))
            return control;
    }
    return nullptr;
}

} // namespace

Form::Form(Design design)
    : QWidget(nullptr, design.mdiChild ? Qt::Widget : Qt::Window)
    , m_design(std::move(design))
{
    setObjectName(m_design.name);
    setAttribute(Qt::WA_QuitOnClose, !m_design.mdiChild);
    // The drawing covers the whole client area, so what lies beneath (the
    // child window's frame) need not be painted again when a control of
    // the window changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(qApp, &QApplication::focusChanged, this, &Form::validateOnFocusChange);
}

Form::~Form()
{
    // Destroying a control that has the focus moves the focus on; by then
    // this is no longer a whole window that could validate the move.
    disconnect(qApp, &QApplication::focusChanged, this, &Form::validateOnFocusChange);
    if (m_subWindow) {
        m_subWindow->removeEventFilter(this);
        m_subWindow->setWidget(nullptr);
        delete m_subWindow;
    }
}

void Form::applyDesign()
{
    m_caption = m_design.caption;
    setWindowTitle(m_caption);
    // A new load starts a new drawing with the design's colours.
    discardDrawing();
    setForeColor(SystemColor::ButtonText);
    setBackColor(m_design.backColor);
    m_tag.clear();
    if (!m_design.icon.isNull())
        setWindowIcon(m_design.icon);
    const QSize client(twipsToPixels(m_design.clientWidth), twipsToPixels(m_design.clientHeight));
    if (m_design.border == Border::Sizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(client);
    } else {
        setFixedSize(client);
    }
    if (!isMdiChild()) {
        Qt::WindowFlags flags = Qt::Window;
        if (m_design.border != Border::Sizable)
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                     | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        setWindowFlags(flags);
    }
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_loading = true;
    m_positioned = false;
    applyDesign();
    createControls();
    applyTabOrder();
    if (isMdiChild() && m_mdiArea) {
        auto *sub = new FormSubWindow(this);
        Qt::WindowFlags flags = Qt::SubWindow;
        if (m_design.border != Border::Sizable)
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                     | Qt::WindowCloseButtonHint;
        sub->setWindowFlags(flags);
        sub->setWidget(this);
        sub->setWindowTitle(m_caption);
        if (!m_design.icon.isNull())
            sub->setWindowIcon(m_design.icon);
        m_mdiArea->addSubWindow(sub);
        m_subWindow = sub;
        sub->installEventFilter(this);
        sub->resize(size() + frameExtra());
    }
    guarded([this] { Form_Load(); });
    m_loading = false;
    // A child window is shown as soon as it is loaded.
    if (m_loaded && isMdiChild() && !m_loadHidden)
        Show();
}

void Form::Show()
{
    Load();
    if (!m_loaded)
        return; // Form_Load unloaded it again
    if (!m_positioned) {
        m_positioned = true;
        applyStartUpPosition();
    }
    QWidget *frame = frameWidget();
    // Unload hid the window inside its old frame; a frame shows only what
    // is not hidden, so the inside is shown explicitly.
    if (frame != this)
        show();
    frame->show();
    frame->raise();
    if (m_subWindow && m_mdiArea) {
        m_mdiArea->setActiveSubWindow(m_subWindow);
        // A new frame activated in place of an unloaded one does not always
        // pass the focus in; the first control in tab order takes it, as
        // it did when the window was first opened.
        const QWidget *focus = QApplication::focusWidget();
        if (!focus || !isAncestorOf(focus) || !focus->isVisible())
            focusFirstControl();
    } else {
        activateWindow();
    }
}

void Form::applyTabOrder()
{
    QList<Control *> numbered;
    for (Control *control : findChildren<Control *>()) {
        if (control->TabIndex() >= 0)
            numbered << control;
    }
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const Control *a, const Control *b) { return a->TabIndex() < b->TabIndex(); });
    for (qsizetype i = 1; i < numbered.size(); ++i)
        setTabOrder(numbered[i - 1], numbered[i]);
}

void Form::focusFirstControl()
{
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Form::Hide()
{
    if (!m_loaded) {
        m_loadHidden = true;
        Load();
        m_loadHidden = false;
    }
    if (m_loaded)
        frameWidget()->hide();
}

void Form::Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    for (Timer *timer : findChildren<Timer *>())
        timer->shutDown();
    for (ControlArrayBase *array : m_arrays)
        array->clear();
    // The focus must not stay with a control that is about to go.
    if (QWidget *focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        focus->clearFocus();
    // Controls may be unloaded from one of their own handlers (a Close
    // button), so they are silenced and renamed now and deleted once the
    // handler has returned.
    const QObjectList children = this->children();
    for (QObject *child : children) {
        child->blockSignals(true);
        child->setObjectName(QString());
        for (QObject *descendant : child->findChildren<QObject *>())
            descendant->setObjectName(QString());
        if (auto *widget = qobject_cast<QWidget *>(child))
            widget->hide();
        child->deleteLater();
    }
    if (m_subWindow) {
        QMdiSubWindow *sub = m_subWindow;
        m_subWindow = nullptr;
        sub->removeEventFilter(this);
        sub->hide();
        sub->setWidget(nullptr);
        setParent(nullptr, Qt::Widget);
        if (m_mdiArea)
            m_mdiArea->removeSubWindow(sub);
        sub->deleteLater();
    }
    hide();
}

bool Form::isShown() const
{
    // The inside itself, not only its frame: a frame can be on screen with
    // nothing in it.
    return m_loaded && isVisible();
}

QWidget *Form::frameWidget() const
{
    return m_subWindow ? static_cast<QWidget *>(m_subWindow) : const_cast<Form *>(this);
}

QSize Form::frameExtra() const
{
    if (m_subWindow) {
        const QMargins m = m_subWindow->contentsMargins();
        return {m.left() + m.right(), m.top() + m.bottom()};
    }
    if (isVisible())
        return frameGeometry().size() - size();
    // Not framed yet (a default QSize would be -1 x -1).
    return {0, 0};
}

void Form::setCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
    if (m_subWindow)
        m_subWindow->setWindowTitle(caption);
}

void Form::setLeft(double twips)
{
    m_left = twips;
    m_positioned = true;
    placeFrame();
}

void Form::setTop(double twips)
{
    m_top = twips;
    m_positioned = true;
    placeFrame();
}

void Form::placeFrame()
{
    m_placing = true;
    frameWidget()->move(twipsToPixels(m_left), twipsToPixels(m_top));
    m_placing = false;
}

double Form::Width() const
{
    return (width() + frameExtra().width()) * TwipsPerPixel;
}

double Form::Height() const
{
    return (height() + frameExtra().height()) * TwipsPerPixel;
}

void Form::setWidth(double twips)
{
    const int client = std::max(1, twipsToPixels(twips) - frameExtra().width());
    if (m_design.border == Border::Sizable)
        resize(client, height());
    else
        setFixedSize(client, height());
    if (m_subWindow)
        m_subWindow->resize(size() + frameExtra());
}

void Form::setHeight(double twips)
{
    const int client = std::max(1, twipsToPixels(twips) - frameExtra().height());
    if (m_design.border == Border::Sizable)
        resize(width(), client);
    else
        setFixedSize(width(), client);
    if (m_subWindow)
        m_subWindow->resize(size() + frameExtra());
}

void Form::applyStartUpPosition()
{
    if (isMdiChild())
        return; // the MDI area places its children unless code did
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    switch (m_design.startUp) {
    case StartUp::CenterOwner: // no window has an owner: centre on the screen
    case StartUp::CenterScreen: {
        const QSize outer = size() + frameExtra();
        m_placing = true;
        move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
        m_placing = false;
        m_left = frameGeometry().x() * TwipsPerPixel;
        m_top = frameGeometry().y() * TwipsPerPixel;
        break;
    }
    case StartUp::Manual:
        placeFrame();
        break;
    case StartUp::Default:
        break;
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_subWindow) {
        // The frame's close box unloads; a close of the inside is refused.
        event->ignore();
        return;
    }
    Unload();
    event->accept();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitCanvas();
    if (m_loaded && !m_loading)
        guarded([this] { Form_Resize(); });
}

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_placing && !m_subWindow && isWindow())
        followFrame(frameGeometry().topLeft());
}

void Form::followFrame(QPoint at)
{
    // Follow the user's moves, but keep an exact value that still matches.
    if (twipsToPixels(m_left) != at.x())
        m_left = at.x() * TwipsPerPixel;
    if (twipsToPixels(m_top) != at.y())
        m_top = at.y() * TwipsPerPixel;
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move && !m_placing && m_subWindow && watched == m_subWindow.get())
        followFrame(m_subWindow->pos());
    return QWidget::eventFilter(watched, event);
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintCanvas(p, QPoint(0, 0));
}

void Form::validateOnFocusChange(QWidget *old, QWidget *now)
{
    if (!m_loaded || !old || !now || !isAncestorOf(old) || !isAncestorOf(now))
        return;
    Control *from = controlOf(old, this);
    Control *to = controlOf(now, this);
    if (!from || from == to)
        return;
    if (m_refocusing)
        return; // the focus going back to a control that cancelled
    bool cancel = false;
    emit from->Validate(cancel);
    if (cancel && from->isVisible()) {
        m_refocusing = true;
        from->setFocus(Qt::OtherFocusReason);
        m_refocusing = false;
    }
}

LineControl *Form::addLine(QWidget *container, const QString &name, double x1, double y1, double x2,
                           double y2)
{
    auto *line = new LineControl(container);
    line->setObjectName(name);
    line->setPoints(x1, y1, x2, y2);
    return line;
}

Timer *Form::addTimer(const QString &name, int interval, bool enabled)
{
    auto *timer = new Timer(this);
    timer->setObjectName(name);
    timer->setEnabled(false);
    timer->setInterval(interval);
    timer->setEnabled(enabled);
    return timer;
}

} // namespace forms
