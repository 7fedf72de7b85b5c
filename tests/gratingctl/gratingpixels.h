#pragma once
// Reading the grating control's picture back from grabbed pixels: the
// greys of one row, whether a column shows the grey the grating should
// have there, and the light bands across the row.

#include "forms/control.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <cmath>

namespace gratingpixels {

// The grating's outer width in twips: the span its cycles fill.
constexpr double PictureWidth = 9495;

// The grey of a pixel, or -1 when it is not a grey.
inline int grey(QRgb p)
{
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) ? qRed(p) : -1;
}

// The greys of row y of the picture's inside (`inside`, in the image's pixels).
inline QList<int> row(const QImage &image, QRect inside, int y)
{
    QList<int> greys;
    for (int x = inside.left(); x <= inside.right(); ++x)
        greys << grey(image.pixel(x, inside.top() + y));
    return greys;
}

// The grey of the grating's line at x twips: mean 162.5, amplitude
// 62.5 x contrast, `cycles` periods across the picture's outer width,
// rounded half to even.
inline int lineGrey(double x, double cycles, double contrast)
{
    const double g = 62.5 * contrast * std::sin(6.2831853 / PictureWidth * (x * cycles)) + 162.5;
    return int(std::nearbyint(g));
}

// Whether column p of the inside shows the grey of one of the lines (10
// twips apart) that fall within a pixel of it.
inline bool plausibleGrey(int shown, int p, double cycles, double contrast)
{
    for (double x = std::ceil((p - 1) * forms::TwipsPerPixel / 10) * 10; x < (p + 2) * forms::TwipsPerPixel; x += 10) {
        if (x >= 0 && lineGrey(x, cycles, contrast) == shown)
            return true;
    }
    return false;
}

// The first column (counted from 0) whose grey is not plausible; -1 if
// every column is.
inline int firstWrongColumn(const QList<int> &greys, double cycles, double contrast)
{
    for (int p = 0; p < greys.size(); ++p) {
        if (!plausibleGrey(greys[p], p, cycles, contrast))
            return p;
    }
    return -1;
}

// Light bands across a row: runs that rise above mean + margin after the
// row was last below mean - margin (or at its start). The distance
// between the first and last band's starts over the bands between them
// gives the period in pixels.
struct Bands
{
    int count = 0;
    double period = 0;
};

inline Bands lightBands(const QList<int> &greys, int margin)
{
    Bands bands;
    bool light = false;
    int first = -1, last = -1;
    for (int p = 0; p < greys.size(); ++p) {
        if (!light && greys[p] >= 162.5 + margin) {
            light = true;
            ++bands.count;
            if (first < 0)
                first = p;
            last = p;
        } else if (light && greys[p] <= 162.5 - margin) {
            light = false;
        }
    }
    if (bands.count > 1)
        bands.period = double(last - first) / (bands.count - 1);
    return bands;
}

} // namespace gratingpixels
