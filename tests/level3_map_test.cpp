// The committed town map, walked with the game's own collision test and
// movement step: every spot the task chain needs can be reached from the
// start, and nothing lets the player out of the town.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <queue>
#include <string>
#include <vector>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/clock.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "tests/map_walk.h"
#include "world/movement.h"

namespace {

// The world picture; the circle's centre stays inside it.
const float TOWN_W = 4432, TOWN_H = 3298;

// Circle centres on a 4-pixel grid laid through the start, over more than
// the world picture, so that a way out would show at the grid's edge.
const float STEP = 4;
const float START_X = 950 + 475, START_Y = 1700 + 480;
const int START_I = 400, START_J = 600;
const float GRID_LEFT = START_X - STEP * START_I, GRID_TOP = START_Y - STEP * START_J;
const int GRID_W = 1250, GRID_H = 900;
// The spots' reference point lies this far from the circle's centre.
const float REACH_DX = 422 + SPOT_PLAYER_DX - 475, REACH_DY = 324 + SPOT_PLAYER_DY - 480;

Uint32 Ticks() { return 100000; }
void Delay(Uint32) {}
time_t Calendar() { return 0; }
const ClockSource stillClock = {Ticks, Delay, Calendar};

struct Cell {
    int i, j;
    float X() const { return GRID_LEFT + STEP * i; }
    float Y() const { return GRID_TOP + STEP * j; }
};

bool InTown(const Cell& cell) { return cell.X() > 0 && cell.X() < TOWN_W && cell.Y() > 0 && cell.Y() < TOWN_H; }

class TownMap : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string log;
        SetLogSink(&log);
        SetClockSource(&stillClock);
        ASSERT_EQ(chdir(VIPRATS_DATA_DIR), 0);
        LoadLvl3Col();
        SetLogSink(nullptr);
        ASSERT_TRUE(log.empty()) << "the map file is missing or short: " << log;
        walk = new MapWalk(LEVEL3.walk, LEVEL3.walls, 120, START_X, START_Y, STEP, START_I, START_J, GRID_W, GRID_H);
        walk->Walk();
        SetClockSource(nullptr);
    }

    static void TearDownTestSuite() { delete walk; }

    static bool ReachesSpot(int spot)
    {
        const float x = TOWN_SPOTS[spot].x + SPOT_REACH_X, y = TOWN_SPOTS[spot].y + TOWN_SPOTS[spot].reachDy;
        for (int j = 0; j < GRID_H; j++)
            for (int i = 0; i < GRID_W; i++) {
                if (!walk->Reached(i, j)) continue;
                const Cell cell = {i, j};
                const long double dx = cell.X() + REACH_DX - x, dy = cell.Y() + REACH_DY - y;
                if (dx * dx + dy * dy < SPOT_REACH_SQUARED) return true;
            }
        return false;
    }

    static MapWalk* walk;
};

MapWalk* TownMap::walk = nullptr;

}  // namespace

TEST_F(TownMap, EverySpotIsReachedFromTheStart)
{
    EXPECT_TRUE(IsFree(LEVEL3.walls, Circle{START_X, START_Y, LEVEL3.walk.circleRadius}));
    int cells = 0;
    for (int j = 0; j < GRID_H; j++)
        for (int i = 0; i < GRID_W; i++) cells += walk->Reached(i, j);
    EXPECT_GT(cells, 100000) << "the walk covers the town's streets, not a pocket";
    for (int spot = 0; spot < MISSION_SPOTS3; spot++) EXPECT_TRUE(ReachesSpot(spot)) << "spot " << spot;
}

TEST_F(TownMap, NoWayOutOfTheTown)
{
    for (int j = 0; j < GRID_H; j++)
        for (int i = 0; i < GRID_W; i++)
            if (walk->Reached(i, j)) {
                ASSERT_TRUE(InTown({i, j})) << "reachable at " << i << "," << j;
            }

    // Any walk of small steps, not only the grid's: a step of at most 5.4
    // pixels (120 px/s, a diagonal, a 30 ms frame) keeps a circle of radius
    // 15 - 2.7 free along the whole way, so every cell it crosses is free
    // for a circle 2.7 + 2.9 (the cell's half-diagonal) smaller.
    const float looseRadius = LEVEL3.walk.circleRadius - 2.7f - 2.9f;
    std::vector<unsigned char> flooded(GRID_W * GRID_H, 0);
    std::queue<Cell> queue;
    flooded[START_J * GRID_W + START_I] = 1;
    queue.push({START_I, START_J});
    bool outside = false;
    while (!queue.empty() && !outside) {
        const Cell cell = queue.front();
        queue.pop();
        outside = !InTown(cell);
        EXPECT_FALSE(outside) << "a way out near " << cell.X() << "," << cell.Y();
        for (int dj = -1; dj <= 1; dj++)
            for (int di = -1; di <= 1; di++) {
                const Cell next = {cell.i + di, cell.j + dj};
                if (next.i < 0 || next.j < 0 || next.i >= GRID_W || next.j >= GRID_H) continue;
                unsigned char& mark = flooded[next.j * GRID_W + next.i];
                if (mark) continue;
                mark = 1;
                if (IsFree(LEVEL3.walls, Circle{next.X(), next.Y(), looseRadius})) queue.push(next);
            }
    }
}
