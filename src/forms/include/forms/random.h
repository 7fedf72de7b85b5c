#pragma once
// The one random source behind Rnd and Randomize. Tests fix a seed or
// script the values drawn so that branches on Rnd can be driven exactly.

#include <QList>
#include <QtGlobal>

namespace forms {

// Uniform single-precision value in [0, 1).
float Rnd();
// Reseed from the clock (does nothing to scripted values still queued).
void Randomize();

namespace Random {
void seed(quint32 value);
// The next Rnd() calls return these values in order, then the generator
// takes over again.
void script(const QList<float> &values);
void clearScript();
} // namespace Random

} // namespace forms
