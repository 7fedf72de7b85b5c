// The linear interpolation calculator: the worked examples, the order
// checks made when the student leaves a box, and every kind of text a box
// may hold when "Calculate" is pressed.

#include "support/testsupport.h"


using namespace forms;

namespace {
const QString NotANumberText = QStringLiteral("You need to enter only numerical values in all of the text boxes.");
const QString NotANumberTitle = QStringLiteral("Not a number");
const QString CheckTitle = QStringLiteral("Check your data");
const QStringList Boxes = {"txtThreshPercent", "txtLowerPersentage", "txtUpperPercent", "txtLowerVal",
                           "txtUpperVal"};
} // namespace

class TestFrmLinInterp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithPlaceholders();
    void workedExamples_data();
    void workedExamples();
    void calculateWithPlaceholdersWarnsOnce();
    void boxesSurviveAnyText_data();
    void boxesSurviveAnyText();
    void noAnswerClearsAnEarlierOne_data();
    void noAnswerClearsAnEarlierOne();
    void orderChecksOnLeavingABox_data();
    void orderChecksOnLeavingABox();
    void mirrorsFollowTyping();
    void reopeningStartsAfresh();

private:
    TextBox *box(const QString &name) const { return fixture.control<TextBox>(name); }
    Label *lblThresh() const { return fixture.control<Label>(QStringLiteral("lblThresh")); }
    Label *label(const QString &name) const { return fixture.control<Label>(name); }
    CommandButton *cmdCalc() const { return fixture.control<CommandButton>(QStringLiteral("cmdCalc")); }
    // Clicks into a box, replaces its text by typing, as a student does.
    void type(const QString &name, const QString &text);
    // Fills the five boxes in tab order: threshold %, lower %, upper value,
    // lower value, upper %.
    void fill(const QString &tp, const QString &lp, const QString &up, const QString &lv, const QString &uv);
    void clickCalculate() { QTest::mouseClick(cmdCalc()->button(), Qt::LeftButton); }

    Form *form() const { return fixture.form(); }
    testsupport::WindowFixture fixture;
};

void TestFrmLinInterp::init()
{
    fixture.start();
    // Typing and leaving boxes need the keyboard focus, so the main window
    // must be active, not just on screen.
    fixture.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.main()));
    fixture.open(QStringLiteral("mnuLinInterpItem"), QStringLiteral("frmLinInterp"));
}

void TestFrmLinInterp::cleanup()
{
    fixture.finish();
}

void TestFrmLinInterp::type(const QString &name, const QString &text)
{
    QWidget *editor = box(name)->editor();
    QTest::mouseClick(editor, Qt::LeftButton);
    QVERIFY(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QCOMPARE(box(name)->Text(), text);
}

void TestFrmLinInterp::fill(const QString &tp, const QString &lp, const QString &up, const QString &lv,
                            const QString &uv)
{
    type(QStringLiteral("txtThreshPercent"), tp);
    type(QStringLiteral("txtLowerPersentage"), lp);
    type(QStringLiteral("txtUpperVal"), uv);
    type(QStringLiteral("txtLowerVal"), lv);
    type(QStringLiteral("txtUpperPercent"), up);
}

void TestFrmLinInterp::opensWithPlaceholders()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Psychophysical Linear Interpolater"));
    QVERIFY(form()->isMdiChild());
    QVERIFY(fixture.main().menuItem(QStringLiteral("mnuLinInterpItem"))->Checked());
    QCOMPARE(form()->size(), QSize(422, 213)); // 6330 x 3195 twips
    QCOMPARE(form()->BackColor(), OleColor(0xFFFFFF));
    const QMap<QString, QString> placeholders = {
        {"txtThreshPercent", "Threshold %"}, {"txtLowerPersentage", "Lower %"}, {"txtUpperPercent", "Upper %"},
        {"txtLowerVal", "Lower Value"},      {"txtUpperVal", "Upper Value"},
    };
    for (auto it = placeholders.begin(); it != placeholders.end(); ++it) {
        QCOMPARE(box(it.key())->Text(), it.value());
        QVERIFY(!box(it.key())->ToolTipText().isEmpty());
    }
    QCOMPARE(box("txtThreshPercent")->ToolTipText(), QStringLiteral("Enter the percentage for your threshold."));
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("Threshold"));
    QCOMPARE(label("lblLowerPercent")->Caption(), QStringLiteral("Lower%"));
    QCOMPARE(label("lblLowerVal(1)")->Caption(), QStringLiteral("LowerValue"));
    QCOMPARE(cmdCalc()->Caption(), QStringLiteral("Calculate"));
}

void TestFrmLinInterp::workedExamples_data()
{
    QTest::addColumn<QString>("tp");
    QTest::addColumn<QString>("lp");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("lv");
    QTest::addColumn<QString>("uv");
    QTest::addColumn<QString>("threshold");
    QTest::newRow("whole result") << "75" << "60" << "90" << "10" << "20" << "15";
    QTest::newRow("two decimals") << "50" << "40" << "70" << "1" << "2" << "1.33";
    QTest::newRow("tie goes to the even digit") << "1" << "0" << "8" << "1" << "2" << "1.12";
    QTest::newRow("negative values") << "50" << "40" << "70" << "-5" << "1" << "-3";
    QTest::newRow("fractions and blanks") << " 62.5 " << "50.25" << "75.75" << "0.5" << "1.25" << "0.86";
    QTest::newRow("exponent form") << "75" << "60" << "90" << "1e1" << "2E1" << "15";
}

void TestFrmLinInterp::workedExamples()
{
    QFETCH(QString, tp);
    QFETCH(QString, lp);
    QFETCH(QString, up);
    QFETCH(QString, lv);
    QFETCH(QString, uv);
    QFETCH(QString, threshold);
    testsupport::MessageRecorder messages; // the data is in order: no message expected
    fill(tp, lp, up, lv, uv);
    clickCalculate();
    QCOMPARE(messages.boxes, (QList<QPair<QString, QString>>{}));
    QCOMPARE(lblThresh()->Caption(), threshold);
    QCOMPARE(lblThresh()->ForeColor(), RGB(255, 0, 0));
}

void TestFrmLinInterp::calculateWithPlaceholdersWarnsOnce()
{
    testsupport::MessageRecorder messages;
    clickCalculate();
    QCOMPARE(messages.boxes, (QList<QPair<QString, QString>>{{NotANumberText, NotANumberTitle}}));
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("Threshold"));
    QVERIFY(lblThresh()->ForeColor() != RGB(255, 0, 0));
}

void TestFrmLinInterp::boxesSurviveAnyText_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char *, QString>> texts = {
        {"empty", QString()},
        {"letters", QStringLiteral("abc")},
        {"too large", QStringLiteral("1e400")},
        {"minus alone", QStringLiteral("-")},
        {"point alone", QStringLiteral(".")},
        {"trailing letters", QStringLiteral("12abc")},
        {"decimal comma", QStringLiteral("1,5")},
        {"1000 digits", QString(1000, QLatin1Char('9'))},
        {"1000 letters", QString(1000, QLatin1Char('x'))},
    };
    for (const QString &name : Boxes) {
        for (const auto &[label, text] : texts)
            QTest::addRow("%s: %s", qPrintable(name), label) << name << text;
    }
}

void TestFrmLinInterp::boxesSurviveAnyText()
{
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    testsupport::MessageRecorder messages;
    fill(QStringLiteral("75"), QStringLiteral("60"), QStringLiteral("90"), QStringLiteral("10"),
         QStringLiteral("20"));
    QCOMPARE(messages.boxes.size(), 0);
    type(boxName, text);
    // Leaving the box checks nothing that is not a number; the calculation
    // then says so, once.
    clickCalculate();
    QCOMPARE(messages.boxes, (QList<QPair<QString, QString>>{{NotANumberText, NotANumberTitle}}));
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("Threshold"));
}

void TestFrmLinInterp::noAnswerClearsAnEarlierOne_data()
{
    QTest::addColumn<QString>("tp");
    QTest::addColumn<QString>("lp");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("lv");
    QTest::addColumn<QString>("uv");
    QTest::newRow("upper % equals lower %") << "75" << "60" << "60" << "10" << "20";
    QTest::newRow("beyond single precision") << "75" << "60" << "90" << "1e300" << "2e300";
    QTest::newRow("difference beyond double") << "75" << "60" << "90" << "-1.7e308" << "1.7e308";
    QTest::newRow("quotient beyond double") << "75" << "60" << "60.0000000001" << "0" << "1e300";
}

void TestFrmLinInterp::noAnswerClearsAnEarlierOne()
{
    QFETCH(QString, tp);
    QFETCH(QString, lp);
    QFETCH(QString, up);
    QFETCH(QString, lv);
    QFETCH(QString, uv);
    testsupport::MessageRecorder messages;
    fill(QStringLiteral("75"), QStringLiteral("60"), QStringLiteral("90"), QStringLiteral("10"),
         QStringLiteral("20"));
    clickCalculate();
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("15"));

    // The focus stays on "Calculate", so no box is left and checked.
    for (const auto &[name, text] : {std::pair{"txtThreshPercent", tp}, {"txtLowerPersentage", lp},
                                     {"txtUpperPercent", up}, {"txtLowerVal", lv}, {"txtUpperVal", uv}})
        box(name)->setText(text);
    clickCalculate();
    // No message and no answer: the red 15 belonged to the earlier data.
    QCOMPARE(messages.boxes.size(), 0);
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("Threshold"));
    QVERIFY(lblThresh()->ForeColor() != RGB(255, 0, 0));
}

void TestFrmLinInterp::orderChecksOnLeavingABox_data()
{
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<QStringList>("texts"); // threshold %, lower %, upper %, lower value, upper value
    QTest::addColumn<QString>("message");
    const QString lowerPercent = QStringLiteral("The Lower Threshold should be lower than the percentage for the threshold.");
    const QString upperThreshold = QStringLiteral("The upper threshold should be greater than the percentage for the threshold.");
    const QString upperPercent = QStringLiteral("The upper percentage should be greater than the percentage for the threshold.");
    const QStringList inOrder = {"75", "60", "90", "10", "20"};
    for (const QString &name : Boxes)
        QTest::addRow("%s, all in order", qPrintable(name)) << name << inOrder << QString();
    QTest::newRow("threshold % below lower %") << "txtThreshPercent" << QStringList{"55", "60", "90", "10", "20"} << lowerPercent;
    QTest::newRow("threshold % equal to lower %") << "txtThreshPercent" << QStringList{"60", "60", "90", "10", "20"} << lowerPercent;
    QTest::newRow("threshold % above upper %") << "txtThreshPercent" << QStringList{"95", "60", "90", "10", "20"} << upperThreshold;
    QTest::newRow("threshold % above upper %, lower % not typed yet")
        << "txtThreshPercent" << QStringList{"95", "Lower %", "90", "10", "20"} << upperThreshold;
    QTest::newRow("lower % above threshold %") << "txtLowerPersentage" << QStringList{"75", "80", "90", "10", "20"} << lowerPercent;
    QTest::newRow("lower % rounds onto threshold %") << "txtLowerPersentage" << QStringList{"50.4", "49.6", "90", "10", "20"} << lowerPercent;
    QTest::newRow("lower % rounds below threshold %") << "txtLowerPersentage" << QStringList{"50.4", "49.4", "90", "10", "20"} << QString();
    QTest::newRow("upper % equal to threshold %") << "txtUpperPercent" << QStringList{"75", "60", "75", "10", "20"} << upperPercent;
    QTest::newRow("lower value above upper value") << "txtLowerVal" << QStringList{"75", "60", "90", "30", "20"}
                                                   << QStringLiteral("The lower value less than the upper value.");
    QTest::newRow("upper value equal to lower value") << "txtUpperVal" << QStringList{"75", "60", "90", "20", "20"}
                                                      << QStringLiteral("The lower value should be less than the upper value.");
    QTest::newRow("other box not a number") << "txtUpperVal" << QStringList{"75", "60", "90", "Lower Value", "5"} << QString();
    QTest::newRow("beyond a whole 16-bit number") << "txtLowerVal" << QStringList{"75", "60", "90", "40000", "20"} << QString();
}

void TestFrmLinInterp::orderChecksOnLeavingABox()
{
    QFETCH(QString, leaving);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    for (int i = 0; i < Boxes.size(); ++i)
        box(Boxes[i])->setText(texts[i]);
    testsupport::MessageRecorder messages;
    QWidget *from = box(leaving)->editor();
    QTest::mouseClick(from, Qt::LeftButton);
    QVERIFY(from->hasFocus());
    messages.boxes.clear(); // whatever leaving the box focused before said
    // Tab to the next control: the check runs once, and the focus moves on.
    QTest::keyClick(from, Qt::Key_Tab);
    QVERIFY(!from->hasFocus());
    const QList<QPair<QString, QString>> expected =
        message.isEmpty() ? QList<QPair<QString, QString>>{} : QList<QPair<QString, QString>>{{message, CheckTitle}};
    QCOMPARE(messages.boxes, expected);
    // A check never changes the data or the answer.
    for (int i = 0; i < Boxes.size(); ++i)
        QCOMPARE(box(Boxes[i])->Text(), texts[i]);
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("Threshold"));
}

void TestFrmLinInterp::mirrorsFollowTyping()
{
    testsupport::MessageRecorder messages;
    auto *lowerPercent = label("lblLowerPercent");
    auto *lowerValue = label("lblLowerVal(1)");
    QStringList seen;
    connect(box("txtLowerPersentage"), &TextBox::Change, this, [&] { seen << lowerPercent->Caption(); });
    type(QStringLiteral("txtLowerPersentage"), QStringLiteral("62.5"));
    QCOMPARE(seen, (QStringList{"", "6", "62", "62.", "62.5"}));
    type(QStringLiteral("txtLowerVal"), QStringLiteral("-3"));
    QCOMPARE(lowerValue->Caption(), QStringLiteral("-3"));
    // The mirror is what the denominator uses.
    type(QStringLiteral("txtThreshPercent"), QStringLiteral("70"));
    type(QStringLiteral("txtUpperPercent"), QStringLiteral("77.5"));
    type(QStringLiteral("txtUpperVal"), QStringLiteral("2"));
    clickCalculate();
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("-0.5")); // -3 + 7.5 * 5 / 15
    QCOMPARE(messages.boxes.size(), 0);
}

void TestFrmLinInterp::reopeningStartsAfresh()
{
    testsupport::MessageRecorder messages;
    fill(QStringLiteral("75"), QStringLiteral("60"), QStringLiteral("90"), QStringLiteral("10"),
         QStringLiteral("20"));
    clickCalculate();
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("15"));
    testsupport::choose(fixture.main(), QStringLiteral("mnuLinInterpItem"));
    QVERIFY(!form()->isLoaded());
    testsupport::choose(fixture.main(), QStringLiteral("mnuLinInterpItem"));
    QVERIFY(form()->isShown());
    QCOMPARE(lblThresh()->Caption(), QStringLiteral("Threshold"));
    QVERIFY(lblThresh()->ForeColor() != RGB(255, 0, 0));
    QCOMPARE(box("txtLowerVal")->Text(), QStringLiteral("Lower Value"));
}

QTEST_MAIN(TestFrmLinInterp)
#include "tst_frmlininterp.moc"
