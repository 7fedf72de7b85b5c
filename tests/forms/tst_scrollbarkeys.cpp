// The arrow keys on a scroll bar move its thumb the way the arrow points:
// Left and Up toward the left or top end, Right and Down toward the right
// or bottom end, also when Min exceeds Max; each step raises Change once.

#include "support/testsupport.h"

using namespace forms;

class TestScrollBarKeys : public QObject
{
    Q_OBJECT

private slots:
    void arrowKeysMoveTheThumbTheirWay_data();
    void arrowKeysMoveTheThumbTheirWay();
};

void TestScrollBarKeys::arrowKeysMoveTheThumbTheirWay_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value"); // from 50, one step of 1
    for (bool horizontal : {true, false}) {
        const char *kind = horizontal ? "horizontal" : "vertical";
        // Left and top ends hold Min; with Min above Max, the larger values.
        QTest::addRow("%s Right", kind) << horizontal << 0 << 100 << int(Qt::Key_Right) << 51;
        QTest::addRow("%s Left", kind) << horizontal << 0 << 100 << int(Qt::Key_Left) << 49;
        QTest::addRow("%s Down", kind) << horizontal << 0 << 100 << int(Qt::Key_Down) << 51;
        QTest::addRow("%s Up", kind) << horizontal << 0 << 100 << int(Qt::Key_Up) << 49;
        QTest::addRow("%s Right, Min > Max", kind) << horizontal << 100 << 0 << int(Qt::Key_Right) << 49;
        QTest::addRow("%s Left, Min > Max", kind) << horizontal << 100 << 0 << int(Qt::Key_Left) << 51;
        QTest::addRow("%s Down, Min > Max", kind) << horizontal << 100 << 0 << int(Qt::Key_Down) << 49;
        QTest::addRow("%s Up, Min > Max", kind) << horizontal << 100 << 0 << int(Qt::Key_Up) << 51;
    }
}

void TestScrollBarKeys::arrowKeysMoveTheThumbTheirWay()
{
    QFETCH(bool, horizontal);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, key);
    QFETCH(int, value);
    QWidget parent;
    ScrollBar bar(horizontal ? Qt::Horizontal : Qt::Vertical, &parent);
    bar.Move(0, 0, horizontal ? 3000 : 255, horizontal ? 255 : 3000);
    bar.setRange(min, max);
    bar.setValue(50);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    int changes = 0;
    QObject::connect(&bar, &ScrollBar::Change, [&] { ++changes; });
    const int sliderBefore = bar.bar()->sliderPosition();
    QTest::keyClick(bar.bar(), Qt::Key(key));
    QCOMPARE(bar.Value(), value);
    QCOMPARE(changes, 1);
    // The thumb's place on the bar: Left and Up move it toward the start.
    const bool towardStart = key == Qt::Key_Left || key == Qt::Key_Up;
    QCOMPARE(bar.bar()->sliderPosition() < sliderBefore, towardStart);
}

QTEST_MAIN(TestScrollBarKeys)
#include "tst_scrollbarkeys.moc"
