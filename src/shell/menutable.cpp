#include "menutable.h"

namespace shell {

const std::vector<MenuEntry> &menuTable()
{
    using A = MenuAction;
    static const std::vector<MenuEntry> table = {
        {1, "mnuFile", "&File", A::Submenu, {}},
        {2, "mnuExitItem", "E&xit", A::Exit, {}},
        {1, "mnuPsychophysicsItem", "&Psychophysics", A::Submenu, {}},
        {2, "mnuLinInterpItem", "Linear I&nterpolation Calculator", A::Toggle, "frmLinInterp"},
        {2, "mnuSTDBasicItem", "Basic &Signal Detection Theory", A::Toggle, "frmSTDBasic"},
        {2, "mnuPsychLawsItem", "Psychophysical Laws", A::Toggle, "frmPsychLaws"},
        {1, "mnuVision", "&Vision", A::Submenu, {}},
        {2, "mnuPhysicsVision", "&Physics and Anatomy of Vision", A::Submenu, {}},
        {3, "mnuLightItem", "&Basics of Light", A::Toggle, "frmBasicLight"},
        {2, "mnuFundVision", "Fundamental &Limits of Visual Functioning", A::Submenu, {}},
        {3, "mnuLandoldCitem", "&Landolt C", A::Open, "frmLandC"},
        {3, "mnuBallisticItem", "&Ballistic Saccades", A::Open, "frmBallistic"},
        {2, "mnuForm", "&Form", A::Submenu, {}},
        {3, "mnuObserveSimConItem", "&Observe Simultaneous Contrast", A::Toggle, "frmSimulContrast"},
        {3, "mnuTrySimConItem", "Try &Simultaneous Contrast", A::Toggle, "frmSimCon1"},
        {3, "mnuMachBandsItem", "&Mach Bands", A::Toggle, "frmMachBands"},
        {3, "mnuFourieritem", "&Fourier Analysis", A::Open, "frmFourier"},
        {3, "mnuMeasureConItem", "Measure Con&trast Sensitivity", A::Open, "frmContrast"},
        {3, "mnuContrastItem", "&Contrast Sensitivity Function", A::Open, "frmCSF"},
        {3, "mnuOneSFitem", "O&ne Spatial Frequency Channel?", A::Open, "frmSFChannel"},
        {3, "mnuChannelsItem", "S&patial Frequency Channels", A::Open, "frmSFChannels"},
        {2, "mnuChromatic", "&Chromatic Aspects of Vision", A::Submenu, {}},
        {3, "mnuMonoChromatItem", "&Monochormat", A::Open, "frmMonoChromat"},
        {3, "mnuDichromatsitem", "&Dichromats", A::Open, "frmDiChromat"},
        {3, "mnuTrichromaticItem", "&Trichromatic Theory", A::Open, "frmTrichromatic"},
        {3, "mnuColorMixerItem", "&Color Mixer", A::Toggle, "frmColorMixer"},
        {3, "mnuOpponentitem", "Color &Opponent", A::Open, "frmColorOpponent"},
        {2, "mnuMotion", "&Motion Perception", A::Submenu, {}},
        {3, "mnuApparentMotionItem", "&Apparant Motion", A::Toggle, "frmAppMot"},
        {3, "mnuSpiralitem", "&Spiral Aftereffect", A::Open, "frmMotAfter"},
        {3, "mnuFrameitem", "&Frame of Reference", A::Open, "frmFrame"},
        {3, "frmStructMotionitem", "S&tructure from Motion", A::Open, "frmStructFromMotion"},
        {2, "mnuThirdDim", "The &Third Dimention", A::Submenu, {}},
        {3, "mnuMotioninDepthitem", "&Motion in Depth", A::Open, "frmMotionInDepth"},
        {3, "mnuRDSitem", "&Random Dot Stereogram", A::Open, "frmRDS"},
        {2, "mnuConstancy", "Constancy and &Illusions", A::Nothing, {}},
        {1, "mnuAudition", "&Audition", A::Nothing, {}},
        {1, "mnuOtherSenses", "&Other Senses", A::Nothing, {}},
        {1, "mnuInteraction", "&Interaction of Senses", A::Nothing, {}},
        {1, "mnuDevelopment", "Perceptual &Development", A::Nothing, {}},
        {1, "mnuHelp", "&Help", A::Submenu, {}},
        {2, "mnuAboutItem", "About Lumivara", A::Open, "frmAbout"},
    };
    return table;
}

} // namespace shell
