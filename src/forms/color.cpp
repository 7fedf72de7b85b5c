#include "forms/color.h"

#include "forms/errors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {
quint32 component(double v)
{
    if (std::isnan(v))
        raise(ErrorCode::Overflow);
    // Round first, then clamp: 255.5 rounds to 256 and is then taken as 255.
    return static_cast<quint32>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

QPalette::ColorRole roleFor(OleColor code)
{
    switch (code) {
    case SystemColor::MenuBackground:
        return QPalette::Window;
    case SystemColor::WindowBackground:
        return QPalette::Base;
    case SystemColor::WindowText:
        return QPalette::Text;
    case SystemColor::AppWorkspace:
        return QPalette::Dark;
    case SystemColor::ButtonFace:
        return QPalette::Button;
    case SystemColor::ButtonText:
        return QPalette::ButtonText;
    default:
        // The windows use no other system colour; a plain background is the
        // least surprising stand-in.
        return QPalette::Window;
    }
}

// Classic desktop colours, for painting that happens before (or without) a
// GUI application, e.g. in tests that only render into an image.
QColor classicColor(QPalette::ColorRole role)
{
    switch (role) {
    case QPalette::Base:
        return QColor(255, 255, 255);
    case QPalette::Text:
    case QPalette::ButtonText:
        return QColor(0, 0, 0);
    case QPalette::Dark:
        return QColor(128, 128, 128);
    default:
        return QColor(192, 192, 192);
    }
}
} // namespace

OleColor RGB(double r, double g, double b)
{
    return component(r) | (component(g) << 8) | (component(b) << 16);
}

bool isSystemColor(OleColor c)
{
    return (c & 0xFF000000u) == 0x80000000u;
}

QColor toQColor(OleColor c)
{
    if (isSystemColor(c)) {
        const QPalette::ColorRole role = roleFor(c);
        // qGuiApp would blindly cast a plain QCoreApplication; palette()
        // needs a real GUI application.
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return QGuiApplication::palette().color(role);
        return classicColor(role);
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QRgb toRgb(OleColor c)
{
    if (isSystemColor(c))
        return toQColor(c).rgb();
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

OleColor fromQColor(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return OleColor(rgb.red()) | (OleColor(rgb.green()) << 8) | (OleColor(rgb.blue()) << 16);
}

} // namespace forms
