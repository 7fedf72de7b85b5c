#include "frmmachbands.h"

#include "machbandsanimation.h"

using namespace forms;

FrmMachBands::FrmMachBands()
    : Form({.name = QStringLiteral("frmMachBands"),
            .caption = QStringLiteral("Mach Bands"),
            .clientWidth = 1695,
            .clientHeight = 1410,
            .border = Border::FixedSingle,
            .mdiChild = true})
{
}

void FrmMachBands::createControls()
{
    // The object is stored with the window; the window itself has no code.
    oleMachBands = add<OleContainer>(this, QStringLiteral("oleMachBands"), 240, 240, 1215, 975);
    oleMachBands->setObject({.icon = MachBandsAnimation::icon(),
                             .label = QStringLiteral("Mach Bands"),
                             .open = [](QWidget *owner) { return new MachBandsAnimation(owner); }});
}
