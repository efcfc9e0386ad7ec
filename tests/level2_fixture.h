#ifndef VIPRATS_TESTS_LEVEL2_FIXTURE_H
#define VIPRATS_TESTS_LEVEL2_FIXTURE_H

// Level 2 loaded, set up and made the current scene (see world_fixture.h).

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "tests/world_fixture.h"

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
