// The farmstead's collision map, walked with the game's own collision test
// and movement step: every spot, every piece of firewood and both rakes can
// be reached from the start, and nothing lets the player out of the world.

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "tests/map_walk.h"

namespace {

const MapWalk& Farm()
{
    static const std::unique_ptr<MapWalk> map =
        WalkLevelMap(LoadLvl2Col, LEVEL2.walk, LEVEL2.walls, 120, 2800 + 477, 1500 + 482, 900, 600, 1450, 1150);
    return *map;
}

// A reach test of the level, turned into a circle around the player's centre.
MapTarget Around(const std::string& what, int x, int y, const SquaredReach& reach)
{
    const WalkValues& walk = LEVEL2.walk;
    return {what, x + reach.dx - reach.footX - 422 + walk.circleX, y + reach.dy - reach.footY - 324 + walk.circleY,
            std::sqrt(static_cast<float>(reach.below))};
}

}  // namespace

TEST(FarmMap, EverySpotFirewoodAndRakeIsReachedFromTheStart)
{
    std::vector<MapTarget> targets;
    for (int k = 0; k < TRIGGER_SPOTS; k++)
        targets.push_back(Around("spot " + std::to_string(k), TRIGGER_SPOT_AT[k].x, TRIGGER_SPOT_AT[k].y,
                                 k == SPOT2_FOOD ? FOOD_REACH2 : SPOT_REACH2));
    for (int k = 0; k < FIREWOOD; k++)
        targets.push_back(Around("firewood " + std::to_string(k), FIREWOOD_AT[k].x, FIREWOOD_AT[k].y, FIREWOOD_REACH));
    for (int k = 0; k < 2; k++)
        targets.push_back(Around("rake " + std::to_string(k), RAKE_CONTACT[k].x, RAKE_CONTACT[k].y, RAKE_REACH));
    ExpectReached(Farm(), targets);
}

TEST(FarmMap, NoWayOutOfTheWorld)
{
    // The world border's inner faces; the slack is half of a diagonal step
    // at 120 px/s in a 30 ms frame.
    Farm().ExpectNoWayOut([](float x, float y) { return x > 600 && x < 4420 && y > 560 && y < 3360; }, 2.7f);
}
