#ifndef VIPRATS_SHELL_CLOCK_H
#define VIPRATS_SHELL_CLOCK_H

#include <SDL.h>
#include <ctime>

// Every read of time in the game goes through these calls, so that tests can
// drive the clock frame by frame instead of waiting on the real one.
Uint32 GameTicks();
void GameDelay(Uint32 ms);
time_t GameCalendarTime();

struct ClockSource {
    Uint32 (*ticks)();
    void (*delay)(Uint32 ms);
    time_t (*calendar)();
};

// Installs another clock; nullptr restores SDL's timer and the system calendar.
void SetClockSource(const ClockSource* source);

#endif
