#ifndef VIPRATS_TESTS_MAP_WALK_H
#define VIPRATS_TESTS_MAP_WALK_H

// Walks an overworld level's collision map with the game's own movement
// step: a breadth-first search over player centres on a grid laid through
// the start, each edge one real MovePlayer call with a frame time that
// moves exactly one cell, so the step itself undoes a move into a wall.

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <queue>
#include <vector>

#include "shell/keys.h"
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
    bool Reaches(float x, float y, float radius) const
    {
        return Nearest(x, y) < radius;
    }
    float Nearest(float x, float y) const
    {
        float best = 1e9f;
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++)
                if (seen[j * w + i]) best = std::min(best, std::hypot(X(i) - x, Y(j) - y));
        return best;
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

#endif
