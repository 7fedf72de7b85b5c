// Control arrays: one connection for the whole array reaches one handler
// with the member's Index, for clicks, scroll-bar changes, Validate with
// its Cancel and mouse events with their arguments; members may be sparse;
// after Unload and Load the members are new and each event still reaches
// the handler exactly once.

#include "support/testsupport.h"

using namespace forms;

namespace {

class ArrayForm : public Form
{
public:
    ArrayForm()
        : Form({.name = QStringLiteral("frmArrays"), .clientWidth = 6000, .clientHeight = 4500})
    {
    }

    ControlArray<CommandButton> cmdZero{QStringLiteral("cmdZero")};
    ControlArray<VScrollBar> vscHarmonic{QStringLiteral("vscHarmonic")};
    ControlArray<PictureBox> picShow{QStringLiteral("picShow")};
    QStringList events;
    bool cancelNext = false;

protected:
    void createControls() override
    {
        // Sparse: members 0, 1 and 5.
        for (int i : {0, 1, 5})
            addIndexed(cmdZero, this, i, 120 + 600 * i, 120, 500, 375)->setCaption(QString::number(i));
        for (int i = 0; i < 3; ++i) {
            VScrollBar *bar = addIndexed(vscHarmonic, this, i, 120 + 400 * i, 600, 255, 1500);
            bar->setRange(1000, 0);
            bar->setValue(500);
            bar->setTabIndex(i);
        }
        for (int i = 0; i < 2; ++i) {
            PictureBox *box = addIndexed(picShow, this, i, 2000 + 1800 * i, 600, 1500, 1500);
            box->setBorderStyle(0);
            box->Scale(0, 0, 100, 50);
        }
        cmdZero.on(&CommandButton::Click, this, &ArrayForm::cmdZero_Click);
        vscHarmonic.on(&ScrollBar::Change, this,
                       [this](int Index) { events << QStringLiteral("change %1 %2").arg(Index).arg(vscHarmonic[Index]->Value()); });
        vscHarmonic.on(&ScrollBar::Validate, this, &ArrayForm::vscHarmonic_Validate);
        picShow.on(&PictureBox::MouseDown, this, &ArrayForm::picShow_MouseDown);
    }

private:
    void cmdZero_Click(int Index) { events << QStringLiteral("click %1").arg(Index); }
    void vscHarmonic_Validate(int Index, bool &Cancel)
    {
        events << QStringLiteral("validate %1").arg(Index);
        Cancel = std::exchange(cancelNext, false);
    }
    void picShow_MouseDown(int Index, int Button, int Shift, double X, double Y)
    {
        events << QStringLiteral("down %1 %2 %3 %4 %5").arg(Index).arg(Button).arg(Shift).arg(X).arg(Y);
    }
};

} // namespace

class TestControlArray : public QObject
{
    Q_OBJECT

private slots:
    void eventsReachOneHandlerWithIndex();
    void validateCanKeepTheFocus();
    void membersAreSparseAndNamed();
    void reloadedMembersConnectOnce();
};

void TestControlArray::eventsReachOneHandlerWithIndex()
{
    ArrayForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.cmdZero[5]->button(), Qt::LeftButton);
    QTest::mouseClick(form.cmdZero[0]->button(), Qt::LeftButton);
    form.vscHarmonic[2]->setValue(0);
    testsupport::clickArrow(form.vscHarmonic[1], true);
    // Picture box 1 maps its 100 x 50 user scale over 100 x 100 pixels.
    QTest::mouseClick(form.picShow[1], Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 20));
    QTest::mouseClick(form.picShow[0], Qt::RightButton, {}, QPoint(1, 2));
    QCOMPARE(form.events, (QStringList{"click 5", "click 0", "change 2 0", "change 1 499",
                                       "down 1 1 1 50 10", "down 0 2 0 1 1"}));
    form.Unload();
}

void TestControlArray::validateCanKeepTheFocus()
{
    ArrayForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.vscHarmonic[0]->setFocus();
    QVERIFY(form.vscHarmonic[0]->bar()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form.vscHarmonic[1]->bar()->hasFocus());
    form.cancelNext = true;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form.vscHarmonic[1]->bar()->hasFocus()); // cancelled: stays
    QCOMPARE(form.events, (QStringList{"validate 0", "validate 1"}));
    form.Unload();
}

void TestControlArray::membersAreSparseAndNamed()
{
    ArrayForm form;
    form.Load();
    QCOMPARE(form.cmdZero.count(), 3);
    QCOMPARE(form.cmdZero.LBound(), 0);
    QCOMPARE(form.cmdZero.UBound(), 5);
    QVERIFY(form.cmdZero[3] == nullptr);
    QCOMPARE(form.cmdZero[5]->objectName(), QStringLiteral("cmdZero(5)"));
    QCOMPARE(form.cmdZero[5]->Index(), 5);
    QCOMPARE(form.findChild<CommandButton *>(QStringLiteral("cmdZero(1)")), form.cmdZero[1]);
    std::vector<int> indices;
    for (CommandButton *member : form.cmdZero.members())
        indices.push_back(member->Index());
    QCOMPARE(indices, (std::vector<int>{0, 1, 5}));
    form.Unload();
    // Unloaded: the members are gone, the array itself stays.
    QCOMPARE(form.cmdZero.count(), 0);
    QVERIFY(form.cmdZero[0] == nullptr);
}

void TestControlArray::reloadedMembersConnectOnce()
{
    ArrayForm form;
    for (int round = 0; round < 3; ++round) {
        form.events.clear();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.cmdZero[1]->button(), Qt::LeftButton);
        QCOMPARE(form.events, QStringList{"click 1"});
        form.Unload();
        testsupport::settle();
    }
}

QTEST_MAIN(TestControlArray)
#include "tst_controlarray.moc"
