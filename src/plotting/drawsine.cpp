#include "drawsine.h"

#include <cmath>

namespace DrawSine {

void DrawSineWave(forms::Surface &surface, double cycles, double amplitude)
{
    const double H = surface.Height();
    const double A = (H / 55.0) * amplitude;
    const double M = H / 2.0;
    const double W = surface.Width();
    // A surface with no width has room for its first point only.
    const double k = W > 0 ? (6.2831853 / W) * cycles : 0.0;

    surface.setDrawWidth(2);
    surface.PSet(0, M + A * std::sin(0 * k));
    // Counting steps rather than adding 10 each time keeps the last x an
    // exact multiple of 10, so it lands on W when W is one.
    for (long i = 0; 10.0 * i <= W; ++i) {
        const double x = 10.0 * i;
        surface.LineTo(x, M + A * std::sin(x * k));
    }
}

} // namespace DrawSine
