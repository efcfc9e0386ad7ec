// The committed town map, walked with the game's own collision test and
// movement step: every spot the task chain needs can be reached from the
// start, and nothing lets the player out of the town.

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "tests/map_walk.h"

TEST(TownMap, EverySpotIsReachedFromTheStartAndThereIsNoWayOut)
{
    const std::unique_ptr<MapWalk> town =
        WalkLevelMap(LoadLvl3Col, LEVEL3.walk, LEVEL3.walls, 120, 950 + 475, 1700 + 480, 400, 600, 1250, 900);
    // The spots' reference point lies this far from the circle's centre.
    const float dx = 422 + SPOT_PLAYER_DX - 475, dy = 324 + SPOT_PLAYER_DY - 480;
    std::vector<MapTarget> targets;
    for (int k = 0; k < MISSION_SPOTS3; k++)
        targets.push_back({"spot " + std::to_string(k), TOWN_SPOTS[k].x + SPOT_REACH_X - dx,
                           TOWN_SPOTS[k].y + TOWN_SPOTS[k].reachDy - dy, std::sqrt(SPOT_REACH_SQUARED)});
    ExpectReached(*town, targets);
    // Inside the world picture; the slack is half of a diagonal step at
    // 120 px/s in a 30 ms frame.
    town->ExpectNoWayOut([](float x, float y) { return x > 0 && x < 4432 && y > 0 && y < 3298; }, 2.7f);
}
