#ifndef VIPRATS_WORLD_TICKS_H
#define VIPRATS_WORLD_TICKS_H

#include "shell/clock.h"

// The levels keep tick counts as floats.
inline float NowTicks() { return static_cast<float>(GameTicks()); }

// "Every N ms on a stamp": strictly more than N since the stamp, which then
// moves to now.
inline bool Every(float& stamp, float now, float period)
{
    if (now - stamp > period) {
        stamp = now;
        return true;
    }
    return false;
}

#endif
