// The committed house map, walked with the game's own collision test and
// movement step: everything the level asks the player to reach can be
// reached from the start, and nothing lets the player out of the house.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/clock.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "tests/map_walk.h"
#include "world/movement.h"

namespace {

// The house's outer walls (outside faces); the player's centre stays inside.
const float HOUSE_LEFT = 480, HOUSE_TOP = 910, HOUSE_RIGHT = 3370, HOUSE_BOTTOM = 2380;

// Player centres on a 4-pixel grid laid through the start, over more than
// the world picture, so that a way out would show at the grid's edge.
const float STEP = 4;
const float START_X = 2300 + PLAYER_CENTRE_X, START_Y = 1400 + PLAYER_CENTRE_Y;
const int CELLS_LEFT = 780, CELLS_UP = 530, GRID_W = 1080, GRID_H = 900;

Uint32 Ticks() { return 100000; }
void Delay(Uint32) {}
time_t Calendar() { return 0; }
const ClockSource stillClock = {Ticks, Delay, Calendar};

bool InHouse(float x, float y) { return x > HOUSE_LEFT && x < HOUSE_RIGHT && y > HOUSE_TOP && y < HOUSE_BOTTOM; }

class HouseMap : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string log;
        SetLogSink(&log);
        SetClockSource(&stillClock);
        ASSERT_EQ(chdir(VIPRATS_DATA_DIR), 0);
        LoadLvl1Col();
        SetLogSink(nullptr);
        ASSERT_TRUE(log.empty()) << "the map file is missing or short: " << log;
        map.reset(new MapWalk(LEVEL1.walk, LEVEL1.walls, 80, START_X, START_Y, STEP, CELLS_LEFT, CELLS_UP, GRID_W,
                              GRID_H));
        map->Walk();
        SetClockSource(nullptr);
    }
    static void TearDownTestSuite() { map.reset(); }
    static std::unique_ptr<MapWalk> map;
};

std::unique_ptr<MapWalk> HouseMap::map;

}  // namespace

TEST_F(HouseMap, TheStartIsFree)
{
    EXPECT_TRUE(IsFree(LEVEL1.walls, Circle{START_X, START_Y, LEVEL1.walk.circleRadius}));
}

TEST_F(HouseMap, EverythingToReachIsReachedFromTheStart)
{
    struct Target {
        std::string what;
        float x, y, radius;
    };
    std::vector<Target> targets;
    for (int k = 0; k < MISSION_ITEMS; k++)
        targets.push_back({"item " + std::to_string(k), ITEM_AT[k].x + ITEM_REACH.dx, ITEM_AT[k].y + ITEM_REACH.dy,
                           ITEM_REACH.radius});
    for (int k = 0; k < BOTTLES; k++)
        targets.push_back({"bottle " + std::to_string(k), BOTTLE_AT[k].x + BOTTLE_REACH.dx,
                           BOTTLE_AT[k].y + BOTTLE_REACH.dy, BOTTLE_REACH.radius});
    for (int k = 0; k < TURBO_PICKUPS; k++)
        targets.push_back({"turbo " + std::to_string(k), TURBO_AT[k].x + TURBO_REACH.dx,
                           TURBO_AT[k].y + TURBO_REACH.dy, TURBO_REACH.radius});
    for (int k : {STATE_WALLBALL, STATE_STOVE, STATE_POTTY})
        targets.push_back({"spot " + std::to_string(k), MISSION_SPOT_AT[k].x + SPOT_REACH.dx,
                           MISSION_SPOT_AT[k].y + SPOT_REACH.dy, SPOT_REACH.radius});
    targets.push_back({"drop point", DROP_POINT.x, DROP_POINT.y, DROP_RADIUS});
    targets.push_back({"exit", EXIT_POINT.x, EXIT_POINT.y, EXIT_RADIUS});
    for (const Target& target : targets)
        EXPECT_TRUE(map->Reaches(target.x, target.y, target.radius))
            << target.what << ": nearest reachable centre is " << map->Nearest(target.x, target.y)
            << " away, needs < " << target.radius;
}

TEST_F(HouseMap, EveryHazardPenCanBeTouched)
{
    // Somewhere in its pen a hazard is within biting reach of a place the
    // player can stand.
    for (int k = 0; k < HAZARDS; k++) {
        const HazardHome& pen = HAZARD_HOME[k];
        bool touched = false;
        for (int j = 0; j < GRID_H && !touched; j++)
            for (int i = 0; i < GRID_W && !touched; i++) {
                if (!map->Reached(i, j)) continue;
                const float x = std::min(pen.xMax, std::max(pen.xMin, map->X(i)));
                const float y = std::min(pen.yMax, std::max(pen.yMin, map->Y(j)));
                touched = Within(map->X(i), map->Y(j), x, y, HAZARD_BITE_REACH.radius);
            }
        EXPECT_TRUE(touched) << "hazard pen " << k;
    }
}

TEST_F(HouseMap, TheJarAndTheCarAreOutOfReach)
{
    for (int k : {STATE_JAR, STATE_CAR})
        EXPECT_FALSE(map->Reaches(MISSION_SPOT_AT[k].x + SPOT_REACH.dx, MISSION_SPOT_AT[k].y + SPOT_REACH.dy,
                                  SPOT_REACH.radius));
}

TEST_F(HouseMap, NoWayOutOfTheHouse)
{
    // The walk above stays inside.
    for (int j = 0; j < GRID_H; j++)
        for (int i = 0; i < GRID_W; i++)
            if (map->Reached(i, j)) {
                ASSERT_TRUE(InHouse(map->X(i), map->Y(j))) << "reachable at " << map->X(i) << "," << map->Y(j);
            }

    // And so does any walk of small steps, not only the grid's: a step of
    // at most 6.2 pixels (nitro at 140 px/s, a diagonal, a 30 ms frame)
    // keeps a circle of radius 40 - 3.1 free along the whole way, so every
    // cell the way crosses is free for a circle 3.1 + 2.9 (the cell's
    // half-diagonal) smaller. Flooding those cells, corners included,
    // covers every place such a walk can reach.
    const float looseRadius = LEVEL1.walk.circleRadius - 3.1f - 2.9f;
    std::vector<unsigned char> flooded(GRID_W * GRID_H, 0);
    std::queue<std::pair<int, int>> queue;
    flooded[CELLS_UP * GRID_W + CELLS_LEFT] = 1;
    queue.push({CELLS_LEFT, CELLS_UP});
    bool outside = false;
    while (!queue.empty() && !outside) {
        const auto cell = queue.front();
        queue.pop();
        outside = !InHouse(map->X(cell.first), map->Y(cell.second));
        EXPECT_FALSE(outside) << "a way out near " << map->X(cell.first) << "," << map->Y(cell.second);
        for (int dj = -1; dj <= 1; dj++)
            for (int di = -1; di <= 1; di++) {
                const int i = cell.first + di, j = cell.second + dj;
                if (i < 0 || j < 0 || i >= GRID_W || j >= GRID_H || flooded[j * GRID_W + i]) continue;
                flooded[j * GRID_W + i] = 1;
                if (IsFree(LEVEL1.walls, Circle{map->X(i), map->Y(j), looseRadius})) queue.push({i, j});
            }
    }
}
