#pragma once
// Web browser control: an embedded web view (Qt WebEngine). Navigate loads
// a location; Busy holds from then until the page has finished loading;
// LocationName is the page's title (its address while it has none), and
// DownloadComplete is raised each time a load has finished, whether the
// page came or the browser shows its own page for a failure.
//
// A location without a scheme names a file. Like every data file it is
// looked for in the working folder first, then in the program's data
// folders; a file found nowhere is handed to the browser as it stands,
// relative to the working folder, and the browser says it is missing.
//
// Kept out of the toolkit library proper so that only the program that
// shows a page loads the browser engine.

#include "forms/control.h"

class QWebEngineView;

namespace forms {

class WebBrowser : public Control
{
    Q_OBJECT
    Q_PROPERTY(bool Busy READ Busy)
    Q_PROPERTY(QString LocationName READ LocationName)
    Q_PROPERTY(QString LocationURL READ LocationURL)

public:
    explicit WebBrowser(QWidget *parent);

    void Navigate(const QString &location);
    bool Busy() const { return m_busy; }
    QString LocationName() const;
    QString LocationURL() const;

    QWebEngineView *view() const { return m_view; }

signals:
    void DownloadComplete();

private:
    void loadFinished();

    QWebEngineView *m_view;
    bool m_busy = false;
};

} // namespace forms
