// The web browser control: a location is found as data files are (working
// folder, then the data folders, also above the working folder), Busy
// holds until the page has loaded, every finished load raises
// DownloadComplete, and LocationName is the page's title. A missing file
// gets the browser's own page, not a crash.

#include "support/testsupport.h"

#include "forms/webbrowser.h"

#include <QTemporaryDir>

using namespace forms;

namespace {
class BrowserForm : public Form
{
public:
    BrowserForm()
        : Form({.name = QStringLiteral("frmBrowser"), .clientWidth = 4500, .clientHeight = 3000})
    {
    }
    WebBrowser *brw = nullptr;

protected:
    void createControls() override { brw = add<WebBrowser>(this, QStringLiteral("brw"), 0, 0, 4500, 3000); }
};

// A page that fills the view with one colour.
void writePage(const QString &path, const QString &title, const QString &colour)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head>"
                              "<body style=\"margin: 0; background: %2\"></body></html>")
                   .arg(title, colour)
                   .toUtf8());
}
} // namespace

class TestWebBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsALocation_data();
    void loadsALocation();
    void missingFileGetsTheBrowsersPage();
    void everyLoadCompletes();

private:
    // Navigates and waits for the load to finish; false if it never does.
    bool navigate(const QString &location);

    // root/work is the working folder, root/data the program's data folder.
    std::unique_ptr<QTemporaryDir> root;
    QString previousFolder;
    std::unique_ptr<BrowserForm> form;
    testsupport::MessageRecorder boxes;
};

void TestWebBrowser::init()
{
    root = std::make_unique<QTemporaryDir>();
    const QDir top(root->path());
    QVERIFY(top.mkpath(QStringLiteral("work")) && top.mkpath(QStringLiteral("data")));
    writePage(top.filePath(QStringLiteral("data/page.html")), QStringLiteral("Shipped"), QStringLiteral("#00ff00"));
    writePage(top.filePath(QStringLiteral("work/own.html")), QStringLiteral("Own"), QStringLiteral("#0000ff"));
    setProgramDataFolders({top.filePath(QStringLiteral("data"))});
    previousFolder = QDir::currentPath();
    QDir::setCurrent(top.filePath(QStringLiteral("work")));
    form = std::make_unique<BrowserForm>();
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestWebBrowser::cleanup()
{
    form.reset();
    testsupport::settle();
    QDir::setCurrent(previousFolder);
    setProgramDataFolders({});
    root.reset();
    QCOMPARE(boxes.texts(), QStringList());
}

bool TestWebBrowser::navigate(const QString &location)
{
    QSignalSpy completed(form->brw, &WebBrowser::DownloadComplete);
    form->brw->Navigate(location);
    // Busy from the call on.
    if (!form->brw->Busy())
        return false;
    return completed.wait(30000) && completed.size() == 1 && !form->brw->Busy();
}

void TestWebBrowser::loadsALocation_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("file"); // relative to the root folder
    QTest::addColumn<QString>("title");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("above the working folder: in the data folder")
        << QStringLiteral("../page.html") << QStringLiteral("data/page.html") << QStringLiteral("Shipped")
        << qRgb(0, 255, 0);
    QTest::newRow("with backslashes") << QStringLiteral("..\\page.html") << QStringLiteral("data/page.html")
                                      << QStringLiteral("Shipped") << qRgb(0, 255, 0);
    QTest::newRow("in the working folder") << QStringLiteral("own.html") << QStringLiteral("work/own.html")
                                           << QStringLiteral("Own") << qRgb(0, 0, 255);
    QTest::newRow("an address") << QStringLiteral("file://ROOT/work/own.html") << QStringLiteral("work/own.html")
                                << QStringLiteral("Own") << qRgb(0, 0, 255);
}

void TestWebBrowser::loadsALocation()
{
    QFETCH(QString, location);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QRgb, colour);
    location.replace(QStringLiteral("ROOT"), root->path());
    QVERIFY(navigate(location));
    QCOMPARE(form->brw->LocationName(), title);
    QCOMPARE(QUrl(form->brw->LocationURL()).toLocalFile(), QDir(root->path()).filePath(file));
    testsupport::waitForPages(form.get());
    const QImage shown = form->brw->grab().toImage();
    QCOMPARE(shown.pixel(shown.rect().center()), colour);
}

void TestWebBrowser::missingFileGetsTheBrowsersPage()
{
    QVERIFY(navigate(QStringLiteral("../missing.html")));
    // Handed to the browser as it stands, relative to the working folder.
    QCOMPARE(QUrl(form->brw->LocationURL()).toLocalFile(), QDir(root->path()).filePath(QStringLiteral("missing.html")));
    QVERIFY(!form->brw->LocationName().isEmpty());
    // The browser's page: light, with some dark writing on it.
    testsupport::waitForPages(form.get());
    const QImage shown = form->brw->grab().toImage();
    int dark = 0, light = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const int g = qGray(shown.pixel(x, y));
            dark += g < 128;
            light += g > 200;
        }
    QVERIFY(dark > 100);
    QVERIFY(light > dark * 4);
}

void TestWebBrowser::everyLoadCompletes()
{
    QVERIFY(navigate(QStringLiteral("../page.html")));
    QCOMPARE(form->brw->LocationName(), QStringLiteral("Shipped"));
    QVERIFY(navigate(QStringLiteral("own.html")));
    QCOMPARE(form->brw->LocationName(), QStringLiteral("Own"));
}

QTEST_MAIN(TestWebBrowser)
#include "tst_webbrowser.moc"
