#ifndef VIPRATS_TESTS_LEVEL3_FIXTURE_H
#define VIPRATS_TESTS_LEVEL3_FIXTURE_H

// Level 3 loaded, set up and made the current scene (see world_fixture.h).

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "tests/world_fixture.h"

class Level3Test : public WorldLevelTest<CLvl3, LVL3, STATE_LEVEL3, LVL3_PICTURES> {
protected:
    // The camera that puts the player's reference point on a spot's point.
    static void StandAtSpot(int spot)
    {
        offsetX3 = misi[spot].x + SPOT_REACH_X - SPOT_PLAYER_DX - player3.screenX;
        offsetY3 = misi[spot].y + TOWN_SPOTS[spot].reachDy - SPOT_PLAYER_DY - player3.screenY;
    }
    // Space at a spot, one world frame.
    void UseSpot(int spot)
    {
        StandAtSpot(spot);
        FrameWith(SDLK_SPACE);
    }
    // Food and toilet do not tick for the next two seconds.
    static void HoldNeeds() { food_laiks3 = kaka_laiks3 = NowTicks(); }
};

#endif
