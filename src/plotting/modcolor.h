#pragma once
// The cone photopigment model: the relative sensitivity of a cone with a
// given peak wavelength (the absorbance template of Lamb, 1995), and its
// curve across the visible range.

#include "forms/surface.h"

#include <QtGlobal>

namespace modColor {

// Relative sensitivity to light of `Wavelength` nm of a cone peaking at
// `PeakWavelength` nm; 0.99938556 at the peak itself. Arithmetic is
// checked: a zero wavelength raises DivisionByZero, a wavelength so far
// outside the visible range that an exponential overflows raises Overflow.
// Callers holding a number as text convert it with forms::CDbl first.
double ConeSensitivity(double Wavelength, double PeakWavelength);

// Plots the cone's sensitivity from 350 nm at x = 0 to 650 nm at x = the
// outer Width, sensitivity 0 on the bottom edge and the curve's peak
// Gain x Height above it, in the current ForeColor and DrawWidth, without
// clearing. A zero Width raises DivisionByZero.
void DrawConeCurve(forms::Surface &Pic, qint16 PeakWavelength, float Gain);

} // namespace modColor
