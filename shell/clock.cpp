#include "shell/clock.h"

namespace {

Uint32 RealTicks() { return SDL_GetTicks(); }
void RealDelay(Uint32 ms) { SDL_Delay(ms); }
time_t RealCalendar() { return time(nullptr); }

const ClockSource realClock = {RealTicks, RealDelay, RealCalendar};
const ClockSource* current = &realClock;

}  // namespace

Uint32 GameTicks() { return current->ticks(); }
void GameDelay(Uint32 ms) { current->delay(ms); }
time_t GameCalendarTime() { return current->calendar(); }

void SetClockSource(const ClockSource* source) { current = source ? source : &realClock; }
