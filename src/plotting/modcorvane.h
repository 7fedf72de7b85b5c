#pragma once
// The vertical sine-wave grating shared by the spatial-frequency windows
// and the grating control library. This file and its source depend on the
// forms library alone, because the control library compiles them too.

#include "forms/surface.h"

namespace modCorvane {

// Clears the picture, then fills it with vertical lines 10 twips apart
// whose grey varies sinusoidally from left to right: `cycles` whole
// periods across the outer Width, mean grey 162.5, amplitude
// 62.5 * contrast (contrast 0 to 1), starting at the mean and getting
// lighter first. Leaves ForeColor at the grey of the last line and does
// not change DrawWidth.
void DrawGrating(forms::Surface &picture, double cycles, double contrast);

} // namespace modCorvane
