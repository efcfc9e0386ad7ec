#include "world/movement.h"

#include "shell/clock.h"
#include "shell/keys.h"

namespace {

// The eight key tests in the order they run. Each one that passes adds its
// move, so a diagonal adds to the two straight moves already made: 1.25 of
// the speed across and 0.75 along. The last test that passes sets the row.
struct KeyTest {
    SDLKey first, second;
    float dx, dy;
};

const KeyTest KEY_TESTS[8] = {
    {SDLK_DOWN, SDLK_DOWN, 0, 1},         {SDLK_UP, SDLK_UP, 0, -1},
    {SDLK_LEFT, SDLK_LEFT, -1, 0},        {SDLK_RIGHT, SDLK_RIGHT, 1, 0},
    {SDLK_RIGHT, SDLK_UP, 0.25f, 0.25f},  {SDLK_RIGHT, SDLK_DOWN, 0.25f, -0.25f},
    {SDLK_LEFT, SDLK_UP, -0.25f, 0.25f},  {SDLK_LEFT, SDLK_DOWN, -0.25f, -0.25f},
};

void StepWalkCycle(Player& player)
{
    if (player.tNow - player.tLastFrame > player.frameInterval) {
        player.frame += 1;
        player.tLastFrame = player.tNow;
    }
}

}  // namespace

void MovePlayer(const WalkValues& walk, const CollisionTable& walls, WorldState& world)
{
    Player& player = world.player;
    player.tNow = static_cast<float>(GameTicks());
    world.xvec = world.offsetX;
    world.yvec = world.offsetY;

    const float step = player.speed * world.frameTime;
    for (int test = 0; test < 8; test++) {
        const KeyTest& key = KEY_TESTS[test];
        if (!Keys[key.first] || !Keys[key.second]) continue;
        world.offsetX += key.dx * step;
        world.offsetY += key.dy * step;
        StepWalkCycle(player);
        player.row = walk.facingRows[test];
    }
    if (player.frame > walk.walkFrames - 1) player.frame = 0;

    world.circle.x = world.offsetX + walk.circleX;
    world.circle.y = world.offsetY + walk.circleY;
    if (!IsFree(walls, world.circle)) {
        world.offsetX = world.xvec;
        world.offsetY = world.yvec;
    }
}

bool IsFree(const CollisionTable& walls, const Circle& circle)
{
    for (int k = 0; k < walls.count; k++)
        if (is_intersecting(walls.records[k], circle)) return false;
    return true;
}

bool Within(float px, float py, float a, float b, float d)
{
    const long double dx = static_cast<long double>(a) - px;
    const long double dy = static_cast<long double>(b) - py;
    return dx * dx + dy * dy < static_cast<long double>(d) * d;
}
