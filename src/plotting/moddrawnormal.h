#pragma once
// Normal distributions on a drawing surface, and tail areas of the standard
// normal distribution read from a table of whole percentages.
//
// Plot geometry shared by the drawing routines: the horizontal axis spans
// 12 units across the surface's outer Width W (a value v lies at
// x = v * W / 12), the baseline is the bottom edge y = H (the outer
// Height), and the curve's height at x is
//   1500 * k * H * exp(-(x - M)^2 / (2 S^2)) / (sqrt(2 pi) * S)
// with M and S the mean and standard deviation in twips and k a height
// factor, so that every curve encloses the same area.

#include "forms/surface.h"

#include <QtGlobal>
#include <array>

namespace modDrawNormal {

// Entry k: the whole percentage of the standard normal distribution above
// z = k / 20. All zeros until FillTailTable has run.
extern std::array<qint16, 61> TailPercentTable;

// Sets the surface's ForeColor to RGB(red, green, blue) (it stays so) and
// draws the curve as a polyline with vertices every 30 twips from x = 0.
void DrawNormalCurve(double mean, double sd, forms::Surface &surface, double red, double green,
                     double blue);

// Hatches one tail of a curve with vertical lines 100 twips apart, from the
// criterion towards the right edge (rightSide) or the left edge, each from
// 20 twips below the curve down to the baseline, in RGB(red, green, blue)
// without changing ForeColor. The criterion is given in axis units and is
// replaced by its x position in twips.
void ShadeNormalTail(double mean, double sd, double &criterion, bool rightSide,
                     forms::Surface &surface, double red, double green, double blue);

void FillTailTable();

// The whole percentage of the standard normal distribution above z (upper)
// or below it, with |z| taken in steps of 0.05 and capped at 3.
qint16 TailPercent(double z, bool upper);

// As DrawNormalCurve, in the surface's current ForeColor and with the
// curve's height multiplied by `scale`.
void DrawScaledNormal(double mean, double sd, forms::Surface &picture, double scale);

// The normal probability density at x.
double NormalDensity(double mean, double sd, double x);

} // namespace modDrawNormal
