#pragma once
// Screen metrics in twips, from the screen a window is on (the primary
// screen when none is given).

class QWidget;

namespace forms::Screen {

double Width(const QWidget *on = nullptr);
double Height(const QWidget *on = nullptr);
double TwipsPerPixelX();
double TwipsPerPixelY();

} // namespace forms::Screen
