// A picture loads whole or not at all: a damaged file (empty, cut short
// anywhere, garbage, a header without pixels, absurd sizes, a folder in its
// place) raises a clear error naming it, never a half-filled picture.

#include "support/testsupport.h"

#include <QTemporaryDir>
#include <QtEndian>

using namespace forms;

namespace {

QByteArray bitmapBytes(QImage::Format format, bool topDown = false)
{
    QImage image(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 3 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(format).save(&buffer, "BMP");
    if (topDown) // rows stored from the top: a negative height
        qToLittleEndian<qint32>(-21, bytes.data() + 22);
    return bytes;
}

QByteArray withField(QByteArray bytes, int at, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + at);
    return bytes;
}

} // namespace

class TestLoadPicture : public QObject
{
    Q_OBJECT

private slots:
    void damagedFiles_data();
    void damagedFiles();
    void wholePicturesLoad_data();
    void wholePicturesLoad();
};

void TestLoadPicture::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    const int invalid = int(ErrorCode::InvalidPicture);
    const QByteArray colour = bitmapBytes(QImage::Format_RGB888);
    const QByteArray mono = bitmapBytes(QImage::Format_Mono);
    QTest::newRow("empty") << QByteArray() << invalid;
    QTest::newRow("two bytes") << QByteArray("BM") << invalid;
    QTest::newRow("cut in the file header") << colour.left(10) << invalid;
    QTest::newRow("cut in the picture header") << colour.left(30) << invalid;
    QTest::newRow("header only") << colour.left(54) << invalid;
    QTest::newRow("cut after one row") << colour.left(54 + 37 * 3 + 1) << invalid;
    QTest::newRow("cut at half") << colour.left(colour.size() / 2) << invalid;
    QTest::newRow("one byte short") << colour.left(colour.size() - 1) << invalid;
    QTest::newRow("black and white, cut at half") << mono.left(mono.size() / 2) << invalid;
    QTest::newRow("black and white, one byte short") << mono.left(mono.size() - 1) << invalid;
    QTest::newRow("garbage") << QByteArray("not a picture at all, just words") << invalid;
    QTest::newRow("garbage after BM") << QByteArray("BM").append(QByteArray(200, '\x7f')) << invalid;
    QTest::newRow("huge width") << withField(colour, 18, 100000000) << invalid;
    QTest::newRow("huge height") << withField(colour, 22, 2000000000) << invalid;
    QTest::newRow("no width") << withField(colour, 18, 0) << invalid;
    QTest::newRow("negative width") << withField(colour, 18, -37) << invalid;
    QTest::newRow("pixels said to start beyond the end") << withField(colour, 10, 1 << 30) << invalid;
}

void TestLoadPicture::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    QFile file(dir.filePath(QStringLiteral("images/damaged.bmp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    try {
        LoadPicture(dir.filePath(QStringLiteral("images\\damaged.bmp")));
        QFAIL("a damaged picture loaded");
    } catch (const RuntimeError &e) {
        QCOMPARE(int(e.code()), error);
        QVERIFY2(e.message().contains(QStringLiteral("damaged.bmp")), qPrintable(e.message()));
    }
}

void TestLoadPicture::wholePicturesLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("upsideDown");
    QTest::newRow("24-bit") << bitmapBytes(QImage::Format_RGB888) << false;
    QTest::newRow("32-bit") << bitmapBytes(QImage::Format_RGB32) << false;
    QTest::newRow("8-bit grey") << bitmapBytes(QImage::Format_Grayscale8) << false;
    QTest::newRow("black and white") << bitmapBytes(QImage::Format_Mono) << false;
    // The same rows read from the top: the pattern turned upside down.
    QTest::newRow("rows from the top") << bitmapBytes(QImage::Format_RGB888, true) << true;
    QTest::newRow("with bytes to spare") << bitmapBytes(QImage::Format_RGB888).append(16, '\0') << false;
}

void TestLoadPicture::wholePicturesLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, upsideDown);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("whole.bmp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QImage picture = LoadPicture(dir.filePath(QStringLiteral("whole.bmp")));
    QCOMPARE(picture.size(), QSize(37, 21));
    for (const QPoint &at : {QPoint(0, 0), QPoint(1, 0), QPoint(36, 20), QPoint(10, 13)}) {
        const int y = upsideDown ? 20 - at.y() : at.y();
        QCOMPARE(qGray(picture.pixel(at)), (at.x() + y) % 3 ? 255 : 0);
    }
}

QTEST_MAIN(TestLoadPicture)
#include "tst_loadpicture.moc"
