// Landolt C: the page "../landoltc.html" opens in the window's browser,
// found beside the working folder or in the program's data; the caption
// reads "Working..." while the browser is busy and the page's title after;
// the browser follows the window's size with a 100-twip margin; a missing
// page gets the browser's own page and the caption follows it.

#include "support/testsupport.h"

#include "demos/spatial/frmlandc.h"
#include "forms/webbrowser.h"

#include <QMdiSubWindow>
#include <QTemporaryDir>

using namespace forms;

namespace {
const QString Title = QStringLiteral("The Landolt C and Visual Acuity");

// Rows of the picture that cross a ring drawn in black: two black runs at
// least minStroke long with a light hole between them.
int ringRows(const QImage &image, int minStroke = 12)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        QList<QPair<int, int>> runs; // start, length of pure black runs
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                continue;
            if (!runs.isEmpty() && runs.last().first + runs.last().second == x)
                ++runs.last().second;
            else
                runs.append({x, 1});
        }
        for (qsizetype i = 1; i < runs.size(); ++i) {
            const auto &left = runs[i - 1];
            const auto &right = runs[i];
            const int hole = right.first - (left.first + left.second);
            if (left.second >= minStroke && right.second >= minStroke && hole >= minStroke
                && qGray(image.pixel(left.first + left.second + hole / 2, y)) > 200) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// Dark pixels, as of writing.
int darkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}

// Drags the right edge of a child window's frame sideways by dx pixels.
void dragRightEdge(QMdiSubWindow *frame, int dx)
{
    const QPoint from(frame->width() - 2, frame->height() / 2);
    const QPoint to = from + QPoint(dx, 0);
    const auto send = [frame](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), frame->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(frame, &event);
    };
    send(QEvent::MouseMove, from, Qt::NoButton);
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}
} // namespace

class TestFrmLandC : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionFollowsTheLoading();
    void pageIsShown();
    void browserFollowsTheWindowsSize_data();
    void browserFollowsTheWindowsSize();
    void missingPageGetsTheBrowsersPage();
    void openedAgain();
    void closedWhileLoading();

private:
    FrmLandC *form() const { return static_cast<FrmLandC *>(fixture.main().form(QStringLiteral("frmLandC"))); }
    WebBrowser *brwWebBrowser() const { return testsupport::child<WebBrowser>(form(), QStringLiteral("brwWebBrowser")); }
    Timer *timTimer() const { return testsupport::child<Timer>(form(), QStringLiteral("timTimer")); }
    // The caption the user sees on the window's frame.
    QString frameTitle() const { return form()->subWindow()->windowTitle(); }
    void openAndWait() { fixture.open(QStringLiteral("mnuLandoldCitem"), QStringLiteral("frmLandC")); }

    testsupport::WindowFixture fixture;
    testsupport::MessageRecorder boxes;
    QString previousFolder;
};

void TestFrmLandC::init()
{
    boxes.boxes.clear();
    previousFolder = QDir::currentPath();
    fixture.start();
}

void TestFrmLandC::cleanup()
{
    fixture.finish();
    QDir::setCurrent(previousFolder);
    searchProgramDataFolders(true);
    QCOMPARE(boxes.texts(), QStringList());
}

void TestFrmLandC::captionFollowsTheLoading()
{
    testsupport::choose(fixture.main(), QStringLiteral("mnuLandoldCitem"));
    FrmLandC *window = form();
    QVERIFY(window->isShown());
    QVERIFY(window->isMdiChild());
    QCOMPARE(window->StartingAddress, QStringLiteral("../landoltc.html"));
    // Loading: no caption yet, the timer running every 5 ms, the browser busy.
    QCOMPARE(window->Caption(), QString());
    QCOMPARE(timTimer()->Interval(), 5);
    QVERIFY(timTimer()->isRunning());
    QVERIFY(brwWebBrowser()->Busy());

    // Every tick and every completed download, with the caption it left.
    QStringList events;
    connect(timTimer(), &Timer::Tick, this, [&] { events << QStringLiteral("tick: ") + window->Caption(); });
    connect(brwWebBrowser(), &WebBrowser::DownloadComplete, this,
            [&] { events << QStringLiteral("download: ") + window->Caption(); });
    timTimer()->fire();
    QCOMPARE(window->Caption(), QStringLiteral("Working..."));
    QCOMPARE(frameTitle(), QStringLiteral("Working..."));
    QTRY_VERIFY_WITH_TIMEOUT(!timTimer()->Enabled(), 30000);

    // "Working..." while busy, the title once the page is in; the first
    // tick after that stops the timer.
    const qsizetype download = events.indexOf(QStringLiteral("download: ") + Title);
    QVERIFY2(download > 0, qPrintable(events.join(QLatin1Char('\n'))));
    for (qsizetype i = 0; i < download; ++i)
        QCOMPARE(events[i], QStringLiteral("tick: Working..."));
    QCOMPARE(events.mid(download + 1), QStringList{QStringLiteral("tick: ") + Title});
    QCOMPARE(window->Caption(), Title);
    QCOMPARE(frameTitle(), Title);
    QVERIFY(!timTimer()->isRunning());
    timTimer()->fire(); // stopped: a late tick changes nothing
    QCOMPARE(events.size(), download + 2);
}

void TestFrmLandC::pageIsShown()
{
    openAndWait();
    QCOMPARE(frameTitle(), Title);
    // The page's first screen: its heading and the large ring of the
    // diagram, drawn in black strokes around a white hole.
    const QImage shown = testsupport::shownImage(form());
    QVERIFY(ringRows(shown) > 40);
    QVERIFY(darkPixels(shown) > 2000);
    QCOMPARE(QUrl(brwWebBrowser()->LocationURL()).fileName(), QStringLiteral("landoltc.html"));
}

void TestFrmLandC::browserFollowsTheWindowsSize_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<double>("narrower"); // twips, by the window's width
    QTest::addColumn<double>("shorter");
    QTest::newRow("2000 twips narrower") << QStringLiteral("Width") << 2000.0 << 0.0;
    QTest::newRow("1500 twips shorter") << QStringLiteral("Height") << 0.0 << 1500.0;
    QTest::newRow("2000 twips wider") << QStringLiteral("Width") << -2000.0 << 0.0;
    QTest::newRow("frame dragged 100 pixels narrower") << QStringLiteral("drag") << 1500.0 << 0.0;
    QTest::newRow("shorter than the margins") << QStringLiteral("Height") << 0.0 << 4800.0;
}

void TestFrmLandC::browserFollowsTheWindowsSize()
{
    QFETCH(QString, change);
    QFETCH(double, narrower);
    QFETCH(double, shorter);
    openAndWait();
    FrmLandC *window = form();
    WebBrowser *browser = brwWebBrowser();
    auto *picAddress = testsupport::child<PictureBox>(window, QStringLiteral("picAddress"));
    // At first: 6540 x 5130 twips inside, the browser 100 twips short of
    // the right and bottom edges, below the 675-twip strip along the top.
    QCOMPARE(window->size(), QSize(436, 342));
    QCOMPARE(browser->Width(), 6440.0);
    QCOMPARE(browser->Height(), 4355.0);
    const double scaleWidth = window->ScaleWidth();
    const double browserWidth = browser->Width();
    const double browserHeight = browser->Height();

    if (change == QLatin1String("Width"))
        window->setWidth(window->Width() - narrower);
    else if (change == QLatin1String("Height"))
        window->setHeight(window->Height() - shorter);
    else
        dragRightEdge(window->subWindow(), -100);
    testsupport::settle();

    // The window's inside changes by whole pixels: within one of the change.
    QVERIFY2(std::abs(scaleWidth - window->ScaleWidth() - narrower) < 15, qPrintable(QString::number(window->ScaleWidth())));
    QCOMPARE(browser->Width(), window->ScaleWidth() - 100);
    QCOMPARE(browserWidth - browser->Width(), scaleWidth - window->ScaleWidth());
    QCOMPARE(browser->Height(), std::max(0.0, window->ScaleHeight() - 775));
    if (browserHeight - shorter >= 0)
        QVERIFY(std::abs(browserHeight - browser->Height() - shorter) < 15);
    QCOMPARE(browser->Left(), 45.0);
    QCOMPARE(browser->Top(), 15.0);
    // The strip along the top stretches with the window.
    QCOMPARE(picAddress->Width(), window->ScaleWidth());
    // On screen: from (45, 15) twips to 100 twips short of the inner width.
    QCOMPARE(browser->geometry().topLeft(), QPoint(3, 1));
    QCOMPARE(browser->geometry().right() + 1, twipsToPixels(45 + window->ScaleWidth() - 100));
}

void TestFrmLandC::missingPageGetsTheBrowsersPage()
{
    // A working folder with nothing above it, and the shipped page out of reach.
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("work")));
    QDir::setCurrent(QDir(root.path()).filePath(QStringLiteral("work")));
    searchProgramDataFolders(false);
    openAndWait();
    QTRY_VERIFY_WITH_TIMEOUT(!timTimer()->Enabled(), 30000);
    // The relative location as it stands, from the working folder.
    QCOMPARE(QUrl(brwWebBrowser()->LocationURL()).toLocalFile(), QDir(root.path()).filePath(QStringLiteral("landoltc.html")));
    // The caption follows the browser's name for its own page.
    QVERIFY(!form()->Caption().isEmpty());
    QCOMPARE(form()->Caption(), brwWebBrowser()->LocationName());
    QVERIFY(form()->Caption() != Title);
    QCOMPARE(frameTitle(), form()->Caption());
    // The browser says what went wrong; there is no ring.
    const QImage shown = testsupport::shownImage(form());
    QCOMPARE(ringRows(shown), 0);
    QVERIFY(darkPixels(shown) > 200);
}

void TestFrmLandC::openedAgain()
{
    openAndWait();
    const QImage first = testsupport::shownImage(form());
    // Chosen again while open: the same page, not loaded again.
    QSignalSpy downloads(brwWebBrowser(), &WebBrowser::DownloadComplete);
    testsupport::choose(fixture.main(), QStringLiteral("mnuLandoldCitem"));
    QVERIFY(!brwWebBrowser()->Busy());
    QCOMPARE(testsupport::shownImage(form()), first);
    QCOMPARE(downloads.size(), 0);
    QCOMPARE(frameTitle(), Title);

    // Closed and opened again: loaded afresh, caption and page as before.
    form()->subWindow()->close();
    testsupport::settle();
    QVERIFY(!form()->isLoaded());
    testsupport::choose(fixture.main(), QStringLiteral("mnuLandoldCitem"));
    QCOMPARE(form()->Caption(), QString());
    QVERIFY(brwWebBrowser()->Busy());
    QVERIFY(testsupport::insideShown(form()));
    QCOMPARE(testsupport::shownImage(form()), first);
    QTRY_VERIFY_WITH_TIMEOUT(!timTimer()->Enabled(), 30000);
    QCOMPARE(frameTitle(), Title);
}

void TestFrmLandC::closedWhileLoading()
{
    testsupport::choose(fixture.main(), QStringLiteral("mnuLandoldCitem"));
    QVERIFY(brwWebBrowser()->Busy());
    QPointer<WebBrowser> browser = brwWebBrowser();
    const QList<Timer *> timers = form()->timers();
    form()->subWindow()->close();
    for (Timer *timer : timers)
        QVERIFY(!timer->isRunning());
    const QString caption = form()->Caption();
    testsupport::settle();
    QVERIFY(!form()->isLoaded());
    QVERIFY(!browser);
    // Nothing of the load comes back later to change the closed window.
    QTest::qWait(50);
    QVERIFY(form()->timers().isEmpty());
    QCOMPARE(form()->Caption(), caption);
}

QTEST_MAIN(TestFrmLandC)
#include "tst_frmlandc.moc"
