#include "modmotionvar.h"

namespace modMotionVar {

std::array<QImage, 36> SpiralFrames;
qint16 FrameIndex = 0;
bool Clockwise = true;
qint16 FrameStep = 1;
qint16 TicksNeeded = 1;
qint16 TickCount = 0;

} // namespace modMotionVar
