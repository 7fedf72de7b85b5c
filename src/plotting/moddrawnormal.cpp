#include "moddrawnormal.h"

#include "forms/color.h"
#include "forms/numbers.h"

#include <cmath>

namespace modDrawNormal {

std::array<qint16, 61> TailPercentTable{};

namespace {

const double RootTwoPi = std::pow(6.2831853, 0.5);

// One curve of the shared plot geometry. A standard deviation of zero or
// less describes no curve at all: such a curve is not drawn (no caller
// asks for one).
struct Curve
{
    double H;
    double M;
    double S;
    double k;

    bool drawable() const { return S > 0; }
    double y(double x) const
    {
        return H - 1500.0 * k * H * std::exp(-(x - M) * (x - M) / (2.0 * S * S)) / (RootTwoPi * S);
    }
};

// The polyline both curve routines draw: a point at x = 0, then a segment
// to every multiple of 30 up to W, in the surface's ForeColor.
void drawPolyline(forms::Surface &surface, const Curve &curve, double W)
{
    if (!curve.drawable())
        return;
    surface.PSet(0, curve.y(0));
    for (long i = 0; 30.0 * i <= W; ++i) {
        const double x = 30.0 * i;
        surface.LineTo(x, curve.y(x));
    }
}

} // namespace

void DrawNormalCurve(double mean, double sd, forms::Surface &surface, double red, double green,
                     double blue)
{
    const double H = surface.Height();
    const double W = surface.Width();
    const Curve curve{H, mean * W / 12.0, sd * W / 12.0, 1.0};
    surface.setForeColor(forms::RGB(red, green, blue));
    drawPolyline(surface, curve, W);
}

void ShadeNormalTail(double mean, double sd, double &criterion, bool rightSide,
                     forms::Surface &surface, double red, double green, double blue)
{
    constexpr double Step = 100;
    const double H = surface.Height();
    const double W = surface.Width();
    const Curve curve{H, mean * W / 12.0, sd * W / 12.0, 1.0};
    criterion = W * criterion / 12.0;
    const forms::OleColor c = forms::RGB(red, green, blue);
    if (!curve.drawable())
        return;

    // The hatch lines lie on the grid criterion + 100 j. Lines more than a
    // step beyond the surface's edges cannot show, so the walk starts at the
    // first grid line within a step of the surface: a criterion far off the
    // plot (9e99 typed as a value) then costs nothing instead of a loop
    // that would never end. An infinite criterion has no grid; its tail
    // covers the whole plot.
    const auto hatch = [&](double x) { surface.Line(x, curve.y(x) + 20, x, H, c); };
    if (rightSide) {
        double x = criterion;
        if (criterion < -Step)
            x = std::isfinite(criterion) ? std::fmod(criterion, Step) : 0.0; // -100 < x <= 0
        for (; x <= W; x += Step)
            hatch(x);
    } else {
        double x = criterion;
        if (criterion > W + Step && std::isfinite(criterion)) {
            const double phase = std::fmod(criterion, Step); // 0 <= phase < 100
            x = phase + Step * std::floor((W + Step - phase) / Step);
        } else if (criterion > W + Step) {
            x = W;
        }
        for (; x >= 0; x -= Step)
            hatch(x);
    }
}

void FillTailTable()
{
    TailPercentTable = {50, 48, 46, 44, 42, 40, 38, 36, 34, 33, 31, 29, 27, 26, 24, 23,
                        21, 20, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  7,  6,
                        5,  5,  4,  4,  4,  3,  3,  3,  2,  2,  2,  2,  1,  1,  1,  1,
                        1,  1,  1,  1,  0,  0,  0,  0,  0,  0,  0,  0,  0};
}

qint16 TailPercent(double z, bool upper)
{
    // Beyond the table's last entry every z reads as 3. Capping before the
    // conversion keeps a far-off z (a criterion of 9999) from overflowing
    // the 16-bit conversion.
    const double steps = 20.0 * std::abs(z);
    const int k = steps <= 60.0 ? forms::CInt(steps) : 60;
    if (k == 0)
        return 50;
    const qint16 t = TailPercentTable[std::size_t(k)];
    if (upper)
        return z < 0 ? qint16(100 - t) : t;
    return z >= 0 ? qint16(100 - t) : t;
}

void DrawScaledNormal(double mean, double sd, forms::Surface &picture, double scale)
{
    const double H = picture.Height();
    const double W = picture.Width();
    const float unit = forms::CSng(W / 12.0);
    const Curve curve{H, mean * unit, sd * unit, scale};
    drawPolyline(picture, curve, W);
}

double NormalDensity(double mean, double sd, double x)
{
    if (!(sd > 0))
        return 0.0; // no distribution, no density
    return std::exp(-(x - mean) * (x - mean) / (2.0 * sd * sd)) / (RootTwoPi * sd);
}

} // namespace modDrawNormal
