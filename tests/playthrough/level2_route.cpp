// Level 2 as a player plays the farmstead: take each mission from the quest
// giver with Y, play its mini-game, carry the firewood to the fire place one
// piece at a time, and leave by the gate. Between errands the player eats
// and uses the potty before the bars run low, since going hungry starts the
// whole farmstead over.

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <queue>
#include <string>
#include <vector>

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/game.h"
#include "tests/playthrough/routes.h"
#include "world/movement.h"

namespace {

constexpr int FRAME_MS = 30;
const int MINI_GAME_PATIENCE = 3000;  // frames; far more than any mini-game takes

// --- the needs --------------------------------------------------------------

// A few ticks above the hunger screen, which would set the whole level up
// afresh, and above an accident (both at 3). The warnings above them are only
// banners: the player goes on with the errand at hand.
const int FOOD_FLOOR = 8;
const int TOILET_FLOOR = 8;
// A generous guess of the frames from the well, and from the first firewood,
// to the gate.
const int AFTER_THE_WELL = 9000;
const int AFTER_THE_BERRIES = 7000;
const int FULL_FOOD = 165;  // what a meal fills the bar to

int FoodAfter(int frames) { return player10.food - (frames * FRAME_MS / LVL2.Values().needs.foodInterval + 1); }
int ToiletAfter(int frames) { return player10.toilet - (frames * FRAME_MS / LVL2.Values().needs.toiletInterval + 1); }

// --- walking on the diagonals -------------------------------------------------

// A frame with two arrows held carries the player 1.25 strides sideways and
// 0.75 up or down, so two diagonals in turns cross the farm sideways a
// quarter sooner than the straight arrow, and a diagonal then a straight run
// beats two straight runs. This walker plans over the walls by the frames
// each way really takes, pulls the plan straight between the corners it has
// to turn at, and on each frame holds the arrows that gain most on the next
// corner, swapping diagonals only when the player strays from the straight
// line.

struct Arrows {
    int x, y;  // -1, 0 or 1: which arrow of each axis is held
    bool operator==(const Arrows& other) const { return x == other.x && y == other.y; }
};
const Arrows EIGHT_WAYS[8] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const float DIAGONAL_X = 1.25f, DIAGONAL_Y = 0.75f;  // a diagonal frame, in strides

float Stride() { return player10.speed * LVL2.World().frameTime; }

// Where a frame with these arrows takes the circle's centre from (x, y).
Waypoint Carried(const Waypoint& from, Arrows arrows, float stride)
{
    const bool diagonal = arrows.x && arrows.y;
    return {from.x + arrows.x * stride * (diagonal ? DIAGONAL_X : 1),
            from.y + arrows.y * stride * (diagonal ? DIAGONAL_Y : 1)};
}

// The fewest frames that cover (dx, dy): the two diagonals that lean its way
// in turns while it is flatter than a diagonal, else one diagonal and the
// straight up or down arrow.
float FramesFor(float dx, float dy, float stride)
{
    const float x = std::fabs(dx) / stride, y = std::fabs(dy) / stride;
    if (y <= x * DIAGONAL_Y / DIAGONAL_X) return x / DIAGONAL_X;
    return y + x * (1 - DIAGONAL_Y) / DIAGONAL_X;
}

// Straying from the straight line costs nothing within the band, then this
// many frames a pixel; keeping the arrows held earns a little, so diagonals
// swap in runs rather than on every frame.
const float LINE_BAND = 5;
const float LINE_WEIGHT = 0.05f;
const float KEEP_BONUS = 0.02f;
const float PLAN_CELL = 8;
// Room the plan keeps beyond the circle's own: a little on the grid, more
// along a straight stretch, which the frames follow only to within a stride.
const float CELL_MARGIN = 2;
const float SIGHT_MARGIN = LINE_BAND + 5;
const int MOST_PLANNED_CELLS = 400000;
// A straight frame gains little when the way ahead is nearly diagonal; any
// gain at all keeps the walk from going round in circles.
const float LEAST_GAIN = 0.01f;
const int REPLANS = 3;
const int STUCK_FRAMES = 3;

bool FreeAt(float x, float y, float margin)
{
    const OverworldValues& values = LVL2.Values();
    return IsFree(values.walls, Circle{x, y, values.walk.circleRadius + margin});
}

// The plan's grid: world-aligned cells over the walls' extent; which cells
// are open is worked out once, since the walls never move.
class PlanGrid {
public:
    PlanGrid()
    {
        const CollisionTable& walls = LVL2.Values().walls;
        float right = 0, bottom = 0;
        for (int k = 0; k < walls.count; k++)
            for (const auto& corner : walls.records[k].corner) {
                right = std::max(right, corner[0]);
                bottom = std::max(bottom, corner[1]);
            }
        columns = static_cast<int>(right / PLAN_CELL) + 1;
        rows = static_cast<int>(bottom / PLAN_CELL) + 1;
        open.assign(columns * rows, UNKNOWN);
    }
    int Columns() const { return columns; }
    int Rows() const { return rows; }
    float X(int i) const { return PLAN_CELL * i + PLAN_CELL / 2; }
    float Y(int j) const { return PLAN_CELL * j + PLAN_CELL / 2; }
    int I(float x) const { return std::clamp(static_cast<int>(x / PLAN_CELL), 0, columns - 1); }
    int J(float y) const { return std::clamp(static_cast<int>(y / PLAN_CELL), 0, rows - 1); }
    bool Open(int i, int j)
    {
        if (i < 0 || j < 0 || i >= columns || j >= rows) return false;
        char& known = open[j * columns + i];
        if (known == UNKNOWN) known = FreeAt(X(i), Y(j), CELL_MARGIN) ? OPEN : SHUT;
        return known == OPEN;
    }

private:
    enum : char { UNKNOWN, OPEN, SHUT };
    int columns, rows;
    std::vector<char> open;
};

PlanGrid& Grid()
{
    static PlanGrid grid;
    return grid;
}

// The straight way from a to b keeps the circle, with the margin, off every wall.
bool InSight(const Waypoint& a, const Waypoint& b)
{
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    const int samples = static_cast<int>(length / 4) + 1;
    for (int k = 0; k <= samples; k++) {
        const float t = static_cast<float>(k) / samples;
        if (!FreeAt(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, SIGHT_MARGIN)) return false;
    }
    return true;
}

// A* over the grid's cells, eight ways, each step costing its frames; the
// plan ends at the first cell within `near` of the goal (or the nearest one
// found), as the corners left after pulling it straight.
std::vector<Waypoint> PlanDiagonalWalk(const Waypoint& from, const Waypoint& to, float near)
{
    PlanGrid& grid = Grid();
    const float stride = Stride();
    const int columns = grid.Columns();
    std::vector<float> cost(columns * grid.Rows(), 1e30f);
    std::vector<int> cameFrom(columns * grid.Rows(), -1);
    auto estimate = [&](int i, int j) { return FramesFor(to.x - grid.X(i), to.y - grid.Y(j), stride); };
    auto distance = [&](int i, int j) { return std::hypot(to.x - grid.X(i), to.y - grid.Y(j)); };
    using Entry = std::pair<float, int>;  // estimate, cell
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    const int start = grid.J(from.y) * columns + grid.I(from.x);
    cost[start] = 0;
    queue.push({estimate(start % columns, start / columns), start});
    int closest = start, searched = 0;
    while (!queue.empty() && searched++ < MOST_PLANNED_CELLS) {
        const auto [guess, cell] = queue.top();
        queue.pop();
        const int i = cell % columns, j = cell / columns;
        if (guess > cost[cell] + estimate(i, j) + 1e-3f) continue;
        if (distance(i, j) < distance(closest % columns, closest / columns)) closest = cell;
        if (distance(i, j) <= near) break;
        for (const Arrows& way : EIGHT_WAYS) {
            const int ni = i + way.x, nj = j + way.y;
            if (!grid.Open(ni, nj)) continue;
            // No cutting a wall's corner.
            if (way.x && way.y && !(grid.Open(ni, j) && grid.Open(i, nj))) continue;
            const int next = nj * columns + ni;
            const float through = cost[cell] + FramesFor(PLAN_CELL * way.x, PLAN_CELL * way.y, stride);
            if (through >= cost[next]) continue;
            cost[next] = through;
            cameFrom[next] = cell;
            queue.push({through + estimate(ni, nj), next});
        }
    }
    std::vector<Waypoint> cells;
    for (int cell = closest; cell != -1; cell = cameFrom[cell])
        cells.push_back({grid.X(cell % columns), grid.Y(cell / columns)});
    std::reverse(cells.begin(), cells.end());
    cells.front() = from;
    if (InSight(cells.back(), to)) cells.push_back(to);

    // Pulled straight: from each corner on to the furthest cell in sight.
    std::vector<Waypoint> corners;
    for (size_t at = 0; at + 1 < cells.size();) {
        size_t furthest = at + 1;
        while (furthest + 1 < cells.size() && InSight(cells[at], cells[furthest + 1])) furthest++;
        corners.push_back(cells[furthest]);
        at = furthest;
    }
    return corners;
}

// Off the line through a and b, in pixels.
float OffLine(const Waypoint& p, const Waypoint& a, const Waypoint& b)
{
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    if (length < 1e-3f) return std::hypot(p.x - a.x, p.y - a.y);
    return std::fabs((b.x - a.x) * (a.y - p.y) - (a.x - p.x) * (b.y - a.y)) / length;
}

Waypoint PlayerAt()
{
    Waypoint at;
    Pilot::PlayerAt(LVL2, &at.x, &at.y);
    return at;
}

// The arrows for the frame that touches no wall and gains on the corner
// ahead, the most gaining and the least off the straight line first;
// {0, 0} when no frame gains.
Arrows BestArrows(const Waypoint& from, const Waypoint& corner, const Waypoint& lineStart, Arrows held)
{
    const float stride = Stride();
    const float now = FramesFor(corner.x - from.x, corner.y - from.y, stride);
    Arrows best = {0, 0};
    float bestCost = 1e30f;
    for (const Arrows& way : EIGHT_WAYS) {
        const Waypoint next = Carried(from, way, stride);
        const float frames = FramesFor(corner.x - next.x, corner.y - next.y, stride);
        if (!FreeAt(next.x, next.y, 0)) continue;
        if (frames > now - LEAST_GAIN) continue;
        const float stray = std::max(0.0f, OffLine(next, lineStart, corner) - LINE_BAND);
        const float cost = frames + LINE_WEIGHT * stray - (way == held ? KEEP_BONUS : 0);
        if (cost < bestCost) {
            bestCost = cost;
            best = way;
        }
    }
    return best;
}

void HoldArrows(Pilot& pilot, Arrows arrows)
{
    pilot.LetAll();
    if (arrows.x) pilot.Hold(arrows.x > 0 ? SDLK_RIGHT : SDLK_LEFT);
    if (arrows.y) pilot.Hold(arrows.y > 0 ? SDLK_DOWN : SDLK_UP);
}

// Follows the corners; false when no frame gains on the next one, which a
// fresh plan from here may mend.
bool FollowCorners(Pilot& pilot, const std::string& step, const std::vector<Waypoint>& corners,
                   const Waypoint& to, float near)
{
    Waypoint lineStart = PlayerAt();
    Arrows held = {0, 0};
    int still = 0;
    for (size_t next = 0;;) {
        if (process2 != STATE2_WORLD) {
            pilot.LetAll();
            pilot.Fail(step, "the level left its world (state " + std::to_string(process2) + ")");
        }
        const Waypoint at = PlayerAt();
        if (std::hypot(to.x - at.x, to.y - at.y) <= near) return true;
        const Waypoint& corner = corners[next];
        if (next + 1 < corners.size() && std::hypot(corner.x - at.x, corner.y - at.y) <= Stride()) {
            lineStart = corners[next++];
            continue;
        }
        held = BestArrows(at, corner, lineStart, held);
        if (!held.x && !held.y) return false;
        HoldArrows(pilot, held);
        pilot.Frame();
        const Waypoint moved = PlayerAt();
        still = moved.x == at.x && moved.y == at.y ? still + 1 : 0;
        if (still >= STUCK_FRAMES) return false;
    }
}

void Walk(Pilot& pilot, const std::string& step, const Waypoint& to, float near)
{
    for (int plan = 0; plan < REPLANS; plan++) {
        const std::vector<Waypoint> corners = PlanDiagonalWalk(PlayerAt(), to, near);
        const bool arrived = !corners.empty() && FollowCorners(pilot, step, corners, to, near);
        pilot.LetAll();
        if (arrived) {
            pilot.Frame();  // the arrows' release reaches the game
            return;
        }
    }
    // The level's own walker, straight steps only, as the last resort.
    pilot.WalkTo(step, LVL2, to.x, to.y, near);
}

// --- errands ----------------------------------------------------------------

// Where the centre of the player's circle stands when its foot point meets a
// thing's point as the level's reach test sees it.
Waypoint StandPoint(int x, int y, const SquaredReach& reach)
{
    const WalkValues& walk = LVL2.Values().walk;
    return {x + reach.dx - (player10.screenX + reach.footX) + walk.circleX,
            y + reach.dy - (player10.screenY + reach.footY) + walk.circleY};
}

// Well inside the reach, so that the last stride cannot carry the foot out.
float Near(const SquaredReach& reach) { return std::sqrt(static_cast<float>(reach.below)) * 0.7f; }

float DistanceTo(const Waypoint& at)
{
    float x, y;
    Pilot::PlayerAt(LVL2, &x, &y);
    return std::hypot(at.x - x, at.y - y);
}

// A generous guess of a walk's frames: paths bend around the buildings.
int WalkFrames(const Waypoint& to)
{
    const float stride = player10.speed * FRAME_MS / 1000.0f;
    return static_cast<int>(DistanceTo(to) * 1.6f / stride) + 40;
}

// The food is reached a little lower than the other spots.
const SquaredReach& SpotReach(int spot) { return spot == SPOT2_FOOD ? FOOD_REACH2 : SPOT_REACH2; }

Waypoint SpotStand(int spot) { return StandPoint(mini[spot].x, mini[spot].y, SpotReach(spot)); }

void WalkToSpot(Pilot& pilot, const std::string& step, int spot)
{
    Walk(pilot, step, SpotStand(spot), Near(SpotReach(spot)));
}

// Space at the spot the player stands on, until the level shows it took it.
void UseSpot(Pilot& pilot, const std::string& step, const std::function<bool()>& taken)
{
    pilot.Tap(SDLK_SPACE);
    pilot.Until(step, taken, 3);
}

// --- potty and food ---------------------------------------------------------

// The wobble's point the target must cover, and the offsets from the base to
// the target's middle.
const float POTTY_POINT_X = 219, POTTY_POINT_Y = 309;
const float TARGET_MIDDLE_X = 55 - 7, TARGET_MIDDLE_Y = 51 - 113;
const float WOBBLE_X = 150, WOBBLE_Y = 170;
// The phases move every 50 ms: on about three frames of five.
const float PHASE_STEPS_PER_FRAME = FRAME_MS / 50.0f;
const float TARGET_SLACK = 3;  // pixels the base may be off before an arrow goes down
const int POTTY_ROUNDS = 4;

// -1, 0 or 1: the arrow that brings `from` to `to`, none when close enough.
int Toward(float from, float to)
{
    if (from < to - TARGET_SLACK) return 1;
    if (from > to + TARGET_SLACK) return -1;
    return 0;
}

// Holds the arrows that keep the wobbling target over the potty's point.
void SteerPottyTarget(Pilot& pilot)
{
    const PottyGame& potty = LVL2.World().potty;
    const float phaseX = potty.phaseX + potty.rateX / 100 * PHASE_STEPS_PER_FRAME;
    const float phaseY = potty.phaseY + potty.rateY / 100 * PHASE_STEPS_PER_FRAME;
    const float wantX = POTTY_POINT_X - TARGET_MIDDLE_X - std::sin(phaseX) * WOBBLE_X;
    const float wantY = POTTY_POINT_Y - TARGET_MIDDLE_Y - std::cos(phaseY) * WOBBLE_Y;
    HoldArrows(pilot, {Toward(potty.baseX, wantX), Toward(potty.baseY, wantY)});
    pilot.Frame();
}

void UsePotty(Pilot& pilot)
{
    WalkToSpot(pilot, "walk to the potty", SPOT2_POTTY);
    // A lost round leaves the bar nearly as low: sit down again.
    for (int round = 0; round < POTTY_ROUNDS; round++) {
        UseSpot(pilot, "sit on the potty", [] { return process2 == STATE2_POTTY; });
        for (int frame = 0; process2 == STATE2_POTTY; frame++) {
            if (frame > MINI_GAME_PATIENCE) pilot.Fail("potty", "the marker never reached an end");
            SteerPottyTarget(pilot);
        }
        pilot.LetAll();
        pilot.Frame();
        // The bar may tick once on the frame the potty hands back.
        if (player10.toilet >= LVL2.Values().potty.refill - 1) return;
    }
    pilot.Fail("potty", "lost every round");
}

void Eat(Pilot& pilot)
{
    WalkToSpot(pilot, "walk to the food", SPOT2_FOOD);
    UseSpot(pilot, "eat", [] { return player10.food >= FULL_FOOD - 1; });
}

// Before an errand of about `frames`: eat or use the potty first if a bar
// would otherwise run down to its floor before the errand is done.
void MindNeeds(Pilot& pilot, int frames)
{
    if (FoodAfter(frames + WalkFrames(SpotStand(SPOT2_FOOD))) <= FOOD_FLOOR) Eat(pilot);
    if (ToiletAfter(frames + WalkFrames(SpotStand(SPOT2_POTTY))) <= TOILET_FLOOR) UsePotty(pilot);
}

void WalkToSpotMindingNeeds(Pilot& pilot, const std::string& step, int spot, int thenFrames)
{
    MindNeeds(pilot, WalkFrames(SpotStand(spot)) + thenFrames);
    WalkToSpot(pilot, step, spot);
}

// --- the quest giver --------------------------------------------------------

const int TALK_FRAMES = 10;  // a generous guess of answering the dialog

void TakeMission(Pilot& pilot, int mission)
{
    const std::string step = "mission " + std::to_string(mission);
    WalkToSpotMindingNeeds(pilot, "walk to the quest giver for " + step, SPOT2_QUEST_GIVER, TALK_FRAMES);
    UseSpot(pilot, "talk to the quest giver for " + step, [] { return LVL2.dialogOpen; });
    pilot.Tap(SDLK_y);
    pilot.Until("accept " + step, [mission] { return !LVL2.dialogOpen && misija == mission; }, 3);
}

// --- eggs -------------------------------------------------------------------

// The yard as the hand's top-left corner sees it: a grid of cells, open where
// the fences leave a position as it is.
const float CELL = 6;
const float YARD_LEFT = 50, YARD_TOP = 110, YARD_RIGHT = 913, YARD_BOTTOM = 632;
const int COLUMNS = static_cast<int>((YARD_RIGHT - YARD_LEFT) / CELL) + 1;
const int ROWS = static_cast<int>((YARD_BOTTOM - YARD_TOP) / CELL) + 1;
const int UNREACHED = 1 << 20;

// The hand takes an egg, and a hen pecks the hand, when their middles are
// closer than this; the hand's middle is its corner + 21, an egg's and a
// hen's their corner + (20, 25).
const float TOUCH = std::sqrt(500.0f);
const float HAND_HALF = 21, THING_X = 20, THING_Y = 25;
const float HAND_SPEED = 100;  // pixels a second on each axis
const float BASKET_X = 710, BASKET_Y = 342, BASKET_REACH = 30;
const float AIM_INSIDE = 5;  // the hand aims this far inside an egg's or the basket's reach
constexpr float HEN_TURN_MS = 2000;
const int EGG_ATTEMPTS = 6;
const int YARD_FRAMES = 2500;  // a generous guess of one round
const int EGG_PATIENCE = 200;  // frames before another egg goes first
const int BASKET_PATIENCE = 600;

bool OpenAt(float x, float y)
{
    float keptX = x, keptY = y;
    KeepInYard(keptX, keptY);
    return keptX == x && keptY == y;
}

float CellX(int i) { return YARD_LEFT + CELL * i; }
float CellY(int j) { return YARD_TOP + CELL * j; }

// Steps from every cell to the nearest cell within `reach` of the hand's
// corner at (x, y), eight ways: a diagonal takes the hand as long as a
// straight step.
class YardField {
public:
    YardField(float x, float y, float reach) : steps(COLUMNS * ROWS, UNREACHED)
    {
        std::queue<int> queue;
        for (int j = 0; j < ROWS; j++)
            for (int i = 0; i < COLUMNS; i++)
                if (Open(i, j) && std::hypot(CellX(i) - x, CellY(j) - y) < reach) {
                    steps[j * COLUMNS + i] = 0;
                    queue.push(j * COLUMNS + i);
                }
        while (!queue.empty()) {
            const int cell = queue.front();
            queue.pop();
            const int i = cell % COLUMNS, j = cell / COLUMNS;
            for (int dj = -1; dj <= 1; dj++)
                for (int di = -1; di <= 1; di++) {
                    const int ni = i + di, nj = j + dj;
                    if (ni < 0 || nj < 0 || ni >= COLUMNS || nj >= ROWS) continue;
                    if (steps[nj * COLUMNS + ni] != UNREACHED || !Open(ni, nj)) continue;
                    if (!OpenAt((CellX(i) + CellX(ni)) / 2, (CellY(j) + CellY(nj)) / 2)) continue;
                    steps[nj * COLUMNS + ni] = steps[cell] + 1;
                    queue.push(nj * COLUMNS + ni);
                }
        }
    }

    // Cells to go from the corner (x, y): through the best of the four cells
    // around it, plus the way to that cell.
    float At(float x, float y) const
    {
        const int i0 = static_cast<int>(std::floor((x - YARD_LEFT) / CELL));
        const int j0 = static_cast<int>(std::floor((y - YARD_TOP) / CELL));
        float best = UNREACHED;
        for (int j = j0; j <= j0 + 1; j++)
            for (int i = i0; i <= i0 + 1; i++) {
                if (i < 0 || j < 0 || i >= COLUMNS || j >= ROWS) continue;
                const int value = steps[j * COLUMNS + i];
                if (value == UNREACHED) continue;
                best = std::min(best, value + std::hypot(CellX(i) - x, CellY(j) - y) / CELL);
            }
        return best;
    }

private:
    static bool Open(int i, int j) { return OpenAt(CellX(i), CellY(j)); }
    std::vector<int> steps;
};

struct YardPoint {
    float x, y;
};

// One frame of a hen at a velocity, as the yard moves it.
YardPoint HenStep(YardPoint hen, float vx, float vy)
{
    float x = static_cast<float>(static_cast<int>(Timelvl2 * vx + hen.x));
    float y = static_cast<float>(static_cast<int>(Timelvl2 * vy + hen.y));
    KeepInYard(x, y);
    return {static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y))};
}

YardPoint HandStep(YardPoint hand, Arrows arrows)
{
    const float step = HAND_SPEED * Timelvl2;
    float x = hand.x + arrows.x * step, y = hand.y + arrows.y * step;
    KeepInYard(x, y);
    return {x, y};
}

// Distance from the hand's middle to a hen's, less the peck's reach.
float Gap(YardPoint hand, YardPoint hen)
{
    return std::hypot(hand.x + HAND_HALF - (hen.x + THING_X), hand.y + HAND_HALF - (hen.y + THING_Y)) - TOUCH;
}

// When the hens turn next, without a clock: the yard notes the time of each
// turn, and the next comes on the first frame more than HEN_TURN_MS later.
// The route sees a new note after the frame that wrote it and counts frames
// from there; until it has seen one, a turn may come on any frame.
class HenClock {
public:
    // Started after the yard's first frame, with the note from before it.
    HenClock(const Pilot& pilot, float noteBefore) : note(noteBefore) { Watch(pilot); }

    void Watch(const Pilot& pilot)
    {
        if (vista_laiks == note) return;
        note = vista_laiks;
        turnedOn = pilot.FrameNumber() - 1;
    }

    // Frames from the next one on which every hen surely keeps its way, one
    // frame short for safety.
    int SureFrames(const Pilot& pilot) const
    {
        if (turnedOn < 0) return 0;
        return std::max(0, turnedOn + FRAMES_BETWEEN_TURNS - pilot.FrameNumber() - 1);
    }

private:
    static constexpr int FRAMES_BETWEEN_TURNS = static_cast<int>(HEN_TURN_MS / FRAME_MS) + 1;
    float note;
    int turnedOn = -1;
};

const int LOOK_AHEAD = 10;
const float SAFE_GAP = 3;
const float HEN_STRIDE = 4.3f;  // the most a hen covers in a frame, diagonally

// The least gap to any hen over the look-ahead if the hand keeps moving
// with these arrows: exact while the hens keep their ways, and after that each hen
// counts as a disc that grows by its stride each frame.
float Clearance(Arrows arrows, int sure)
{
    float least = 1e9f;
    for (int k = 0; k < HENS; k++) {
        YardPoint hand = {rokax, rokay};
        YardPoint hen = {static_cast<float>(vista[k].x), static_cast<float>(vista[k].y)};
        for (int t = 1; t <= LOOK_AHEAD; t++) {
            hand = HandStep(hand, arrows);
            if (t <= sure) {
                hen = HenStep(hen, static_cast<float>(vista_virz[k].x), static_cast<float>(vista_virz[k].y));
                least = std::min(least, Gap(hand, hen));
            } else {
                least = std::min(least, Gap(hand, hen) - HEN_STRIDE * (t - sure));
            }
        }
    }
    return least;
}

// The arrows for one frame: the quickest way along the field among the moves
// that keep clear of the hens; with none clear, the one that stays clearest.
void SteerHand(Pilot& pilot, const YardField& field, HenClock& hens)
{
    hens.Watch(pilot);
    const int sure = hens.SureFrames(pilot);
    Arrows quickest = {0, 0}, clearest = {0, 0};
    float fewestSteps = UNREACHED, mostClear = -1e9f;
    for (int y = -1; y <= 1; y++)
        for (int x = -1; x <= 1; x++) {
            const Arrows way = {x, y};
            const float clear = Clearance(way, sure);
            const YardPoint next = HandStep({rokax, rokay}, way);
            const float steps = field.At(next.x, next.y);
            if (clear > mostClear) {
                mostClear = clear;
                clearest = way;
            }
            if (clear >= SAFE_GAP && steps < fewestSteps) {
                fewestSteps = steps;
                quickest = way;
            }
        }
    HoldArrows(pilot, mostClear >= SAFE_GAP ? quickest : clearest);
    pilot.Frame();
}

// Where the hand's corner takes an egg.
YardPoint EggGrip(const Spot& egg) { return {egg.x + THING_X - HAND_HALF, egg.y + THING_Y - HAND_HALF}; }

// The ways to every egg and to the basket, and the order to fetch the eggs
// in: nearest first, then any stretch of the order turned round that makes
// the whole round from the hand to the basket shorter.
struct EggRound {
    std::vector<YardField> ways;  // by egg, then the basket
    std::vector<int> order;
};

EggRound PlanEggRound()
{
    EggRound round;
    std::vector<YardPoint> stops;
    for (int k = 0; k < EGGS; k++) stops.push_back(EggGrip(ola[k]));
    stops.push_back({BASKET_X - HAND_HALF, BASKET_Y - HAND_HALF});
    for (int k = 0; k < EGGS; k++) round.ways.emplace_back(stops[k].x, stops[k].y, TOUCH - AIM_INSIDE);
    round.ways.emplace_back(stops[EGGS].x, stops[EGGS].y, BASKET_REACH - AIM_INSIDE);

    auto steps = [&](const YardPoint& from, int to) { return round.ways[to].At(from.x, from.y); };
    auto length = [&](const std::vector<int>& order) {
        float total = steps({rokax, rokay}, order.front());
        for (size_t k = 0; k + 1 < order.size(); k++) total += steps(stops[order[k]], order[k + 1]);
        return total + steps(stops[order.back()], EGGS);
    };
    YardPoint at = {rokax, rokay};
    std::vector<bool> taken(EGGS, false);
    for (int n = 0; n < EGGS; n++) {
        int nearest = -1;
        for (int k = 0; k < EGGS; k++)
            if (!taken[k] && (nearest < 0 || steps(at, k) < steps(at, nearest))) nearest = k;
        taken[nearest] = true;
        round.order.push_back(nearest);
        at = stops[nearest];
    }
    for (bool shorter = true; shorter;) {
        shorter = false;
        for (int i = 0; i < EGGS; i++)
            for (int j = i + 1; j < EGGS; j++) {
                std::vector<int> turned = round.order;
                std::reverse(turned.begin() + i, turned.begin() + j + 1);
                if (length(turned) < length(round.order) - 0.5f) {
                    round.order = turned;
                    shorter = true;
                }
            }
    }
    return round;
}

// One round in the yard: every egg, then the basket. False if a hen pecked.
bool PlayYard(Pilot& pilot, float henNoteBefore)
{
    // The yard sets itself up on its first frame.
    pilot.LetAll();
    pilot.Frame();
    HenClock hens(pilot, henNoteBefore);
    const EggRound round = PlanEggRound();
    std::deque<int> left(round.order.begin(), round.order.end());
    while (process2 == STATE2_EGGS && !left.empty()) {
        const int egg = left.front();
        left.pop_front();
        for (int frames = 0; process2 == STATE2_EGGS && ola[egg].active && frames < EGG_PATIENCE; frames++)
            SteerHand(pilot, round.ways[egg], hens);
        // A hen sits by this egg: come back for it last.
        if (ola[egg].active) left.push_back(egg);
    }
    for (int frames = 0; process2 == STATE2_EGGS; frames++) {
        if (frames > BASKET_PATIENCE) pilot.Fail("eggs", "the hand never reached the basket");
        SteerHand(pilot, round.ways[EGGS], hens);
    }
    pilot.LetAll();
    pilot.Frame();
    return !mini[SPOT2_EGGS].active;
}

void FetchEggs(Pilot& pilot)
{
    TakeMission(pilot, 1);
    for (int attempt = 0; attempt < EGG_ATTEMPTS; attempt++) {
        WalkToSpotMindingNeeds(pilot, "walk to the hen yard", SPOT2_EGGS, YARD_FRAMES);
        const float henNote = vista_laiks;
        UseSpot(pilot, "enter the hen yard", [] { return process2 == STATE2_EGGS; });
        if (PlayYard(pilot, henNote)) return;
    }
    pilot.Fail("eggs", "pecked in every round");
}

// --- water ------------------------------------------------------------------

const int WELL_FRAMES = 200;  // a generous guess of the pulls

void FetchWater(Pilot& pilot)
{
    TakeMission(pilot, 2);
    WalkToSpotMindingNeeds(pilot, "walk to the well", SPOT2_WELL, WELL_FRAMES);
    UseSpot(pilot, "look into the well", [] { return process2 == STATE2_WELL; });
    // Each press lifts the bucket once: press and let go, over and over.
    for (int pull = 0; process2 == STATE2_WELL; pull++) {
        if (pull > MINI_GAME_PATIENCE) pilot.Fail("well", "the bucket never came up");
        pilot.Tap(SDLK_SPACE);
        pilot.Frame();
    }
    if (mini[SPOT2_WELL].active) pilot.Fail("well", "left without the water");
    // The food stands by the well: one meal here lasts to the gate.
    if (FoodAfter(AFTER_THE_WELL) <= FOOD_FLOOR) Eat(pilot);
}

// --- berries ----------------------------------------------------------------

const float CATCHER_MOUTH_MIDDLE = (127 + 297) / 2.0f, MOUTH_HALF = (297 - 127) / 2.0f;
const float MOUTH_HEIGHT = 37;
const float CATCHER_STRIDE = 200 * FRAME_MS / 1000.0f;
const float BERRY_FALL = 150 * FRAME_MS / 1000.0f;
const float MOUTH_MARGIN = 10;  // aim this far inside the mouth's edges
const int BERRY_FRAMES = 900;   // a generous guess of the berries' fall

// Frames until a berry has fallen past the catcher's mouth.
float FramesUntilPast(const Spot& berry) { return (suklisy + MOUTH_HEIGHT - berry.y) / BERRY_FALL; }

// The berry that leaves the mouth's height first among those the catcher
// can still get under in time.
int NextBerry()
{
    int best = -1;
    float bestLeft = 1e9f;
    for (int k = 0; k < BERRIES; k++) {
        const Spot& berry = oga[k];
        const float left = FramesUntilPast(berry);
        if (!berry.active || left <= 0) continue;
        const float across = std::fabs(berry.x - (suklisx + CATCHER_MOUTH_MIDDLE)) - (MOUTH_HALF - MOUTH_MARGIN);
        if (across > CATCHER_STRIDE * left) continue;
        if (left < bestLeft) {
            bestLeft = left;
            best = k;
        }
    }
    return best;
}

void CatchBerries(Pilot& pilot)
{
    for (int frame = 0; process2 == STATE2_BERRIES; frame++) {
        if (frame > MINI_GAME_PATIENCE) pilot.Fail("berries", "the berries never stopped falling");
        const int berry = NextBerry();
        pilot.LetAll();
        if (berry >= 0) {
            const float gap = oga[berry].x - (suklisx + CATCHER_MOUTH_MIDDLE);
            if (gap > CATCHER_STRIDE / 2) pilot.Hold(SDLK_RIGHT);
            if (gap < -CATCHER_STRIDE / 2) pilot.Hold(SDLK_LEFT);
        }
        pilot.Frame();
    }
    pilot.LetAll();
}

void PickBerries(Pilot& pilot)
{
    TakeMission(pilot, 3);
    // Only the first bush brings the quest giver back.
    WalkToSpotMindingNeeds(pilot, "walk to the berry bush", SPOT2_BERRIES_A, BERRY_FRAMES);
    UseSpot(pilot, "go to the berry bush", [] { return process2 == STATE2_BERRIES; });
    pilot.Tap(SDLK_RETURN);
    pilot.Until("read the berry intro", [] { return ogas_iet == 1; }, 3);
    pilot.Tap(SDLK_b);
    pilot.Until("shake the bush", [] { return ogas_iet == 2; }, 40);
    CatchBerries(pilot);
}

// --- firewood and the bonfire ----------------------------------------------

// The pieces in the order they are fetched. The first trip goes west past
// the privy: the potty on the way lasts to the gate.
struct Trip {
    int piece;
    bool pastThePotty;
};
const Trip FIREWOOD_TRIPS[FIREWOOD] = {{3, true}, {4, false}, {2, false}, {1, false}, {0, false}, {5, false}};

Waypoint FirewoodStand(int piece) { return StandPoint(malka[piece].x, malka[piece].y, FIREWOOD_REACH); }

void CarryFirewood(Pilot& pilot, const Trip& trip)
{
    const int piece = trip.piece;
    if (trip.pastThePotty && ToiletAfter(AFTER_THE_BERRIES) <= TOILET_FLOOR) UsePotty(pilot);
    const std::string step = "firewood " + std::to_string(piece);
    const Waypoint at = FirewoodStand(piece);
    MindNeeds(pilot, WalkFrames(at) * 2);
    Walk(pilot, "walk to " + step, at, Near(FIREWOOD_REACH));
    UseSpot(pilot, "pick up " + step, [] { return player10.carrying != 0; });
    WalkToSpot(pilot, "carry " + step + " to the fire place", SPOT2_FIREWOOD_DROP);
    const int before = malkas_chupa;
    UseSpot(pilot, "put down " + step, [before] { return malkas_chupa == before + 1; });
}

void BuildBonfire(Pilot& pilot)
{
    TakeMission(pilot, 4);
    for (const Trip& trip : FIREWOOD_TRIPS) CarryFirewood(pilot, trip);
    if (!mini[SPOT2_EXIT].active) pilot.Fail("bonfire", "the gate did not open");
}

void Leave(Pilot& pilot)
{
    WalkToSpotMindingNeeds(pilot, "walk to the gate", SPOT2_EXIT, 0);
    UseSpot(pilot, "go through the gate", [] { return kas_notiek == STATE_LOAD3; });
}

}  // namespace

void PlayLevel2(Pilot& pilot)
{
    PassLoadingScreen(pilot);
    pilot.LetAll();
    pilot.Until("level 2 starts", [] { return kas_notiek == STATE_LEVEL2; }, 10);
    Grid() = PlanGrid();  // the walls as this visit loaded them
    FetchEggs(pilot);
    FetchWater(pilot);
    PickBerries(pilot);
    BuildBonfire(pilot);
    Leave(pilot);
}
