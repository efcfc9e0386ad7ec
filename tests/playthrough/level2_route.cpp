// Level 2 as a player plays the farmstead: take each mission from the quest
// giver with Y, play its mini-game, carry the firewood to the fire place one
// piece at a time, and leave by the gate. Between errands the player eats
// and uses the potty before the bars run low, since going hungry starts the
// whole farmstead over.

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <queue>
#include <string>
#include <vector>

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/game.h"
#include "tests/playthrough/routes.h"

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

// --- walking -----------------------------------------------------------------

// The farmstead's walker, laid over the walls as this visit loaded them.
std::optional<Walker> farm;

// Which arrow of each axis is held: -1, 0 or 1.
struct Arrows {
    int x, y;
};

void HoldArrows(Pilot& pilot, Arrows arrows)
{
    pilot.LetAll();
    if (arrows.x) pilot.Hold(arrows.x > 0 ? SDLK_RIGHT : SDLK_LEFT);
    if (arrows.y) pilot.Hold(arrows.y > 0 ? SDLK_DOWN : SDLK_UP);
}

// --- errands ----------------------------------------------------------------

// Where the centre of the player's circle stands when its foot point meets a
// thing's point as the level's reach test sees it; well inside the reach, so
// that the last stride cannot carry the foot out.
Goal StandPoint(int x, int y, const SquaredReach& reach)
{
    const WalkValues& walk = LVL2.Values().walk;
    return {x + reach.dx - (player10.screenX + reach.footX) + walk.circleX,
            y + reach.dy - (player10.screenY + reach.footY) + walk.circleY,
            std::sqrt(static_cast<float>(reach.below)) * 0.7f};
}

// A generous guess of a walk's frames: paths bend around the buildings.
int WalkFrames(const Goal& to)
{
    const float stride = player10.speed * FRAME_MS / 1000.0f;
    return static_cast<int>(farm->DistanceTo(to.x, to.y) * 1.6f / stride) + 40;
}

// The food is reached a little lower than the other spots.
const SquaredReach& SpotReach(int spot) { return spot == SPOT2_FOOD ? FOOD_REACH2 : SPOT_REACH2; }

Goal SpotStand(int spot) { return StandPoint(mini[spot].x, mini[spot].y, SpotReach(spot)); }

void WalkToSpot(const std::string& step, int spot) { farm->WalkTo(step, SpotStand(spot)); }

// Space at the spot the player stands on, until the level shows it took it.
void UseSpot(Pilot& pilot, const std::string& step, const std::function<bool()>& taken)
{
    pilot.Tap(SDLK_SPACE);
    pilot.Until(step, taken, 3);
}

// --- potty and food ---------------------------------------------------------

const int POTTY_ROUNDS = 4;

void UsePotty(Pilot& pilot)
{
    WalkToSpot("walk to the potty", SPOT2_POTTY);
    // A lost round leaves the bar nearly as low: sit down again.
    for (int round = 0; round < POTTY_ROUNDS; round++) {
        UseSpot(pilot, "sit on the potty", [] { return process2 == STATE2_POTTY; });
        if (farm->PlayPotty("potty")) return;
    }
    pilot.Fail("potty", "lost every round");
}

void Eat(Pilot& pilot)
{
    WalkToSpot("walk to the food", SPOT2_FOOD);
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
    WalkToSpot(step, spot);
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
    pilot.While("berries", [] { return process2 == STATE2_BERRIES; }, [&] {
        const int berry = NextBerry();
        if (berry >= 0) pilot.Steer(SDLK_LEFT, SDLK_RIGHT, suklisx + CATCHER_MOUTH_MIDDLE, oga[berry].x, CATCHER_STRIDE / 2);
    }, MINI_GAME_PATIENCE);
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

Goal FirewoodStand(int piece) { return StandPoint(malka[piece].x, malka[piece].y, FIREWOOD_REACH); }

void CarryFirewood(Pilot& pilot, const Trip& trip)
{
    const int piece = trip.piece;
    if (trip.pastThePotty && ToiletAfter(AFTER_THE_BERRIES) <= TOILET_FLOOR) UsePotty(pilot);
    const std::string step = "firewood " + std::to_string(piece);
    const Goal at = FirewoodStand(piece);
    MindNeeds(pilot, WalkFrames(at) * 2);
    farm->WalkTo("walk to " + step, at);
    UseSpot(pilot, "pick up " + step, [] { return player10.carrying != 0; });
    WalkToSpot("carry " + step + " to the fire place", SPOT2_FIREWOOD_DROP);
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
    farm.emplace(pilot, LVL2);
    FetchEggs(pilot);
    FetchWater(pilot);
    PickBerries(pilot);
    BuildBonfire(pilot);
    Leave(pilot);
    farm.reset();
}
