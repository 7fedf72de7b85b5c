// Makes the contrast-sensitivity chart stored with its window:
//
//   stored/frmcsf-chart.png   485 x 386 pixels, 24-bit
//
//   csfgen ASSETS_DIR           writes it under ASSETS_DIR
//   csfgen --check ASSETS_DIR   exits 1 unless the file there holds exactly
//                               the pixels this generator makes
//
// A vertical sine-wave grating of mean grey 162.5 fills the inside of a
// one-pixel black frame from (8, 8) to (476, 376) on a light-grey
// (192, 192, 192) margin. From left to right its period shrinks
// geometrically, from 300 pixels at the left edge (the first bar, a half
// period, is 100 pixels wide) to 9 pixels at the right (bars of four to
// five pixels), so equal distances are equal ratios of spatial frequency. From
// top to bottom its amplitude grows from zero to 12 grey levels as
// 2^(5 s) - 1 (s from 0 at the top to 1 at the bottom), nearly doubling
// every fifth of the height, so the low contrasts near threshold get as
// much room as the high ones. Where the bars can no longer be told from
// the grey, the boundary traces the viewer's sensitivity. Greys are
// rounded half to even, as the program rounds.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <cmath>

namespace {

constexpr int ChartWidth = 485;
constexpr int ChartHeight = 386;
constexpr QRgb Margin = 0xFFC0C0C0;
constexpr QRgb FrameColour = 0xFF000000;
// The frame's corners; the grating fills what lies between them.
constexpr int FrameLeft = 8, FrameTop = 8, FrameRight = 476, FrameBottom = 376;

constexpr double MeanGrey = 162.5;
constexpr double MostAmplitude = 12;   // grey levels, at the bottom row
constexpr double ContrastOctaves = 5;  // from the second row to the bottom
constexpr double WidestPeriod = 300;   // pixels, at the left edge
constexpr double NarrowestPeriod = 9;  // pixels, at the right edge
constexpr const char *Output = "stored/frmcsf-chart.png";

int roundHalfEven(double x) { return int(std::nearbyint(x)); }

QImage chart()
{
    QImage picture(ChartWidth, ChartHeight, QImage::Format_RGB888);
    picture.fill(Margin);
    const int left = FrameLeft + 1, top = FrameTop + 1;
    const int width = FrameRight - left, height = FrameBottom - top;

    // Period P(u) = WidestPeriod * r^(u / width) at u pixels from the left
    // edge; the phase is 2 pi times the integral of 1 / P.
    const double k = std::log(NarrowestPeriod / WidestPeriod) / width;
    const auto phase = [k](double u) { return 2 * M_PI * (std::exp(-k * u) - 1) / (-k * WidestPeriod); };

    for (int y = 0; y < height; ++y) {
        const double s = double(y) / (height - 1);
        const double amplitude = MostAmplitude * (std::exp2(ContrastOctaves * s) - 1)
                                 / (std::exp2(ContrastOctaves) - 1);
        uchar *row = picture.scanLine(top + y);
        for (int x = 0; x < width; ++x) {
            const int grey = roundHalfEven(MeanGrey + amplitude * std::sin(phase(x + 0.5)));
            uchar *p = row + 3 * (left + x);
            p[0] = p[1] = p[2] = uchar(grey);
        }
    }
    for (int x = FrameLeft; x <= FrameRight; ++x) {
        picture.setPixel(x, FrameTop, FrameColour);
        picture.setPixel(x, FrameBottom, FrameColour);
    }
    for (int y = FrameTop; y <= FrameBottom; ++y) {
        picture.setPixel(FrameLeft, y, FrameColour);
        picture.setPixel(FrameRight, y, FrameColour);
    }
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool checking = !args.isEmpty() && args.first() == QLatin1String("--check");
    if (checking)
        args.removeFirst();
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: csfgen [--check] ASSETS_DIR\n";
        return 2;
    }
    const QString path = QDir(args.first()).filePath(QString::fromLatin1(Output));
    const QImage wanted = chart();
    if (checking) {
        const QImage stored(path);
        if (stored.isNull() || stored.convertToFormat(QImage::Format_RGB888) != wanted) {
            QTextStream(stderr) << "csfgen: " << path << " differs from what the generator makes\n";
            return 1;
        }
        return 0;
    }
    if (!QDir().mkpath(QFileInfo(path).path()) || !wanted.save(path)) {
        QTextStream(stderr) << "csfgen: cannot write " << path << '\n';
        return 2;
    }
    return 0;
}
