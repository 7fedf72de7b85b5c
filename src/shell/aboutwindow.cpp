#include "aboutwindow.h"

#include "programicon.h"

using namespace forms;

FrmAbout::FrmAbout()
    : Form({.name = QStringLiteral("frmAbout"),
            .caption = QStringLiteral("Form1"),
            .clientWidth = 5415,
            .clientHeight = 3195,
            .border = Border::Sizable,
            .startUp = StartUp::Default})
{
}

void FrmAbout::createControls()
{
    const QString serif = QStringLiteral("Times New Roman");
    Label1 = add<Label>(this, QStringLiteral("Label1"), 1800, 240, 2415, 495);
    Label1->setCaption(QStringLiteral("Lumivara"));
    Label1->setFontSpec(serif, 20.25, true);
    Frame1 = add<Frame>(this, QStringLiteral("Frame1"), 360, 720, 4815, 615);
    Frame1->setCaption(QStringLiteral("Sensation and Perception"));
    Frame1->setFontSpec(serif, 20.25, true);
    Image1 = add<Image>(this, QStringLiteral("Image1"), 1200, 1560, 720, 720);
    Image1->setPicture(shell::programIcon().pixmap(48, 48).toImage());
    Image1->setStretch(true);
    Frame2 = add<Frame>(this, QStringLiteral("Frame2"), 3120, 1560, 1575, 255);
    Frame2->setCaption(QStringLiteral("Version 0.1"));
    Frame3 = add<Frame>(this, QStringLiteral("Frame3"), 3000, 2040, 1815, 255);
    Frame3->setCaption(QStringLiteral("by the Lumivara team"));
    Command1 = add<CommandButton>(this, QStringLiteral("Command1"), 3360, 2520, 1095, 375);
    Command1->setCaption(QStringLiteral("Close"));

    on(Command1, &CommandButton::Click, this, &FrmAbout::Command1_Click);
}

void FrmAbout::Command1_Click()
{
    Hide();
    Unload();
}
