#pragma once
// The motion-aftereffect window's animation state. It lives for the whole
// run, not with the window, so the spiral goes on from the frame the last
// run left when the window is opened again.

#include <QImage>
#include <QtGlobal>
#include <array>

namespace modMotionVar {

// The 36 spiral pictures; element i is turned 10 i degrees clockwise. Empty
// until the window loads them (and where a file could not be loaded).
extern std::array<QImage, 36> SpiralFrames;
// Index of the picture shown last.
extern qint16 FrameIndex;
// True: the indices increase (the spiral turns clockwise).
extern bool Clockwise;
// Indices advanced per frame tick: 1 or 2.
extern qint16 FrameStep;
// Run-timer ticks that make up one run: 1 to 4.
extern qint16 TicksNeeded;
// Run-timer ticks counted in the current run.
extern qint16 TickCount;

} // namespace modMotionVar
