#ifndef VIPRATS_SHELL_TIMER_H
#define VIPRATS_SHELL_TIMER_H

#include <SDL.h>

class CTimer {
public:
    void Initialize();
    void Update();
    float GetLastFrameTime() const { return frameSeconds; }
    int GetFps() const { return fps; }

private:
    float frameSeconds;
    Uint32 lastTicks;
    Uint32 fpsWindowStart;
    int fps;
    int frameCount;
};

extern CTimer Timer;

#endif
