// The OLE container shows its object (icon over label, in a thin frame),
// takes the focus, and activates the object by a double click or by Enter:
// the object's window opens, or comes to the front when it is open. That
// window goes when the user closes it or when the container's window
// unloads.

#include "support/testsupport.h"

#include <QPointer>

using namespace forms;

namespace {
// An object whose window is a plain top-level widget; counts its openings.
class ContainerForm : public Form
{
public:
    ContainerForm()
        : Form({.name = QStringLiteral("frmContainer"), .clientWidth = 3000, .clientHeight = 2400})
    {
    }

    OleContainer *ole = nullptr;
    CommandButton *cmd = nullptr;
    int opened = 0;

protected:
    void createControls() override
    {
        ole = add<OleContainer>(this, QStringLiteral("ole"), 240, 240, 1215, 975);
        QPixmap icon(32, 32);
        icon.fill(Qt::green);
        ole->setObject({.icon = QIcon(icon), .label = QStringLiteral("Object"), .open = [this](QWidget *owner) {
                            ++opened;
                            auto *window = new QWidget(owner, Qt::Window);
                            window->setObjectName(QStringLiteral("objectWindow"));
                            window->resize(200, 100);
                            return window;
                        }});
        cmd = add<CommandButton>(this, QStringLiteral("cmd"), 1800, 240, 900, 375);
    }
};
} // namespace

class TestOleContainer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsItsObject();
    void activation_data();
    void activation();
    void objectWindowGoesWithTheUserOrTheContainer();

private:
    std::unique_ptr<ContainerForm> form;
};

void TestOleContainer::init()
{
    form = std::make_unique<ContainerForm>();
    form->Show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestOleContainer::cleanup()
{
    form.reset();
    testsupport::settle();
    QVERIFY(testsupport::visibleTopLevels().isEmpty());
}

void TestOleContainer::showsItsObject()
{
    OleContainer *ole = form->ole;
    QCOMPARE(ole->Caption(), QStringLiteral("Object"));
    QCOMPARE(ole->geometry(), QRect(16, 16, 81, 65));
    const QImage unfocused = ole->grab().toImage();
    QCOMPARE(unfocused.pixel(0, 0), qRgb(0, 0, 0)); // the frame
    QCOMPARE(unfocused.pixel(80, 64), qRgb(0, 0, 0));
    QCOMPARE(unfocused.pixel(40, 20), qRgb(0, 255, 0)); // the icon at the top middle
    // The label under the icon, in dark text.
    int dark = 0;
    for (int y = 42; y < 64; ++y)
        for (int x = 1; x < 80; ++x)
            dark += qGray(unfocused.pixel(x, y)) < 100;
    QVERIFY(dark > 20);

    // It takes the focus with Tab, and shows that it has it.
    form->cmd->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ole);
    QVERIFY(ole->grab().toImage() != unfocused);
}

void TestOleContainer::activation_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("opens");
    QTest::newRow("double click") << QStringLiteral("double click") << true;
    QTest::newRow("Enter") << QStringLiteral("Enter") << true;
    QTest::newRow("Return") << QStringLiteral("Return") << true;
    QTest::newRow("DoVerb") << QStringLiteral("DoVerb") << true;
    QTest::newRow("single click") << QStringLiteral("single click") << false;
    QTest::newRow("right double click") << QStringLiteral("right double click") << false;
    QTest::newRow("Space") << QStringLiteral("Space") << false;
}

void TestOleContainer::activation()
{
    QFETCH(QString, input);
    QFETCH(bool, opens);
    OleContainer *ole = form->ole;
    ole->setFocus();
    const QPoint middle = ole->rect().center();
    if (input == QLatin1String("double click"))
        QTest::mouseDClick(ole, Qt::LeftButton, {}, middle);
    else if (input == QLatin1String("right double click"))
        QTest::mouseDClick(ole, Qt::RightButton, {}, middle);
    else if (input == QLatin1String("single click"))
        QTest::mouseClick(ole, Qt::LeftButton, {}, middle);
    else if (input == QLatin1String("Enter"))
        QTest::keyClick(ole, Qt::Key_Enter);
    else if (input == QLatin1String("Return"))
        QTest::keyClick(ole, Qt::Key_Return);
    else if (input == QLatin1String("Space"))
        QTest::keyClick(ole, Qt::Key_Space);
    else
        ole->DoVerb();
    QCOMPARE(form->opened, opens ? 1 : 0);
    QCOMPARE(ole->objectWindow() != nullptr, opens);
    if (!opens)
        return;
    QWidget *window = ole->objectWindow();
    QVERIFY(window->isWindow());
    QVERIFY(window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Again: the open window is brought back, not a second one made.
    window->hide();
    QTest::mouseDClick(ole, Qt::LeftButton, {}, middle);
    QCOMPARE(form->opened, 1);
    QCOMPARE(ole->objectWindow(), window);
    QVERIFY(window->isVisible());
}

void TestOleContainer::objectWindowGoesWithTheUserOrTheContainer()
{
    OleContainer *ole = form->ole;
    ole->DoVerb();
    QPointer<QWidget> window = ole->objectWindow();
    QVERIFY(window);
    // Closed by the user: gone, and the next activation opens a new one.
    window->close();
    testsupport::settle();
    QVERIFY(!window);
    QVERIFY(!ole->objectWindow());
    ole->DoVerb();
    QCOMPARE(form->opened, 2);
    window = ole->objectWindow();
    QVERIFY(window && window->isVisible());
    // The container's window unloads: the object's window goes with it.
    form->Unload();
    testsupport::settle();
    QVERIFY(!window);
    QVERIFY(testsupport::visibleTopLevels().isEmpty());
}

QTEST_MAIN(TestOleContainer)
#include "tst_olecontainer.moc"
