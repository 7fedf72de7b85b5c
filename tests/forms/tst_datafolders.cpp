// Where data files are looked for: the working folder always, the
// installed folders and the source tree's assets only while they are
// switched on, so that a test can make a shipped file go missing.

#include "forms/forms.h"

#include <QtTest>

using namespace forms;

class TestDataFolders : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void installedFoldersCanBeLeftOut();
};

void TestDataFolders::cleanup()
{
    setInstalledDataFolders(true);
}

void TestDataFolders::installedFoldersCanBeLeftOut()
{
    // A file that ships with the program, and a working folder without it.
    const QString shipped = QStringLiteral("images\\RDS.bmp");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    QImage own(2, 2, QImage::Format_RGB32);
    own.fill(Qt::green);
    QVERIFY(own.save(dir.filePath(QStringLiteral("images/own.bmp"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    QVERIFY(!findDataFile(shipped).isEmpty());
    setInstalledDataFolders(false);
    QVERIFY(findDataFile(shipped).isEmpty());
    try {
        LoadPicture(shipped);
        QFAIL("a file outside the searched folders loaded");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), ErrorCode::FileNotFound);
        QVERIFY(e.message().contains(shipped));
    }
    // The working folder is still searched.
    QCOMPARE(LoadPicture(QStringLiteral("images/own.bmp")).size(), QSize(2, 2));
    setInstalledDataFolders(true);
    QVERIFY(!findDataFile(shipped).isEmpty());

    QDir::setCurrent(previous);
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
