#include "forms/webbrowser.h"

#include "forms/picture.h"

#include <QDir>
#include <QUrl>
#include <QWebEngineView>

#include <unistd.h>

namespace forms {

namespace {
// The address a location is loaded from.
QUrl resolve(const QString &location)
{
    // A scheme is more than one letter; "c:" starts a file's path.
    const QUrl url(location);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    QString name = location;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString found = findDataFile(name);
    if (!found.isEmpty())
        return QUrl::fromLocalFile(found);
    return QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(name)));
}

// The browser engine's sandbox cannot run as root: the engine would end
// the whole program when the first page opened. Run as root (a container,
// a build machine) the browser goes without it; a normal user's browser
// keeps it. Read by the engine when it starts, with the first view.
void allowEngineToStart()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QWebEngineView *makeView(QWidget *parent)
{
    allowEngineToStart();
    return new QWebEngineView(parent);
}
} // namespace

#if defined(__SANITIZE_ADDRESS__)
// In a sanitizer build: the browser engine, built without the sanitizer,
// frees some of its own objects through a base class of another size,
// which the sanitizer would take for an error of this program.
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif

WebBrowser::WebBrowser(QWidget *parent)
    : Control(parent)
    , m_view(makeView(this))
{
    embed(m_view);
    connect(m_view, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    connect(m_view, &QWebEngineView::loadFinished, this, &WebBrowser::loadFinished);
}

void WebBrowser::Navigate(const QString &location)
{
    // Busy from the call on, not only once the engine reports the start.
    m_busy = true;
    m_view->load(resolve(location));
}

QString WebBrowser::LocationName() const
{
    return m_view->title();
}

QString WebBrowser::LocationURL() const
{
    return m_view->url().toString();
}

void WebBrowser::loadFinished()
{
    m_busy = false;
    emit DownloadComplete();
}

} // namespace forms
