// A picture box aligned to an edge of its window sits along that edge and
// stretches with the window, and it has done so by the time the window's
// own Resize handler runs.

#include "support/testsupport.h"

using namespace forms;

namespace {
class AlignedForm : public Form
{
public:
    explicit AlignedForm(int edge)
        : Form({.name = QStringLiteral("frmAligned"), .clientWidth = 6000, .clientHeight = 4500})
        , m_edge(edge)
    {
    }

    PictureBox *pic = nullptr;
    QList<QRectF> seenOnResize; // the box as Form_Resize finds it

protected:
    void createControls() override
    {
        pic = add<PictureBox>(this, QStringLiteral("pic"), 300, 300, 1500, 900);
        pic->setBackColor(0x0000FF);
        pic->setAlign(m_edge);
    }
    void Form_Resize() override { seenOnResize << box(); }

public:
    QRectF box() const { return {pic->Left(), pic->Top(), pic->Width(), pic->Height()}; }

private:
    int m_edge;
};
} // namespace

class TestAlignedBox : public QObject
{
    Q_OBJECT

private slots:
    void followsTheWindow_data();
    void followsTheWindow();
    void unknownEdgeIsRefused();
};

void TestAlignedBox::followsTheWindow_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRectF>("atLoad");   // twips, in a 6000 x 4500 window
    QTest::addColumn<QRectF>("resized");  // in a 4500 x 3000 window
    QTest::newRow("none") << 0 << QRectF(300, 300, 1500, 900) << QRectF(300, 300, 1500, 900);
    QTest::newRow("top") << 1 << QRectF(0, 0, 6000, 900) << QRectF(0, 0, 4500, 900);
    QTest::newRow("bottom") << 2 << QRectF(0, 3600, 6000, 900) << QRectF(0, 2100, 4500, 900);
    QTest::newRow("left") << 3 << QRectF(0, 0, 1500, 4500) << QRectF(0, 0, 1500, 3000);
    QTest::newRow("right") << 4 << QRectF(4500, 0, 1500, 4500) << QRectF(3000, 0, 1500, 3000);
}

void TestAlignedBox::followsTheWindow()
{
    QFETCH(int, edge);
    QFETCH(QRectF, atLoad);
    QFETCH(QRectF, resized);
    AlignedForm form(edge);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.pic->Align(), edge);
    QCOMPARE(form.box(), atLoad);

    // The user makes the window smaller.
    form.resize(300, 200);
    QCOMPARE(form.box(), resized);
    QVERIFY(!form.seenOnResize.isEmpty());
    QCOMPARE(form.seenOnResize.last(), resized);
    // On screen: the box's blue reaches the window's edges it is aligned to.
    const QImage shown = form.grab().toImage();
    const QRect inner = QRect(qRound(resized.x() / 15), qRound(resized.y() / 15), qRound(resized.width() / 15),
                              qRound(resized.height() / 15))
                            .adjusted(2, 2, -2, -2); // inside its border
    QCOMPARE(shown.pixel(inner.topLeft()), qRgb(255, 0, 0));
    QCOMPARE(shown.pixel(inner.bottomRight()), qRgb(255, 0, 0));
    form.Unload();
}

void TestAlignedBox::unknownEdgeIsRefused()
{
    AlignedForm form(1);
    form.Load();
    for (int edge : {-1, 5}) {
        try {
            form.pic->setAlign(edge);
            QFAIL("an unknown edge was taken");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.code(), ErrorCode::InvalidPropertyValue);
        }
    }
    QCOMPARE(form.pic->Align(), 1);
    form.Unload();
}

QTEST_MAIN(TestAlignedBox)
#include "tst_alignedbox.moc"
