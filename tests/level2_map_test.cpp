// The farmstead's collision map, walked with the game's own collision test
// and movement step: every spot, every piece of firewood and both rakes can
// be reached from the start, and nothing lets the player out of the world.

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "tests/map_walk.h"

TEST(FarmMap, EverySpotFirewoodAndRakeIsReachedFromTheStartAndThereIsNoWayOut)
{
    const std::unique_ptr<MapWalk> farm =
        WalkLevelMap(LoadLvl2Col, LEVEL2.walk, LEVEL2.walls, 120, 2800 + 477, 1500 + 482, 900, 600, 1450, 1150);
    std::vector<MapTarget> targets;
    // A reach test of the level, turned into a circle around the player's centre.
    const auto around = [&targets](const std::string& what, int k, const FarmPoint& at, const SquaredReach& reach) {
        targets.push_back({what + " " + std::to_string(k), at.x + reach.dx - reach.footX - 422 + LEVEL2.walk.circleX,
                           at.y + reach.dy - reach.footY - 324 + LEVEL2.walk.circleY,
                           std::sqrt(static_cast<float>(reach.below))});
    };
    for (int k = 0; k < TRIGGER_SPOTS; k++)
        around("spot", k, TRIGGER_SPOT_AT[k], k == SPOT2_FOOD ? FOOD_REACH2 : SPOT_REACH2);
    for (int k = 0; k < FIREWOOD; k++) around("firewood", k, FIREWOOD_AT[k], FIREWOOD_REACH);
    for (int k = 0; k < 2; k++) around("rake", k, RAKE_CONTACT[k], RAKE_REACH);
    ExpectReached(*farm, targets);
    // The world border's inner faces; the slack is half of a diagonal step
    // at 120 px/s in a 30 ms frame.
    farm->ExpectNoWayOut([](float x, float y) { return x > 600 && x < 4420 && y > 560 && y < 3360; }, 2.7f);
}
