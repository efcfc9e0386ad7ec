#ifndef VIPRATS_TESTS_LEVEL1_FIXTURE_H
#define VIPRATS_TESTS_LEVEL1_FIXTURE_H

// Level 1 loaded, set up and made the current scene, as its loading screen
// leaves it; the tests then drive it frame by frame through the real loop.

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "tests/world_fixture.h"
#include "world/ticks.h"

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
};

#endif
