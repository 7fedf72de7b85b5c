#include "windowtable.h"

#include "shell/aboutwindow.h"
#include "demos/colour/frmcolormixer.h"
#include "demos/colour/frmcoloropponent.h"
#include "demos/colour/frmdichromat.h"
#include "demos/colour/frmmonochromat.h"
#include "demos/colour/frmtrichromatic.h"
#include "demos/depth/frmmotionindepth.h"
#include "demos/depth/frmrds.h"
#include "demos/motion/frmappmot.h"
#include "demos/motion/frmframe.h"
#include "demos/motion/frmmotafter.h"
#include "demos/motion/frmstructfrommotion.h"
#include "demos/psychophysics/frmlininterp.h"
#include "demos/psychophysics/frmstdbasic.h"
#include "demos/psychophysics/frmpsychlaws.h"
#include "demos/spatial/frmballistic.h"
#include "demos/spatial/frmbasiclight.h"
#include "demos/spatial/frmcontrast.h"
#include "demos/spatial/frmcsf.h"
#include "demos/spatial/frmfourier.h"
#include "demos/spatial/frmlandc.h"
#include "demos/spatial/frmmachbands.h"
#include "demos/spatial/frmsfchannel.h"
#include "demos/spatial/frmsfchannels.h"
#include "demos/spatial/frmsimcon1.h"
#include "demos/spatial/frmsimulcontrast.h"

namespace shell {

namespace {
template <typename T>
std::function<forms::Form *()> make()
{
    return [] { return new T; };
}
} // namespace

const std::vector<WindowEntry> &windowTable()
{
    static const std::vector<WindowEntry> table = {
        {QStringLiteral("frmLinInterp"), make<FrmLinInterp>()},
        {QStringLiteral("frmSTDBasic"), make<FrmSTDBasic>()},
        {QStringLiteral("frmPsychLaws"), make<FrmPsychLaws>()},
        {QStringLiteral("frmBasicLight"), make<FrmBasicLight>()},
        {QStringLiteral("frmLandC"), make<FrmLandC>()},
        {QStringLiteral("frmBallistic"), make<FrmBallistic>()},
        {QStringLiteral("frmSimulContrast"), make<FrmSimulContrast>()},
        {QStringLiteral("frmSimCon1"), make<FrmSimCon1>()},
        {QStringLiteral("frmMachBands"), make<FrmMachBands>()},
        {QStringLiteral("frmFourier"), make<FrmFourier>()},
        {QStringLiteral("frmContrast"), make<FrmContrast>()},
        {QStringLiteral("frmCSF"), make<FrmCSF>()},
        {QStringLiteral("frmSFChannel"), make<FrmSFChannel>()},
        {QStringLiteral("frmSFChannels"), make<FrmSFChannels>()},
        {QStringLiteral("frmMonoChromat"), make<FrmMonoChromat>()},
        {QStringLiteral("frmDiChromat"), make<FrmDiChromat>()},
        {QStringLiteral("frmTrichromatic"), make<FrmTrichromatic>()},
        {QStringLiteral("frmColorMixer"), make<FrmColorMixer>()},
        {QStringLiteral("frmColorOpponent"), make<FrmColorOpponent>()},
        {QStringLiteral("frmAppMot"), make<FrmAppMot>()},
        {QStringLiteral("frmMotAfter"), make<FrmMotAfter>()},
        {QStringLiteral("frmFrame"), make<FrmFrame>()},
        {QStringLiteral("frmStructFromMotion"), make<FrmStructFromMotion>()},
        {QStringLiteral("frmMotionInDepth"), make<FrmMotionInDepth>()},
        {QStringLiteral("frmRDS"), make<FrmRDS>()},
        {QStringLiteral("frmAbout"), make<FrmAbout>()},
    };
    return table;
}

const WindowEntry *findWindow(const QString &name)
{
    for (const WindowEntry &entry : windowTable()) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

} // namespace shell
