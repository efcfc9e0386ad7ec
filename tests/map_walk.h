#ifndef VIPRATS_TESTS_MAP_WALK_H
#define VIPRATS_TESTS_MAP_WALK_H

// Walks an overworld level's collision map with the game's own movement
// step: a breadth-first search over player centres on a grid laid through
// the start, each edge one real MovePlayer call with a frame time that
// moves exactly one cell, so the step itself undoes a move into a wall.

#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "shell/clock.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "world/movement.h"

class MapWalk {
public:
    // start: the player's centre; the grid reaches `cellsLeft`/`cellsUp`
    // cells left of and above it and is w x h cells large.
    MapWalk(const WalkValues& walk, const CollisionTable& walls, int speed, float startX, float startY, float step,
            int cellsLeft, int cellsUp, int w, int h)
        : walk(walk), walls(walls), speed(speed), step(step), left(startX - step * cellsLeft),
          top(startY - step * cellsUp), w(w), h(h), startI(cellsLeft), startJ(cellsUp), seen(w * h, 0)
    {
    }

    void Walk()
    {
        WorldState world = {};
        world.player.speed = speed;
        world.player.frameInterval = 50;
        world.frameTime = step / speed;
        world.circle.r = walk.circleRadius;
        const SDLKey arrows[4] = {SDLK_DOWN, SDLK_UP, SDLK_LEFT, SDLK_RIGHT};
        std::queue<std::pair<int, int>> queue;
        seen[startJ * w + startI] = 1;
        queue.push({startI, startJ});
        while (!queue.empty()) {
            const auto cell = queue.front();
            queue.pop();
            for (const SDLKey arrow : arrows) {
                for (unsigned char& key : Keys) key = 0;
                Keys[arrow] = 1;
                world.offsetX = X(cell.first) - walk.circleX;
                world.offsetY = Y(cell.second) - walk.circleY;
                MovePlayer(walk, walls, world);
                const int i = static_cast<int>(std::lround((world.offsetX + walk.circleX - left) / step));
                const int j = static_cast<int>(std::lround((world.offsetY + walk.circleY - top) / step));
                if (i < 0 || j < 0 || i >= w || j >= h || seen[j * w + i]) continue;
                seen[j * w + i] = 1;
                queue.push({i, j});
            }
        }
        for (unsigned char& key : Keys) key = 0;
    }

    float X(int i) const { return left + step * i; }
    float Y(int j) const { return top + step * j; }
    bool Reached(int i, int j) const { return seen[j * w + i] != 0; }

    // Some reached centre lies strictly within radius of (x, y).
    bool Reaches(float x, float y, float radius) const { return Nearest(x, y) < radius; }
    float Nearest(float x, float y) const
    {
        float best = 1e9f;
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++)
                if (seen[j * w + i]) best = std::min(best, std::hypot(X(i) - x, Y(j) - y));
        return best;
    }

    // Expects no reached centre outside `inside`, and no way out for any
    // walk of small steps either, not only the grid's: a step of at most
    // 2 * slack pixels keeps a circle `slack` smaller than the player's free
    // along the whole way, so every cell the way crosses is free for a
    // circle smaller still by the cell's half-diagonal. Flooding those
    // cells, corners included, covers every place such a walk can reach.
    template <typename Inside>
    void ExpectNoWayOut(Inside inside, float slack) const
    {
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++) {
                if (Reached(i, j)) {
                    ASSERT_TRUE(inside(X(i), Y(j))) << "reachable at " << X(i) << "," << Y(j);
                }
            }
        const float looseRadius = walk.circleRadius - slack - step * float(M_SQRT1_2);
        std::vector<unsigned char> flooded(w * h, 0);
        std::queue<std::pair<int, int>> queue;
        flooded[startJ * w + startI] = 1;
        queue.push({startI, startJ});
        while (!queue.empty()) {
            const auto cell = queue.front();
            queue.pop();
            ASSERT_TRUE(inside(X(cell.first), Y(cell.second)))
                << "a way out near " << X(cell.first) << "," << Y(cell.second);
            for (int dj = -1; dj <= 1; dj++)
                for (int di = -1; di <= 1; di++) {
                    const int i = cell.first + di, j = cell.second + dj;
                    if (i < 0 || j < 0 || i >= w || j >= h || flooded[j * w + i]) continue;
                    flooded[j * w + i] = 1;
                    if (IsFree(walls, Circle{X(i), Y(j), looseRadius})) queue.push({i, j});
                }
        }
    }

    const WalkValues& walk;
    const CollisionTable& walls;
    const int speed;
    const float step, left, top;
    const int w, h;
    const int startI, startJ;

private:
    std::vector<unsigned char> seen;
};

// A place the level asks the player to come near: a circle around the
// player's centre.
struct MapTarget {
    std::string what;
    float x, y, radius;
};

inline void ExpectReached(const MapWalk& map, const std::vector<MapTarget>& targets)
{
    for (const MapTarget& target : targets)
        EXPECT_TRUE(map.Reaches(target.x, target.y, target.radius))
            << target.what << ": nearest reachable centre is " << map.Nearest(target.x, target.y)
            << " away, needs < " << target.radius;
}

// A level's committed walls read with `loadWalls`, then walked from a free
// start on a 4-pixel grid over more than the world picture, so that a way
// out would show at the grid's edge. The walk is made once per test process.
inline std::unique_ptr<MapWalk> WalkLevelMap(void (*loadWalls)(), const WalkValues& walk,
                                             const CollisionTable& walls, int speed, float startX, float startY,
                                             int cellsLeft, int cellsUp, int w, int h)
{
    static const ClockSource stillClock = {[]() -> Uint32 { return 100000; }, [](Uint32) {},
                                           []() -> time_t { return 0; }};
    std::string log;
    SetLogSink(&log);
    SetClockSource(&stillClock);
    EXPECT_EQ(chdir(VIPRATS_DATA_DIR), 0);
    loadWalls();
    SetLogSink(nullptr);
    EXPECT_TRUE(log.empty()) << "the map file is missing or short: " << log;
    EXPECT_TRUE(IsFree(walls, Circle{startX, startY, walk.circleRadius})) << "the start is in a wall";
    std::unique_ptr<MapWalk> map(new MapWalk(walk, walls, speed, startX, startY, 4, cellsLeft, cellsUp, w, h));
    map->Walk();
    SetClockSource(nullptr);
    return map;
}

#endif
