#include "frmcsf.h"

// The chart is compiled into the program; a static library has to
// register its resources by hand.
static void registerStoredChart()
{
    Q_INIT_RESOURCE(frmcsf);
}

using namespace forms;

namespace {
// The 485 x 386 chart (tools/csfgen writes it).
const QImage &storedChart()
{
    static const QImage chart = [] {
        registerStoredChart();
        return QImage(QStringLiteral(":/frmCSF/chart.png"));
    }();
    return chart;
}
} // namespace

FrmCSF::FrmCSF()
    : Form({.name = QStringLiteral("frmCSF"),
            .caption = QStringLiteral("Constrast Sensitivity Function"),
            .clientWidth = 7290,
            .clientHeight = 5670,
            .border = Border::Sizable,
            .backColor = 0xFFFFFF,
            .startUp = StartUp::Default})
{
}

void FrmCSF::createControls()
{
    // Unscaled at the top left of the white client area.
    setPicture(storedChart());
}
