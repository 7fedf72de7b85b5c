// Where data files are looked for: the working folder first, then the
// program's data folders (only while they are switched on, so that a test
// can make a shipped file go missing). A name that leads out of the working
// folder is found above it, or else at the top of a data folder.

#include "forms/forms.h"

#include <QtTest>

using namespace forms;

class TestDataFolders : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void installedFoldersCanBeLeftOut();
    void namesAboveTheWorkingFolder_data();
    void namesAboveTheWorkingFolder();
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

void TestDataFolders::namesAboveTheWorkingFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("aboveWorkingFolder"); // a copy there too
    QTest::addColumn<QString>("found");           // relative to the folder it is found in
    QTest::newRow("shipped only") << QStringLiteral("../page.html") << false << QStringLiteral("data/page.html");
    QTest::newRow("backslashes") << QStringLiteral("..\\page.html") << false << QStringLiteral("data/page.html");
    QTest::newRow("above the working folder first")
        << QStringLiteral("../page.html") << true << QStringLiteral("page.html");
    QTest::newRow("climbing further stays at the top")
        << QStringLiteral("../../page.html") << false << QStringLiteral("data/page.html");
    QTest::newRow("down and up again") << QStringLiteral("images/../../page.html") << false
                                       << QStringLiteral("data/page.html");
}

void TestDataFolders::namesAboveTheWorkingFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, aboveWorkingFolder);
    QFETCH(QString, found);
    // root/work is the working folder, root/data the program's data folder.
    QTemporaryDir root;
    const QDir top(root.path());
    QVERIFY(top.mkpath(QStringLiteral("work")));
    QVERIFY(top.mkpath(QStringLiteral("data")));
    const auto write = [&](const QString &path) {
        QFile file(top.filePath(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html></html>");
    };
    write(QStringLiteral("data/page.html"));
    if (aboveWorkingFolder)
        write(QStringLiteral("page.html"));
    setProgramDataFolders({top.filePath(QStringLiteral("data"))});
    const QString previous = QDir::currentPath();
    QDir::setCurrent(top.filePath(QStringLiteral("work")));

    const QString path = findDataFile(name);
    QDir::setCurrent(previous);
    QCOMPARE(QFileInfo(path).canonicalFilePath(), QFileInfo(top.filePath(found)).canonicalFilePath());
    // Without the data folders only a copy above the working folder is found.
    searchProgramDataFolders(false);
    QDir::setCurrent(top.filePath(QStringLiteral("work")));
    const QString withoutData = findDataFile(name);
    QDir::setCurrent(previous);
    QCOMPARE(withoutData.isEmpty(), !aboveWorkingFolder);
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
