#include "frmcontrast.h"

using namespace forms;

namespace {
const QString ControlLibrary = QStringLiteral("corvane");
const QString ControlClass = QStringLiteral("Corvane.uctCorvane");
} // namespace

FrmContrast::FrmContrast()
    : Form({.name = QStringLiteral("frmContrast"),
            .caption = QStringLiteral("Measure Your Contrast Sensitivity"),
            .clientWidth = 10770,
            .clientHeight = 6030,
            .border = Border::Sizable,
            .startUp = StartUp::Default})
{
}

void FrmContrast::createControls()
{
    uctCorvane1 = nullptr;
    lblNoControl = nullptr;
    try {
        RegisterComponentLibrary(ControlLibrary);
        uctCorvane1 = CreateObject(ControlClass, this);
        uctCorvane1->setObjectName(QStringLiteral("uctCorvane1"));
        // 10455 x 5775 twips: 18441 x 10186 hundredths of a millimetre.
        uctCorvane1->Move(120, 120, 10455, 5775);
    } catch (const RuntimeError &error) {
        lblNoControl = add<Label>(this, QStringLiteral("lblNoControl"), 120, 120, 10455, 5775);
        lblNoControl->setAlignment(Label::Center);
        lblNoControl->setFontSpec(QStringLiteral("MS Sans Serif"), 9.75);
        lblNoControl->setCaption(
            QStringLiteral("The contrast-sensitivity grating (%1) cannot be shown: its library %2 "
                           "could not be used.\n\n%3")
                .arg(ControlClass, componentLibraryFile(ControlLibrary), error.message()));
    }
}
