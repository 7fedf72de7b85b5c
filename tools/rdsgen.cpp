// Makes the random-dot stereogram's pictures: one field of 2 x 2-pixel
// dots, about half of them lit, in four colourings that must all show the
// very same pattern (the stereogram copies rectangles between them):
//
//   images/RDS.bmp            lit dots white  (the LCD-glasses view)
//   images/LeftEyeRDS.bmp     lit dots red    (the anaglyph's left eye)
//   stored/frmrds-lefteye.png   lit dots white  (shipped with the window)
//   stored/frmrds-righteye.png  lit dots blue   (shipped with the window)
//
//   rdsgen ASSETS_DIR           writes the four files under ASSETS_DIR
//   rdsgen --check ASSETS_DIR   exits 1 unless the files there hold exactly
//                               the pixels this generator makes
//
// The pattern comes from std::mt19937 with a fixed seed, whose output the
// C++ standard fixes, so every run on every platform makes the same dots.
// The pictures have two colours each and are written as two-colour
// (1-bit) files, which keeps them small; readers expand them to 24 bits.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <random>

namespace {

constexpr int PictureWidth = 792;
constexpr int PictureHeight = 573;
constexpr int DotSize = 2;
constexpr std::mt19937::result_type Seed = 19970501;

struct Output
{
    const char *path;
    QRgb lit;
};

const Output outputs[] = {
    {"images/RDS.bmp", qRgb(255, 255, 255)},
    {"images/LeftEyeRDS.bmp", qRgb(255, 0, 0)},
    {"stored/frmrds-lefteye.png", qRgb(255, 255, 255)},
    {"stored/frmrds-righteye.png", qRgb(0, 0, 255)},
};

// One bit per dot, row by row; a dot on the last, odd pixel row is cut in half.
QImage dotPattern(QRgb lit)
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_Mono);
    picture.setColorTable({qRgb(0, 0, 0), lit});
    picture.fill(0);
    std::mt19937 random(Seed);
    for (int dy = 0; dy < PictureHeight; dy += DotSize) {
        for (int dx = 0; dx < PictureWidth; dx += DotSize) {
            if ((random() >> 31) == 0)
                continue;
            for (int y = dy; y < std::min(dy + DotSize, PictureHeight); ++y)
                for (int x = dx; x < dx + DotSize; ++x)
                    picture.setPixel(x, y, 1);
        }
    }
    return picture;
}

int write(const QDir &assets)
{
    for (const Output &out : outputs) {
        const QString path = assets.filePath(QString::fromLatin1(out.path));
        if (!QDir().mkpath(QFileInfo(path).path()) || !dotPattern(out.lit).save(path)) {
            QTextStream(stderr) << "rdsgen: cannot write " << path << '\n';
            return 2;
        }
    }
    return 0;
}

int check(const QDir &assets)
{
    int failures = 0;
    for (const Output &out : outputs) {
        const QString path = assets.filePath(QString::fromLatin1(out.path));
        const QImage stored(path);
        const QImage wanted = dotPattern(out.lit).convertToFormat(QImage::Format_RGB32);
        if (stored.isNull() || stored.convertToFormat(QImage::Format_RGB32) != wanted) {
            QTextStream(stderr) << "rdsgen: " << path << " differs from what the generator makes\n";
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
        QTextStream(stderr) << "usage: rdsgen [--check] ASSETS_DIR\n";
        return 2;
    }
    const QDir assets(args.first());
    return checking ? check(assets) : write(assets);
}
