// The farmstead's collision map, walked with the game's own collision test
// and movement step: every spot, every piece of firewood and both rakes can
// be reached from the start, and nothing lets the player out of the world.

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/clock.h"
#include "shell/log.h"
#include "tests/map_walk.h"

namespace {

// The world border's inner faces; the player's centre stays inside them.
const float WORLD_LEFT = 600, WORLD_TOP = 560, WORLD_RIGHT = 4420, WORLD_BOTTOM = 3360;

const float STEP = 4;
const float START_X = 2800 + 477, START_Y = 1500 + 482;

Uint32 Ticks() { return 100000; }
void Delay(Uint32) {}
time_t Calendar() { return 0; }
const ClockSource stillClock = {Ticks, Delay, Calendar};

// A reach test of the level, turned into a circle around the player's centre.
struct Target {
    std::string what;
    float x, y, radius;
};
Target Around(const std::string& what, int x, int y, const SquaredReach& reach)
{
    const WalkValues& walk = LEVEL2.walk;
    return {what, x + reach.dx - reach.footX - 422 + walk.circleX, y + reach.dy - reach.footY - 324 + walk.circleY,
            std::sqrt(static_cast<float>(reach.below))};
}

class FarmMap : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string log;
        SetLogSink(&log);
        SetClockSource(&stillClock);
        ASSERT_EQ(chdir(VIPRATS_DATA_DIR), 0);
        LoadLvl2Col();
        SetLogSink(nullptr);
        ASSERT_TRUE(log.empty()) << "the map file is missing or short: " << log;
        // Over more than the world picture, so that a way out would show.
        map.reset(new MapWalk(LEVEL2.walk, LEVEL2.walls, 120, START_X, START_Y, STEP, 900, 600, 1450, 1150));
        map->Walk();
        SetClockSource(nullptr);
    }
    static void TearDownTestSuite() { map.reset(); }
    static std::unique_ptr<MapWalk> map;
};

std::unique_ptr<MapWalk> FarmMap::map;

}  // namespace

TEST_F(FarmMap, TheStartIsFree)
{
    EXPECT_TRUE(IsFree(LEVEL2.walls, Circle{START_X, START_Y, LEVEL2.walk.circleRadius}));
}

TEST_F(FarmMap, EverySpotFirewoodAndRakeIsReachedFromTheStart)
{
    std::vector<Target> targets;
    for (int k = 0; k < TRIGGER_SPOTS; k++)
        targets.push_back(Around("spot " + std::to_string(k), TRIGGER_SPOT_AT[k].x, TRIGGER_SPOT_AT[k].y,
                                 k == SPOT2_FOOD ? FOOD_REACH2 : SPOT_REACH2));
    for (int k = 0; k < FIREWOOD; k++)
        targets.push_back(Around("firewood " + std::to_string(k), FIREWOOD_AT[k].x, FIREWOOD_AT[k].y, FIREWOOD_REACH));
    for (int k = 0; k < 2; k++)
        targets.push_back(Around("rake " + std::to_string(k), RAKE_CONTACT[k].x, RAKE_CONTACT[k].y, RAKE_REACH));
    for (const Target& target : targets)
        EXPECT_TRUE(map->Reaches(target.x, target.y, target.radius))
            << target.what << ": nearest reachable centre is " << map->Nearest(target.x, target.y)
            << " away, needs < " << target.radius;
}

TEST_F(FarmMap, NoWayOutOfTheWorld)
{
    for (int j = 0; j < map->h; j++)
        for (int i = 0; i < map->w; i++)
            if (map->Reached(i, j)) {
                const float x = map->X(i), y = map->Y(j);
                ASSERT_TRUE(x > WORLD_LEFT && x < WORLD_RIGHT && y > WORLD_TOP && y < WORLD_BOTTOM)
                    << "reachable at " << x << "," << y;
            }
}
