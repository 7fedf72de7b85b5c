#pragma once
// A wheel with four spokes, drawn so that its turn follows its position:
// rolled along a surface without slipping.

#include "forms/surface.h"

namespace modCircle {

// Draws the wheel with its hub at (X, Y) and radius r on p, in p's current
// ForeColor and DrawWidth: the rim as a lower and an upper polyline with
// vertices 20 twips apart, then two diameters at right angles. The wheel's
// angle is -2 pi X / C, with the rim length C read from p's Tag, so that it
// has turned through exactly the distance its hub has travelled.
void DrawWheel(forms::Surface &p, double X, double Y, double r);

// The wheel's angle (radians) at hub position X, for rim length C.
double wheelAngle(double X, double C);

} // namespace modCircle
