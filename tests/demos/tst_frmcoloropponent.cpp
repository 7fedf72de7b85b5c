// Colour opponent theory as a student sees it: three cone bars feed the
// blue-yellow and red-green channels, whose circles and names take the
// colour each channel signals; adapting a cone halves its output and dots
// its links, removing it silences it and hides its controls. Colours are
// read back from the screen.

#include "support/testsupport.h"

using namespace forms;

namespace {
const QColor Black(0, 0, 0);

// The colour each channel name is written in.
QColor nameColour(const QString &caption)
{
    static const QMap<QString, QColor> colours = {
        {"Blue", QColor(0, 0, 255)},  {"Yellow", QColor(255, 255, 0)},     {"Red", QColor(255, 0, 0)},
        {"Green", QColor(0, 255, 0)}, {"Neutral", QColor(175, 175, 175)},
    };
    return colours.value(caption);
}

enum class LineLook { Hidden, Solid, Dotted };

// How a link line shows on screen, from the rows of its upper part (where
// no other link comes near it): drawn in every row, in some, or in none.
LineLook lineLook(const QImage &shown, const LineControl *line)
{
    const QColor colour = toQColor(line->BorderColor());
    int rows = 0, drawn = 0;
    const int y1 = twipsToPixels(line->Y1()), y2 = twipsToPixels(line->Y2());
    const int x1 = twipsToPixels(line->X1()), x2 = twipsToPixels(line->X2());
    for (int y = y1 + 3; y < y1 + (y2 - y1) / 4; ++y) {
        const int x = x1 + (x2 - x1) * (y - y1) / (y2 - y1);
        bool seen = false;
        for (int dx = -1; dx <= 1; ++dx)
            seen = seen || shown.pixelColor(x + dx, y) == colour;
        ++rows;
        drawn += seen;
    }
    return drawn == 0 ? LineLook::Hidden : drawn == rows ? LineLook::Solid : LineLook::Dotted;
}
} // namespace

class TestFrmColorOpponent : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensNeutral();
    void channelsFollowTheCones_data();
    void channelsFollowTheCones();
    void draggingUpdatesContinuously();
    void keyboardAndArrows();
    void adaptingHalvesAndDotsTheLinks();
    void removingSilencesAndHides();
    void roughHandling();
    void reopeningStartsAfresh();

private:
    Form *form() const { return fixture.form(); }
    ScrollBar *bar(QChar cone) const { return fixture.control<ScrollBar>(QStringLiteral("vsc") + cone); }
    Label *label(const QString &name) const { return fixture.control<Label>(name); }
    QString caption(const QString &name) const { return label(name)->Caption(); }
    CommandButton *button(const QString &name) const { return fixture.control<CommandButton>(name); }
    LineControl *line(const QString &name) const { return fixture.control<LineControl>(name); }
    QList<LineControl *> links(QChar cone) const;
    void click(const QString &name) const { QTest::mouseClick(button(name)->button(), Qt::LeftButton); }
    QImage shown() const { return testsupport::shownImage(form()); }

    // A channel on screen: the circle's fill, its name and the name's colour.
    void verifyChannel(const QString &circle, const QString &nameLabel, const QColor &fill,
                       const QString &name);
    // A cone's patch on screen.
    QColor patchShown(QChar cone) const;

    testsupport::WindowFixture fixture;
};

void TestFrmColorOpponent::init()
{
    fixture.start();
    fixture.open(QStringLiteral("mnuOpponentitem"), QStringLiteral("frmColorOpponent"));
}

void TestFrmColorOpponent::cleanup()
{
    fixture.finish();
}

QList<LineControl *> TestFrmColorOpponent::links(QChar cone) const
{
    if (cone == 'B')
        return {line("linB")};
    return {line(QStringLiteral("lin%1(0)").arg(cone)), line(QStringLiteral("lin%1(1)").arg(cone))};
}

void TestFrmColorOpponent::verifyChannel(const QString &circle, const QString &nameLabel, const QColor &fill,
                                         const QString &name)
{
    auto *shape = fixture.control<Shape>(circle);
    QCOMPARE(shape->FillColor(), fromQColor(fill));
    const QImage image = shown();
    // Near the top of the circle, above its caption.
    QCOMPARE(image.pixelColor(shape->mapTo(form(), QPoint(shape->width() / 2, 5))), fill);

    Label *lbl = label(nameLabel);
    QCOMPARE(lbl->Caption(), name);
    QCOMPARE(lbl->ForeColor(), fromQColor(nameColour(name)));
    // The name is written in that colour on the black window.
    const QRect area(lbl->mapTo(form(), QPoint(0, 0)), lbl->size());
    bool written = false;
    for (int y = area.top(); y <= area.bottom() && !written; ++y)
        for (int x = area.left(); x <= area.right() && !written; ++x)
            written = image.pixelColor(x, y) == nameColour(name);
    QVERIFY2(written, qPrintable(nameLabel));
}

QColor TestFrmColorOpponent::patchShown(QChar cone) const
{
    auto *patch = fixture.control<Shape>(QStringLiteral("rect") + cone);
    return shown().pixelColor(patch->mapTo(form(), patch->rect().center()));
}

void TestFrmColorOpponent::opensNeutral()
{
    QCOMPARE(form()->Caption(), QStringLiteral("Color Opponent and Trichromatic Theory"));
    QVERIFY(!form()->isMdiChild());
    QVERIFY(form()->isWindow());
    QVERIFY(!form()->windowIcon().isNull());
    QCOMPARE(form()->size(), QSize(367, 467)); // 5505 x 7005 twips
    QCOMPARE(testsupport::pixel(form(), {3, 3}), Black);
    for (QChar cone : {'B', 'G', 'R'}) {
        QCOMPARE(bar(cone)->Value(), 0);
        QCOMPARE(bar(cone)->Min(), 255);
        QCOMPARE(bar(cone)->Max(), 0);
        QCOMPARE(bar(cone)->LargeChange(), 10);
        QCOMPARE(patchShown(cone), Black);
        QCOMPARE(button(QStringLiteral("cmd") + cone)->Tag(), QStringLiteral("1"));
        QCOMPARE(button(QStringLiteral("cmd") + cone)->Caption(), QStringLiteral("Adapt ") + cone);
        QCOMPARE(button(QStringLiteral("cmdRemove") + cone)->Caption(), QStringLiteral("Remove ") + cone);
        for (LineControl *link : links(cone))
            QCOMPARE(lineLook(shown(), link), LineLook::Solid);
    }
    // The thumbs start at the bottom: a silent cone.
    QCOMPARE(bar('B')->bar()->value(), bar('B')->bar()->maximum());
    for (const char *name : {"lblBAct", "lblGact", "lblRact", "lblBin", "lblYin", "lblRin", "lblGin",
                             "lblBYout", "lblRGout"})
        QCOMPARE(caption(name), QStringLiteral("0"));
    QCOMPARE(caption("Label2"), QStringLiteral("+B -Y"));
    QCOMPARE(caption("Label3"), QStringLiteral("+R -G"));
    QCOMPARE(caption("Label1(1)"), QStringLiteral("Output"));
    QCOMPARE(caption("Label5(1)"), QStringLiteral("Y"));
    verifyChannel("cirBY", "lblBYcolor", QColor(128, 128, 128), "Neutral");
    verifyChannel("cirRG", "lblRGcolor", QColor(128, 128, 128), "Neutral");
    // The summing bars under the inputs.
    for (int x : {600, 1080, 1560, 1920, 2400, 2880})
        QCOMPARE(shown().pixelColor(twipsToPixels(x), twipsToPixels(5880)), QColor(Qt::white));
}

void TestFrmColorOpponent::channelsFollowTheCones_data()
{
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("adapted"); // cones whose adapt button is clicked
    QTest::addColumn<QStringList>("numbers"); // B in, Y in, R in, G in, BY out, RG out
    QTest::addColumn<QColor>("byFill");
    QTest::addColumn<QString>("byName");
    QTest::addColumn<QColor>("rgFill");
    QTest::addColumn<QString>("rgName");

    const QColor grey(128, 128, 128);
    QTest::newRow("blue alone") << 255 << 0 << 0 << "" << QStringList{"255", "0", "0", "0", "255", "0"}
                                << QColor(0, 0, 255) << "Blue" << grey << "Neutral";
    QTest::newRow("red and green make yellow")
        << 0 << 255 << 255 << "" << QStringList{"0", "-255", "255", "-255", "-255", "0"} << QColor(255, 255, 0)
        << "Yellow" << grey << "Neutral";
    QTest::newRow("red 100") << 0 << 0 << 100 << "" << QStringList{"0", "-50", "100", "0", "-50", "100"}
                             << QColor(153, 153, 0) << "Yellow" << QColor(178, 0, 0) << "Red";
    QTest::newRow("red 1: 128.5 rounds to 128")
        << 0 << 0 << 1 << "" << QStringList{"0", "-0.5", "1", "0", "-0.5", "1"} << QColor(128, 128, 0) << "Yellow"
        << QColor(128, 0, 0) << "Red";
    QTest::newRow("green wins") << 100 << 200 << 50 << "" << QStringList{"100", "-125", "50", "-200", "-25", "-150"}
                                << QColor(140, 140, 0) << "Yellow" << QColor(0, 203, 0) << "Green";
    QTest::newRow("balanced") << 100 << 100 << 100 << "" << QStringList{"100", "-100", "100", "-100", "0", "0"}
                              << grey << "Neutral" << grey << "Neutral";
    QTest::newRow("all full") << 255 << 255 << 255 << "" << QStringList{"255", "-255", "255", "-255", "0", "0"}
                              << grey << "Neutral" << grey << "Neutral";
    QTest::newRow("red 200 adapted") << 0 << 0 << 200 << "R" << QStringList{"0", "-50", "100", "0", "-50", "100"}
                                     << QColor(153, 153, 0) << "Yellow" << QColor(178, 0, 0) << "Red";
    QTest::newRow("green adapted: quarters")
        << 0 << 255 << 0 << "G" << QStringList{"0", "-63.75", "0", "-127.5", "-63.75", "-127.5"}
        << QColor(160, 160, 0) << "Yellow" << QColor(0, 192, 0) << "Green";
    QTest::newRow("blue adapted against full red")
        << 255 << 0 << 255 << "B" << QStringList{"127.5", "-127.5", "255", "0", "0", "255"} << grey << "Neutral"
        << QColor(255, 0, 0) << "Red";
    QTest::newRow("all adapted") << 255 << 0 << 0 << "BGR" << QStringList{"127.5", "0", "0", "0", "127.5", "0"}
                                 << QColor(0, 0, 192) << "Blue" << grey << "Neutral";
}

void TestFrmColorOpponent::channelsFollowTheCones()
{
    QFETCH(int, b);
    QFETCH(int, g);
    QFETCH(int, r);
    QFETCH(QString, adapted);
    QFETCH(QStringList, numbers);
    QFETCH(QColor, byFill);
    QFETCH(QString, byName);
    QFETCH(QColor, rgFill);
    QFETCH(QString, rgName);
    for (QChar cone : adapted)
        click(QStringLiteral("cmd") + cone);
    bar('B')->setValue(b);
    bar('G')->setValue(g);
    bar('R')->setValue(r);
    const QStringList names = {"lblBin", "lblYin", "lblRin", "lblGin", "lblBYout", "lblRGout"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(caption(names[i]), numbers[i]);
    verifyChannel("cirBY", "lblBYcolor", byFill, byName);
    verifyChannel("cirRG", "lblRGcolor", rgFill, rgName);
    // The patches and value labels show the activity, not the adapted output.
    QCOMPARE(patchShown('B'), QColor(0, 0, b));
    QCOMPARE(patchShown('G'), QColor(0, g, 0));
    QCOMPARE(patchShown('R'), QColor(r, 0, 0));
    QCOMPARE(caption("lblBAct"), QString::number(b));
    QCOMPARE(caption("lblGact"), QString::number(g));
    QCOMPARE(caption("lblRact"), QString::number(r));
}

void TestFrmColorOpponent::draggingUpdatesContinuously()
{
    ScrollBar *blue = bar('B');
    QList<int> seen;
    // Connected after the window's own handler: it sees each step's result
    // before the thumb is released.
    connect(blue, &ScrollBar::Scroll, this, [&] {
        seen << blue->Value();
        QCOMPARE(caption("lblBin"), QString::number(blue->Value()));
        QCOMPARE(caption("lblBAct"), QString::number(blue->Value()));
    });
    testsupport::dragThumb(blue, {100, 200, 255});
    QVERIFY(seen.contains(100));
    QVERIFY(seen.contains(200));
    QCOMPARE(blue->Value(), 255);
    // The thumb went up to full activity.
    QCOMPARE(blue->bar()->value(), blue->bar()->minimum());
    QCOMPARE(patchShown('B'), QColor(0, 0, 255));
    verifyChannel("cirBY", "lblBYcolor", QColor(0, 0, 255), "Blue");
}

void TestFrmColorOpponent::keyboardAndArrows()
{
    // Up raises the activity: the thumb moves toward the top.
    QScrollBar *red = bar('R')->bar();
    red->setFocus();
    QTest::keyClick(red, Qt::Key_Up);
    QTest::keyClick(red, Qt::Key_Up);
    QCOMPARE(bar('R')->Value(), 2);
    QCOMPARE(caption("lblRGout"), QStringLiteral("2"));
    QTest::keyClick(red, Qt::Key_PageUp);
    QCOMPARE(bar('R')->Value(), 12);
    QTest::keyClick(red, Qt::Key_Home);
    QCOMPARE(bar('R')->Value(), 255);
    verifyChannel("cirRG", "lblRGcolor", QColor(255, 0, 0), "Red");
    QTest::keyClick(red, Qt::Key_Down);
    QCOMPARE(bar('R')->Value(), 254);
    QCOMPARE(patchShown('R'), QColor(254, 0, 0));

    QTest::keyClick(red, Qt::Key_End);
    QCOMPARE(bar('R')->Value(), 0);
    verifyChannel("cirRG", "lblRGcolor", QColor(128, 128, 128), "Neutral");

    testsupport::clickArrow(bar('G'), false); // the upper arrow
    QCOMPARE(bar('G')->Value(), 1);
    testsupport::clickTrough(bar('G'), false); // above the thumb
    QCOMPARE(bar('G')->Value(), 11);
    QCOMPARE(caption("lblGin"), QStringLiteral("-11"));
    QCOMPARE(caption("lblYin"), QStringLiteral("-5.5"));
    verifyChannel("cirRG", "lblRGcolor", QColor(0, 134, 0), "Green"); // 128 + 5.5 = 133.5 -> 134

    // The keyboard reaches the buttons too.
    QPushButton *adapt = button("cmdG")->button();
    adapt->setFocus();
    QTest::keyClick(adapt, Qt::Key_Space);
    QCOMPARE(button("cmdG")->Caption(), QStringLiteral("Restore G"));
    QCOMPARE(caption("lblGin"), QStringLiteral("-5.5"));
}

void TestFrmColorOpponent::adaptingHalvesAndDotsTheLinks()
{
    testsupport::dragThumb(bar('R'), {200});
    QCOMPARE(caption("lblRin"), QStringLiteral("200"));
    click("cmdR");
    QCOMPARE(button("cmdR")->Tag(), QStringLiteral("0.5"));
    QCOMPARE(button("cmdR")->Caption(), QStringLiteral("Restore R"));
    QCOMPARE(caption("lblRin"), QStringLiteral("100"));
    QCOMPARE(caption("lblRact"), QStringLiteral("200"));
    QCOMPARE(caption("lblYin"), QStringLiteral("-50"));
    verifyChannel("cirRG", "lblRGcolor", QColor(178, 0, 0), "Red");
    for (LineControl *link : links('R')) {
        QCOMPARE(link->BorderStyle(), 3);
        QCOMPARE(lineLook(shown(), link), LineLook::Dotted);
    }
    // The other cones' links stay solid.
    QCOMPARE(lineLook(shown(), line("linB")), LineLook::Solid);
    QCOMPARE(lineLook(shown(), line("linG(1)")), LineLook::Solid);

    click("cmdR");
    QCOMPARE(button("cmdR")->Tag(), QStringLiteral("1"));
    QCOMPARE(button("cmdR")->Caption(), QStringLiteral("Adapt R"));
    QCOMPARE(caption("lblRin"), QStringLiteral("200"));
    verifyChannel("cirRG", "lblRGcolor", QColor(228, 0, 0), "Red");
    for (LineControl *link : links('R')) {
        QCOMPARE(link->BorderStyle(), 1);
        QCOMPARE(lineLook(shown(), link), LineLook::Solid);
    }
}

void TestFrmColorOpponent::removingSilencesAndHides()
{
    testsupport::dragThumb(bar('G'), {150});
    bar('R')->setValue(100);
    verifyChannel("cirRG", "lblRGcolor", QColor(0, 153, 0), "Green");
    QCOMPARE(patchShown('G'), QColor(0, 150, 0));

    click("cmdRemoveG");
    QCOMPARE(button("cmdRemoveG")->Caption(), QStringLiteral("Replace G"));
    QCOMPARE(bar('G')->Value(), 0);
    QCOMPARE(caption("lblGact"), QStringLiteral("0"));
    QCOMPARE(caption("lblGin"), QStringLiteral("0"));
    QCOMPARE(caption("lblYin"), QStringLiteral("-50"));
    verifyChannel("cirRG", "lblRGcolor", QColor(178, 0, 0), "Red");
    verifyChannel("cirBY", "lblBYcolor", QColor(153, 153, 0), "Yellow");
    // Its bar, letter, value and links are gone from the screen; its patch
    // stays, black.
    QVERIFY(!bar('G')->Visible());
    QVERIFY(!label("lblG")->Visible());
    QVERIFY(!label("lblGact")->Visible());
    const QImage image = shown();
    QCOMPARE(image.pixelColor(bar('G')->geometry().center()), Black);
    for (LineControl *link : links('G')) {
        QVERIFY(!link->Visible());
        QCOMPARE(lineLook(image, link), LineLook::Hidden);
    }
    QCOMPARE(patchShown('G'), Black);
    QVERIFY(fixture.control<Shape>("rectG")->isVisible());
    // The other cones are untouched.
    QVERIFY(bar('R')->isVisible());
    QCOMPARE(lineLook(image, line("linR(1)")), LineLook::Solid);

    // A removed cone can still be adapted; only its hidden links change.
    click("cmdG");
    QCOMPARE(button("cmdG")->Caption(), QStringLiteral("Restore G"));
    QCOMPARE(line("linG(0)")->BorderStyle(), 3);
    QCOMPARE(lineLook(shown(), line("linG(0)")), LineLook::Hidden);

    click("cmdRemoveG");
    QCOMPARE(button("cmdRemoveG")->Caption(), QStringLiteral("Remove G"));
    QVERIFY(bar('G')->isVisible());
    QVERIFY(label("lblG")->isVisible());
    QVERIFY(label("lblGact")->isVisible());
    QCOMPARE(bar('G')->Value(), 0);
    QCOMPARE(bar('G')->bar()->value(), bar('G')->bar()->maximum());
    for (LineControl *link : links('G'))
        QCOMPARE(lineLook(shown(), link), LineLook::Dotted);
    verifyChannel("cirRG", "lblRGcolor", QColor(178, 0, 0), "Red");

    // Removing a silent cone hides it all the same.
    click("cmdRemoveB");
    QVERIFY(!bar('B')->Visible());
    QCOMPARE(lineLook(shown(), line("linB")), LineLook::Hidden);
    QCOMPARE(caption("lblBin"), QStringLiteral("0"));
    click("cmdRemoveB");
    QVERIFY(bar('B')->isVisible());
    QCOMPARE(lineLook(shown(), line("linB")), LineLook::Solid);
}

void TestFrmColorOpponent::roughHandling()
{
    testsupport::MessageRecorder boxes;
    const QStringList buttons = {"cmdB", "cmdRemoveG", "cmdR", "cmdRemoveR", "cmdG", "cmdRemoveB"};
    // Every bar at both ends with the buttons in many states, quick clicks
    // in between.
    for (int round = 0; round < 12; ++round) {
        click(buttons[round % buttons.size()]);
        click(buttons[(round * 5) % buttons.size()]);
        for (QChar cone : {'B', 'G', 'R'}) {
            if (!bar(cone)->isVisible())
                continue;
            bar(cone)->bar()->triggerAction(QAbstractSlider::SliderToMinimum);
            QCOMPARE(bar(cone)->Value(), 255);
            bar(cone)->bar()->triggerAction(QAbstractSlider::SliderToMaximum);
            QCOMPARE(bar(cone)->Value(), 0);
            bar(cone)->bar()->triggerAction(QAbstractSlider::SliderToMinimum);
        }
        // The output always agrees with what the controls say.
        const auto output = [&](QChar cone) {
            const double gain = button(QStringLiteral("cmd") + cone)->Tag().toDouble();
            return gain * bar(cone)->Value();
        };
        QCOMPARE(caption("lblBYout"), CStr(output('B') - (output('R') + output('G')) * 0.5));
        QCOMPARE(caption("lblRGout"), CStr(output('R') - output('G')));
    }
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join('\n')));
}

void TestFrmColorOpponent::reopeningStartsAfresh()
{
    bar('B')->setValue(200);
    click("cmdR");
    click("cmdRemoveG");
    form()->close(); // the close box
    testsupport::settle();
    QVERIFY(!form()->isLoaded());
    testsupport::choose(fixture.main(), QStringLiteral("mnuOpponentitem"));
    QVERIFY(testsupport::insideShown(form()));
    for (QChar cone : {'B', 'G', 'R'}) {
        QCOMPARE(bar(cone)->Value(), 0);
        QVERIFY(bar(cone)->isVisible());
        QCOMPARE(button(QStringLiteral("cmd") + cone)->Tag(), QStringLiteral("1"));
        QCOMPARE(button(QStringLiteral("cmd") + cone)->Caption(), QStringLiteral("Adapt ") + cone);
        QCOMPARE(button(QStringLiteral("cmdRemove") + cone)->Caption(), QStringLiteral("Remove ") + cone);
        QCOMPARE(patchShown(cone), Black);
        for (LineControl *link : links(cone))
            QCOMPARE(lineLook(shown(), link), LineLook::Solid);
    }
    QCOMPARE(caption("lblBin"), QStringLiteral("0"));
    verifyChannel("cirBY", "lblBYcolor", QColor(128, 128, 128), "Neutral");
    verifyChannel("cirRG", "lblRGcolor", QColor(128, 128, 128), "Neutral");
}

QTEST_MAIN(TestFrmColorOpponent)
#include "tst_frmcoloropponent.moc"
