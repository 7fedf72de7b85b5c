#pragma once
// Colours are &H00BBGGRR integers; &H800000xx are system colour codes,
// stored as given and resolved through the palette when painted.

#include <QColor>
#include <QtGlobal>

namespace forms {

using OleColor = quint32;

// r + 256 g + 65536 b; each component is rounded (ties to even) and taken
// into 0..255, so 256 counts as 255 and a negative component as 0.
OleColor RGB(double r, double g, double b);

namespace SystemColor {
constexpr OleColor MenuBackground = 0x80000004u;
constexpr OleColor WindowBackground = 0x80000005u;
constexpr OleColor WindowText = 0x80000008u;
constexpr OleColor AppWorkspace = 0x8000000Cu;
constexpr OleColor ButtonFace = 0x8000000Fu;
constexpr OleColor ButtonText = 0x80000012u;
} // namespace SystemColor

bool isSystemColor(OleColor c);
// The colour to paint with: system codes through the application palette,
// plain codes as their red, green and blue bytes.
QColor toQColor(OleColor c);
// The same as a pixel value, without building a QColor for a plain code.
QRgb toRgb(OleColor c);
// Back from a painted colour (for tests reading pixels).
OleColor fromQColor(const QColor &c);

} // namespace forms
