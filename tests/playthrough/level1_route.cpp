// Level 1 as a player plays it: one item at a time from where it lies to the
// drop point, the nearest first, then out through the hall. On the way the
// player keeps an eye on the body and the house: a drink before hunger, the
// potty before an accident, a cloud of gas for any pest that comes close
// once the meter is full (fewer of them bite later), and a turbo charge
// picked up in passing and spent at once.
//
// The player walks diagonally where that is quicker: a diagonal moves 1.25
// of the speed across and 0.75 along, so on a long way across the house it
// beats the straight keys. Each frame takes the key or key pair that brings
// the player nearest the goal as the walls allow, by a map of distances
// along the floor laid out for each walk.

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <string>
#include <vector>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/game.h"
#include "tests/playthrough/routes.h"
#include "world/movement.h"

namespace {

// Below these the player turns aside for a drink or the potty. Food is
// spent by bites as well as by time, so its mark leaves room for two bites
// on the way to a bottle; the toilet's leaves room for the longest walk to
// the potty before its warning shows.
const int FOOD_LOW = 60;
const int TOILET_LOW = 50;
// The bottle that lengthens the way least is taken if it is no further
// than this (about 8 food at walking pace); else the nearest one.
const float BOTTLE_WALK = 1200;
const float GAS_USE_RANGE = 150;  // well inside the cloud's reach, as the pest moves
// A charge saves about 780 pixels of walking; turning aside for less than
// this is worth it.
const float TURBO_DETOUR = 300;

// The potty's target must cover this point of its picture.
const float POTTY_POINT_X = 219, POTTY_POINT_Y = 309;
const float POTTY_TARGET_HALF_W = 55, POTTY_TARGET_HALF_H = 51;
const float POTTY_SLACK = 4;
const int POTTY_TRIES = 3;
const int POTTY_FRAMES = 1000;  // a won sit takes about 330

const int WALK_FRAMES = 4000;  // the longest way across the house takes about 1200

// One key or key pair and how far it moves the player, in strides. The
// game adds a pair's own move to the two single moves.
struct Move {
    SDLKey first, second;
    float dx, dy;
};
const Move MOVES[8] = {
    {SDLK_DOWN, SDLK_DOWN, 0, 1},         {SDLK_UP, SDLK_UP, 0, -1},
    {SDLK_LEFT, SDLK_LEFT, -1, 0},        {SDLK_RIGHT, SDLK_RIGHT, 1, 0},
    {SDLK_RIGHT, SDLK_UP, 1.25f, -0.75f}, {SDLK_RIGHT, SDLK_DOWN, 1.25f, 0.75f},
    {SDLK_LEFT, SDLK_UP, -1.25f, -0.75f}, {SDLK_LEFT, SDLK_DOWN, -1.25f, 0.75f},
};

// Where the player's centre must come to, and how near is near enough.
struct Target {
    float x, y, near;
};

// Reaches are strict; the walk stops a little inside.
const float INSIDE_REACH = 8;

Target ReachOf(const float x, const float y, const Reach& reach)
{
    return {x + reach.dx, y + reach.dy, reach.radius - INSIDE_REACH};
}

const Target DROP = {DROP_POINT.x, DROP_POINT.y, DROP_RADIUS - INSIDE_REACH};
const Target EXIT = {EXIT_POINT.x, EXIT_POINT.y, EXIT_RADIUS - INSIDE_REACH};

Target ItemReach(const int item) { return ReachOf(Manta[item].x, Manta[item].y, ITEM_REACH); }
Target BottleReach(const int bottle) { return ReachOf(pudele[bottle].x, pudele[bottle].y, BOTTLE_REACH); }
Target TurboReach(const int pickup) { return ReachOf(pirdiens[pickup].x, pirdiens[pickup].y, TURBO_REACH); }
Target PottyReach() { return ReachOf(mini_poz[STATE_POTTY].x, mini_poz[STATE_POTTY].y, SPOT_REACH); }

void PlayerPosition(float* x, float* y) { Pilot::PlayerAt(LVL1, x, y); }

float PlayerDistanceTo(const float x, const float y)
{
    float px, py;
    PlayerPosition(&px, &py);
    return std::hypot(x - px, y - py);
}

bool Free(const float x, const float y) { return IsFree(LEVEL1.walls, Circle{x, y, LEVEL1.walk.circleRadius}); }

// --- the house's floor --------------------------------------------------------

// The floor inside the outer walls on a grid; a cell is open when the
// player's circle there touches no wall.
const float GRID_LEFT = 480, GRID_TOP = 910, GRID_RIGHT = 3370, GRID_BOTTOM = 2380;
const float CELL = 8;
const int GRID_W = static_cast<int>((GRID_RIGHT - GRID_LEFT) / CELL) + 1;
const int GRID_H = static_cast<int>((GRID_BOTTOM - GRID_TOP) / CELL) + 1;
const float FAR = 1e9f;

class Floor {
public:
    Floor() : open(GRID_W * GRID_H)
    {
        for (int j = 0; j < GRID_H; j++)
            for (int i = 0; i < GRID_W; i++) open[Index(i, j)] = Free(X(i), Y(j));
    }
    static float X(const int i) { return GRID_LEFT + CELL * i; }
    static float Y(const int j) { return GRID_TOP + CELL * j; }
    static int I(const float x) { return static_cast<int>(std::lround((x - GRID_LEFT) / CELL)); }
    static int J(const float y) { return static_cast<int>(std::lround((y - GRID_TOP) / CELL)); }
    static int Index(const int i, const int j) { return j * GRID_W + i; }
    bool Open(const int i, const int j) const
    {
        return i >= 0 && j >= 0 && i < GRID_W && j < GRID_H && open[Index(i, j)];
    }

private:
    std::vector<unsigned char> open;
};

// Distances along the floor to one target, from everywhere.
class DistanceMap {
public:
    explicit DistanceMap(const Floor& floor) : floor(floor), distance(GRID_W * GRID_H, FAR) {}

    // False when no open cell lies within the target's reach.
    bool LayOut(const Target& to)
    {
        std::fill(distance.begin(), distance.end(), FAR);
        using Entry = std::pair<float, int>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
        ForCellsWithin(to, [&](const int i, const int j, const float d) {
            distance[Floor::Index(i, j)] = d;
            queue.push({d, Floor::Index(i, j)});
        });
        if (queue.empty()) return false;
        while (!queue.empty()) {
            const Entry entry = queue.top();
            queue.pop();
            if (entry.first > distance[entry.second]) continue;
            const int i = entry.second % GRID_W, j = entry.second / GRID_W;
            for (int dj = -1; dj <= 1; dj++)
                for (int di = -1; di <= 1; di++) {
                    if (!floor.Open(i + di, j + dj)) continue;
                    // A corner is cut only where both sides of it are open.
                    if (di && dj && (!floor.Open(i + di, j) || !floor.Open(i, j + dj))) continue;
                    const float d = entry.first + CELL * std::hypot(static_cast<float>(di), static_cast<float>(dj));
                    const int next = Floor::Index(i + di, j + dj);
                    if (d >= distance[next]) continue;
                    distance[next] = d;
                    queue.push({d, next});
                }
        }
        return true;
    }

    // From any point, through the best open cell nearby, so that the
    // distance changes smoothly with every stride.
    float From(const float x, const float y) const
    {
        float best = FAR;
        for (int j = Floor::J(y) - 2; j <= Floor::J(y) + 2; j++)
            for (int i = Floor::I(x) - 2; i <= Floor::I(x) + 2; i++)
                if (floor.Open(i, j))
                    best = std::min(best, distance[Floor::Index(i, j)] + std::hypot(Floor::X(i) - x, Floor::Y(j) - y));
        return best;
    }

    // From the nearest place within reach of `at`.
    float FromReach(const Target& at) const
    {
        float best = FAR;
        ForCellsWithin(at, [&](const int i, const int j, float) {
            best = std::min(best, distance[Floor::Index(i, j)]);
        });
        return best;
    }

private:
    void ForCellsWithin(const Target& at, const std::function<void(int, int, float)>& visit) const
    {
        const int cells = static_cast<int>(at.near / CELL) + 1;
        for (int j = Floor::J(at.y) - cells; j <= Floor::J(at.y) + cells; j++)
            for (int i = Floor::I(at.x) - cells; i <= Floor::I(at.x) + cells; i++) {
                const float d = std::hypot(Floor::X(i) - at.x, Floor::Y(j) - at.y);
                if (d <= at.near && floor.Open(i, j)) visit(i, j, d);
            }
    }

    const Floor& floor;
    std::vector<float> distance;
};

// --- the route ----------------------------------------------------------------

class HouseRoute {
public:
    explicit HouseRoute(Pilot& pilot) : pilot(pilot), toGoal(floor), fromPlayer(floor) {}

    void Play()
    {
        while (mantu_skaits_int < MISSION_ITEMS) {
            if (!player.carrying) FetchNearestItem();
            DeliverItem();
        }
        Leave();
    }

private:
    // --- errands ----------------------------------------------------------

    // Nearest to the drop point, since every item is carried there.
    void FetchNearestItem()
    {
        LayOut(toGoal, "fetch an item", DROP);
        int nearest = -1;
        for (int k = 0; k < MISSION_ITEMS; k++) {
            if (Manta[k].taken) continue;
            if (nearest < 0 || toGoal.FromReach(ItemReach(k)) < toGoal.FromReach(ItemReach(nearest))) nearest = k;
        }
        if (nearest < 0) pilot.Fail("fetch an item", "none left to take, yet not all delivered");
        const std::string step = "fetch item " + std::to_string(nearest);
        Walk(step, ItemReach(nearest), true);
        // A turn aside on the way may have ended with an item in hand.
        if (!player.carrying) SpaceHere(step);
        if (!player.carrying) pilot.Fail(step, "Space did not pick it up");
    }

    void DeliverItem()
    {
        const int delivered = mantu_skaits_int;
        const std::string step = "deliver item " + std::to_string(delivered + 1);
        Walk(step, DROP, true);
        SpaceHere(step);
        if (mantu_skaits_int != delivered + 1 || player.carrying) pilot.Fail(step, "the drop point did not take it");
    }

    void Leave()
    {
        Walk("walk to the exit", EXIT, true);
        pilot.Tap(SDLK_SPACE);
        pilot.Until("leave by the exit", [] { return kas_notiek == STATE_LOAD2; }, 3);
    }

    // --- walking --------------------------------------------------------------

    void LayOut(DistanceMap& map, const std::string& step, const Target& to)
    {
        if (!map.LayOut(to))
            pilot.Fail(step, "no floor within reach of (" + std::to_string(to.x) + ", " + std::to_string(to.y) + ")");
    }

    // An errand's walk also sees to the needs and the turbo on the way; a
    // walk that turns aside for them does not turn aside again.
    void Walk(const std::string& step, const Target& goal, const bool errand)
    {
        LayOut(toGoal, step, goal);
        std::vector<bool> blocked(8, false);
        float lastX, lastY;
        PlayerPosition(&lastX, &lastY);
        for (int frame = 0;; frame++) {
            if (process != STATE_WORLD)
                pilot.Fail(step, "the house left its world (state " + std::to_string(process) + ")");
            if (frame > WALK_FRAMES) pilot.Fail(step, "walked too long");
            float x, y;
            PlayerPosition(&x, &y);
            if (std::hypot(goal.x - x, goal.y - y) <= goal.near) break;
            if (x != lastX || y != lastY) blocked.assign(8, false);
            lastX = x;
            lastY = y;
            if (errand && TurnAside()) {
                LayOut(toGoal, step, goal);
                continue;
            }
            const int move = BestMove(x, y, blocked);
            if (move < 0) {
                // Wedged where the grid is too coarse: the pilot's own way.
                pilot.WalkTo(step, LVL1, goal.x, goal.y, goal.near);
                return;
            }
            // The game's sum of a pair's moves can land a hair off the
            // estimate; a move that did not move is not tried again here.
            blocked[move] = true;
            pilot.LetAll();
            pilot.Hold(MOVES[move].first);
            pilot.Hold(MOVES[move].second);
            if (errand) KeysInPassing();
            pilot.Frame();
        }
        pilot.LetAll();
        pilot.Frame();  // the arrows' release reaches the game
    }

    // The move whose landing place is free and nearest the goal along the
    // floor; -1 when none gets nearer than standing still.
    int BestMove(const float x, const float y, const std::vector<bool>& blocked) const
    {
        const float stride = player.speed * Timelvl1;
        float best = toGoal.From(x, y) - 0.01f;
        int chosen = -1;
        for (int move = 0; move < 8; move++) {
            if (blocked[move]) continue;
            const float nx = x + MOVES[move].dx * stride, ny = y + MOVES[move].dy * stride;
            if (!Free(nx, ny)) continue;
            const float left = toGoal.From(nx, ny);
            if (left < best) {
                best = left;
                chosen = move;
            }
        }
        return chosen;
    }

    // Keys pressed along with the arrows: gas for a pest nearby, and a held
    // turbo charge spent as soon as the last one has run out.
    void KeysInPassing()
    {
        if (GasWanted()) pilot.Hold(SDLK_o);
        if (turboB && !nitro) pilot.Hold(SDLK_n);
    }

    static bool GasWanted()
    {
        if (!gredy) return false;
        for (const HouseHazard& hazard : launums)
            if (!hazard.knockedOut && PlayerDistanceTo(hazard.x, hazard.y) < GAS_USE_RANGE) return true;
        return false;
    }

    // True when the walk was left for something else; the walk then goes on
    // from wherever that left the player.
    bool TurnAside()
    {
        if (player.food < FOOD_LOW && Drink()) return true;
        if (player.toilet < TOILET_LOW) {
            UsePotty();
            return true;
        }
        return TakeTurbo();
    }

    // How much longer the way to the goal gets by way of `at`, `there`
    // being the way from the player to it.
    float Detour(const Target& at, const float there) const
    {
        float px, py;
        PlayerPosition(&px, &py);
        return there + toGoal.FromReach(at) - toGoal.From(px, py);
    }
    static float StraightTo(const Target& at)
    {
        float px, py;
        PlayerPosition(&px, &py);
        return std::max(0.0f, std::hypot(at.x - px, at.y - py) - at.near);
    }

    // --- what the player turns aside for --------------------------------------

    bool Drink()
    {
        float px, py;
        PlayerPosition(&px, &py);
        LayOut(fromPlayer, "look for a bottle", {px, py, 2 * CELL});
        int onTheWay = -1, nearest = -1;
        float leastDetour = FAR, leastWalk = FAR;
        for (int k = 0; k < BOTTLES; k++) {
            if (pudele[k].taken) continue;
            const float there = fromPlayer.FromReach(BottleReach(k));
            const float detour = Detour(BottleReach(k), there);
            if (there < leastWalk) leastWalk = there, nearest = k;
            if (there <= BOTTLE_WALK && detour < leastDetour) leastDetour = detour, onTheWay = k;
        }
        const int bottle = onTheWay >= 0 ? onTheWay : nearest;
        if (bottle < 0) return false;
        const std::string step = "drink bottle " + std::to_string(bottle);
        Walk(step, BottleReach(bottle), false);
        SpaceHere(step);
        if (!pudele[bottle].taken) pilot.Fail(step, "Space did not drink it");
        return true;
    }

    bool TakeTurbo()
    {
        if (turboB) return false;
        for (int k = 0; k < TURBO_PICKUPS; k++) {
            // Straight is short of the way along the floor, so this only
            // looks at charges in plain sight of the way.
            if (pirdiens[k].taken || Detour(TurboReach(k), StraightTo(TurboReach(k))) > TURBO_DETOUR) continue;
            const std::string step = "take turbo " + std::to_string(k);
            Walk(step, TurboReach(k), false);
            SpaceHere(step);
            if (!turboB) pilot.Fail(step, "Space did not take it");
            return true;
        }
        return false;
    }

    void UsePotty()
    {
        for (int tries = 0; tries < POTTY_TRIES; tries++) {
            Walk("walk to the potty", PottyReach(), false);
            pilot.Tap(SDLK_SPACE);
            pilot.Until("sit on the potty", [] { return process == STATE_POTTY; }, 2);
            if (SitOnPotty()) return;
        }
        pilot.Fail("potty", "lost " + std::to_string(POTTY_TRIES) + " times");
    }

    // Steers the wobbling target back over the potty's point every frame
    // until the marker has crossed; true when it crossed to the winning side.
    bool SitOnPotty()
    {
        const int toiletBefore = player.toilet;
        for (int frame = 0; process == STATE_POTTY; frame++) {
            if (frame > POTTY_FRAMES) pilot.Fail("potty", "the marker never crossed");
            const PottyGame& potty = lvl1World.potty;
            const float dx = POTTY_POINT_X - (potty.targetX + POTTY_TARGET_HALF_W);
            const float dy = POTTY_POINT_Y - (potty.targetY + POTTY_TARGET_HALF_H);
            pilot.LetAll();
            if (dx > POTTY_SLACK) pilot.Hold(SDLK_RIGHT);
            if (dx < -POTTY_SLACK) pilot.Hold(SDLK_LEFT);
            if (dy > POTTY_SLACK) pilot.Hold(SDLK_DOWN);
            if (dy < -POTTY_SLACK) pilot.Hold(SDLK_UP);
            pilot.Frame();
        }
        pilot.LetAll();
        pilot.Frame();
        return player.toilet > toiletBefore;
    }

    // Space acts on everything in reach at once, so a tap meant for an item,
    // a bottle or a charge must not land on a mini-game's spot.
    void SpaceHere(const std::string& step)
    {
        pilot.Tap(SDLK_SPACE);
        if (process != STATE_WORLD) pilot.Fail(step, "Space opened state " + std::to_string(process));
    }

    Pilot& pilot;
    const Floor floor;
    DistanceMap toGoal, fromPlayer;
};

}  // namespace

void PlayLevel1(Pilot& pilot)
{
    PassLoadingScreen(pilot);
    pilot.LetAll();
    pilot.Until("the house shows", [] { return kas_notiek == STATE_LEVEL1 && process == STATE_WORLD; }, 10);
    HouseRoute(pilot).Play();
}
