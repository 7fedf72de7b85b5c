#include "programicon.h"

#include <QPainter>
#include <QPixmap>

namespace shell {

namespace {
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    // Additive mixing of three lights, as in the colour mixer.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const double r = size * 0.27;
    const QPointF centres[3] = {{size * 0.37, size * 0.38}, {size * 0.63, size * 0.38}, {size * 0.5, size * 0.62}};
    const QColor colours[3] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawEllipse(centres[i], r, r);
    }
    return pixmap;
}
} // namespace

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            i.addPixmap(drawIcon(size));
        return i;
    }();
    return icon;
}

} // namespace shell
