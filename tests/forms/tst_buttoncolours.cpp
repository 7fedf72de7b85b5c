// Option buttons and check boxes show their BackColor behind the caption
// and their ForeColor in it (a grey window with white captions, as the
// motion-in-depth window has, must not show pale boxes with white text).

#include "forms/forms.h"

#include <QtTest>

using namespace forms;

class TestButtonColours : public QObject
{
    Q_OBJECT

private slots:
    void backAndForeColoursShow_data();
    void backAndForeColoursShow();
};

void TestButtonColours::backAndForeColoursShow_data()
{
    QTest::addColumn<bool>("option");
    QTest::addColumn<quint32>("back");
    QTest::addColumn<quint32>("fore");
    QTest::newRow("option, grey and white") << true << quint32(0x808080) << quint32(0xFFFFFF);
    QTest::newRow("option, black and yellow") << true << quint32(0x000000) << quint32(0x00FFFF);
    QTest::newRow("check box, grey and white") << false << quint32(0x808080) << quint32(0xFFFFFF);
}

void TestButtonColours::backAndForeColoursShow()
{
    QFETCH(bool, option);
    QFETCH(quint32, back);
    QFETCH(quint32, fore);
    QWidget window;
    window.resize(200, 60);
    Control *control = nullptr;
    if (option) {
        auto *b = new OptionButton(&window);
        b->setCaption(QStringLiteral("WWWWWWWW"));
        b->setBackColor(back);
        b->setForeColor(fore);
        control = b;
    } else {
        auto *b = new CheckBox(&window);
        b->setCaption(QStringLiteral("WWWWWWWW"));
        b->setBackColor(back);
        b->setForeColor(fore);
        control = b;
    }
    control->Move(150, 150, 2000, 375);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = control->grab().toImage();
    // The far right is past the caption: plain background.
    QCOMPARE(QColor(shown.pixel(shown.width() - 3, shown.height() / 2)), toQColor(back));
    // The caption is drawn in the fore colour somewhere.
    bool foreSeen = false;
    for (int y = 0; y < shown.height() && !foreSeen; ++y)
        for (int x = shown.width() / 4; x < shown.width() && !foreSeen; ++x)
            foreSeen = QColor(shown.pixel(x, y)) == toQColor(fore);
    QVERIFY(foreSeen);
}

QTEST_MAIN(TestButtonColours)
#include "tst_buttoncolours.moc"
