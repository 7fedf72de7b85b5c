// Captions laid out for the original face must still fit their labels in
// the wider free face that stands in for it: a caption that would wrap onto
// a line the label cannot show, or lose its ends, is drawn condensed;
// captions that fit, and captions meant to wrap, are drawn as before.

#include "forms/label.h"

#include <QtTest>

using namespace forms;

namespace {
// Columns of the label holding caption ink (anything darker than mid grey
// on the white background).
QList<int> inkColumns(Label *label)
{
    const QImage image = label->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const int border = label->BorderStyle() ? int(2 * dpr) : 0; // leave the border out
    QList<int> columns;
    for (int x = border; x < image.width() - border; ++x) {
        for (int y = border; y < image.height() - border; ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                columns << int(x / dpr);
                break;
            }
        }
    }
    return columns;
}

int inkRows(Label *label)
{
    const QImage image = label->grab().toImage();
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}
} // namespace

class TestLabelFit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void captionsFit_data();
    void captionsFit();
    void narrowLabelsStillWrap();

private:
    Label *make(const QString &caption, double width, double height, int border);
    std::unique_ptr<QWidget> window;
};

void TestLabelFit::init()
{
    window = std::make_unique<QWidget>();
    window->resize(400, 300);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestLabelFit::cleanup() { window.reset(); }

Label *TestLabelFit::make(const QString &caption, double width, double height, int border)
{
    auto *label = new Label(window.get());
    label->Move(150, 150, width, height);
    label->setBackColor(0xFFFFFF);
    label->setForeColor(0x000000);
    label->setBorderStyle(border);
    label->setAppearance(0);
    label->setAlignment(Label::Center);
    label->setCaption(caption);
    label->show();
    return label;
}

void TestLabelFit::captionsFit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("border");
    // Two words that wrap in the free face, in a one-line label.
    QTest::newRow("two words, one line") << QStringLiteral("% False Alarms") << 1095.0 << 255.0 << 1;
    // One word wider than its label.
    QTest::newRow("one word, too wide") << QStringLiteral("Criterion") << 585.0 << 195.0 << 0;
    QTest::newRow("fits as it is") << QStringLiteral("% Hits") << 1095.0 << 255.0 << 1;
}

void TestLabelFit::captionsFit()
{
    QFETCH(QString, caption);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(int, border);
    Label *label = make(caption, width, height, border);
    const QList<int> ink = inkColumns(label);
    QVERIFY(!ink.isEmpty());
    const int inner = label->width() - (border ? 2 : 0);
    const int needed = QFontMetrics(label->font()).horizontalAdvance(caption);
    if (needed <= inner) {
        // Drawn as it is: the ink is as wide as the plain caption.
        QVERIFY(ink.last() - ink.first() + 1 >= needed - 3);
    } else {
        // Nothing cut at either end, nothing on a hidden second line: the
        // ink spans most of the label, clear of its edges.
        QVERIFY(ink.first() > (border ? 1 : 0));
        QVERIFY(ink.last() < label->width() - (border ? 2 : 1));
        QVERIFY(ink.last() - ink.first() + 1 > inner * 3 / 4);
    }
}

void TestLabelFit::narrowLabelsStillWrap()
{
    // One letter per line in a label made narrow on purpose.
    Label *label = make(QStringLiteral("S q u a r e"), 135, 1500, 0);
    QVERIFY(inkRows(label) > 4 * 8);
}

QTEST_MAIN(TestLabelFit)
#include "tst_labelfit.moc"
