#include "modcircle.h"

#include "forms/numbers.h"

#include <cmath>

namespace modCircle {

namespace {
// The value of pi the wheel's turn is worked out with.
constexpr double Pi = 3.14159265;
} // namespace

double wheelAngle(double X, double C)
{
    return -(2 * Pi * X) / C;
}

void DrawWheel(forms::Surface &p, double X, double Y, double r)
{
    // The rim: the lower half, then the upper half, each from the left end
    // to the right end.
    for (const double side : {1.0, -1.0}) {
        p.PSet(X - r, Y);
        for (double i = 5 - r; i <= r; i += 20)
            p.LineTo(X + i, Y + side * std::pow(r * r - i * i, 0.5));
        p.LineTo(X + r, Y);
    }

    // Two diameters at right angles: the four spokes.
    double theta = wheelAngle(X, forms::CDbl(p.Tag()));
    for (int spoke = 0; spoke < 2; ++spoke) {
        const double dx = r * std::cos(theta);
        const double dy = r * std::sin(theta);
        p.Line(X - dx, Y + dy, X + dx, Y - dy);
        theta += Pi / 2;
    }
}

} // namespace modCircle
