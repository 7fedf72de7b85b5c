#include "modcorvane.h"

#include "forms/color.h"
#include "forms/numbers.h"

#include <cmath>

namespace modCorvane {

void DrawGrating(forms::Surface &picture, double cycles, double contrast)
{
    picture.Cls();
    double W = picture.Width();
    // A picture with no width has room for one line, at the mean grey.
    const double k = W > 0 ? 6.2831853 / W : 0.0;
    const double A = (125.0 * contrast) / 2.0;
    W = picture.Width();
    for (long i = 0; 10.0 * i <= W; ++i) {
        const double x = 10.0 * i;
        const double g = A * std::sin(k * (x * cycles)) + 162.5;
        // Rounded half to even: the mean 162.5 itself is grey 162.
        const int n = forms::CInt(g);
        picture.setForeColor(forms::RGB(n, n, n));
        picture.Line(x, 0, x, picture.Height());
    }
}

} // namespace modCorvane
