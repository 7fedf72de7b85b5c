#include "testsupport.h"

#include "forms/webbrowser.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {
// As the program does in main(): a web browser's engine shares the
// application's drawing contexts, arranged before the application exists.
[[maybe_unused]] const bool contextsShared = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();
} // namespace

namespace testsupport {

MessageRecorder::MessageRecorder()
{
    forms::MessageBoxes::setInterceptor(
        [this](const QString &text, const QString &title) { boxes.append({text, title}); });
}

MessageRecorder::~MessageRecorder()
{
    forms::MessageBoxes::clearInterceptor();
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const auto &box : boxes)
        list << box.first;
    return list;
}

void choose(MainWindow &main, const QString &itemName)
{
    forms::MenuItem *item = main.menuItem(itemName);
    QVERIFY2(item, qPrintable(QStringLiteral("no menu item ") + itemName));
    QVERIFY2(item->isEnabled(), qPrintable(itemName + QStringLiteral(" is disabled")));
    item->trigger();
}

void WindowFixture::start()
{
    m_main = std::make_unique<MainWindow>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void WindowFixture::open(const QString &menuItem, const QString &window)
{
    choose(*m_main, menuItem);
    m_form = m_main->form(window);
    QVERIFY2(m_form, qPrintable(QStringLiteral("no window ") + window));
    QVERIFY2(insideShown(m_form), qPrintable(window + QStringLiteral(" is not shown")));
}

void WindowFixture::finish()
{
    forms::Random::clearScript();
    if (m_form && m_form->isLoaded())
        m_form->Unload();
    m_form = nullptr;
    settle();
    if (m_main)
        QCOMPARE(visibleTopLevels(), QWidgetList{m_main.get()});
    m_main.reset();
    settle();
    QVERIFY(visibleTopLevels().isEmpty());
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

namespace {
QRect subControlRect(QScrollBar *bar, QStyle::SubControl sc)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, sc, bar);
}

// The Qt bar runs from its minimum (top or left) to its maximum; the
// control's Max end is the Qt maximum unless Min > Max, where the Qt bar
// holds negated values and the Max end is still its maximum.
void click(QScrollBar *bar, QPoint at)
{
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
} // namespace

void clickArrow(forms::ScrollBar *bar, bool towardMax)
{
    QScrollBar *q = bar->bar();
    const QRect r = subControlRect(q, towardMax ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    click(q, r.center());
}

void clickTrough(forms::ScrollBar *bar, bool towardMax)
{
    QScrollBar *q = bar->bar();
    const QRect r = subControlRect(q, towardMax ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
    click(q, r.center());
}

void dragThumb(forms::ScrollBar *bar, const QList<int> &values)
{
    QScrollBar *q = bar->bar();
    const bool inverted = bar->Min() > bar->Max();
    const QRect groove = subControlRect(q, QStyle::SC_ScrollBarGroove);
    const QRect slider = subControlRect(q, QStyle::SC_ScrollBarSlider);
    const bool horizontal = q->orientation() == Qt::Horizontal;
    const int span = horizontal ? groove.width() - slider.width() : groove.height() - slider.height();
    const QPoint grab = slider.center();
    QPoint at = grab;
    sendMouse(q, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    QVERIFY(q->isSliderDown());
    const int grabPos = q->sliderPosition();
    for (int value : values) {
        const int target = inverted ? -value : value;
        const int pixel = QStyle::sliderPositionFromValue(q->minimum(), q->maximum(), target, span)
                          - QStyle::sliderPositionFromValue(q->minimum(), q->maximum(), grabPos, span);
        at = grab + (horizontal ? QPoint(pixel, 0) : QPoint(0, pixel));
        sendMouse(q, QEvent::MouseMove, at, Qt::LeftButton);
        // Pixel steps are coarser than values on a short bar: land exactly.
        if (q->sliderPosition() != target)
            q->setSliderPosition(target);
    }
    sendMouse(q, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

namespace {
// The part of a window's inside that its ancestors do not clip away.
QRect visiblePart(forms::Form *form)
{
    if (!form || !form->isLoaded() || !form->isVisible())
        return {};
    return form->visibleRegion().boundingRect();
}

QImage crop(const QImage &image, QRect logical)
{
    const qreal dpr = image.devicePixelRatio();
    return image.copy(QRect(QPointF(logical.topLeft() * dpr).toPoint(),
                            QSizeF(logical.size() * dpr).toSize()));
}
} // namespace

void waitForPages(QWidget *widget)
{
    // A picture that has not changed for this long is the page's last.
    constexpr int Quiet = 300;
    for (forms::WebBrowser *browser : widget->findChildren<forms::WebBrowser *>()) {
        if (!browser->isVisible())
            continue;
        QTRY_VERIFY_WITH_TIMEOUT(!browser->Busy(), 30000);
        QImage last = browser->grab().toImage();
        QDeadlineTimer quiet(Quiet);
        const QDeadlineTimer giveUp(10000);
        while (!quiet.hasExpired() && !giveUp.hasExpired()) {
            QTest::qWait(20);
            const QImage now = browser->grab().toImage();
            if (now != last) {
                last = now;
                quiet.setRemainingTime(Quiet);
            }
        }
        QVERIFY2(quiet.hasExpired(), "the page's picture keeps changing");
    }
}

QImage shownImage(forms::Form *form)
{
    settle();
    const QRect part = visiblePart(form);
    if (part.isEmpty())
        return {};
    waitForPages(form);
    QWidget *top = form->window();
    return crop(top->grab().toImage(), part.translated(form->mapTo(top, QPoint(0, 0))));
}

bool insideShown(forms::Form *form)
{
    if (!form || !form->isShown())
        return false;
    const QImage seen = shownImage(form);
    if (seen.isNull())
        return false;
    // The window rendered by itself: if what is on screen differs, its
    // inside is hidden or covered.
    const QImage own = crop(form->grab().toImage(), visiblePart(form));
    return seen == own.convertToFormat(seen.format());
}

QColor pixel(QWidget *widget, QPoint at)
{
    const QImage image = widget->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(QPoint(int(at.x() * dpr), int(at.y() * dpr)));
}

forms::OleColor oleAt(QWidget *widget, QPoint at)
{
    return forms::fromQColor(pixel(widget, at));
}

QWidgetList visibleTopLevels()
{
    QWidgetList list;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !qobject_cast<QMenu *>(w))
            list << w;
    }
    return list;
}

} // namespace testsupport
