#pragma once
// A light wave drawn as a sine curve across a drawing surface.

#include "forms/surface.h"

namespace DrawSine {

// Draws `cycles` whole periods across the surface's outer Width, about its
// mid-line H/2, with a peak deflection of `amplitude` x H/55 (callers pass
// 0 to 25). The first half-period bulges downward. Points 10 twips apart
// are joined by straight segments in the current ForeColor; the surface is
// not cleared first, and its DrawWidth is left at 2.
void DrawSineWave(forms::Surface &surface, double cycles, double amplitude);

} // namespace DrawSine
