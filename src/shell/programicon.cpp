#include "programicon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

static void initProgramIconResource()
{
    Q_INIT_RESOURCE(programicon);
}

namespace shell {

QImage programIconImage(int size)
{
    initProgramIconResource();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/lumivara.svg"));
    QPainter p(&image);
    renderer.render(&p, QRectF(0, 0, size, size));
    return image;
}

const QList<int> &programIconSizes()
{
    static const QList<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : programIconSizes())
            i.addPixmap(QPixmap::fromImage(programIconImage(size)));
        return i;
    }();
    return icon;
}

} // namespace shell
