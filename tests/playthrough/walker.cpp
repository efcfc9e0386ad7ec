#include "tests/playthrough/walker.h"

#include <algorithm>
#include <cmath>
#include <queue>

#include "world/movement.h"

namespace {

// One key or key pair and how far it moves the player, in strides. The game
// adds a pair's own move to the two single moves, so a diagonal carries the
// player 1.25 strides across and 0.75 along.
struct Move {
    SDLKey first, second;
    float dx, dy;
};
const float DIAGONAL_X = 1.25f, DIAGONAL_Y = 0.75f;
const Move MOVES[8] = {
    {SDLK_DOWN, SDLK_DOWN, 0, 1},
    {SDLK_UP, SDLK_UP, 0, -1},
    {SDLK_LEFT, SDLK_LEFT, -1, 0},
    {SDLK_RIGHT, SDLK_RIGHT, 1, 0},
    {SDLK_RIGHT, SDLK_UP, DIAGONAL_X, -DIAGONAL_Y},
    {SDLK_RIGHT, SDLK_DOWN, DIAGONAL_X, DIAGONAL_Y},
    {SDLK_LEFT, SDLK_UP, -DIAGONAL_X, -DIAGONAL_Y},
    {SDLK_LEFT, SDLK_DOWN, -DIAGONAL_X, DIAGONAL_Y},
};

// Room around the walls' extent, so a player standing outside them still
// stands on the grid.
const float GRID_MARGIN = 64;
// The longest way across a level takes about 1500 frames.
const int WALK_FRAMES = 6000;
// Cells of the grid around a point looked through for its distance.
const int NEARBY = 2;

// The potty, the same in every level: the point its target must cover, the
// target's middle from its base, the wobble's swing, the base's speed.
const float POTTY_POINT_X = 219, POTTY_POINT_Y = 309;
const float TARGET_MIDDLE_X = 55 - 7, TARGET_MIDDLE_Y = 51 - 113;
const float WOBBLE_X = 150, WOBBLE_Y = 170;
const float POTTY_BASE_SPEED = 200;    // pixels a second
const float PHASE_STEP_MS = 50;        // the phases move this often

float FrameTime(COverworld& level)
{
    // Before the level's first frame the time is not known yet: the driven clock's.
    const float seconds = level.World().frameTime;
    return seconds > 0 ? seconds : 0.03f;
}

}  // namespace

// --- the floor ----------------------------------------------------------------

Floor::Floor(COverworld& level) : level(level)
{
    const CollisionTable& walls = level.Values().walls;
    float right = -1e9f, bottom = -1e9f;
    left = top = 1e9f;
    for (int k = 0; k < walls.count; k++)
        for (const auto& corner : walls.records[k].corner) {
            left = std::min(left, corner[0]);
            top = std::min(top, corner[1]);
            right = std::max(right, corner[0]);
            bottom = std::max(bottom, corner[1]);
        }
    left = std::floor(left - GRID_MARGIN);
    top = std::floor(top - GRID_MARGIN);
    columns = static_cast<int>((right + GRID_MARGIN - left) / CELL) + 1;
    rows = static_cast<int>((bottom + GRID_MARGIN - top) / CELL) + 1;
    open.assign(columns * rows, 0);
    for (int j = 0; j < rows; j++)
        for (int i = 0; i < columns; i++) open[Index(i, j)] = Free(X(i), Y(j));
}

int Floor::I(float x) const { return static_cast<int>(std::lround((x - left) / CELL)); }
int Floor::J(float y) const { return static_cast<int>(std::lround((y - top) / CELL)); }

bool Floor::Free(float x, float y) const
{
    const OverworldValues& values = level.Values();
    return IsFree(values.walls, Circle{x, y, values.walk.circleRadius});
}

// --- distances ----------------------------------------------------------------

DistanceMap::DistanceMap(const Floor& floor, const Goal& to)
    : floor(&floor), to(to), distance(floor.Cells(), FAR)
{
    using Entry = std::pair<float, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    ForCellsWithin(to, [&](int i, int j, float d) {
        distance[floor.Index(i, j)] = d;
        queue.push({d, floor.Index(i, j)});
    });
    empty = queue.empty();
    while (!queue.empty()) {
        const Entry entry = queue.top();
        queue.pop();
        if (entry.first > distance[entry.second]) continue;
        const int i = entry.second % floor.Columns(), j = entry.second / floor.Columns();
        for (int dj = -1; dj <= 1; dj++)
            for (int di = -1; di <= 1; di++) {
                if (!floor.Open(i + di, j + dj)) continue;
                // A corner is cut only where both sides of it are open.
                if (di && dj && (!floor.Open(i + di, j) || !floor.Open(i, j + dj))) continue;
                const float d = entry.first + Floor::CELL * std::hypot(static_cast<float>(di), static_cast<float>(dj));
                const int next = floor.Index(i + di, j + dj);
                if (d >= distance[next]) continue;
                distance[next] = d;
                queue.push({d, next});
            }
    }
}

float DistanceMap::From(float x, float y) const
{
    float best = FAR;
    // Close to the goal the way is straight.
    if (std::hypot(to.x - x, to.y - y) < to.near + NEARBY * Floor::CELL) best = std::hypot(to.x - x, to.y - y);
    for (int j = floor->J(y) - NEARBY; j <= floor->J(y) + NEARBY; j++)
        for (int i = floor->I(x) - NEARBY; i <= floor->I(x) + NEARBY; i++)
            if (floor->Open(i, j))
                best = std::min(best, distance[floor->Index(i, j)] + std::hypot(floor->X(i) - x, floor->Y(j) - y));
    return best;
}

float DistanceMap::FromReach(const Goal& at) const
{
    float best = FAR;
    ForCellsWithin(at, [&](int i, int j, float) { best = std::min(best, distance[floor->Index(i, j)]); });
    return best;
}

// The open cells strictly within reach of `at`, with their walking to its
// point; a reach squeezed between walls takes the cells just outside it.
void DistanceMap::ForCellsWithin(const Goal& at, const std::function<void(int, int, float)>& visit) const
{
    bool any = false;
    for (float reach = at.near; !any && reach <= at.near + NEARBY * Floor::CELL; reach += Floor::CELL) {
        const int cells = static_cast<int>(reach / Floor::CELL) + 1;
        for (int j = floor->J(at.y) - cells; j <= floor->J(at.y) + cells; j++)
            for (int i = floor->I(at.x) - cells; i <= floor->I(at.x) + cells; i++) {
                const float dx = floor->X(i) - at.x, dy = floor->Y(j) - at.y;
                if (std::hypot(dx, dy) >= reach || !floor->Open(i, j)) continue;
                visit(i, j, std::hypot(dx, dy));
                any = true;
            }
    }
}

// --- walking ------------------------------------------------------------------

Walker::Walker(Pilot& pilot, COverworld& level) : pilot(pilot), level(level), floor(level) {}

void Walker::PlayerAt(float* x, float* y) const
{
    // The circle itself keeps the last tried position after a blocked move.
    const WorldState& world = level.World();
    *x = world.offsetX + level.Values().walk.circleX;
    *y = world.offsetY + level.Values().walk.circleY;
}

float Walker::DistanceTo(float x, float y) const
{
    float px, py;
    PlayerAt(&px, &py);
    return std::hypot(x - px, y - py);
}

DistanceMap Walker::MapTo(const std::string& step, const Goal& to) const
{
    DistanceMap map(floor, to);
    if (map.Empty())
        pilot.Fail(step, "no floor within reach of (" + std::to_string(to.x) + ", " + std::to_string(to.y) + ")");
    return map;
}

// Each frame the key or key pair that brings the player nearest the goal
// along the floor, as the walls allow.
void Walker::WalkTo(const std::string& step, const Goal& goal, const WalkHooks& hooks)
{
    DistanceMap toGoal = MapTo(step, goal);
    std::vector<bool> blocked(8, false);
    float lastX, lastY;
    PlayerAt(&lastX, &lastY);
    for (int frame = 0;; frame++) {
        if (level.World().process != level.Values().controller.worldState) {
            pilot.LetAll();
            pilot.Fail(step, "the level left its world (state " + std::to_string(level.World().process) + ")");
        }
        if (frame > WALK_FRAMES) pilot.Fail(step, "walked too long");
        float x, y;
        PlayerAt(&x, &y);
        if (std::hypot(goal.x - x, goal.y - y) < goal.near) break;
        if (x != lastX || y != lastY) blocked.assign(8, false);
        lastX = x;
        lastY = y;
        if (hooks.turnAside && hooks.turnAside(toGoal)) {
            toGoal = MapTo(step, goal);
            continue;
        }
        const int move = BestMove(toGoal, blocked);
        if (move < 0)
            pilot.Fail(step, "wedged at (" + std::to_string(x) + ", " + std::to_string(y) + ") on the way to (" +
                                 std::to_string(goal.x) + ", " + std::to_string(goal.y) + ")");
        // The game's sum of a pair's moves can land a hair off the estimate;
        // a move that did not move is not tried again from the same place.
        blocked[move] = true;
        pilot.LetAll();
        pilot.Hold(MOVES[move].first);
        pilot.Hold(MOVES[move].second);
        if (hooks.inPassing) hooks.inPassing();
        pilot.Frame();
    }
    pilot.LetAll();
    pilot.Frame();  // the arrows' release reaches the game
}

// The move whose landing place is free and nearest the goal; -1 when none
// gets nearer than standing still.
int Walker::BestMove(const DistanceMap& toGoal, const std::vector<bool>& blocked) const
{
    float x, y;
    PlayerAt(&x, &y);
    const float stride = level.World().player.speed * FrameTime(level);
    float best = toGoal.From(x, y) - 0.01f;
    int chosen = -1;
    for (int move = 0; move < 8; move++) {
        if (blocked[move]) continue;
        const float nx = x + MOVES[move].dx * stride, ny = y + MOVES[move].dy * stride;
        if (!floor.Free(nx, ny)) continue;
        const float left = toGoal.From(nx, ny);
        if (left < best) {
            best = left;
            chosen = move;
        }
    }
    return chosen;
}

// --- the potty ------------------------------------------------------------------

// Leans the target's base against the wobble, one frame ahead, so that the
// target stays over the potty's point.
bool Walker::PlayPotty(const std::string& step)
{
    const int worldState = level.Values().controller.worldState;
    const PottyGame& potty = level.World().potty;
    pilot.While(step, [&] { return level.World().process != worldState; }, [&] {
        const float seconds = FrameTime(level);
        const float phaseSteps = seconds * 1000 / PHASE_STEP_MS;
        const float slack = POTTY_BASE_SPEED * seconds / 2;
        pilot.Steer(SDLK_LEFT, SDLK_RIGHT, potty.baseX,
                    POTTY_POINT_X - TARGET_MIDDLE_X - std::sin(potty.phaseX + potty.rateX / 100 * phaseSteps) * WOBBLE_X, slack);
        pilot.Steer(SDLK_UP, SDLK_DOWN, potty.baseY,
                    POTTY_POINT_Y - TARGET_MIDDLE_Y - std::cos(potty.phaseY + potty.rateY / 100 * phaseSteps) * WOBBLE_Y, slack);
    });
    // The bar may tick once on the frame the potty hands back.
    return level.World().player.toilet >= level.Values().potty.refill - 1;
}
