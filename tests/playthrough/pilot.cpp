#include "tests/playthrough/pilot.h"
#include "tests/playthrough/routes.h"

#include <cmath>
#include <queue>
#include <unordered_map>

#include "shell/game.h"
#include "world/movement.h"

namespace {

void PushKey(int key, bool down)
{
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    SDL_PushEvent(&event);
}

// The route grid's pitch: finer than any gap worth walking through, coarse
// enough that a plan over a whole level stays quick.
const float GRID = 8;
const int MOST_CELLS_SEARCHED = 400000;
const int REPLANS = 6;
const int STILL_FRAMES = 4;

}  // namespace

Pilot::Pilot() : held(SDLK_LAST, false), wanted(SDLK_LAST, false) {}

void Pilot::Frame(int count)
{
    for (int i = 0; i < count; i++) {
        for (int key = 0; key < SDLK_LAST; key++) {
            if (held[key] == wanted[key]) continue;
            held[key] = wanted[key];
            PushKey(key, held[key]);
            changes.push_back({frame, key, held[key]});
        }
        RunFrame();
        frame++;
        if (afterFrame) afterFrame(frame);
    }
}

void Pilot::Hold(SDLKey key) { wanted[key] = true; }
void Pilot::Let(SDLKey key) { wanted[key] = false; }

void Pilot::LetAll()
{
    for (int key = 0; key < SDLK_LAST; key++) wanted[key] = false;
}

void Pilot::Tap(SDLKey key)
{
    Hold(key);
    Frame();
    Let(key);
}

void Pilot::Type(const char* keys)
{
    for (const char* key = keys; *key; key++) {
        Tap(static_cast<SDLKey>(*key));
        Frame();
    }
}

void Pilot::Until(const std::string& step, const std::function<bool()>& done, int limit)
{
    for (int i = 0; i < limit; i++) {
        if (done()) return;
        Frame();
    }
    if (!done()) Fail(step, "still not done after " + std::to_string(limit) + " frames");
}

void Pilot::Fail(const std::string& step, const std::string& why) const
{
    throw Stuck("stuck at \"" + step + "\" on frame " + std::to_string(frame) + " (scene " +
                std::to_string(kas_notiek) + ")" + (why.empty() ? "" : ": " + why));
}

void Pilot::PlayerAt(COverworld& level, float* x, float* y)
{
    // The circle itself keeps the last tried position after a blocked move.
    const WorldState& world = level.World();
    *x = world.offsetX + level.Values().walk.circleX;
    *y = world.offsetY + level.Values().walk.circleY;
}

// A* over grid cells laid through the player's position; a cell is open when
// the player's circle there touches no wall, and a step between two cells
// needs its midpoint open too.
std::vector<Waypoint> Pilot::PlanRoute(COverworld& level, float x, float y, float near) const
{
    const OverworldValues& values = level.Values();
    float fromX, fromY;
    PlayerAt(level, &fromX, &fromY);
    auto open = [&](float cx, float cy) {
        return IsFree(values.walls, Circle{cx, cy, values.walk.circleRadius});
    };
    auto key = [](int i, int j) { return (static_cast<long long>(i) << 32) ^ static_cast<unsigned>(j); };
    auto cellX = [&](int i) { return fromX + GRID * i; };
    auto cellY = [&](int j) { return fromY + GRID * j; };
    auto distance = [&](int i, int j) { return std::hypot(cellX(i) - x, cellY(j) - y); };

    struct Node {
        float estimate;
        int cost, i, j;
        bool operator<(const Node& other) const { return estimate > other.estimate; }
    };
    std::unordered_map<long long, long long> cameFrom;  // cell -> previous cell
    std::unordered_map<long long, int> best;
    std::priority_queue<Node> queue;
    queue.push({distance(0, 0), 0, 0, 0});
    best[key(0, 0)] = 0;
    int closestI = 0, closestJ = 0, searched = 0;
    while (!queue.empty() && searched++ < MOST_CELLS_SEARCHED) {
        const Node node = queue.top();
        queue.pop();
        if (node.cost > best[key(node.i, node.j)]) continue;
        if (distance(node.i, node.j) < distance(closestI, closestJ)) {
            closestI = node.i;
            closestJ = node.j;
        }
        if (distance(node.i, node.j) <= std::max(near, GRID)) break;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : steps) {
            const int i = node.i + step[0], j = node.j + step[1];
            const auto found = best.find(key(i, j));
            if (found != best.end() && found->second <= node.cost + 1) continue;
            if (!open(cellX(i), cellY(j)) ||
                !open((cellX(i) + cellX(node.i)) / 2, (cellY(j) + cellY(node.j)) / 2))
                continue;
            best[key(i, j)] = node.cost + 1;
            cameFrom[key(i, j)] = key(node.i, node.j);
            queue.push({node.cost + 1 + distance(i, j) / GRID, node.cost + 1, i, j});
        }
    }
    std::vector<Waypoint> route;
    for (long long cell = key(closestI, closestJ); cell != key(0, 0); cell = cameFrom[cell]) {
        const int i = static_cast<int>(cell >> 32), j = static_cast<int>(static_cast<int>(cell & 0xFFFFFFFF));
        route.push_back({cellX(i), cellY(j)});
    }
    return {route.rbegin(), route.rend()};
}

// Holds one arrow at a time toward each waypoint in turn, then toward the
// goal itself: straight moves only, since a diagonal moves by other amounts
// on its two axes. False when the player stands still against something.
bool Pilot::FollowRoute(const std::string& step, COverworld& level, const std::vector<Waypoint>& route,
                        float x, float y, float near)
{
    std::vector<Waypoint> points = route;
    points.push_back({x, y});
    int still = 0;
    float lastX, lastY;
    PlayerAt(level, &lastX, &lastY);
    for (size_t next = 0;;) {
        if (level.World().process != level.Values().controller.worldState) {
            LetAll();
            Fail(step, "the level left its world (state " + std::to_string(level.World().process) + ")");
        }
        float px, py;
        PlayerAt(level, &px, &py);
        if (std::hypot(x - px, y - py) <= near) break;
        const float stride = level.World().player.speed * 0.03f;
        const float reach = next + 1 == points.size() ? stride / 2 : std::max(GRID / 2, stride / 2 + 0.5f);
        const float dx = points[next].x - px, dy = points[next].y - py;
        if (next + 1 < points.size() && std::fabs(dx) <= reach && std::fabs(dy) <= reach) {
            next++;
            continue;
        }
        LetAll();
        if (std::fabs(dx) >= std::fabs(dy)) Hold(dx > 0 ? SDLK_RIGHT : SDLK_LEFT);
        else Hold(dy > 0 ? SDLK_DOWN : SDLK_UP);
        Frame();
        PlayerAt(level, &px, &py);
        still = (px == lastX && py == lastY) ? still + 1 : 0;
        lastX = px;
        lastY = py;
        if (still >= STILL_FRAMES) {
            LetAll();
            return false;
        }
    }
    LetAll();
    return true;
}

void Pilot::WalkTo(const std::string& step, COverworld& level, float x, float y, float near)
{
    for (int attempt = 0; attempt < REPLANS; attempt++) {
        const std::vector<Waypoint> route = PlanRoute(level, x, y, near);
        float endX, endY;
        PlayerAt(level, &endX, &endY);
        if (!route.empty()) endX = route.back().x, endY = route.back().y;
        if (std::hypot(endX - x, endY - y) > near + GRID)
            Fail(step, "no way to (" + std::to_string(x) + ", " + std::to_string(y) + ")");
        if (FollowRoute(step, level, route, x, y, near)) {
            Frame();  // the arrows' release reaches the game
            return;
        }
    }
    float px, py;
    PlayerAt(level, &px, &py);
    Fail(step, "cannot walk from (" + std::to_string(px) + ", " + std::to_string(py) + ") to (" +
                   std::to_string(x) + ", " + std::to_string(y) + ")");
}

void PassLoadingScreen(Pilot& pilot)
{
    const int loading = kas_notiek;
    const SDLKey start = loading == STATE_LOAD0 ? SDLK_RETURN : SDLK_SPACE;
    for (int frame = 0; frame < 400 && kas_notiek == loading; frame++) {
        pilot.Hold(SDLK_RETURN);
        pilot.Hold(start);
        pilot.Frame();
        pilot.LetAll();
        pilot.Frame();
    }
    if (kas_notiek != loading + 1) pilot.Fail("loading screen " + std::to_string(loading));
}
