// A window that sets its own size while it loads, before it has a frame:
// the size it asks for is the size it gets, whatever its border.

#include "forms/forms.h"

#include <QtTest>

using namespace forms;

namespace {
class SizedForm : public Form
{
public:
    explicit SizedForm(Border border)
        : Form({.name = QStringLiteral("frmSized"), .clientWidth = 3000, .clientHeight = 2000, .border = border})
    {
    }
    double widthAtLoad = 0;
    double heightAtLoad = 0;

protected:
    void createControls() override {}
    void Form_Load() override
    {
        setWidth(12000);
        setHeight(9000);
        widthAtLoad = Width();
        heightAtLoad = Height();
    }
};
} // namespace

class TestFormSize : public QObject
{
    Q_OBJECT

private slots:
    void sizeSetWhileLoading_data();
    void sizeSetWhileLoading();
};

void TestFormSize::sizeSetWhileLoading_data()
{
    QTest::addColumn<int>("border");
    QTest::newRow("sizable") << int(Form::Border::Sizable);
    QTest::newRow("fixed single") << int(Form::Border::FixedSingle);
}

void TestFormSize::sizeSetWhileLoading()
{
    QFETCH(int, border);
    SizedForm form(static_cast<Form::Border>(border));
    form.Load();
    QCOMPARE(form.widthAtLoad, 12000.0);
    QCOMPARE(form.heightAtLoad, 9000.0);
    QCOMPARE(form.size(), QSize(800, 600));
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Once framed, the inside keeps the size it was given.
    QCOMPARE(form.size(), QSize(800, 600));
    QCOMPARE(form.ScaleWidth(), 12000.0);
    form.Unload();
}

QTEST_MAIN(TestFormSize)
#include "tst_formsize.moc"
