#include "shell/timer.h"

#include "shell/clock.h"

CTimer Timer;

void CTimer::Initialize()
{
    lastTicks = fpsWindowStart = GameTicks();
    fps = 0;
    frameCount = 0;
    frameSeconds = 0;
}

void CTimer::Update()
{
    frameCount += 1;
    const Uint32 now = GameTicks();
    if (now - fpsWindowStart > 1000) {
        fpsWindowStart = now;
        fps = frameCount;
        frameCount = 0;
    }
    frameSeconds = static_cast<float>(now - lastTicks) / 1000.0f;
    lastTicks = now;
}
