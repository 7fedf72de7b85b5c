// Where data files are looked for: the working folder first, then the
// program's data folders (only while they are switched on, so that a test
// can make a shipped file go missing).

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
    searchProgramDataFolders(true);
    setProgramDataFolders({});
}

void TestDataFolders::installedFoldersCanBeLeftOut()
{
    // A file that ships with the program (in its data folder), and a
    // working folder without it.
    const QString shipped = QStringLiteral("images\\RDS.bmp");
    QImage own(2, 2, QImage::Format_RGB32);
    own.fill(Qt::green);
    QTemporaryDir data;
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("images")));
    QVERIFY(own.save(data.filePath(QStringLiteral("images/RDS.bmp"))));
    QTemporaryDir missing;
    setProgramDataFolders({missing.path(), data.path()});
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    QVERIFY(own.save(dir.filePath(QStringLiteral("images/own.bmp"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    QCOMPARE(findDataFile(shipped), QDir(data.path()).filePath(QStringLiteral("images/RDS.bmp")));
    searchProgramDataFolders(false);
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
    searchProgramDataFolders(true);
    QVERIFY(!findDataFile(shipped).isEmpty());

    QDir::setCurrent(previous);
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
