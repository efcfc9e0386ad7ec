// Level 0 as a careful player plays it: keep out of the way of what drifts
// in from the right, line up with the rival that is furthest on, and fire
// when a shot can catch it.

#include <cmath>
#include <cstdlib>
#include <string>

#include "level0/lvl0.h"
#include "shell/game.h"
#include "tests/playthrough/routes.h"

namespace {

// What the player can see of each obstacle: where its body is, relative to
// its picture, and how large. A little larger than it is, for safety.
struct Body {
    int dx, dy, radius;
};
const Body BODY_IN_SLOT[OBSTACLE_SLOTS] = {
    {88, 88, 65}, {0, 0, 0},    {0, 0, 0},    {67, 54, 55}, {67, 54, 55}, {74, 70, 55},
    {74, 70, 55}, {63, 53, 55}, {54, 50, 55}, {63, 53, 55}, {54, 50, 55},
};
const float MARGIN = 14;
const float NOSE_X = 142, NOSE_Y = 25;  // the point of the swimmer that can be hit

const float FRAME_S = 0.03f;
const float SWIM = 135 * FRAME_S;       // the player's stride per frame
const float DRIFT = 230 * FRAME_S;      // an obstacle's
const int LOOKAHEAD = 75;               // frames
const float LOWEST_Y = 720;

// Frames until the player, swimming straight toward y and then staying,
// would touch an obstacle; LOOKAHEAD when never within the look-ahead.
int FramesUntilTouch(float targetY)
{
    float y = spermsy;
    for (int k = 1; k <= LOOKAHEAD; k++) {
        y += std::fabs(targetY - y) <= SWIM ? targetY - y : (targetY > y ? SWIM : -SWIM);
        for (int slot = 0; slot < OBSTACLE_SLOTS; slot++) {
            const Body& body = BODY_IN_SLOT[slot];
            if (!body.radius) continue;
            const float ox = naidnieks1[slot].x - DRIFT * k + body.dx;
            const float oy = static_cast<float>(naidnieks1[slot].y + body.dy);
            const float dx = spermsx + NOSE_X - ox, dy = y + NOSE_Y - oy;
            const float reach = body.radius + MARGIN;
            if (dx * dx + dy * dy < reach * reach) return k;
        }
    }
    return LOOKAHEAD;
}

// Where the swimmer's top must be for its shot to meet a rival at rivalY.
float AimFor(int rivalY) { return static_cast<float>(std::max(0, rivalY - 4)); }

// How far on a rival can be for a shot fired now to catch it before the
// bullet leaves the screen.
float ShotRange() { return spermsx + 640; }

// The rival whose last chance comes first among those the swimmer can still
// line up with in time; failing that, the one furthest on. -1: none.
int RivalToShoot()
{
    int best = -1;
    float bestDeadline = 1e9f;
    int furthest = -1;
    for (int k = 0; k < RIVALS; k++) {
        const float x = static_cast<float>(cits_sperm[k].x);
        if (x > ShotRange()) continue;
        if (furthest < 0 || x > cits_sperm[furthest].x) furthest = k;
        const float deadline = (ShotRange() - x) / (130 * FRAME_S);
        const float travel = std::fabs(AimFor(cits_sperm[k].y) - spermsy) / SWIM + 4;
        if (travel < deadline && deadline < bestDeadline) {
            bestDeadline = deadline;
            best = k;
        }
    }
    return best >= 0 ? best : furthest;
}

void SwimOneFrame(Pilot& pilot)
{
    const int rival = RivalToShoot();
    const float wanted = rival >= 0 ? AimFor(cits_sperm[rival].y) : spermsy;
    float bestY = spermsy;
    int bestFrames = -1;
    float bestDistance = 1e9f;
    for (float y = 0; y <= LOWEST_Y; y += 6) {
        const int frames = FramesUntilTouch(y);
        const float distance = std::fabs(y - wanted);
        if (frames > bestFrames || (frames == bestFrames && distance < bestDistance)) {
            bestFrames = frames;
            bestDistance = distance;
            bestY = y;
        }
    }
    // Exactly where it wants to be, if that is safe.
    if (FramesUntilTouch(wanted) == LOOKAHEAD) bestY = wanted;

    pilot.LetAll();
    if (bestY > spermsy + SWIM / 2) pilot.Hold(SDLK_DOWN);
    if (bestY < spermsy - SWIM / 2) pilot.Hold(SDLK_UP);
    const bool lined = rival >= 0 && std::fabs(spermsy - AimFor(cits_sperm[rival].y)) < 10;
    const bool ahead = rival >= 0 && cits_sperm[rival].x > spermsx + 40;
    static bool fired = false;  // Space must come up between shots
    if (lined && ahead && !lode_lido && !fired) {
        pilot.Hold(SDLK_SPACE);
        fired = true;
    } else {
        fired = false;
    }
    pilot.Frame();
}

// What ended the game, for the failure message.
std::string Why()
{
    for (const ScreenPoint& rival : cits_sperm)
        if (rival.x > 1194) return "a rival arrived at height " + std::to_string(rival.y);
    return "touched an obstacle at height " + std::to_string(static_cast<int>(spermsy));
}

}  // namespace

void PlayLevel0(Pilot& pilot, const char* name)
{
    PassLoadingScreen(pilot);
    pilot.LetAll();
    pilot.Until("level 0 starts", [] { return spele_iet; }, 10);
    while (!LVL0.GetStatus()) {
        if (beigts) pilot.Fail("level 0", "lost with " + std::to_string(LAIKS) + " seconds to go, " + Why());
        if (pilot.FrameNumber() > 100000) pilot.Fail("level 0", "the counter never ran out");
        SwimOneFrame(pilot);
    }
    pilot.LetAll();
    pilot.Until("birth slides reach the name", [] { return kkadskadrs == ENDING_SLIDES - 1; }, 200);
    pilot.Type(name);
    pilot.Tap(SDLK_RETURN);
    pilot.Until("level 1 loading screen", [] { return kas_notiek == STATE_LOAD1; }, 50);
}
