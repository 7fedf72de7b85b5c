// Makes the pictures of the motion demonstrations:
//
//   images/spiral 00.bmp ... images/spiral 350.bmp
//       the 36 frames of the aftereffect spiral, frame i turned 10 i degrees
//       clockwise: a five-armed Archimedean spiral, black and white, in a
//       467 x 467 square (the size it is shown at, so it is never blurred by
//       stretching), written as two-colour (1-bit) bitmaps of about 28 KB
//   stored/frmstructfrommotion-field.png
//       the 556 x 390 grey random-dot field shipped with the structure-from-
//       motion window: single-pixel dots, about 40 % light and 60 % dark,
//       most of them pure white or pure black and the rest a little off
//
//   motiongen ASSETS_DIR           writes the files under ASSETS_DIR
//   motiongen --check ASSETS_DIR   exits 1 unless the files there hold exactly
//                                  the pixels this generator makes
//
// The dots come from std::mt19937 with a fixed seed, whose output the C++
// standard fixes. The spiral is sampled 4 x 4 times per pixel and a pixel is
// black when most of its samples fall on a black arm, so its edges are as
// smooth as two colours allow.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr int SpiralSize = 467;
constexpr int SpiralFrames = 36;
// Five arms: 72 degrees apart, so no two of the 36 frames are alike.
constexpr int SpiralArms = 5;
// Along any ray from the centre, one black and one white stripe every
// SpiralPitch pixels; each arm winds once round over SpiralArms times that.
constexpr double SpiralPitch = 40.0;
constexpr int SamplesPerSide = 4;

constexpr int FieldWidth = 556;
constexpr int FieldHeight = 390;
constexpr std::mt19937::result_type FieldSeed = 19900412;

QString spiralPath(int i)
{
    // The index and a "0" after one blank: the angle in degrees, as in
    // "spiral 00.bmp", "spiral 350.bmp".
    return QStringLiteral("images/spiral ") + QString::number(i) + QStringLiteral("0.bmp");
}

const QString FieldPath = QStringLiteral("stored/frmstructfrommotion-field.png");

// Whether a point (pixels from the centre, y downwards) lies on a black
// arm of the spiral turned `turn` radians clockwise. Along any ray the arms
// alternate black and white; each arm's phase grows with the distance from
// the centre, so the stripes wind outward.
bool onBlackArm(double x, double y, double turn)
{
    const double angle = std::atan2(y, x) - turn; // clockwise on screen
    const double phase = std::hypot(x, y) / SpiralPitch - SpiralArms * angle / (2 * std::numbers::pi);
    return phase - std::floor(phase) < 0.5;
}

QImage spiral(int frame)
{
    QImage picture(SpiralSize, SpiralSize, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const double turn = frame * 10 * std::numbers::pi / 180;
    const double centre = SpiralSize / 2.0;
    constexpr int samples = SamplesPerSide * SamplesPerSide;
    for (int py = 0; py < SpiralSize; ++py) {
        for (int px = 0; px < SpiralSize; ++px) {
            int black = 0;
            for (int sy = 0; sy < SamplesPerSide; ++sy) {
                for (int sx = 0; sx < SamplesPerSide; ++sx) {
                    const double x = px + (sx + 0.5) / SamplesPerSide - centre;
                    const double y = py + (sy + 0.5) / SamplesPerSide - centre;
                    black += onBlackArm(x, y, turn);
                }
            }
            picture.setPixel(px, py, 2 * black > samples ? 1 : 0);
        }
    }
    return picture;
}

// Grey levels of the field: a dot is light with probability 0.4; nine in ten
// dots are pure, the others a little off white or black.
QImage field()
{
    QImage picture(FieldWidth, FieldHeight, QImage::Format_Grayscale8);
    std::mt19937 random(FieldSeed);
    for (int y = 0; y < FieldHeight; ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < FieldWidth; ++x) {
            const auto draw = random();
            const bool light = draw % 10 < 4;
            const bool pure = (draw / 10) % 10 != 0;
            const int off = int((draw / 100) % 48); // 0..47
            row[x] = uchar(light ? (pure ? 255 : 208 + off) : (pure ? 0 : off));
        }
    }
    return picture;
}

struct Output
{
    QString path;
    QImage picture;
};

QList<Output> outputs()
{
    QList<Output> list;
    for (int i = 0; i < SpiralFrames; ++i)
        list.append({spiralPath(i), spiral(i)});
    list.append({FieldPath, field()});
    return list;
}

int write(const QDir &assets)
{
    for (const Output &out : outputs()) {
        const QString path = assets.filePath(out.path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !out.picture.save(path)) {
            QTextStream(stderr) << "motiongen: cannot write " << path << '\n';
            return 2;
        }
    }
    return 0;
}

int check(const QDir &assets)
{
    int failures = 0;
    for (const Output &out : outputs()) {
        const QString path = assets.filePath(out.path);
        const QImage stored(path);
        if (stored.isNull() || stored.size() != out.picture.size()
            || stored.convertToFormat(QImage::Format_RGB32) != out.picture.convertToFormat(QImage::Format_RGB32)) {
            QTextStream(stderr) << "motiongen: " << path << " differs from what the generator makes\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
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
        QTextStream(stderr) << "usage: motiongen [--check] ASSETS_DIR\n";
        return 2;
    }
    const QDir assets(args.first());
    return checking ? check(assets) : write(assets);
}
