// The grating control library as any host sees it: loaded by file, its
// four entry points found by their C names, its class registered and
// created by name, the control driven with mouse and keys, and the
// library's report of whether it may be unloaded following the controls
// alive. This program links the toolkit and Qt, nothing of Lumivara.

#include "corvane/corvane.h"
#include "gratingctl/gratingpixels.h"

#include "forms/forms.h"

#include <QLibrary>
#include <QtTest>
#include <memory>

using namespace forms;

class TestCorvane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void exportsOnlyItsEntryPoints();
    void registrationMakesTheClassCreatableByName();
    void classObjectRequests_data();
    void classObjectRequests();
    void unloadIsAllowedOnlyWithNoControlAlive();
    void controlDrawsAndAnswersTheUser();

private:
    std::unique_ptr<Control> create();
    ClassFactory *factory();

    QLibrary library{QStringLiteral(CORVANE_LIBRARY_FILE)};
    decltype(&DllRegisterServer) registerServer = nullptr;
    decltype(&DllUnregisterServer) unregisterServer = nullptr;
    decltype(&DllGetClassObject) getClassObject = nullptr;
    decltype(&DllCanUnloadNow) canUnloadNow = nullptr;
    QWidget host;
};

void TestCorvane::initTestCase()
{
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    registerServer = reinterpret_cast<decltype(registerServer)>(library.resolve("DllRegisterServer"));
    unregisterServer = reinterpret_cast<decltype(unregisterServer)>(library.resolve("DllUnregisterServer"));
    getClassObject = reinterpret_cast<decltype(getClassObject)>(library.resolve("DllGetClassObject"));
    canUnloadNow = reinterpret_cast<decltype(canUnloadNow)>(library.resolve("DllCanUnloadNow"));
    QVERIFY(registerServer && unregisterServer && getClassObject && canUnloadNow);
    host.resize(720, 400);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
}

void TestCorvane::cleanup()
{
    Random::clearScript();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A control made by name in the host window.
std::unique_ptr<Control> TestCorvane::create()
{
    std::unique_ptr<Control> control(CreateObject(QStringLiteral(CORVANE_PROGID), &host));
    control->Move(120, 120, 10455, 5775);
    control->show();
    return control;
}

ClassFactory *TestCorvane::factory()
{
    void *object = nullptr;
    if (getClassObject(CORVANE_CLSID, ClassFactoryInterface, &object) != ComponentResult::Ok)
        return nullptr;
    return static_cast<ClassFactory *>(object);
}

// Only the four entry points leave the library: its own copy of the
// grating routine stays inside and never mixes with a host's.
void TestCorvane::exportsOnlyItsEntryPoints()
{
    QVERIFY(!library.resolve("_ZN10modCorvane11DrawGratingERN5forms7SurfaceEdd"));
    QVERIFY(!library.resolve("_ZN10UctCorvaneC1EP7QWidget"));
}

void TestCorvane::registrationMakesTheClassCreatableByName()
{
    const QString progId = QStringLiteral(CORVANE_PROGID);
    QVERIFY(!findRegistration(progId));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, CreateObject(progId, &host));

    QCOMPARE(registerServer(), ComponentResult::Ok);
    const auto registration = findRegistration(progId);
    QVERIFY(registration);
    QCOMPARE(registration->classId, QStringLiteral(CORVANE_CLSID));
    QCOMPARE(registration->library, QStringLiteral("Corvane"));
    QCOMPARE(registration->version, QStringLiteral("1.00"));
    QCOMPARE(QFileInfo(registration->file).canonicalFilePath(),
             QFileInfo(QStringLiteral(CORVANE_LIBRARY_FILE)).canonicalFilePath());
    QVERIFY(create());

    // Registering again changes nothing.
    QCOMPARE(registerServer(), ComponentResult::Ok);
    QVERIFY(create());

    QCOMPARE(unregisterServer(), ComponentResult::Ok);
    QVERIFY(!findRegistration(progId));
    try {
        CreateObject(progId, &host);
        QFAIL("an unregistered class was created");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), ErrorCode::CannotCreateObject);
        QVERIFY2(error.message().contains(progId), qPrintable(error.message()));
    }
    // The library itself still hands out its factory.
    QVERIFY(factory());

    QCOMPARE(registerServer(), ComponentResult::Ok);
    QVERIFY(create());
}

void TestCorvane::classObjectRequests_data()
{
    QTest::addColumn<QByteArray>("classId");
    QTest::addColumn<QByteArray>("interfaceId");
    QTest::addColumn<bool>("withPlace");
    QTest::addColumn<qint32>("result");

    const QByteArray factoryId = ClassFactoryInterface;
    QTest::newRow("the class's factory") << QByteArray(CORVANE_CLSID) << factoryId << true << ComponentResult::Ok;
    QTest::newRow("identifiers in lower case") << QByteArray(CORVANE_CLSID).toLower() << factoryId.toLower() << true
                                               << ComponentResult::Ok;
    QTest::newRow("another class") << QByteArray("{00000000-0000-0000-0000-000000000001}") << factoryId << true
                                   << ComponentResult::ClassNotAvailable;
    QTest::newRow("another interface") << QByteArray(CORVANE_CLSID) << QByteArray("{00000000-0000-0000-C000-000000000046}")
                                       << true << ComponentResult::NoInterface;
    QTest::newRow("no class named") << QByteArray() << factoryId << true << ComponentResult::ClassNotAvailable;
    QTest::newRow("no place for the factory") << QByteArray(CORVANE_CLSID) << factoryId << false
                                              << ComponentResult::Pointer;
}

void TestCorvane::classObjectRequests()
{
    QFETCH(QByteArray, classId);
    QFETCH(QByteArray, interfaceId);
    QFETCH(bool, withPlace);
    QFETCH(qint32, result);

    void *object = reinterpret_cast<void *>(quintptr(1)); // must be overwritten
    QCOMPARE(getClassObject(classId.isNull() ? nullptr : classId.constData(), interfaceId.constData(),
                            withPlace ? &object : nullptr),
             result);
    if (!withPlace)
        return;
    if (result != ComponentResult::Ok) {
        QCOMPARE(object, nullptr);
        return;
    }
    QVERIFY(object);
    std::unique_ptr<Control> control(static_cast<ClassFactory *>(object)->CreateInstance(&host));
    QVERIFY(control);
    QVERIFY(control->findChild<ScrollBar *>(QStringLiteral("vscContrastRatio")));
}

void TestCorvane::unloadIsAllowedOnlyWithNoControlAlive()
{
    QCOMPARE(registerServer(), ComponentResult::Ok);
    QCOMPARE(canUnloadNow(), ComponentResult::Ok);

    auto first = create();
    QCOMPARE(canUnloadNow(), ComponentResult::False);
    auto second = create();
    first.reset();
    QCOMPARE(canUnloadNow(), ComponentResult::False);
    // A control goes with its host window, as when a window unloads.
    second.release()->deleteLater();
    QCOMPARE(canUnloadNow(), ComponentResult::False);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(canUnloadNow(), ComponentResult::Ok);

    ClassFactory *f = factory();
    QVERIFY(f);
    f->LockServer(true);
    QCOMPARE(canUnloadNow(), ComponentResult::False);
    f->LockServer(false);
    QCOMPARE(canUnloadNow(), ComponentResult::Ok);
}

void TestCorvane::controlDrawsAndAnswersTheUser()
{
    using namespace gratingpixels;
    QCOMPARE(registerServer(), ComponentResult::Ok);
    Random::script({0.537f, 0.999f});
    auto control = create();
    auto *picGrating = control->findChild<PictureBox *>(QStringLiteral("picGrating"));
    auto *bar = control->findChild<ScrollBar *>(QStringLiteral("vscContrastRatio"));
    auto *readout = control->findChild<Label *>(QStringLiteral("lblContrast"));
    auto *button4 = control->findChild<OptionButton *>(QStringLiteral("optSF(4)"));
    QVERIFY(picGrating && bar && readout && button4);
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    const auto shownRow = [&] {
        // The picture's inside, past its two-pixel border.
        const QImage image = picGrating->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return row(image, image.rect().adjusted(2, 2, -2, -2), 100);
    };

    // Half a cycle at the drawn contrast: one light band across the middle.
    QCOMPARE(readout->Caption(), QStringLiteral("53.7"));
    QList<int> greys = shownRow();
    QCOMPARE(firstWrongColumn(greys, 0.5, 0.537), -1);
    QCOMPARE(lightBands(greys, 10).count, 1);

    // The fifth button draws a new contrast and eight cycles.
    QTest::mouseClick(button4->findChild<QAbstractButton *>(), Qt::LeftButton);
    QCOMPARE(readout->Caption(), QStringLiteral("99.9"));
    greys = shownRow();
    QCOMPARE(firstWrongColumn(greys, 8, 0.999), -1);
    QCOMPARE(lightBands(greys, 20).count, 8);

    // From the keyboard: Home puts the bar at its top, full contrast.
    bar->bar()->setFocus();
    QTest::keyClick(bar->bar(), Qt::Key_Home);
    QCOMPARE(bar->Value(), 1000);
    QCOMPARE(readout->Caption(), QStringLiteral("100"));
    greys = shownRow();
    QCOMPARE(firstWrongColumn(greys, 8, 1.0), -1);
    QCOMPARE(*std::max_element(greys.begin(), greys.end()), 225);
    QCOMPARE(*std::min_element(greys.begin(), greys.end()), 100);
}

QTEST_MAIN(TestCorvane)
#include "tst_corvane.moc"
