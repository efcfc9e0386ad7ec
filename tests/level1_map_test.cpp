// The committed house map, walked with the game's own collision test and
// movement step: everything the level asks the player to reach can be
// reached from the start, and nothing lets the player out of the house.

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "tests/map_walk.h"

namespace {

const MapWalk& House()
{
    static const std::unique_ptr<MapWalk> map =
        WalkLevelMap(LoadLvl1Col, LEVEL1.walk, LEVEL1.walls, 80, 2300 + PLAYER_CENTRE_X, 1400 + PLAYER_CENTRE_Y,
                     780, 530, 1080, 900);
    return *map;
}

MapTarget Near(const std::string& what, const HousePoint& at, const Reach& reach)
{
    return {what, at.x + reach.dx, at.y + reach.dy, reach.radius};
}

}  // namespace

TEST(HouseMap, EverythingToReachIsReachedAndTheJarAndTheCarAreNot)
{
    std::vector<MapTarget> targets;
    for (int k = 0; k < MISSION_ITEMS; k++) targets.push_back(Near("item " + std::to_string(k), ITEM_AT[k], ITEM_REACH));
    for (int k = 0; k < BOTTLES; k++) targets.push_back(Near("bottle " + std::to_string(k), BOTTLE_AT[k], BOTTLE_REACH));
    for (int k = 0; k < TURBO_PICKUPS; k++)
        targets.push_back(Near("turbo " + std::to_string(k), TURBO_AT[k], TURBO_REACH));
    for (int k : {STATE_WALLBALL, STATE_STOVE, STATE_POTTY})
        targets.push_back(Near("spot " + std::to_string(k), MISSION_SPOT_AT[k], SPOT_REACH));
    targets.push_back({"drop point", DROP_POINT.x, DROP_POINT.y, DROP_RADIUS});
    targets.push_back({"exit", EXIT_POINT.x, EXIT_POINT.y, EXIT_RADIUS});
    ExpectReached(House(), targets);

    for (int k : {STATE_JAR, STATE_CAR}) {
        const MapTarget spot = Near("", MISSION_SPOT_AT[k], SPOT_REACH);
        EXPECT_FALSE(House().Reaches(spot.x, spot.y, spot.radius)) << "spot " << k;
    }
}

TEST(HouseMap, EveryHazardPenCanBeTouched)
{
    // Somewhere in its pen a hazard is within biting reach of a place the
    // player can stand.
    const MapWalk& map = House();
    for (int k = 0; k < HAZARDS; k++) {
        const HazardHome& pen = HAZARD_HOME[k];
        bool touched = false;
        for (int j = 0; j < map.h && !touched; j++)
            for (int i = 0; i < map.w && !touched; i++) {
                if (!map.Reached(i, j)) continue;
                const float x = std::min(pen.xMax, std::max(pen.xMin, map.X(i)));
                const float y = std::min(pen.yMax, std::max(pen.yMin, map.Y(j)));
                touched = Within(map.X(i), map.Y(j), x, y, HAZARD_BITE_REACH.radius);
            }
        EXPECT_TRUE(touched) << "hazard pen " << k;
    }
}

TEST(HouseMap, NoWayOutOfTheHouse)
{
    // The outer walls' outside faces; the slack is half of the longest step
    // (nitro at 140 px/s, a diagonal, a 30 ms frame).
    House().ExpectNoWayOut([](float x, float y) { return x > 480 && x < 3370 && y > 910 && y < 2380; }, 3.1f);
}
