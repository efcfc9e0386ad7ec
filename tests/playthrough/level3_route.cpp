// Level 3 as a player plays it: the town's errands in an order that keeps
// the walking short, meals and the potty taken where they lie on the way,
// each mini-game played by a plain strategy, then the exit and the closing
// picture.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/game.h"
#include "shell/score.h"
#include "tests/playthrough/routes.h"

namespace {

const float FRAME_S = 0.03f;

// --- needs ----------------------------------------------------------------

// The planned meals and potty visit keep both bars well above these; should
// a mini-game run long, a bar this low is seen to before the next errand,
// ahead of the blinking at 34 and the warning over the whole screen.
const int FOOD_LOW = 45;
const int TOILET_LOW = 45;

// --- walking --------------------------------------------------------------

// Close enough to a spot's point that the reach (26 pixels) holds with room.
const float AT_SPOT = 8;

// Where the circle's centre stands when the player's reference point is on
// the spot's point.
void SpotCircle(int spot, float* x, float* y)
{
    const OverworldValues& values = LVL3.Values();
    *x = misi[spot].x + SPOT_REACH_X - (player3.screenX + SPOT_PLAYER_DX - values.walk.circleX);
    *y = misi[spot].y + TOWN_SPOTS[spot].reachDy - (player3.screenY + SPOT_PLAYER_DY - values.walk.circleY);
}

bool Reached(int spot)
{
    const double px = player3.screenX + SPOT_PLAYER_DX + offsetX3;
    const double py = player3.screenY + SPOT_PLAYER_DY + offsetY3;
    const double dx = px - (misi[spot].x + SPOT_REACH_X), dy = py - (misi[spot].y + TOWN_SPOTS[spot].reachDy);
    return dx * dx + dy * dy < SPOT_REACH_SQUARED;
}

// The town's walker, laid over the walls as the level loaded them.
std::optional<Walker> town;

// Walks to the spot and presses Space there once.
void UseSpot(Pilot& pilot, const std::string& step, int spot)
{
    if (!misi[spot].active) pilot.Fail(step, "spot " + std::to_string(spot) + " is not marked");
    float x, y;
    SpotCircle(spot, &x, &y);
    town->WalkTo(step, {x, y, AT_SPOT});
    if (!Reached(spot)) pilot.Fail(step, "not within reach of spot " + std::to_string(spot));
    pilot.Tap(SDLK_SPACE);
}

void ExpectDialog(Pilot& pilot, const std::string& step, int dialog)
{
    if (!LVL3.DialogOpen() || dnr != dialog)
        pilot.Fail(step, "dialog " + std::to_string(dialog) + " did not open (open " +
                             std::to_string(LVL3.DialogOpen()) + ", dnr " + std::to_string(dnr) + ")");
}

// Y, and its release before anything else: an answer is read every frame
// the key is down.
void AnswerYes(Pilot& pilot)
{
    pilot.Tap(SDLK_y);
    pilot.Frame();
}

void ExpectState(Pilot& pilot, const std::string& step, int state)
{
    if (process3 != state)
        pilot.Fail(step, "expected state " + std::to_string(state) + ", the town is in " + std::to_string(process3));
}

// --- shop: under the next bottle to land, until one breaks ----------------

// Five bottles fall at once and any one that breaks ends the shop, so it
// always ends; the basket goes for the lowest and catches what it can.
const int BOTTLES = 5;
const float BASKET_STEP = 200 * FRAME_S;
const float BASKET_W = 170;

int LowestBottle()
{
    int lowest = 0;
    for (int k = 1; k < BOTTLES; k++)
        if (pudele2[k].y > pudele2[lowest].y) lowest = k;
    return lowest;
}

void PlayShop(Pilot& pilot)
{
    ExpectState(pilot, "shop", STATE3_SHOP);
    pilot.Tap(SDLK_RETURN);
    pilot.While("shop", [] { return process3 == STATE3_SHOP; }, [&] {
        pilot.Steer(SDLK_LEFT, SDLK_RIGHT, grozsx, pudele2[LowestBottle()].x - BASKET_W / 2, BASKET_STEP / 2);
    });
}

// --- hunting: meet the bird the sight reaches first, shoot when it is in the cross

const float SIGHT_STEP = 250 * FRAME_S;
const float SIGHT_AIM_X = 381, SIGHT_AIM_Y = 45;  // the cross in the sight's picture
const float BIRD_BOX = 100;
const float IN_BOX_MARGIN = 6;
const int HUNT_GOAL = 25;
const int SCREEN_W = 1024;
const int RIGHTWARD_GONE_AT = 768;  // birds flying right are taken away here
const int LOOKAHEAD = 150;          // frames

struct Flight {
    const Bird* bird;
    float vx;  // pixels per frame
};

// Whole pixels per frame, as the game truncates each move.
float BirdStep(const Bird& bird, int direction)
{
    const float moved = bird.x + direction * 150 * FRAME_S;
    return static_cast<float>(static_cast<int>(moved) - bird.x);
}

bool Visible(const Flight& flight, float x)
{
    const float right = flight.vx > 0 ? RIGHTWARD_GONE_AT : SCREEN_W - BIRD_BOX;
    return flight.bird->flying && x >= 0 && x <= right;
}

// The point where the cross, moving at its speed on both axes, can first
// meet a flying bird that is on screen by then; false when none within the
// look-ahead.
bool Intercept(float ax, float ay, float* meetX, float* meetY)
{
    for (int t = 0; t <= LOOKAHEAD; t++)
        for (int i = 0; i < 3; i++) {
            const Flight flights[2] = {{&putns1[i], BirdStep(putns1[i], 1)}, {&putns2[i], BirdStep(putns2[i], -1)}};
            for (const Flight& flight : flights) {
                const float x = flight.bird->x + flight.vx * t;
                if (!Visible(flight, x)) continue;
                const float cx = x + BIRD_BOX / 2, cy = flight.bird->y + BIRD_BOX / 2;
                if (std::fabs(cx - ax) > SIGHT_STEP * t || std::fabs(cy - ay) > SIGHT_STEP * t) continue;
                *meetX = cx;
                *meetY = cy;
                return true;
            }
        }
    return false;
}

// A shot worth firing from (ax, ay): it hits a flying bird on screen, no
// falling one (those still count, but a hunter aims at the living), and
// does not carry the counter past the goal, where the hunt would never end.
bool WorthShooting(float ax, float ay)
{
    int flying = 0, other = 0;
    for (int i = 0; i < 3; i++)
        for (const Flight& flight : {Flight{&putns1[i], 1}, Flight{&putns2[i], -1}}) {
            const Bird& bird = *flight.bird;
            if (!(bird.x < ax && ax < bird.x + BIRD_BOX && bird.y < ay && ay < bird.y + BIRD_BOX)) continue;
            const bool clean = ax > bird.x + IN_BOX_MARGIN && ax < bird.x + BIRD_BOX - IN_BOX_MARGIN &&
                               ay > bird.y + IN_BOX_MARGIN && ay < bird.y + BIRD_BOX - IN_BOX_MARGIN;
            if (clean && Visible(flight, static_cast<float>(bird.x))) flying++;
            else other++;
        }
    return flying > 0 && other == 0 && med_info_int + flying <= HUNT_GOAL;
}

void AimOneFrame(Pilot& pilot, bool& fired)
{
    float ax = Med_merkisx + SIGHT_AIM_X, ay = Med_merkisy + SIGHT_AIM_Y;
    float meetX, meetY;
    if (Intercept(ax, ay, &meetX, &meetY)) {
        if (meetX > ax + SIGHT_STEP / 2) pilot.Hold(SDLK_RIGHT), ax += SIGHT_STEP;
        else if (meetX < ax - SIGHT_STEP / 2) pilot.Hold(SDLK_LEFT), ax -= SIGHT_STEP;
        if (meetY > ay + SIGHT_STEP / 2) pilot.Hold(SDLK_DOWN), ay += SIGHT_STEP;
        else if (meetY < ay - SIGHT_STEP / 2) pilot.Hold(SDLK_UP), ay -= SIGHT_STEP;
    }
    // The sight moves before the shot within a frame; Space must come up
    // between shots.
    fired = !fired && WorthShooting(ax, ay);
    if (fired) pilot.Hold(SDLK_SPACE);
}

void PlayHunt(Pilot& pilot)
{
    ExpectState(pilot, "hunting", STATE3_HUNT);
    pilot.Tap(SDLK_RETURN);
    pilot.Frame();
    bool fired = false;
    pilot.While("hunting", [] { return process3 == STATE3_HUNT; }, [&] { AimOneFrame(pilot, fired); }, 6000);
}

// --- race: through the checkpoints in their order, then over the line -----

const float DEGREES_PER_STEER = 22.5f;
const float STEERS_ABOVE = 1.5f;
const float CAR_HALF = 50;
const float CHECKPOINT_DX = 39, CHECKPOINT_DY = 35;  // centre of its picture
const float FINISH_X = 4200, FINISH_Y = 4580;        // inside the box past the line, car's top-left
const float PI = 3.14159265f;
// How tight the car turns: 22.5 degrees per 120 ms step of four frames,
// so a radius of about ten times the speed (pixels per frame).
const float TURN_RADIUS_PER_SPEED = 10.2f;
const float SLOWEST = 2.2f, FASTEST = 20;

// The car's centre on the track.
void CarAt(float* x, float* y)
{
    *x = niva_x + Gon_offsetx + CAR_HALF;
    *y = niva_y + Gon_offsety + CAR_HALF;
}

// The next checkpoint still standing, in the track's order; the line once
// all are taken.
void NextMark(float* x, float* y)
{
    for (const Spot& checkpoint : gon_CP)
        if (checkpoint.active) {
            *x = checkpoint.x + CHECKPOINT_DX;
            *y = checkpoint.y + CHECKPOINT_DY;
            return;
        }
    *x = FINISH_X + CAR_HALF;
    *y = FINISH_Y + CAR_HALF;
}

float Wrap180(float degrees)
{
    while (degrees > 180) degrees -= 360;
    while (degrees <= -180) degrees += 360;
    return degrees;
}

void DriveOneFrame(Pilot& pilot)
{
    float cx, cy, mx, my;
    CarAt(&cx, &cy);
    NextMark(&mx, &my);
    const float vx = mx - cx, vy = my - cy;
    const float distance = std::hypot(vx, vy);
    // The heading that moves the car along (-sin, -cos) of its angle.
    const float wanted = std::atan2(-vx, -vy) * 180 / PI;
    const float off = Wrap180(wanted - rot_niv);
    // Slow enough that the turning circle still passes through the mark.
    const float sine = std::sin(std::min(std::fabs(off), 90.0f) * PI / 180);
    const float tightest = distance / (2 * sine * TURN_RADIUS_PER_SPEED + 0.001f);
    const float speed = std::fabs(off) >= 90 ? SLOWEST : std::max(SLOWEST, std::min(FASTEST, tightest));
    if (off > DEGREES_PER_STEER / 2 && spids > STEERS_ABOVE) pilot.Hold(SDLK_LEFT);
    if (off < -DEGREES_PER_STEER / 2 && spids > STEERS_ABOVE) pilot.Hold(SDLK_RIGHT);
    if (spids < speed) pilot.Hold(SDLK_UP);
    else if (spids > speed + 1) pilot.Hold(SDLK_SPACE);
}

void PlayRace(Pilot& pilot)
{
    ExpectState(pilot, "race", STATE3_RACE);
    pilot.Tap(SDLK_RETURN);
    pilot.Frame();
    pilot.While("race", [] { return process3 == STATE3_RACE; }, [&] { DriveOneFrame(pilot); }, 8000);
}

// --- fight: the key of the part the target shows ----------------------------

// Head, left leg, left arm, stomach, right leg, right arm, groin: the
// targets in the order the fight numbers them.
const SDLKey PART_KEYS[7] = {SDLK_w, SDLK_c, SDLK_d, SDLK_s, SDLK_z, SDLK_a, SDLK_x};

void PlayFight(Pilot& pilot)
{
    ExpectState(pilot, "fight", STATE3_FIGHT);
    pilot.Tap(SDLK_RETURN);
    pilot.Frame();
    SDLKey down = SDLK_UNKNOWN;
    pilot.While("fight", [] { return process3 == STATE3_FIGHT; }, [&] {
        const SDLKey key = PART_KEYS[kermdalja >= 0 && kermdalja < 7 ? kermdalja : 0];
        // The same part twice needs the key up in between.
        down = key == down ? SDLK_UNKNOWN : key;
        if (down != SDLK_UNKNOWN) pilot.Hold(down);
    });
}

// --- tuning: a few parts on the car, then away -----------------------------

struct TuningMove {
    SDLKey key;
    int times;
};
const TuningMove TUNING_MOVES[] = {
    {SDLK_RIGHT, 2},  // wheels
    {SDLK_DOWN, 2},  {SDLK_RIGHT, 1},  // spoiler
    {SDLK_DOWN, 7},  {SDLK_RIGHT, 3},  // vinyl
};

void PlayTuning(Pilot& pilot)
{
    ExpectState(pilot, "tuning", STATE3_TUNING);
    pilot.Frame(2);  // the loading picture, then the load
    pilot.Tap(SDLK_2);
    pilot.Frame();
    for (const TuningMove& move : TUNING_MOVES)
        for (int k = 0; k < move.times; k++) {
            pilot.Tap(move.key);
            pilot.Frame();
        }
    if (m_wh != 2 || m_sp != 1 || m_vin != 3) pilot.Fail("tuning", "the parts did not change");
    pilot.Tap(SDLK_v);
    pilot.Frame();
    ExpectState(pilot, "tuning left", STATE3_WORLD);
}

// --- errands ----------------------------------------------------------------

void Eat(Pilot& pilot, const std::string& step)
{
    const int before = Score.GetScore();
    UseSpot(pilot, step, SPOT_FOOD);
    if (Score.GetScore() != before - 1) pilot.Fail(step, "nothing was eaten");
}

void UsePotty(Pilot& pilot, const std::string& step)
{
    UseSpot(pilot, step, SPOT_POTTY);
    ExpectState(pilot, step, STATE3_POTTY);
    if (!town->PlayPotty(step)) pilot.Fail(step, "the potty was lost");
}

void LookAfterNeeds(Pilot& pilot)
{
    if (player3.food <= FOOD_LOW) Eat(pilot, "a meal");
    if (player3.toilet <= TOILET_LOW) UsePotty(pilot, "the potty");
}

// An errand's spot, a low bar seen to first.
void Visit(Pilot& pilot, const std::string& step, int spot)
{
    LookAfterNeeds(pilot);
    UseSpot(pilot, step, spot);
}

void AskTheDrinker(Pilot& pilot)
{
    Visit(pilot, "the drinker", SPOT_DRINKER);
    ExpectDialog(pilot, "the drinker", 0);
    AnswerYes(pilot);
    if (!misi[SPOT_SHOP].active) pilot.Fail("the drinker", "the shop was not marked");
}

void BuyTheBeer(Pilot& pilot)
{
    Visit(pilot, "the shop", SPOT_SHOP);
    PlayShop(pilot);
    if (uzdevums[TASK_DRINK] != 1) pilot.Fail("the shop", "the beer is not on its way");
}

void AskTheBelasiMan(Pilot& pilot)
{
    Visit(pilot, "the belasi man", SPOT_BELASI_MAN);
    ExpectDialog(pilot, "the belasi man", 1);
    AnswerYes(pilot);
}

// The food stand has the belasi the man asked for.
void FetchTheBelasi(Pilot& pilot)
{
    Eat(pilot, "the food stand");
    if (uzdevums[TASK_BELASI] != 1) pilot.Fail("the food stand", "no belasi for the man");
}

void BringTheDrinkerHisBeer(Pilot& pilot)
{
    Visit(pilot, "beer to the drinker", SPOT_DRINKER);
    if (uzdevums[TASK_DRINK] != TASK_DONE) pilot.Fail("beer to the drinker", "he did not take it");
}

void GoHunting(Pilot& pilot)
{
    Visit(pilot, "the hunter", SPOT_HUNTER);
    ExpectDialog(pilot, "the hunter", 4);
    // Yes takes the player straight to the hunt.
    pilot.Tap(SDLK_y);
    PlayHunt(pilot);
}

// Two questions in a row; each needs its own Y.
void JoinTheSlaughterhouse(Pilot& pilot)
{
    Visit(pilot, "the slaughterhouse", SPOT_SLAUGHTERHOUSE);
    ExpectDialog(pilot, "the slaughterhouse", 5);
    AnswerYes(pilot);
    ExpectDialog(pilot, "the slaughterhouse's errand", 6);
    AnswerYes(pilot);
    if (!misi[SPOT_FIGHT].active) pilot.Fail("the slaughterhouse", "the man by the road was not marked");
}

void BeatUpTheDebtor(Pilot& pilot)
{
    Visit(pilot, "the man by the road", SPOT_FIGHT);
    PlayFight(pilot);
    if (uzdevums[TASK_FIGHT] != 1) pilot.Fail("the man by the road", "the fight was not won");
}

void BringTheBelasi(Pilot& pilot)
{
    Visit(pilot, "belasi to the man", SPOT_BELASI_MAN);
    ExpectDialog(pilot, "belasi to the man", 2);
    AnswerYes(pilot);
    if (!misi[SPOT_RIKTIS].active) pilot.Fail("belasi to the man", "Riktis was not marked");
}

void RaceForRiktis(Pilot& pilot)
{
    Visit(pilot, "Riktis", SPOT_RIKTIS);
    ExpectDialog(pilot, "Riktis", 3);
    pilot.Tap(SDLK_y);
    PlayRace(pilot);
    if (!misi[SPOT_GARAGE].active) pilot.Fail("Riktis", "the garage was not opened");
}

void TuneTheCar(Pilot& pilot)
{
    Visit(pilot, "the garage", SPOT_GARAGE);
    PlayTuning(pilot);
}

void ReportToTheSlaughterhouse(Pilot& pilot)
{
    Visit(pilot, "back at the slaughterhouse", SPOT_SLAUGHTERHOUSE);
    if (uzdevums[TASK_FIGHT] != TASK_DONE) pilot.Fail("back at the slaughterhouse", "the money was not taken");
}

void LeaveTheTown(Pilot& pilot)
{
    if (!misi[SPOT_EXIT].active) pilot.Fail("the exit", "still closed");
    UseSpot(pilot, "the exit", SPOT_EXIT);
    ExpectState(pilot, "the exit", STATE3_CLOSING);
    // The picture fades in fully before Space.
    pilot.Until("the closing picture", [] { return beigas_y >= 255; }, 200);
    pilot.Tap(SDLK_SPACE);
    pilot.Until("back to the menu", [] { return kas_notiek == STATE_MENU; }, 5);
    pilot.Frame();  // Space comes up on the menu, not on whatever follows it
}

}  // namespace

void PlayLevel3(Pilot& pilot)
{
    PassLoadingScreen(pilot);
    pilot.LetAll();
    pilot.Until("level 3 starts", [] { return kas_notiek == STATE_LEVEL3 && process3 == STATE3_WORLD; }, 10);
    town.emplace(pilot, LVL3);
    AskTheDrinker(pilot);
    // The food stand lies a few steps off the way to the shop and, later,
    // to the man by the road: a meal there each time keeps the bar from
    // blinking through the long errands between.
    Eat(pilot, "a meal on the way to the shop");
    BuyTheBeer(pilot);
    AskTheBelasiMan(pilot);
    FetchTheBelasi(pilot);
    BringTheDrinkerHisBeer(pilot);
    GoHunting(pilot);
    // The potty is on the way north, and the bar would run low during the race.
    UsePotty(pilot, "the potty on the way");
    JoinTheSlaughterhouse(pilot);
    Eat(pilot, "a meal on the way south");
    BeatUpTheDebtor(pilot);
    BringTheBelasi(pilot);
    RaceForRiktis(pilot);
    TuneTheCar(pilot);
    ReportToTheSlaughterhouse(pilot);
    LeaveTheTown(pilot);
    town.reset();
}
