#pragma once
#include <QIcon>
#include <QImage>

namespace shell {
// The program's icon: three overlapping lights, the course's emblem. It is
// drawn once, in assets/icons/org.lumivara.Lumivara.svg; the window icon
// and the icons installed for the desktop are rendered from that drawing.
QIcon programIcon();
// The icon rendered at size x size pixels, on a transparent background.
QImage programIconImage(int size);
// The sizes the window icon carries, which are also the sizes installed
// as PNGs beside the SVG.
const QList<int> &programIconSizes();
} // namespace shell
