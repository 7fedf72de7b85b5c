#include "forms/screen.h"

#include "forms/control.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace forms::Screen {

namespace {
QSize screenSize(const QWidget *on)
{
    const QScreen *screen = on && on->screen() ? on->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}
} // namespace

double Width(const QWidget *on) { return screenSize(on).width() * TwipsPerPixel; }
double Height(const QWidget *on) { return screenSize(on).height() * TwipsPerPixel; }
double TwipsPerPixelX() { return TwipsPerPixel; }
double TwipsPerPixelY() { return TwipsPerPixel; }

} // namespace forms::Screen
