#ifndef VIPRATS_TESTS_LEVEL1_FIXTURE_H
#define VIPRATS_TESTS_LEVEL1_FIXTURE_H

// Level 1 loaded, set up and made the current scene (see world_fixture.h).

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "tests/world_fixture.h"

class Level1Test : public WorldLevelTest<CLvl1, LVL1, STATE_LEVEL1, LVL1_PICTURES> {
protected:
    void SetUp() override
    {
        // Set-up leaves the clock's stamp alone: one from an earlier test's
        // clock would hold the clock still.
        Laiks_ieprieksh = 0;
        WorldLevelTest::SetUp();
    }

    // The player's centre at world (x, y).
    static void StandAt(float x, float y)
    {
        offsetX = x - PLAYER_CENTRE_X;
        offsetY = y - PLAYER_CENTRE_Y;
    }
    // Food, toilet and the clock do not tick for the next second.
    static void HoldNeeds() { food_laiks = kaka_laiks = Laiks_ieprieksh = NowTicks(); }
    // One frame whose steps move by `frameTime` seconds (0: frozen, for
    // exact positions), needs held, with the key down if one is given.
    void FrameOf(float frameTime, SDLKey key = SDLK_UNKNOWN)
    {
        HoldNeeds();
        Timelvl1 = frameTime;
        if (key != SDLK_UNKNOWN) Keys[key] = 1;
        Frame();
        if (key != SDLK_UNKNOWN) Keys[key] = 0;
    }
};

#endif
