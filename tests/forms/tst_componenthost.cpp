// The component host: it looks for a library in its folders in order,
// explains every way a library can fail to be found, loaded or used, and
// creates a registered class by name as a control of the toolkit's own
// types.

#include "forms/forms.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace forms;

namespace {
const QString LibraryName = QStringLiteral("corvane");
const QString ProgId = QStringLiteral("Corvane.uctCorvane");

// The folder of an existing file.
QString folderOf(const char *file) { return QFileInfo(QString::fromLocal8Bit(file)).absolutePath(); }
} // namespace

class TestComponentHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void libraryFileIsNamedForThePlatform();
    void failuresAreExplained_data();
    void failuresAreExplained();
    void firstFolderHoldingTheFileWins();
    void createsARegisteredClassByName();
    void unknownClassIsNotCreated();

private:
    // A folder with a file of the library's name.
    QString folderWith(const QString &kind);

    QTemporaryDir scratch;
    QWidget host;
};

void TestComponentHost::initTestCase()
{
    QVERIFY(scratch.isValid());
    host.resize(720, 400);
}

void TestComponentHost::cleanup()
{
    clearComponentFolderOverride();
    setComponentFolders({});
}

// kind: "empty" (no such file), "junk" (not a library), "toolkit" (a
// library without the entry points), "real" (the grating library).
QString TestComponentHost::folderWith(const QString &kind)
{
    const QString folder = scratch.filePath(kind);
    QDir().mkpath(folder);
    const QString file = QDir(folder).filePath(componentLibraryFile(LibraryName));
    if (QFileInfo::exists(file) || kind == QLatin1String("empty"))
        return folder;
    if (kind == QLatin1String("junk")) {
        QFile junk(file);
        junk.open(QIODevice::WriteOnly);
        junk.write("not a library\n");
    } else if (kind == QLatin1String("toolkit")) {
        QFile::link(QStringLiteral(FORMS_LIBRARY_FILE), file);
    } else {
        QFile::link(QStringLiteral(CORVANE_LIBRARY_FILE), file);
    }
    return folder;
}

void TestComponentHost::libraryFileIsNamedForThePlatform()
{
    QCOMPARE(componentLibraryFile(LibraryName), QFileInfo(QStringLiteral(CORVANE_LIBRARY_FILE)).fileName());
}

void TestComponentHost::failuresAreExplained_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<bool>("viaOverride");
    QTest::addColumn<ErrorCode>("code");
    QTest::addColumn<QStringList>("told");

    const QString file = QStringLiteral("libcorvane.so");
    QTest::newRow("no folder at all") << QStringList() << true << ErrorCode::FileNotFound
                                      << QStringList{file, QStringLiteral("no folder to look in")};
    QTest::newRow("no such file") << QStringList{QStringLiteral("empty")} << false << ErrorCode::FileNotFound
                                  << QStringList{file, QStringLiteral("empty")};
    QTest::newRow("no such file, override") << QStringList{QStringLiteral("empty")} << true
                                            << ErrorCode::FileNotFound << QStringList{file, QStringLiteral("empty")};
    QTest::newRow("not a library") << QStringList{QStringLiteral("junk")} << false << ErrorCode::LibraryLoadError
                                   << QStringList{QStringLiteral("junk/") + file};
    QTest::newRow("a library without the entry points")
        << QStringList{QStringLiteral("toolkit")} << false << ErrorCode::LibraryLoadError
        << QStringList{QStringLiteral("toolkit/") + file, QStringLiteral("not a component library")};
}

void TestComponentHost::failuresAreExplained()
{
    QFETCH(QStringList, kinds);
    QFETCH(bool, viaOverride);
    QFETCH(ErrorCode, code);
    QFETCH(QStringList, told);

    QStringList folders;
    for (const QString &kind : kinds)
        folders << folderWith(kind);
    if (viaOverride) {
        // The program's folders hold the library; the override hides them.
        setComponentFolders({folderWith(QStringLiteral("real"))});
        overrideComponentFolders(folders);
    } else {
        setComponentFolders(folders);
    }
    try {
        RegisterComponentLibrary(LibraryName);
        QFAIL("the library was registered");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), code);
        for (const QString &text : told)
            QVERIFY2(error.message().contains(text), qPrintable(error.message()));
    }
}

void TestComponentHost::firstFolderHoldingTheFileWins()
{
    const QString empty = folderWith(QStringLiteral("empty"));
    const QString junk = folderWith(QStringLiteral("junk"));
    const QString real = folderWith(QStringLiteral("real"));

    setComponentFolders({empty, junk, real});
    QVERIFY_THROWS_EXCEPTION(RuntimeError, RegisterComponentLibrary(LibraryName));

    setComponentFolders({empty, real, junk});
    QCOMPARE(RegisterComponentLibrary(LibraryName), QDir(real).filePath(componentLibraryFile(LibraryName)));
    QCOMPARE(componentFolders(), (QStringList{empty, real, junk}));

    overrideComponentFolders({junk});
    QCOMPARE(componentFolders(), QStringList{junk});
    clearComponentFolderOverride();
    QCOMPARE(componentFolders(), (QStringList{empty, real, junk}));
}

void TestComponentHost::createsARegisteredClassByName()
{
    setComponentFolders({folderOf(CORVANE_LIBRARY_FILE)});
    const QString path = RegisterComponentLibrary(LibraryName);
    const auto registration = findRegistration(ProgId);
    QVERIFY(registration);
    // The file the loader took the library from (a link to it, if it was
    // first loaded through one).
    QCOMPARE(QFileInfo(registration->file).canonicalFilePath(), QFileInfo(path).canonicalFilePath());

    std::unique_ptr<Control> control(CreateObject(ProgId, &host));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &host);
    // Made of the toolkit's own controls, which the host knows by type.
    QVERIFY(qobject_cast<UserControl *>(control.get()));
    QVERIFY(control->findChild<PictureBox *>(QStringLiteral("picGrating")));
    QVERIFY(control->findChild<VScrollBar *>(QStringLiteral("vscContrastRatio")));
    QCOMPARE(control->findChildren<OptionButton *>().size(), 9);
}

void TestComponentHost::unknownClassIsNotCreated()
{
    try {
        CreateObject(QStringLiteral("Corvane.uctNothing"), &host);
        QFAIL("an unknown class was created");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), ErrorCode::CannotCreateObject);
        QVERIFY2(error.message().contains(QStringLiteral("Corvane.uctNothing is not registered")),
                 qPrintable(error.message()));
    }
}

QTEST_MAIN(TestComponentHost)
#include "tst_componenthost.moc"
