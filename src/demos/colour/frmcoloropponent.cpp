#include "frmcoloropponent.h"

#include <QPainter>
#include <QPixmap>

using namespace forms;

namespace {
constexpr OleColor Black = 0x000000;
constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Red = 0x0000FF;

// The two opponent channels, each a disc in the two colours it signals.
QIcon colorOpponentIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::black);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const double d = size * 0.46;
        const QRectF left(size * 0.02, (size - d) / 2, d, d);
        const QRectF right(size * 0.52, (size - d) / 2, d, d);
        const auto disc = [&p](const QRectF &r, const QColor &top, const QColor &bottom) {
            p.setBrush(top);
            p.drawPie(r, 0, 180 * 16);
            p.setBrush(bottom);
            p.drawPie(r, 180 * 16, 180 * 16);
        };
        disc(left, Qt::blue, Qt::yellow);
        disc(right, Qt::red, Qt::green);
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A channel's circle takes the colour it signals, its name the same hue.
void showChannel(Shape *circle, Label *name, OleColor fill, OleColor text, const char *caption)
{
    circle->setFillColor(fill);
    name->setForeColor(text);
    name->setCaption(QString::fromLatin1(caption));
}
} // namespace

FrmColorOpponent::FrmColorOpponent()
    : Form({.name = QStringLiteral("frmColorOpponent"),
            .caption = QStringLiteral("Color Opponent and Trichromatic Theory"),
            .clientWidth = 5505,
            .clientHeight = 7005,
            .border = Border::Sizable,
            .backColor = Black,
            .icon = colorOpponentIcon()})
{
}

void FrmColorOpponent::createControls()
{
    const auto label = [](Label *lbl, const QString &caption, int alignment = Label::LeftJustify) {
        lbl->setCaption(caption);
        lbl->setForeColor(White);
        lbl->setBackColor(Black);
        lbl->setAlignment(alignment);
        return lbl;
    };
    const auto named = [this, &label](const char *name, double l, double t, double w, double h,
                                      const char *caption, int alignment = Label::LeftJustify) {
        return label(add<Label>(this, QString::fromLatin1(name), l, t, w, h), QString::fromLatin1(caption),
                     alignment);
    };

    // Full activity with the thumb at the top: Min 255, Max 0.
    const auto bar = [this](const char *name, double left) {
        auto *b = add<VScrollBar>(this, QString::fromLatin1(name), left, 600, 135, 1695);
        b->setRange(255, 0);
        b->setValue(0);
        b->setSmallChange(1);
        b->setLargeChange(10);
        return b;
    };
    vscB = bar("vscB", 600);
    vscG = bar("vscG", 1680);
    vscR = bar("vscR", 2760);

    const auto patch = [this](const char *name, double left) {
        auto *shape = add<Shape>(this, QString::fromLatin1(name), left, 1080, 255, 615);
        shape->setBackStyle(1);
        shape->setBackColor(Black);
        return shape;
    };
    rectB = patch("rectB", 960);
    rectG = patch("rectG", 2040);
    rectR = patch("rectR", 3120);

    lblB = named("lblB", 720, 2640, 135, 255, "B");
    lblG = named("lblG", 1680, 2640, 135, 255, "G");
    lblR = named("lblR", 2760, 2640, 135, 255, "R");
    lblBAct = named("lblBAct", 840, 2640, 375, 255, "0", Label::RightJustify);
    lblGact = named("lblGact", 1800, 2640, 375, 255, "0", Label::RightJustify);
    lblRact = named("lblRact", 2880, 2640, 375, 255, "0", Label::RightJustify);

    // Excitatory links white, inhibitory ones red.
    const auto line = [this](ControlArray<LineControl> &array, int index, double x1, double y1, double x2,
                             double y2, OleColor colour) {
        LineControl *member = addIndexed(array, this, index, x1, y1, 0, 0);
        member->setPoints(x1, y1, x2, y2);
        member->setBorderColor(colour);
    };
    linB = addLine(this, QStringLiteral("linB"), 960, 2880, 1200, 4560);
    linB->setBorderColor(White);
    line(linG, 0, 2040, 2880, 1320, 4560, Red);
    line(linR, 0, 3000, 2880, 1320, 4560, Red);
    line(linG, 1, 2040, 2880, 2640, 4560, Red);
    line(linR, 1, 3000, 2880, 2640, 4560, White);

    // The channels: circles coloured through their fill, with their names
    // on top in black on a transparent background.
    const auto channel = [this](const char *name, double left) {
        auto *circle = add<Shape>(this, QString::fromLatin1(name), left, 4560, 615, 615);
        circle->setShapeKind(Shape::Circle);
        circle->setFillStyle(0);
        circle->setFillColor(0xC0C0C0);
        return circle;
    };
    const auto circleCaption = [this](const char *name, double left, const char *caption) {
        auto *lbl = add<Label>(this, QString::fromLatin1(name), left, 4680, 375, 375);
        lbl->setCaption(QString::fromLatin1(caption));
        lbl->setForeColor(Black);
        lbl->setBackStyle(0);
        lbl->setAlignment(Label::Center);
        return lbl;
    };
    cirBY = channel("cirBY", 960);
    Label2 = circleCaption("Label2", 1080, "+B -Y");
    cirRG = channel("cirRG", 2280);
    Label3 = circleCaption("Label3", 2400, "+R -G");

    label(addIndexed(Label1, this, 0, 600, 4920, 375, 255), QStringLiteral("Input"));
    label(addIndexed(Label4, this, 0, 1920, 4920, 375, 255), QStringLiteral("Input"));
    label(addIndexed(Label5, this, 0, 720, 5280, 135, 255), QStringLiteral("B"));
    label(addIndexed(Label5, this, 1, 720, 5520, 135, 255), QStringLiteral("Y"));
    lblBin = named("lblBin", 1080, 5280, 495, 255, "Label6", Label::RightJustify);
    lblYin = named("lblYin", 1080, 5520, 495, 255, "Label6", Label::RightJustify);
    label(addIndexed(Label5, this, 2, 2040, 5280, 135, 255), QStringLiteral("R"));
    label(addIndexed(Label5, this, 3, 2040, 5520, 135, 255), QStringLiteral("G"));
    lblRin = named("lblRin", 2400, 5280, 495, 255, "Label6", Label::RightJustify);
    lblGin = named("lblGin", 2400, 5520, 495, 255, "Label6", Label::RightJustify);

    // A summing bar under each pair of inputs.
    line(Line6, 0, 480, 5880, 1680, 5880, White);
    line(Line6, 1, 1800, 5880, 3000, 5880, White);

    label(addIndexed(Label1, this, 1, 480, 6000, 495, 255), QStringLiteral("Output"));
    label(addIndexed(Label4, this, 1, 1800, 6000, 495, 255), QStringLiteral("Output"));
    lblBYout = named("lblBYout", 1080, 6000, 495, 255, "Label6", Label::RightJustify);
    lblRGout = named("lblRGout", 2400, 6000, 495, 255, "Label6", Label::RightJustify);

    const auto colourName = [&named](const char *name, double left) {
        Label *lbl = named(name, left, 6360, 855, 255, "Label6", Label::RightJustify);
        lbl->setFontSpec(QStringLiteral("MS Sans Serif"), 12);
        lbl->setBackStyle(0);
        return lbl;
    };
    lblBYcolor = colourName("lblBYcolor", 720);
    lblRGcolor = colourName("lblRGcolor", 2040);

    const auto button = [this](const char *name, double top, const char *caption) {
        auto *cmd = add<CommandButton>(this, QString::fromLatin1(name), 3840, top, 975, 255);
        cmd->setCaption(QString::fromLatin1(caption));
        return cmd;
    };
    // The adapt buttons keep the cone's gain in their Tag.
    cmdB = button("cmdB", 840, "Adapt B");
    cmdG = button("cmdG", 1200, "Adapt G");
    cmdR = button("cmdR", 1560, "Adapt R");
    for (CommandButton *cmd : {cmdB, cmdG, cmdR})
        cmd->setTag(QStringLiteral("1"));
    cmdRemoveB = button("cmdRemoveB", 2760, "Remove B");
    cmdRemoveG = button("cmdRemoveG", 3120, "Remove G");
    cmdRemoveR = button("cmdRemoveR", 3480, "Remove R");

    on(vscB, &ScrollBar::Change, this, &FrmColorOpponent::vscB_Change);
    on(vscB, &ScrollBar::Scroll, this, &FrmColorOpponent::vscB_Scroll);
    on(vscG, &ScrollBar::Change, this, &FrmColorOpponent::vscG_Change);
    on(vscG, &ScrollBar::Scroll, this, &FrmColorOpponent::vscG_Scroll);
    on(vscR, &ScrollBar::Change, this, &FrmColorOpponent::vscR_Change);
    on(vscR, &ScrollBar::Scroll, this, &FrmColorOpponent::vscR_Scroll);
    on(cmdB, &CommandButton::Click, this, &FrmColorOpponent::cmdB_Click);
    on(cmdG, &CommandButton::Click, this, &FrmColorOpponent::cmdG_Click);
    on(cmdR, &CommandButton::Click, this, &FrmColorOpponent::cmdR_Click);
    on(cmdRemoveB, &CommandButton::Click, this, &FrmColorOpponent::cmdRemoveB_Click);
    on(cmdRemoveG, &CommandButton::Click, this, &FrmColorOpponent::cmdRemoveG_Click);
    on(cmdRemoveR, &CommandButton::Click, this, &FrmColorOpponent::cmdRemoveR_Click);
}

// The patches and cone value labels keep their design black and "0" until
// a bar moves; only the channels are computed now.
void FrmColorOpponent::Form_Load()
{
    UpdateOpponent();
}

void FrmColorOpponent::vscB_Change()
{
    lblBAct->setCaption(CStr(vscB->Value()));
    rectB->setBackColor(RGB(0, 0, vscB->Value()));
    UpdateOpponent();
}

void FrmColorOpponent::vscG_Change()
{
    lblGact->setCaption(CStr(vscG->Value()));
    rectG->setBackColor(RGB(0, vscG->Value(), 0));
    UpdateOpponent();
}

void FrmColorOpponent::vscR_Change()
{
    lblRact->setCaption(CStr(vscR->Value()));
    rectR->setBackColor(RGB(vscR->Value(), 0, 0));
    UpdateOpponent();
}

void FrmColorOpponent::vscB_Scroll() { vscB_Change(); }
void FrmColorOpponent::vscG_Scroll() { vscG_Change(); }
void FrmColorOpponent::vscR_Scroll() { vscR_Change(); }

void FrmColorOpponent::UpdateOpponent()
{
    // A cone's output is its activity times its gain (1, or 0.5 adapted).
    const double Bo = CDbl(cmdB->Tag()) * vscB->Value();
    const double Go = CDbl(cmdG->Tag()) * vscG->Value();
    const double Ro = CDbl(cmdR->Tag()) * vscR->Value();

    lblBin->setCaption(CStr(Bo));
    lblYin->setCaption(CStr(0 - (Ro + Go) * 0.5));
    lblRin->setCaption(CStr(Ro));
    lblGin->setCaption(CStr(0 - Go));
    const double BY = Bo - (Ro + Go) * 0.5;
    const double RG = Ro - Go;
    lblBYout->setCaption(CStr(BY));
    lblRGout->setCaption(CStr(RG));

    // The further from balance, the brighter the circle. |BY| or |RG| of
    // 255 gives 255.5, which rounds to 256 and counts as 255.
    if (BY > 0)
        showChannel(cirBY, lblBYcolor, RGB(0, 0, CInt(128 + BY / 2)), RGB(0, 0, 255), "Blue");
    else if (BY < 0)
        showChannel(cirBY, lblBYcolor, RGB(CInt(128 - BY / 2), CInt(128 - BY / 2), 0), RGB(255, 255, 0), "Yellow");
    else
        showChannel(cirBY, lblBYcolor, RGB(128, 128, 128), RGB(175, 175, 175), "Neutral");

    if (RG > 0)
        showChannel(cirRG, lblRGcolor, RGB(CInt(128 + RG / 2), 0, 0), RGB(255, 0, 0), "Red");
    else if (RG < 0)
        showChannel(cirRG, lblRGcolor, RGB(0, CInt(128 - RG / 2), 0), RGB(0, 255, 0), "Green");
    else
        showChannel(cirRG, lblRGcolor, RGB(128, 128, 128), RGB(175, 175, 175), "Neutral");
}

FrmColorOpponent::Cone FrmColorOpponent::coneB() const
{
    return {QStringLiteral("B"), vscB, lblB, lblBAct, cmdB, cmdRemoveB, {linB}};
}

FrmColorOpponent::Cone FrmColorOpponent::coneG() const
{
    return {QStringLiteral("G"), vscG, lblG, lblGact, cmdG, cmdRemoveG, {linG[0], linG[1]}};
}

FrmColorOpponent::Cone FrmColorOpponent::coneR() const
{
    return {QStringLiteral("R"), vscR, lblR, lblRact, cmdR, cmdRemoveR, {linR[0], linR[1]}};
}

void FrmColorOpponent::cmdB_Click() { toggleAdaptation(coneB()); }
void FrmColorOpponent::cmdG_Click() { toggleAdaptation(coneG()); }
void FrmColorOpponent::cmdR_Click() { toggleAdaptation(coneR()); }
void FrmColorOpponent::cmdRemoveB_Click() { toggleRemoval(coneB()); }
void FrmColorOpponent::cmdRemoveG_Click() { toggleRemoval(coneG()); }
void FrmColorOpponent::cmdRemoveR_Click() { toggleRemoval(coneR()); }

// An adapted cone fires at half its rate; its links turn dotted.
void FrmColorOpponent::toggleAdaptation(const Cone &cone)
{
    const bool adapting = CDbl(cone.adapt->Tag()) == 1;
    cone.adapt->setTag(adapting ? QStringLiteral("0.5") : QStringLiteral("1"));
    cone.adapt->setCaption((adapting ? QStringLiteral("Restore ") : QStringLiteral("Adapt ")) + cone.letter);
    for (LineControl *line : cone.links)
        line->setBorderStyle(adapting ? LineControl::Dot : LineControl::Solid);
    UpdateOpponent();
}

// A removed cone is silenced (its bar goes to 0, which raises the bar's
// Change) and its controls and links disappear; its black patch stays.
// Replaced, it comes back silent.
void FrmColorOpponent::toggleRemoval(const Cone &cone)
{
    const bool removing = cone.remove->Caption() == QStringLiteral("Remove ") + cone.letter;
    if (removing) {
        cone.remove->setCaption(QStringLiteral("Replace ") + cone.letter);
        cone.bar->setValue(0);
    } else {
        cone.remove->setCaption(QStringLiteral("Remove ") + cone.letter);
    }
    cone.bar->setVisible(!removing);
    cone.letterLabel->setVisible(!removing);
    cone.valueLabel->setVisible(!removing);
    for (LineControl *line : cone.links)
        line->setVisible(!removing);
    UpdateOpponent();
}
