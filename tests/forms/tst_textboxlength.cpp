// Whatever is typed, pasted or set, a text box keeps at most LengthLimit
// characters (the first ones), keeps answering keys, and shows its text:
// a student pasting a whole document into a caption box must not freeze
// the program.

#include "support/testsupport.h"

#include <QClipboard>

using namespace forms;

namespace {

class BoxForm : public Form
{
public:
    BoxForm()
        : Form({.name = QStringLiteral("frmBoxes"), .clientWidth = 6000, .clientHeight = 3000,
                .border = Border::FixedSingle, .backColor = 0xFFFFFF})
    {
    }
    TextBox *single = nullptr;
    TextBox *multi = nullptr;
    int changes = 0;

protected:
    void createControls() override
    {
        single = add<TextBox>(this, QStringLiteral("txtSingle"), 120, 120, 1500, 315);
        // Narrow and tall, like the caption boxes of the windows.
        multi = add<TextBox>(this, QStringLiteral("txtMulti"), 2000, 120, 615, 2500, true);
        on(single, &TextBox::Change, this, [this] { ++changes; });
        on(multi, &TextBox::Change, this, [this] { ++changes; });
    }
};

// The text as the box holds it: line breaks as the box writes them (CR LF
// in a multi-line box), at most LengthLimit characters of what was given.
QString kept(const QString &given, bool multiLine)
{
    QString text = given;
    if (multiLine)
        text.remove(QLatin1Char('\r'));
    text = text.left(TextBox::LengthLimit);
    if (multiLine)
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString words(int length)
{
    QString text;
    for (int i = 0; text.size() < length; ++i)
        text += QString::number(i) + (i % 9 == 8 ? QLatin1String("\r\n") : QLatin1String(" "));
    return text.left(length);
}

} // namespace

class TestTextBoxLength : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(testsupport::visibleTopLevels().isEmpty()); }
    void longTexts_data();
    void longTexts();
    void typingStopsAtTheLimit_data();
    void typingStopsAtTheLimit();
};

void TestTextBoxLength::longTexts_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char *, QString>> texts = {
        {"50,000 digits", QString(50000, QLatin1Char('7'))},
        {"100,000 digits", QString(100000, QLatin1Char('7'))},
        {"a million digits", QString(1000000, QLatin1Char('7'))},
        {"100,000 characters of words and lines", words(100000)},
        {"just under the limit", QString(TextBox::LengthLimit - 1, QLatin1Char('x'))},
    };
    for (bool multiLine : {false, true}) {
        for (bool pasted : {false, true}) {
            for (const auto &[name, text] : texts) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3")
                                             .arg(multiLine ? "multi-line" : "single-line",
                                                  pasted ? "pasted" : "set", QLatin1String(name))))
                    << multiLine << pasted << text;
            }
        }
    }
}

void TestTextBoxLength::longTexts()
{
    QFETCH(bool, multiLine);
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    BoxForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TextBox *box = multiLine ? form.multi : form.single;
    const QImage empty = box->grab().toImage();

    if (pasted) {
        QApplication::clipboard()->setText(text);
        box->editor()->setFocus();
        QTest::keyClick(box->editor(), Qt::Key_V, Qt::ControlModifier);
    } else {
        box->setText(text);
    }
    testsupport::settle();
    // A single-line box keeps one line, as a pasted one would show it.
    const QString expected = multiLine ? kept(text, true) : QString(text).remove(QLatin1Char('\r')).left(TextBox::LengthLimit);
    if (multiLine || !text.contains(QLatin1Char('\n')))
        QCOMPARE(box->Text(), expected);
    QVERIFY(box->Text().size() <= (multiLine ? 2 * TextBox::LengthLimit : TextBox::LengthLimit));
    QVERIFY(form.changes > 0);
    QVERIFY2(box->grab().toImage() != empty, "the text does not show");

    // The box still answers: a key at its end, then the text set anew.
    box->editor()->setFocus();
    QTest::keyClick(box->editor(), Qt::Key_End, multiLine ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClick(box->editor(), Qt::Key_Backspace);
    QTest::keyClicks(box->editor(), QStringLiteral("5"));
    QVERIFY(box->Text().endsWith(QLatin1Char('5')));
    box->setText(QStringLiteral("12"));
    QCOMPARE(box->Text(), QStringLiteral("12"));
    form.Unload();
}

void TestTextBoxLength::typingStopsAtTheLimit_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::newRow("single-line") << false;
    QTest::newRow("multi-line") << true;
}

void TestTextBoxLength::typingStopsAtTheLimit()
{
    QFETCH(bool, multiLine);
    BoxForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TextBox *box = multiLine ? form.multi : form.single;
    const QString full(TextBox::LengthLimit, QLatin1Char('3'));
    box->setText(full);
    box->editor()->setFocus();
    QTest::keyClick(box->editor(), Qt::Key_End, multiLine ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClicks(box->editor(), QStringLiteral("456"));
    if (multiLine)
        QTest::keyClick(box->editor(), Qt::Key_Return);
    QCOMPARE(box->Text(), full);
    // Room made by deleting takes a character again.
    QTest::keyClick(box->editor(), Qt::Key_Backspace);
    QTest::keyClicks(box->editor(), QStringLiteral("4"));
    QCOMPARE(box->Text(), full.left(TextBox::LengthLimit - 1) + QLatin1Char('4'));
    form.Unload();
}

QTEST_MAIN(TestTextBoxLength)
#include "tst_textboxlength.moc"
