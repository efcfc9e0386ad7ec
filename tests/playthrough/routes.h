#ifndef VIPRATS_TESTS_PLAYTHROUGH_ROUTES_H
#define VIPRATS_TESTS_PLAYTHROUGH_ROUTES_H

// How the playthrough plays each level. Each route starts on the level's
// loading screen and ends when the next loading screen shows (level 3: when
// the menu shows again), throwing Stuck with the step's name otherwise.

#include "tests/playthrough/pilot.h"
#include "tests/playthrough/walker.h"

// Enter for the instructions, then the level's own start key.
void PassLoadingScreen(Pilot& pilot);

// Survives the minute by dodging and shooting, then names the child.
void PlayLevel0(Pilot& pilot, const char* name);
// Delivers every item and leaves the house.
void PlayLevel1(Pilot& pilot);
// Eggs, water, berries and the bonfire, then the exit.
void PlayLevel2(Pilot& pilot);
// Every task, the exit, then the closing picture left with Space.
void PlayLevel3(Pilot& pilot);

#endif
