#include "modcolor.h"

#include "forms/numbers.h"

#include <cmath>

namespace modColor {

double ConeSensitivity(double Wavelength, double PeakWavelength)
{
    using forms::checked;
    const double x = forms::Div(PeakWavelength, Wavelength);
    const double sum = checked(checked(std::exp(70.0 * (0.880 - x))) + checked(std::exp(28.5 * (0.924 - x)))
                               + checked(std::exp(-14.1 * (1.104 - x))) + 0.655);
    return forms::Div(1.0, sum);
}

void DrawConeCurve(forms::Surface &Pic, qint16 PeakWavelength, float Gain)
{
    const double W = Pic.Width();
    const float dL = forms::CSng(forms::Div(300.0, W));
    const double Smax = ConeSensitivity(PeakWavelength, PeakWavelength);
    const double H = Pic.Height();
    const double K = forms::Div(H, Smax);

    // The surface gets single-precision coordinates, as the curve's
    // wavelengths are single-precision steps.
    const auto y = [&](double wavelength) {
        return float(H - Gain * K * ConeSensitivity(wavelength, PeakWavelength));
    };
    Pic.PSet(0, y(350));
    for (long i = 1; i <= W; i += 25) {
        const float wavelength = 350.0f + float(i) * dL;
        Pic.LineTo(double(i), y(wavelength));
    }
}

} // namespace modColor
