// The committed house map, walked with the game's own collision test and
// movement step: everything the level asks the player to reach can be
// reached from the start, and nothing lets the player out of the house.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <queue>
#include <string>
#include <vector>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/clock.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "world/movement.h"

namespace {

// The house's outer walls (outside faces); the player's centre stays inside.
const float HOUSE_LEFT = 480, HOUSE_TOP = 910, HOUSE_RIGHT = 3370, HOUSE_BOTTOM = 2380;

// Player centres on a 4-pixel grid laid through the start, over more than
// the world picture, so that a way out would show at the grid's edge.
const float STEP = 4;
const float START_X = 2300 + PLAYER_CENTRE_X, START_Y = 1400 + PLAYER_CENTRE_Y;
const float GRID_LEFT = START_X - STEP * 780, GRID_TOP = START_Y - STEP * 530;
const int GRID_W = 1080, GRID_H = 900;

Uint32 Ticks() { return 100000; }
void Delay(Uint32) {}
time_t Calendar() { return 0; }
const ClockSource stillClock = {Ticks, Delay, Calendar};

struct Cell {
    int i, j;
    float X() const { return GRID_LEFT + STEP * i; }
    float Y() const { return GRID_TOP + STEP * j; }
};

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
        reachable = Walk();
        SetClockSource(nullptr);
    }

    // Breadth-first over the grid, each edge one real movement step with a
    // frame time that moves exactly one cell; the step itself undoes a move
    // into a wall.
    static std::vector<unsigned char> Walk()
    {
        std::vector<unsigned char> seen(GRID_W * GRID_H, 0);
        WorldState world = {};
        world.player.speed = 80;
        world.player.frameInterval = 50;
        world.frameTime = STEP / 80;
        world.circle.r = LEVEL1.walk.circleRadius;
        const SDLKey arrows[4] = {SDLK_DOWN, SDLK_UP, SDLK_LEFT, SDLK_RIGHT};

        std::queue<Cell> queue;
        const Cell start = {780, 530};
        seen[start.j * GRID_W + start.i] = 1;
        queue.push(start);
        while (!queue.empty()) {
            const Cell cell = queue.front();
            queue.pop();
            for (const SDLKey arrow : arrows) {
                for (unsigned char& key : Keys) key = 0;
                Keys[arrow] = 1;
                world.offsetX = cell.X() - PLAYER_CENTRE_X;
                world.offsetY = cell.Y() - PLAYER_CENTRE_Y;
                MovePlayer(LEVEL1.walk, LEVEL1.walls, world);
                const Cell next = {static_cast<int>(std::lround((world.offsetX + PLAYER_CENTRE_X - GRID_LEFT) / STEP)),
                                   static_cast<int>(std::lround((world.offsetY + PLAYER_CENTRE_Y - GRID_TOP) / STEP))};
                if (next.i < 0 || next.j < 0 || next.i >= GRID_W || next.j >= GRID_H) continue;
                unsigned char& mark = seen[next.j * GRID_W + next.i];
                if (mark) continue;
                mark = 1;
                queue.push(next);
            }
        }
        for (unsigned char& key : Keys) key = 0;
        return seen;
    }

    // The nearest reachable centre to (x, y), and whether it is within r.
    static float Nearest(float x, float y)
    {
        float best = 1e9f;
        for (int j = 0; j < GRID_H; j++)
            for (int i = 0; i < GRID_W; i++)
                if (reachable[j * GRID_W + i]) best = std::min(best, std::hypot(Cell{i, j}.X() - x, Cell{i, j}.Y() - y));
        return best;
    }
    static bool Reaches(float x, float y, float radius)
    {
        for (int j = 0; j < GRID_H; j++)
            for (int i = 0; i < GRID_W; i++)
                if (reachable[j * GRID_W + i] && Within(Cell{i, j}.X(), Cell{i, j}.Y(), x, y, radius)) return true;
        return false;
    }

    static std::vector<unsigned char> reachable;
};

std::vector<unsigned char> HouseMap::reachable;

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
        EXPECT_TRUE(Reaches(target.x, target.y, target.radius))
            << target.what << ": nearest reachable centre is " << Nearest(target.x, target.y) << " away, needs < "
            << target.radius;
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
                if (!reachable[j * GRID_W + i]) continue;
                const Cell cell = {i, j};
                const float x = std::min(pen.xMax, std::max(pen.xMin, cell.X()));
                const float y = std::min(pen.yMax, std::max(pen.yMin, cell.Y()));
                touched = Within(cell.X(), cell.Y(), x, y, HAZARD_BITE_REACH.radius);
            }
        EXPECT_TRUE(touched) << "hazard pen " << k;
    }
}

TEST_F(HouseMap, TheJarAndTheCarAreOutOfReach)
{
    for (int k : {STATE_JAR, STATE_CAR})
        EXPECT_FALSE(Reaches(MISSION_SPOT_AT[k].x + SPOT_REACH.dx, MISSION_SPOT_AT[k].y + SPOT_REACH.dy,
                             SPOT_REACH.radius));
}

TEST_F(HouseMap, NoWayOutOfTheHouse)
{
    // The walk above stays inside.
    for (int j = 0; j < GRID_H; j++)
        for (int i = 0; i < GRID_W; i++)
            if (reachable[j * GRID_W + i]) {
                const Cell cell = {i, j};
                ASSERT_TRUE(cell.X() > HOUSE_LEFT && cell.X() < HOUSE_RIGHT && cell.Y() > HOUSE_TOP &&
                            cell.Y() < HOUSE_BOTTOM)
                    << "reachable at " << cell.X() << "," << cell.Y();
            }

    // And so does any walk of small steps, not only the grid's: a step of
    // at most 6.2 pixels (nitro at 140 px/s, a diagonal, a 30 ms frame)
    // keeps a circle of radius 40 - 3.1 free along the whole way, so every
    // cell the way crosses is free for a circle 3.1 + 2.9 (the cell's
    // half-diagonal) smaller. Flooding those cells, corners included,
    // covers every place such a walk can reach.
    const float looseRadius = LEVEL1.walk.circleRadius - 3.1f - 2.9f;
    std::vector<unsigned char> flooded(GRID_W * GRID_H, 0);
    std::queue<Cell> queue;
    flooded[530 * GRID_W + 780] = 1;
    queue.push({780, 530});
    bool outside = false;
    while (!queue.empty() && !outside) {
        const Cell cell = queue.front();
        queue.pop();
        outside = !(cell.X() > HOUSE_LEFT && cell.X() < HOUSE_RIGHT && cell.Y() > HOUSE_TOP && cell.Y() < HOUSE_BOTTOM);
        EXPECT_FALSE(outside) << "a way out near " << cell.X() << "," << cell.Y();
        for (int dj = -1; dj <= 1; dj++)
            for (int di = -1; di <= 1; di++) {
                const Cell next = {cell.i + di, cell.j + dj};
                if (next.i < 0 || next.j < 0 || next.i >= GRID_W || next.j >= GRID_H) continue;
                unsigned char& mark = flooded[next.j * GRID_W + next.i];
                if (mark) continue;
                mark = 1;
                if (IsFree(LEVEL1.walls, Circle{next.X(), next.Y(), looseRadius})) queue.push(next);
            }
    }
}
