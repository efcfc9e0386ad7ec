#ifndef VIPRATS_TESTS_LEVEL2_FIXTURE_H
#define VIPRATS_TESTS_LEVEL2_FIXTURE_H

// Level 2 loaded, set up and made the current scene, as its loading screen
// leaves it; the tests then drive it frame by frame through the real loop.

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "tests/world_fixture.h"
#include "world/ticks.h"

// The camera put so that the player's foot point meets a thing's point.
inline void StandAtSpot(const Spot& spot, const SquaredReach& reach = SPOT_REACH2)
{
    offsetX2 = spot.x + reach.dx - (player10.screenX + reach.footX);
    offsetY2 = spot.y + reach.dy - (player10.screenY + reach.footY);
}

class Level2Test : public WorldLevelTest<CLvl2, LVL2, STATE_LEVEL2, LVL2_PICTURES> {
protected:
    // Food and toilet do not tick for the next two seconds.
    static void HoldNeeds() { food_laiks2 = kaka_laiks2 = NowTicks(); }
};

#endif
